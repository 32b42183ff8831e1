#pragma once

#include <QByteArray>
#include <QString>

// The parts of the share exchange that need no network, apart so that tests and fuzzers reach
// them.
namespace shareexchange {

// Result codes of CLocateThread::SigFinished.
enum Code
{
    Shared = 0,
    TransportFailed = 1,
    ServiceRefused = 2
};

struct ShareAnswer
{
    int code = TransportFailed;
    QString url;
    QString password;
};

// The body of the second exchange: the encrypted range as lower-case hexadecimal and the
// encrypted key as Base64.
QByteArray shareRequestBody(const QByteArray& encryptedRange, const QByteArray& encryptedKey);

// The service's answer to the second exchange: hexadecimal text of the AES-encrypted JSON,
// decrypted with key and read up to its first zero byte. Text that is not hexadecimal, or JSON
// that is not an object with a non-zero "error_code" or a "share_list" array, gives
// TransportFailed.
ShareAnswer decodeShareAnswer(const QByteArray& hexReply, const QByteArray& key);

// The PEM text of the first exchange's answer (member "publickey"); empty when the answer is not
// a JSON object holding it as a string.
QByteArray publicKeyOfAnswer(const QByteArray& reply);

} // namespace shareexchange
