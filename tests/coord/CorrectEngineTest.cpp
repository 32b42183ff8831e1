#include "OvCoordSystem/coord/BD09CoordSys.h"
#include "OvCoordSystem/coord/GCJ02CoordSys.h"

#include "GcoordCases.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <memory>

using namespace coordinate;

namespace {
constexpr double kRefTol_deg = 1e-11; // about a micrometre
const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();
} // namespace

TEST(CorrectEngine, MatchesReferencePackageAndRoundTripsWithinMetres)
{
    GCJ02CoordSys gcj;
    BD09CoordSys bd;
    for (const ShiftCase& c : kGcoordCases) {
        SCOPED_TRACE(testing::Message() << c.lng << "," << c.lat);
        double x = c.lng, y = c.lat;
        ASSERT_TRUE(gcj.FromWGS84(&x, &y, 1));
        EXPECT_NEAR(x, c.gcjLng, kRefTol_deg);
        EXPECT_NEAR(y, c.gcjLat, kRefTol_deg);
        // The inverse is the one step 2·p − shift(p): within a few metres, not exact.
        double fx = c.gcjLng, fy = c.gcjLat;
        ASSERT_TRUE(gcj.FromWGS84(&fx, &fy, 1));
        ASSERT_TRUE(gcj.ToWGS84(&x, &y, 1));
        EXPECT_DOUBLE_EQ(x, 2 * c.gcjLng - fx);
        EXPECT_DOUBLE_EQ(y, 2 * c.gcjLat - fy);
        EXPECT_NEAR(x, c.lng, 1e-4);

        x = c.gcjLng, y = c.gcjLat;
        bd.GCJ02ToBD09(&x, &y, 1);
        EXPECT_NEAR(x, c.bdLng, kRefTol_deg);
        EXPECT_NEAR(y, c.bdLat, kRefTol_deg);
        bd.BD09ToGCJ02(&x, &y, 1);
        EXPECT_NEAR(x, c.backLng, kRefTol_deg);
        EXPECT_NEAR(y, c.backLat, kRefTol_deg);
        x = c.lng, y = c.lat;
        ASSERT_TRUE(bd.FromWGS84(&x, &y, 1));
        EXPECT_NEAR(x, c.bdLng, kRefTol_deg);
        EXPECT_NEAR(y, c.bdLat, kRefTol_deg);
        ASSERT_TRUE(bd.ToWGS84(&x, &y, 1));
        EXPECT_NEAR(x, c.lng, 1e-4);
        EXPECT_NEAR(y, c.lat, 1e-4);
    }
}

TEST(CorrectEngine, Gcj02BoxEdgesAreInclusiveAndNonFiniteIsOutside)
{
    GCJ02CoordSys engine;
    const struct
    {
        double lng, lat;
        bool inside;
    } cases[] = { { 72.004, 0.8293, true }, { 137.8347, 55.8271, true }, { 72.0039, 0.8293, false },
        { 72.004, 0.8292, false }, { 137.8348, 30, false }, { 100, 55.8272, false },
        { kNaN, 30, false }, { 100, kNaN, false }, { kInf, 30, false }, { 100, -kInf, false } };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.lng << "," << c.lat);
        double x = c.lng, y = c.lat;
        EXPECT_EQ(engine.FromWGS84(&x, &y, 1), c.inside);
        EXPECT_EQ(std::memcmp(&x, &c.lng, sizeof x) != 0, c.inside);
        EXPECT_EQ(std::memcmp(&y, &c.lat, sizeof y) != 0, c.inside);
    }
}

TEST(CorrectEngine, ArraysStopAtTheFirstRefusedPoint)
{
    GCJ02CoordSys gcj;
    double x[] = { 116.4, 121.5, 10.0, 113.3 };
    double y[] = { 39.9, 31.2, 10.0, 23.1 };
    EXPECT_FALSE(gcj.FromWGS84(x, y, 4));
    EXPECT_NE(x[1], 121.5);
    EXPECT_EQ(x[2], 10.0);
    EXPECT_EQ(x[3], 113.3); // after the stop: untouched though inside
    EXPECT_EQ(y[3], 23.1);

    // Back to WGS84: outside the box is no offset, out of range stops.
    double xs[] = { 116.4, 10, 200, 121.5 };
    double ys[] = { 39.9, 10, 10, 31.2 };
    EXPECT_FALSE(gcj.ToWGS84(xs, ys, 4));
    EXPECT_NE(xs[0], 116.4);
    EXPECT_EQ(xs[1], 10);
    EXPECT_EQ(xs[3], 121.5);
    for (const auto& p :
        { std::pair { kNaN, 10.0 }, { 10.0, kInf }, { -180.1, 0.0 }, { 0.0, 90.5 } }) {
        double px = p.first, py = p.second;
        EXPECT_FALSE(gcj.ToWGS84(&px, &py, 1)) << p.first << "," << p.second;
    }
    double px = -180, py = 90;
    EXPECT_TRUE(gcj.ToWGS84(&px, &py, 1));

    // BD09: the GCJ02 step stops at the outside point, the BD09 step still runs on all points.
    BD09CoordSys bd;
    double bx[] = { kGcoordCases[0].lng, 10.0, kGcoordCases[1].lng };
    double by[] = { kGcoordCases[0].lat, 10.0, kGcoordCases[1].lat };
    EXPECT_FALSE(bd.FromWGS84(bx, by, 3));
    EXPECT_NEAR(bx[0], kGcoordCases[0].bdLng, kRefTol_deg);
    double ex[] = { 10.0, kGcoordCases[1].lng };
    double ey[] = { 10.0, kGcoordCases[1].lat };
    bd.GCJ02ToBD09(ex, ey, 2);
    EXPECT_EQ(bx[1], ex[0]);
    EXPECT_EQ(by[2], ey[1]);
}

