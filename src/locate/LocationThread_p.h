#pragma once

#include <QEventLoop>
#include <QMutex>
#include <QString>
#include <QThread>
#include <QTimer>

class IAnnotationFeature;
class ILocationDataSearchModule;

// Queries one division boundary at a time on a worker thread while the caller waits in a local
// event loop (the user interface keeps running) for at most a given number of seconds. A query
// that outlives its limit still finishes in the background; its result is discarded, and until its
// search has finished every new query is refused.
class CLocationThread : public QThread
{
    Q_OBJECT
public:
    explicit CLocationThread(QObject* parent);
    // Waits for a query still running.
    ~CLocationThread() override;

    // Queries the boundary of division CODE and waits for it at most SECONDS. False when a query
    // is still running or this one ran out of time; true otherwise, also when the division has
    // no boundary (GetResult then gives null).
    bool Query(const QString& code, int seconds);
    // The feature the last successful query found; the caller owns it from now on.
    IAnnotationFeature* GetResult();

    // Test seam: how long a second of the time limit lasts (milliseconds; 1000 by default).
    static void SetSecondLength(int milliseconds);

protected:
    void run() override;

private:
    bool m_bTerminated = false; // the caller stopped waiting
    bool m_bSearched = false; // the worker has its answer and is only ending
    int m_nSeconds = 5;
    QTimer m_timer;
    QString m_strCode;
    QMutex m_mutex;
    QEventLoop m_eventLoop;
    ILocationDataSearchModule* m_pSearchModule = nullptr;
    IAnnotationFeature* m_pResult = nullptr;
    // Counts the queries, so that a late worker cannot end the wait of a later query.
    int m_nQuery = 0;

    static int s_secondLength;
};
