#include "LocateFixture.h"

#include <QCoreApplication>
#include <QElapsedTimer>

namespace {
// Runs the event loop until the worker has given up on its late result (at most 10 s).
bool waitForLateResult(const std::function<QStringList()>& infoLines)
{
    QElapsedTimer clock;
    clock.start();
    while (!infoLines().contains(QStringLiteral("Timer No Active")) && clock.elapsed() < 10000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
    return infoLines().contains(QStringLiteral("Timer No Active"));
}
} // namespace

// The time limit, shortened through the seam: 5 "seconds" of 20 ms.
TEST_F(LocateTest, SlowQueryRunsOutOfTimeAndBlocksTheNextUntilItEnds)
{
    ASSERT_TRUE(locate->Location(QStringLiteral("116,40"), DEGREE_DECIMAL));
    IAnnotation2DObject* point = current();
    CLocationThread::SetSecondLength(20);
    GetOrCreateLocationDataSearchModule()->SetQueryDelay(600);

    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(locate->Location(kChaoyangCode, kChaoyangName, true));
    EXPECT_LT(clock.elapsed(), 550);
    EXPECT_EQ(logged(OvLogLevel::Info), QStringList(QStringLiteral("Thread Set Terminate = true")));
    // Still running: refused at once.
    EXPECT_FALSE(locate->Location(kBeijingCode, kBeijingName, true));
    EXPECT_EQ(logged(OvLogLevel::Error),
        QStringList({ QStringLiteral("请求区划范围 朝阳区 失败"),
            QStringLiteral("请求区划范围 北京市 失败") }));
    EXPECT_EQ(current(), point);
    EXPECT_TRUE(locate->GetCurrentCityName().isEmpty());

    // The late result is discarded; then queries work again.
    ASSERT_TRUE(waitForLateResult([this] { return logged(OvLogLevel::Info); }));
    QCoreApplication::processEvents();
    EXPECT_EQ(current(), point);
    GetOrCreateLocationDataSearchModule()->SetQueryDelay(0);
    EXPECT_TRUE(locate->Location(kBeijingCode, kBeijingName, true));
    EXPECT_NE(current(), point);
    EXPECT_EQ(locate->GetCurrentCityName(), kBeijingName);
}

// The locator allows five seconds: with 200 ms seconds a query of 0.6 s is waited for, one of
// 1.6 s is not.
TEST_F(LocateTest, QueryLimitIsFiveSeconds)
{
    CLocationThread::SetSecondLength(200);
    GetOrCreateLocationDataSearchModule()->SetQueryDelay(600);
    EXPECT_TRUE(locate->Location(kChaoyangCode, kChaoyangName, false));
    GetOrCreateLocationDataSearchModule()->SetQueryDelay(1600);
    EXPECT_FALSE(locate->Location(kBeijingCode, kBeijingName, false));
    EXPECT_EQ(locate->GetCurrentCityName(), kChaoyangName);
    ASSERT_TRUE(waitForLateResult([this] { return logged(OvLogLevel::Info); }));
}

TEST_F(LocateTest, DestroyingTheLocatorWaitsForARunningQuery)
{
    CLocationThread::SetSecondLength(10);
    GetOrCreateLocationDataSearchModule()->SetQueryDelay(400);
    EXPECT_FALSE(locate->Location(kChaoyangCode, kChaoyangName, true));
    EXPECT_FALSE(logged(OvLogLevel::Info).contains(QStringLiteral("Timer No Active")));
    locate.reset();
    EXPECT_TRUE(logged(OvLogLevel::Info).contains(QStringLiteral("Timer No Active")));
}
