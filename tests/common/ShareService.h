#pragma once

#include <QByteArray>
#include <QEventLoop>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QString>

// The reference range-sharing service (tools/share-service), started on a free port of
// 127.0.0.1 for the tests of one suite and stopped with it.
class ShareService
{
public:
    ShareService()
    {
        m_process.setProgram(QStringLiteral("/usr/bin/python3"));
        m_process.setArguments(
            { QStringLiteral(OV_SOURCE_DIR "/tools/share-service/share_service.py") });
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start();
        if (m_process.waitForReadyRead(20000)) {
            const QByteArray line = m_process.readLine().trimmed();
            if (line.startsWith("PORT "))
                m_address = QStringLiteral("http://127.0.0.1:") + QString::fromLatin1(line.mid(5));
        }
    }
    ~ShareService()
    {
        m_process.kill();
        m_process.waitForFinished();
    }

    // "http://127.0.0.1:PORT"; empty when the service did not start.
    QString address() const { return m_address; }

    // Chooses the fault of later answers: "none", "error-code", "empty-list", "http-500",
    // "delay", "bad-hex" or "non-json", on exchange STEP (1 or 2).
    void setFault(const QString& fault, int step = 2, double delaySeconds = 3)
    {
        request(QStringLiteral("/control?fault=%1&step=%2&delay=%3")
                    .arg(fault)
                    .arg(step)
                    .arg(delaySeconds),
            true);
    }

    // The last range request the service decoded ({} before any).
    QJsonObject lastRequest()
    {
        return QJsonDocument::fromJson(request(QStringLiteral("/last"), false)).object();
    }

private:
    QByteArray request(const QString& path, bool post)
    {
        QNetworkAccessManager manager;
        QNetworkRequest request(QUrl(m_address + path));
        QNetworkReply* reply = post ? manager.post(request, QByteArray()) : manager.get(request);
        QEventLoop loop;
        QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        loop.exec();
        const QByteArray body = reply->readAll();
        delete reply;
        return body;
    }

    QProcess m_process;
    QString m_address;
};
