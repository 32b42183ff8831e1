#include "OvCoordSystem/locate/Locate.h"

#include "OvCoordSystem/host/annotation/IAnnotation2DObject.h"
#include "OvCoordSystem/host/widgets/MessageBox.h"
#include "OvCoordSystem/host/widgets/ZuMessageBox.h"
#include "OvCoordSystem/locate/LocateClock_p.h"
#include "OvCoordSystem/locate/LocateHost_p.h"
#include "OvCoordSystem/locate/LocateThread.h"
#include "OvCoordSystem/locate/NetworkDownDlg.h"

#include <QPointer>

#include <utility>

namespace {

// The share service refuses a second link this soon after the last one (seconds).
constexpr qint64 kShareInterval_s = 300;

// QMessageBox::Cancel.
constexpr int kCancelButton = 0x00400000;

std::function<QDateTime()>& installedClock()
{
    static std::function<QDateTime()> clock;
    return clock;
}

void showShare(QWidget* parent, const QString& url, const QString& code)
{
    CNetworkDownDlg dialog(parent);
    dialog.SetShareInfo(url, code);
    dialog.exec();
}

} // namespace

namespace locateclock {

QDateTime now()
{
    const std::function<QDateTime()>& clock = installedClock();
    return clock ? clock() : QDateTime::currentDateTime();
}

void setClock(std::function<QDateTime()> clock)
{
    installedClock() = std::move(clock);
}

} // namespace locateclock

void CLocate::SlotNetworkDownRange()
{
    if (!m_pCurrentObject) return;
    if (!m_pWaitingBox) {
        m_pWaitingBox = new CMessageBox(nullptr);
        m_pWaitingBox->setIcon(1);
        m_pWaitingBox->setStandardButtons(kCancelButton);
    }
    if (!m_shareTimes.isEmpty()) {
        const auto cached = m_shareCache.constFind(m_strCityKey);
        if (cached != m_shareCache.constEnd()) {
            showShare(m_pDialogParent, cached->first, cached->second);
            return;
        }
        const qint64 elapsed = m_shareTimes.first().secsTo(locateclock::now());
        if (elapsed <= kShareInterval_s) {
            const qint64 rest = kShareInterval_s - elapsed;
            const qint64 minutes = rest / 60;
            ZuMessageBox::information(m_pDialogParent,
                QStringLiteral("由于百度网盘分享链接限制，请") + QString::number(minutes)
                    + QStringLiteral("分") + QString::number(rest - 60 * minutes)
                    + QStringLiteral("秒后重试。"),
                kOkButton);
            return;
        }
    }
    m_pWaitingBox->setText(QStringLiteral("正在请求数据请稍后..."));

    CVector3D min, max;
    m_pCurrentObject->GetBoundingBox(min, max);
    // The worker deletes itself once it ended, possibly while the waiting box still runs.
    const QPointer<CLocateThread> worker = new CLocateThread(this);
    connect(worker, SIGNAL(SigFinished(int, QString, QString)), this,
        SLOT(SlotFinished(int, QString, QString)));
    connect(worker, SIGNAL(finished()), worker, SLOT(deleteLater()));
    if (worker->SetRequestBody(
            CLocateThread::RangeRequestBody(min.x, min.y, max.x, max.y, m_strCityKey)))
        worker->start();
    if (m_pWaitingBox->exec() != 1 && worker) {
        worker->quit();
        worker->wait();
    }
}

void CLocate::SlotFinished(int nCode, QString strUrl, QString strPwd)
{
    if (nCode != 0) {
        m_pWaitingBox->setText(QStringLiteral("网络请求错误！"));
        m_pWaitingBox->setStandardButtons(kOkButton);
        m_shareTimes.clear();
        return;
    }
    m_pWaitingBox->close();
    showShare(m_pDialogParent, strUrl, strPwd);
    m_shareCache.insert(m_strCityKey, qMakePair(strUrl, strPwd));
    m_shareTimes = { locateclock::now() };
}
