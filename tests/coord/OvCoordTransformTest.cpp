#include "OvCoordSystem/coord/OvCoordTransform.h"
#include "OvCoordSystem/coord/GCJ02CoordSys.h"
#include "OvCoordSystem/host/MapTypes.h"

#include "GcoordCases.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <future>
#include <limits>
#include <vector>

namespace {
constexpr double kRefTol_deg = 1e-11;
}

TEST(OvCoordTransform, ShiftsMatchReferencePackageAndTheEngine)
{
    const COvCoordTransform t;
    coordinate::GCJ02CoordSys engine;
    for (const ShiftCase& c : kGcoordCases) {
        SCOPED_TRACE(testing::Message() << c.lng << "," << c.lat);
        QPointF p(c.lng, c.lat);
        ASSERT_TRUE(t.WGS84ToGCJ02(p));
        EXPECT_NEAR(p.x(), c.gcjLng, kRefTol_deg);
        EXPECT_NEAR(p.y(), c.gcjLat, kRefTol_deg);
        ASSERT_TRUE(t.GCJ02ToBD09(p));
        EXPECT_NEAR(p.x(), c.bdLng, kRefTol_deg);
        EXPECT_NEAR(p.y(), c.bdLat, kRefTol_deg);
        ASSERT_TRUE(t.BD09ToGCJ02(p));
        EXPECT_NEAR(p.x(), c.backLng, kRefTol_deg);
        EXPECT_NEAR(p.y(), c.backLat, kRefTol_deg);

        QPointF bd(c.lng, c.lat);
        ASSERT_TRUE(t.WGS84ToBD09(bd));
        EXPECT_NEAR(bd.x(), c.bdLng, kRefTol_deg);
        EXPECT_NEAR(bd.y(), c.bdLat, kRefTol_deg);
        ASSERT_TRUE(t.BD09ToWGS84(bd));
        EXPECT_NEAR(bd.x(), c.lng, 1e-4); // two one-step inverses: metres
        EXPECT_NEAR(bd.y(), c.lat, 1e-4);

        // Both take the one step 2·p − shift(p) back to WGS84.
        QPointF g(c.gcjLng, c.gcjLat);
        double x = c.gcjLng, y = c.gcjLat;
        ASSERT_TRUE(t.Gcj02ToWGS84(g));
        ASSERT_TRUE(engine.ToWGS84(&x, &y, 1));
        EXPECT_NEAR(g.x(), x, 1e-12);
        EXPECT_NEAR(g.y(), y, 1e-12);
    }
    // Outside the GCJ02 box (edges inclusive): no offset.
    QPointF outside(72.0039, 0.8293), edge(72.004, 0.8293);
    EXPECT_TRUE(t.WGS84ToGCJ02(outside) && t.Gcj02ToWGS84(outside) && t.WGS84ToGCJ02(edge));
    EXPECT_EQ(outside, QPointF(72.0039, 0.8293));
    EXPECT_NE(edge.x(), 72.004);
}

TEST(OvCoordTransform, FailureLeavesThePointUnchanged)
{
    const COvCoordTransform t;
    const std::function<bool(QPointF&)> ops[] = { [&](QPointF& p) { return t.WGS84ToGCJ02(p); },
        [&](QPointF& p) { return t.Gcj02ToWGS84(p); }, [&](QPointF& p) { return t.GCJ02ToBD09(p); },
        [&](QPointF& p) { return t.BD09ToGCJ02(p); }, [&](QPointF& p) { return t.WGS84ToBD09(p); },
        [&](QPointF& p) { return t.BD09ToWGS84(p); },
        [&](QPointF& p) { return t.Wgs84ToOther(p, MAP_AMAP); },
        [&](QPointF& p) { return t.Wgs84ToOther(p, MAP_BAIDU); } };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const QPointF bad[] = { { nan, 30 }, { 116, nan }, { inf, 30 }, { 116, -inf }, { 200, 10 },
        { 10, -91 }, { -180.001, 0 } };
    int index = 0;
    for (const auto& op : ops) {
        for (const QPointF& b : bad) {
            SCOPED_TRACE(testing::Message() << index << ": " << b.x() << "," << b.y());
            QPointF p = b;
            EXPECT_FALSE(op(p));
            EXPECT_EQ(std::memcmp(&p, &b, sizeof p), 0);
        }
        ++index;
    }
}

TEST(OvCoordTransform, Wgs84ToOtherForEveryKindOfMapType)
{
    const COvCoordTransform t;
    const ShiftCase& c = kGcoordCases[0];
    for (const tagMapTypeInfo& info : MapTypeTable()) {
        SCOPED_TRACE(info.type);
        QPointF p(c.lng, c.lat);
        EXPECT_EQ(t.Wgs84ToOther(p, info.type), info.datum != TILE_DATUM_WGS84);
        const QPointF expected = info.datum == TILE_DATUM_GCJ02 ? QPointF(c.gcjLng, c.gcjLat)
            : info.datum == TILE_DATUM_BD09                     ? QPointF(c.bdLng, c.bdLat)
                                                                : QPointF(c.lng, c.lat);
        EXPECT_NEAR(p.x(), expected.x(), kRefTol_deg);
        EXPECT_NEAR(p.y(), expected.y(), kRefTol_deg);
    }
    for (int unknown : { -1, 4242 }) {
        QPointF p(c.lng, c.lat);
        EXPECT_FALSE(t.Wgs84ToOther(p, unknown));
        EXPECT_EQ(p, QPointF(c.lng, c.lat));
    }
}

TEST(OvCoordTransform, UsableFromSeveralThreads)
{
    std::vector<std::future<bool>> runs;
    for (int thread = 0; thread < 4; ++thread) {
        runs.push_back(std::async(std::launch::async, [] {
            const COvCoordTransform t;
            bool all = true;
            for (int round = 0; round < 50; ++round) {
                for (const ShiftCase& c : kGcoordCases) {
                    QPointF p(c.lng, c.lat);
                    all = all && t.WGS84ToBD09(p) && std::fabs(p.x() - c.bdLng) < kRefTol_deg
                        && std::fabs(p.y() - c.bdLat) < kRefTol_deg;
                }
            }
            return all;
        }));
    }
    for (auto& run : runs)
        EXPECT_TRUE(run.get());
}
