#pragma once

#include "OvCoordSystem/OvGlobal.h"

#include <QByteArray>
#include <QString>
#include <QThread>

// Asks the range-sharing service for a share link of one range, on its own thread: fetches the
// service's RSA public key into "public.pem" in the data folder, then sends the range request
// AES-encrypted under a fresh key that travels RSA-encrypted beside it. Each exchange is one
// HTTP POST waited for at most ten seconds. The result arrives through SigFinished.
class OVCOORD_EXPORT CLocateThread : public QThread
{
    Q_OBJECT
public:
    explicit CLocateThread(QObject* parent = nullptr);
    // Waits for a running request to end.
    ~CLocateThread() override;

    // The range request (a one-line JSON object, GB18030). False, and nothing changes, while the
    // thread runs.
    bool SetRequestBody(const QByteArray& body);

    // The range request for the extent (minimum and maximum corner, map coordinates) of the
    // division with code adcode: one JSON line, numbers with six significant digits, GB18030.
    static QByteArray RangeRequestBody(
        double minX, double minY, double maxX, double maxY, const QString& adcode);

    // Time limit of each exchange (milliseconds), process-wide; 10000 unless a test or a host
    // sets another. Values below 1 are taken as 1.
    static void SetExchangeTimeout(int msec);
    static int ExchangeTimeout();

signals:
    // nCode 0: the share address and extraction code; 1: no connection, a time limit passed, an
    // HTTP status other than 200 or an answer that cannot be read; 2: the service refused. For 1
    // and 2 both texts are "NULL".
    void SigFinished(int nCode, QString strUrl = QString(), QString strPwd = QString());

protected:
    void run() override;

private:
    QByteArray m_body;
};
