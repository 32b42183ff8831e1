#include "OvCoordSystem/locate/LocateThread_p.h"

#include "OvCoordSystem/locate/ShareCrypto_p.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace shareexchange {
namespace {

bool isHexadecimal(const QByteArray& text)
{
    if (text.size() % 2) return false;
    for (char c : text) {
        const bool digit
            = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
        if (!digit) return false;
    }
    return true;
}

} // namespace

QByteArray shareRequestBody(const QByteArray& encryptedRange, const QByteArray& encryptedKey)
{
    return "{\"data\":\"" + encryptedRange.toHex() + "\",\"aes_key\": \"" + encryptedKey.toBase64()
        + "\"}";
}

ShareAnswer decodeShareAnswer(const QByteArray& hexReply, const QByteArray& key)
{
    ShareAnswer answer;
    const QByteArray reply = hexReply.trimmed();
    if (reply.isEmpty() || !isHexadecimal(reply)) return answer;
    QByteArray plain = sharecrypto::aes128Ecb(key, QByteArray::fromHex(reply), false);
    const int zero = plain.indexOf('\0');
    if (zero >= 0) plain.truncate(zero);
    const QJsonDocument document = QJsonDocument::fromJson(plain);
    if (!document.isObject()) return answer;
    const QJsonObject object = document.object();
    const QJsonValue error = object.value(QStringLiteral("error_code"));
    if (!error.isUndefined() && error.toVariant().toLongLong() != 0) {
        answer.code = ServiceRefused;
        return answer;
    }
    const QJsonValue list = object.value(QStringLiteral("share_list"));
    if (!list.isArray()) return answer;
    const QJsonObject first = list.toArray().at(0).toObject();
    answer.code = Shared;
    answer.url = first.value(QStringLiteral("share_url")).toString();
    answer.password = first.value(QStringLiteral("share_pwd")).toString();
    return answer;
}

QByteArray publicKeyOfAnswer(const QByteArray& reply)
{
    const QJsonDocument document = QJsonDocument::fromJson(reply);
    const QJsonValue key = document.object().value(QStringLiteral("publickey"));
    return key.isString() ? key.toString().toUtf8() : QByteArray();
}

} // namespace shareexchange