TEST(CorrectEngine, EmptyAndNullInputChangeNothing)
{
    GCJ02CoordSys gcj02;
    BD09CoordSys bd09;
    double x = 116.4, y = 39.9;
    for (ICoordSysCorrectEngine* engine : { static_cast<ICoordSysCorrectEngine*>(&gcj02),
             static_cast<ICoordSysCorrectEngine*>(&bd09) }) {
        EXPECT_TRUE(engine->FromWGS84(&x, &y, 0));
        EXPECT_TRUE(engine->ToWGS84(&x, &y, 0));
        EXPECT_TRUE(engine->FromWGS84(&x, &y, -3));
        EXPECT_TRUE(engine->AutoToWGS84(&x, &y, 0));
        EXPECT_FALSE(engine->FromWGS84(nullptr, &y, 1));
        EXPECT_FALSE(engine->ToWGS84(&x, nullptr, 1));
        EXPECT_FALSE(engine->AutoToWGS84(nullptr, nullptr, 1));
        engine->GCJ02ToBD09(nullptr, nullptr, 1);
        engine->BD09ToGCJ02(&x, &y, 0);
        engine->MercatorToLngLat(nullptr, nullptr, 1);
        engine->LngLatToMercator(&x, &y, -1);
    }
    EXPECT_EQ(x, 116.4);
    EXPECT_EQ(y, 39.9);
}

TEST(CorrectEngine, AutoToWgs84TakesMercatorInputFirst)
{
    // EPSG 3857 metres of the first GCJ02 reference point, from `echo 116.40337249402477
    // 39.917930749245947 | gdaltransform -s_srs EPSG:4326 -t_srs EPSG:3857` (GDAL 3.6).
    const ShiftCase& c = kGcoordCases[0];
    GCJ02CoordSys gcj02;
    double mx[] = { 12957964.1526546, c.gcjLng };
    double my[] = { 4854023.35686289, c.gcjLat };
    ASSERT_TRUE(gcj02.AutoToWGS84(&mx[0], &my[0], 1));
    ASSERT_TRUE(gcj02.AutoToWGS84(&mx[1], &my[1], 1));
    // BD09: each point on its own; Baidu Mercator of the BD09 point from gcoord (BD09 -> BD09MC).
    BD09CoordSys bd09;
    double bx[] = { 12958813.907270653, c.bdLng };
    double by[] = { 4827263.8153930940, c.bdLat };
    EXPECT_TRUE(bd09.AutoToWGS84(bx, by, 2));
    for (double lng : { mx[0], mx[1], bx[0], bx[1] })
        EXPECT_NEAR(lng, c.lng, 1e-4);
    for (double lat : { my[0], my[1], by[0], by[1] })
        EXPECT_NEAR(lat, c.lat, 1e-4);
}

TEST(CorrectEngine, Factories)
{
    const std::unique_ptr<ICoordSysCorrectEngine, void (*)(ICoordSysCorrectEngine*)> gcj(
        CreateCorrectEngine(0), DestroyCorrectEngine);
    EXPECT_NE(dynamic_cast<GCJ02CoordSys*>(gcj.get()), nullptr);
    EXPECT_EQ(CreateCorrectEngine(2), nullptr);
    EXPECT_EQ(CreateCorrectEngine(-1), nullptr);
    // -1 none, 0 GCJ02, 1 BD09, by coordinate system; unknown numbers are legal input.
    const int kinds[][2] = { { 13, 1 }, { 14, 1 }, { 15, 0 }, { 16, 0 }, { 3, -1 }, { 12, -1 },
        { 17, -1 }, { 0, -1 }, { 99, -1 } };
    for (const auto& c : kinds) {
        ICoordSysCorrectEngine* engine
            = CreateCorrectEngineByCoordSys(static_cast<E_COORDINATE_SYSTEM>(c[0]));
        SCOPED_TRACE(c[0]);
        EXPECT_EQ(dynamic_cast<GCJ02CoordSys*>(engine) != nullptr, c[1] == 0);
        EXPECT_EQ(dynamic_cast<BD09CoordSys*>(engine) != nullptr, c[1] == 1);
        DestroyCorrectEngine(engine);
    }
    DestroyCorrectEngine(nullptr);
}
