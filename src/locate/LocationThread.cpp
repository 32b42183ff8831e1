#include "OvCoordSystem/locate/LocationThread_p.h"

#include "OvCoordSystem/host/annotation/IAnnotationFeature.h"
#include "OvCoordSystem/host/app/OvLog.h"
#include "OvCoordSystem/host/search/ILocationDataSearchModule.h"

#include <QMutexLocker>

int CLocationThread::s_secondLength = 1000;

CLocationThread::CLocationThread(QObject* parent)
    : QThread(parent)
    , m_pSearchModule(GetOrCreateLocationDataSearchModule())
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        QMutexLocker lock(&m_mutex);
        m_bTerminated = true;
        // A result that came in just before the limit is not waited for either.
        delete m_pResult;
        m_pResult = nullptr;
        lock.unlock();
        m_eventLoop.quit();
    });
}

CLocationThread::~CLocationThread()
{
    wait();
    delete m_pResult;
}

bool CLocationThread::Query(const QString& code, int seconds)
{
    if (isRunning()) {
        QMutexLocker lock(&m_mutex);
        const bool ending = m_bSearched;
        lock.unlock();
        if (!ending) return false;
        wait(); // only the hand-over of a discarded answer is left
    }
    {
        QMutexLocker lock(&m_mutex);
        m_bSearched = false;
        m_nSeconds = seconds;
        m_strCode = code;
        delete m_pResult;
        m_pResult = nullptr;
        m_bTerminated = false;
        ++m_nQuery;
    }
    m_timer.start(m_nSeconds * s_secondLength);
    start();
    m_eventLoop.exec();
    if (!m_timer.isActive()) OvLogInfo(-1) << "Thread Set Terminate = true";
    m_timer.stop();
    QMutexLocker lock(&m_mutex);
    const bool answered = !m_bTerminated;
    lock.unlock();
    // The worker quits the loop just before it ends; let it end, so that the next query is not
    // refused as if it still ran.
    if (answered) wait();
    return answered;
}

IAnnotationFeature* CLocationThread::GetResult()
{
    QMutexLocker lock(&m_mutex);
    IAnnotationFeature* result = m_pResult;
    m_pResult = nullptr;
    return result;
}

void CLocationThread::SetSecondLength(int milliseconds)
{
    s_secondLength = milliseconds;
}

void CLocationThread::run()
{
    QMutexLocker lock(&m_mutex);
    const std::string code = m_strCode.toLocal8Bit().toStdString();
    const int query = m_nQuery;
    lock.unlock();

    IAnnotationFeature* feature
        = m_pSearchModule ? m_pSearchModule->QueryDivision(code, 1) : nullptr;

    lock.relock();
    m_bSearched = true;
    if (m_bTerminated) {
        OvLogInfo(-1) << "Timer No Active";
        delete feature;
    } else {
        m_pResult = feature;
    }
    lock.unlock();
    // The loop belongs to the caller's thread: quit it there, and only for this query.
    QMetaObject::invokeMethod(
        this,
        [this, query] {
            if (query == m_nQuery) m_eventLoop.quit();
        },
        Qt::QueuedConnection);
}
