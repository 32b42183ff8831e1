#include "OvCoordSystem/locate/LocateThread.h"

#include "OvCoordSystem/host/app/OvCoreApplication.h"
#include "OvCoordSystem/host/app/TextConvert.h"
#include "OvCoordSystem/host/app/UserModule.h"
#include "OvCoordSystem/locate/LocateThread_p.h"
#include "OvCoordSystem/locate/ShareCrypto_p.h"

#include <QDebug>
#include <QEventLoop>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

#include <atomic>
#include <memory>

namespace {

std::atomic<int> g_exchangeTimeout_ms { 10000 };

const QString kNull = QStringLiteral("NULL");

enum class Exchange
{
    Answered, // status 200; the body is in reply
    Failed, // time limit, transport error or another status
    Cancelled // the thread was asked to quit
};

// One POST, waited for in a local event loop that the answer, the time limit or quit() ends.
Exchange post(
    QNetworkAccessManager& manager, const QString& url, const QByteArray& body, QByteArray* reply)
{
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&manager, &QNetworkAccessManager::finished, &loop, &QEventLoop::quit);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    const std::unique_ptr<QNetworkReply> answer(manager.post(QNetworkRequest(QUrl(url)), body));
    timer.start(g_exchangeTimeout_ms.load());
    loop.exec();
    if (!answer->isFinished()) {
        const bool timedOut = !timer.isActive();
        answer->abort();
        if (!timedOut) return Exchange::Cancelled;
        qDebug().noquote() << QStringLiteral("http请求超时 ");
        return Exchange::Failed;
    }
    if (answer->error() != QNetworkReply::NoError) {
        qDebug().noquote() << QStringLiteral("http请求出错 : ") + answer->errorString();
        return Exchange::Failed;
    }
    const int status = answer->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    qDebug().noquote() << QStringLiteral("服务器返回的Code : ") + QString::number(status);
    if (status != 200) return Exchange::Failed;
    *reply = answer->readAll();
    return Exchange::Answered;
}

QString publicKeyPath()
{
    return QFile::decodeName(COvCoreApplication::GetInstance()->GetDataDir().c_str())
        + QStringLiteral("public.pem");
}

} // namespace

CLocateThread::CLocateThread(QObject* parent)
    : QThread(parent)
{ }

CLocateThread::~CLocateThread()
{
    quit();
    wait();
}

bool CLocateThread::SetRequestBody(const QByteArray& body)
{
    if (isRunning()) return false;
    m_body = body;
    return true;
}

QByteArray CLocateThread::RangeRequestBody(
    double minX, double minY, double maxX, double maxY, const QString& adcode)
{
    const auto number = [](double value) { return QString::number(value, 'g', 6); };
    QString code = adcode;
    code.replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
        .replace(QLatin1Char('"'), QStringLiteral("\\\""));
    const QString body = QStringLiteral("{\"extent_minx\": ") + number(minX)
        + QStringLiteral(",\"extent_miny\": ") + number(minY) + QStringLiteral(",\"extent_maxx\": ")
        + number(maxX) + QStringLiteral(",\"extent_maxy\": ") + number(maxY)
        + QStringLiteral(",\"tile_model\": 2,\"Level\": 10,\"period\": 1,\"adcode\": \"") + code
        + QStringLiteral("\"}");
    return ConvertQStringToQByteArray(body, "GB18030");
}

void CLocateThread::SetExchangeTimeout(int msec)
{
    g_exchangeTimeout_ms = qMax(1, msec);
}

int CLocateThread::ExchangeTimeout()
{
    return g_exchangeTimeout_ms;
}

void CLocateThread::run()
{
    struct ThreadStateRelease
    {
        ~ThreadStateRelease() { sharecrypto::releaseThreadState(); }
    } release;
    using namespace shareexchange;
    const QString base
        = ConvertStdStringToQString(GetOrCreateOvUserModule()->GetServiceAddress(), "GB18030");
    QNetworkAccessManager manager; // lives on this thread, as its replies must
    QByteArray reply;

    Exchange step = post(manager, base + QStringLiteral("/BDUD?t=ras_publickey"),
        QByteArrayLiteral("{\"type\":\"ras_publickey\"}"), &reply);
    if (step != Exchange::Answered) {
        if (step == Exchange::Failed) emit SigFinished(TransportFailed, kNull, kNull);
        return;
    }
    const QByteArray pem = publicKeyOfAnswer(reply);
    if (!pem.isEmpty()) {
        QFile file(publicKeyPath());
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(pem);
    }

    const QByteArray key = sharecrypto::makeRequestKey();
    QByteArray storedPem;
    QFile file(publicKeyPath());
    if (file.open(QIODevice::ReadOnly)) storedPem = file.readAll();
    const QByteArray body = shareRequestBody(
        sharecrypto::aes128Ecb(key, m_body, true), sharecrypto::rsaPkcs1Encrypt(storedPem, key));

    step = post(manager, base + QStringLiteral("/BDUD?t=functionBDShareLink"), body, &reply);
    if (step != Exchange::Answered) {
        if (step == Exchange::Failed) emit SigFinished(TransportFailed, kNull, kNull);
        return;
    }
    const ShareAnswer answer = decodeShareAnswer(reply, key);
    if (answer.code == Shared)
        emit SigFinished(Shared, answer.url, answer.password);
    else
        emit SigFinished(answer.code, kNull, kNull);
}
