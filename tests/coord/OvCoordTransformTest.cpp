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

using Operation = std::function<bool(QPointF&)>;

struct Named
{
    const char* name;
    Operation op;
};

std::vector<Named> allOperations()
{
    const COvCoordTransform t;
    return {
        { "WGS84ToGCJ02", [t](QPointF& p) { return t.WGS84ToGCJ02(p); } },
        { "Gcj02ToWGS84", [t](QPointF& p) { return t.Gcj02ToWGS84(p); } },
        { "GCJ02ToBD09", [t](QPointF& p) { return t.GCJ02ToBD09(p); } },
        { "BD09ToGCJ02", [t](QPointF& p) { return t.BD09ToGCJ02(p); } },
        { "WGS84ToBD09", [t](QPointF& p) { return t.WGS84ToBD09(p); } },
        { "BD09ToWGS84", [t](QPointF& p) { return t.BD09ToWGS84(p); } },
        { "Wgs84ToOther(GCJ02 map)", [t](QPointF& p) { return t.Wgs84ToOther(p, MAP_AMAP); } },
        { "Wgs84ToOther(BD09 map)", [t](QPointF& p) { return t.Wgs84ToOther(p, MAP_BAIDU); } },
    };
}

bool sameBits(const QPointF& a, const QPointF& b)
{
    const double av[] = { a.x(), a.y() };
    const double bv[] = { b.x(), b.y() };
    return std::memcmp(av, bv, sizeof av) == 0;
}

} // namespace

TEST(OvCoordTransform, ShiftsMatchReferencePackage)
{
    const COvCoordTransform t;
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
    }
}

TEST(OvCoordTransform, BackToWgs84AgreesWithTheEngine)
{
    // Both take the one step 2·p − shift(p).
    const COvCoordTransform t;
    coordinate::GCJ02CoordSys engine;
    for (const ShiftCase& c : kGcoordCases) {
        QPointF p(c.gcjLng, c.gcjLat);
        double x = c.gcjLng;
        double y = c.gcjLat;
        ASSERT_TRUE(t.Gcj02ToWGS84(p));
        ASSERT_TRUE(engine.ToWGS84(&x, &y, 1));
        EXPECT_NEAR(p.x(), x, 1e-12);
        EXPECT_NEAR(p.y(), y, 1e-12);
    }
}

TEST(OvCoordTransform, FailureLeavesThePointUnchanged)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const QPointF bad[] = { { nan, 30 }, { 116, nan }, { inf, 30 }, { 116, -inf }, { 200, 10 },
        { 10, -91 }, { -180.001, 0 } };
    for (const Named& n : allOperations()) {
        for (const QPointF& b : bad) {
            SCOPED_TRACE(testing::Message() << n.name << " " << b.x() << "," << b.y());
            QPointF p = b;
            EXPECT_FALSE(n.op(p));
            EXPECT_TRUE(sameBits(p, b));
        }
    }
}

TEST(OvCoordTransform, OutsideTheGcj02AreaNoOffset)
{
    const COvCoordTransform t;
    QPointF p(10, 10);
    EXPECT_TRUE(t.WGS84ToGCJ02(p));
    EXPECT_EQ(p, QPointF(10, 10));
    EXPECT_TRUE(t.Gcj02ToWGS84(p));
    EXPECT_EQ(p, QPointF(10, 10));
    // Box edge (inclusive) and just outside.
    QPointF edge(72.004, 0.8293);
    EXPECT_TRUE(t.WGS84ToGCJ02(edge));
    EXPECT_NE(edge.x(), 72.004);
    QPointF outside(72.0039, 0.8293);
    EXPECT_TRUE(t.WGS84ToGCJ02(outside));
    EXPECT_EQ(outside.x(), 72.0039);
}

TEST(OvCoordTransform, Wgs84ToOtherForEveryKindOfMapType)
{
    const COvCoordTransform t;
    const ShiftCase& c = kGcoordCases[0];
    for (const tagMapTypeInfo& info : MapTypeTable()) {
        SCOPED_TRACE(info.type);
        QPointF p(c.lng, c.lat);
        const bool shifted = t.Wgs84ToOther(p, info.type);
        switch (info.datum) {
        case TILE_DATUM_GCJ02:
            EXPECT_TRUE(shifted);
            EXPECT_NEAR(p.x(), c.gcjLng, kRefTol_deg);
            EXPECT_NEAR(p.y(), c.gcjLat, kRefTol_deg);
            break;
        case TILE_DATUM_BD09:
            EXPECT_TRUE(shifted);
            EXPECT_NEAR(p.x(), c.bdLng, kRefTol_deg);
            EXPECT_NEAR(p.y(), c.bdLat, kRefTol_deg);
            break;
        default:
            EXPECT_FALSE(shifted);
            EXPECT_EQ(p, QPointF(c.lng, c.lat));
        }
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
