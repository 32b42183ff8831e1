#include "LocateFixture.h"

#include <QElapsedTimer>

// The time limit through the seams: a slow search, and locator seconds of a few milliseconds.
class LocationLimitTest : public LocateTest
{
protected:
    void slowDown(int secondMs, int queryMs)
    {
        CLocationThread::SetSecondLength(secondMs);
        GetOrCreateLocationDataSearchModule()->SetQueryDelay(queryMs);
    }
    // Runs the event loop until the worker has discarded its late result (at most 10 s).
    bool lateResultDiscarded()
    {
        QElapsedTimer clock;
        clock.start();
        while (!logged(OvLogLevel::Info).contains(QStringLiteral("Timer No Active"))) {
            if (clock.elapsed() > 10000) return false;
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        }
        return true;
    }
};

TEST_F(LocationLimitTest, SlowQueryRunsOutOfTimeAndBlocksTheNextUntilItEnds)
{
    ASSERT_TRUE(locate->Location(QStringLiteral("116,40"), DEGREE_DECIMAL));
    IAnnotation2DObject* point = current();
    slowDown(20, 2000); // a limit of 100 ms
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(locate->Location(kChaoyang, QStringLiteral("朝阳区"), true));
    EXPECT_LT(clock.elapsed(), 1500);
    EXPECT_EQ(logged(OvLogLevel::Info), QStringList(QStringLiteral("Thread Set Terminate = true")));
    EXPECT_FALSE(locate->Location(kBeijing, QStringLiteral("北京市"), true)); // still running
    EXPECT_EQ(logged(OvLogLevel::Error),
        QStringList({ QStringLiteral("请求区划范围 朝阳区 失败"),
            QStringLiteral("请求区划范围 北京市 失败") }));
    EXPECT_EQ(current(), point);

    ASSERT_TRUE(lateResultDiscarded());
    EXPECT_EQ(current(), point);
    slowDown(1000, 0);
    EXPECT_TRUE(locate->Location(kBeijing, QStringLiteral("北京市"), true));
    EXPECT_EQ(locate->GetCurrentCityName(), QStringLiteral("北京市"));
}

TEST_F(LocationLimitTest, DestroyingTheLocatorWaitsForARunningQuery)
{
    slowDown(10, 400);
    EXPECT_FALSE(locate->Location(kChaoyang, QStringLiteral("朝阳区"), true));
    locate.reset();
    EXPECT_TRUE(logged(OvLogLevel::Info).contains(QStringLiteral("Timer No Active")));
}
