#include "OvCoordSystem/coord/BD09CoordSys.h"
#include "OvCoordSystem/coord/GCJ02CoordSys.h"

#include "GcoordCases.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <memory>

using namespace coordinate;

namespace {

// Agreement with the reference package (degrees; 1e-11 degrees is about a micrometre).
constexpr double kRefTol_deg = 1e-11;

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

} // namespace

TEST(CorrectEngine, Gcj02MatchesReferencePackage)
{
    GCJ02CoordSys engine;
    for (const ShiftCase& c : kGcoordCases) {
        SCOPED_TRACE(testing::Message() << c.lng << "," << c.lat);
        double x = c.lng;
        double y = c.lat;
        ASSERT_TRUE(engine.FromWGS84(&x, &y, 1));
        EXPECT_NEAR(x, c.gcjLng, kRefTol_deg);
        EXPECT_NEAR(y, c.gcjLat, kRefTol_deg);
    }
}

TEST(CorrectEngine, Gcj02ToWgs84IsOneStepInverse)
{
    // One step: p' = 2·p − shift(p), with shift(p) taken from the reference package's forward
    // shift of the GCJ02 point. Not an exact inverse: it lands within a few metres (1e-4 deg).
    GCJ02CoordSys engine;
    for (const ShiftCase& c : kGcoordCases) {
        SCOPED_TRACE(testing::Message() << c.lng << "," << c.lat);
        double x = c.gcjLng;
        double y = c.gcjLat;
        double fx = x;
        double fy = y;
        ASSERT_TRUE(engine.FromWGS84(&fx, &fy, 1));
        ASSERT_TRUE(engine.ToWGS84(&x, &y, 1));
        EXPECT_DOUBLE_EQ(x, 2 * c.gcjLng - fx);
        EXPECT_DOUBLE_EQ(y, 2 * c.gcjLat - fy);
        EXPECT_NEAR(x, c.lng, 1e-4);
        EXPECT_NEAR(y, c.lat, 1e-4);
    }
}

TEST(CorrectEngine, Bd09MatchesReferencePackage)
{
    BD09CoordSys engine;
    for (const ShiftCase& c : kGcoordCases) {
        SCOPED_TRACE(testing::Message() << c.lng << "," << c.lat);
        double x = c.gcjLng;
        double y = c.gcjLat;
        engine.GCJ02ToBD09(&x, &y, 1);
        EXPECT_NEAR(x, c.bdLng, kRefTol_deg);
        EXPECT_NEAR(y, c.bdLat, kRefTol_deg);
        engine.BD09ToGCJ02(&x, &y, 1);
        EXPECT_NEAR(x, c.backLng, kRefTol_deg);
        EXPECT_NEAR(y, c.backLat, kRefTol_deg);

        x = c.lng;
        y = c.lat;
        ASSERT_TRUE(engine.FromWGS84(&x, &y, 1));
        EXPECT_NEAR(x, c.bdLng, kRefTol_deg);
        EXPECT_NEAR(y, c.bdLat, kRefTol_deg);
    }
}

TEST(CorrectEngine, Bd09RoundTripsStayWithinMetres)
{
    // GCJ02 -> BD09 -> GCJ02 is not exact either (about 1e-6 deg); WGS84 -> BD09 -> WGS84 adds
    // the GCJ02 one-step error.
    BD09CoordSys engine;
    for (const ShiftCase& c : kGcoordCases) {
        SCOPED_TRACE(testing::Message() << c.lng << "," << c.lat);
        double x = c.gcjLng;
        double y = c.gcjLat;
        engine.GCJ02ToBD09(&x, &y, 1);
        engine.BD09ToGCJ02(&x, &y, 1);
        EXPECT_NEAR(x, c.gcjLng, 2e-6);
        EXPECT_NEAR(y, c.gcjLat, 2e-6);
        x = c.lng;
        y = c.lat;
        ASSERT_TRUE(engine.FromWGS84(&x, &y, 1));
        ASSERT_TRUE(engine.ToWGS84(&x, &y, 1));
        EXPECT_NEAR(x, c.lng, 1e-4);
        EXPECT_NEAR(y, c.lat, 1e-4);
    }
}

TEST(CorrectEngine, Gcj02BoxEdgesAreInclusive)
{
    GCJ02CoordSys engine;
    const struct
    {
        double lng, lat;
        bool inside;
    } cases[] = {
        { 72.004, 0.8293, true },
        { 137.8347, 55.8271, true },
        { 72.0039, 0.8293, false },
        { 72.004, 0.8292, false },
        { 137.8348, 30, false },
        { 100, 55.8272, false },
        { kNaN, 30, false },
        { 100, kNaN, false },
        { kInf, 30, false },
        { 100, -kInf, false },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.lng << "," << c.lat);
        double x = c.lng;
        double y = c.lat;
        EXPECT_EQ(engine.FromWGS84(&x, &y, 1), c.inside);
        if (c.inside) {
            EXPECT_NE(x, c.lng);
            EXPECT_NE(y, c.lat);
        } else {
            EXPECT_EQ(std::memcmp(&x, &c.lng, sizeof x), 0);
            EXPECT_EQ(std::memcmp(&y, &c.lat, sizeof y), 0);
        }
    }
}

TEST(CorrectEngine, Gcj02FromWgs84StopsAtFirstOutsidePoint)
{
    GCJ02CoordSys engine;
    double x[] = { 116.4, 121.5, 10.0, 113.3 };
    double y[] = { 39.9, 31.2, 10.0, 23.1 };
    EXPECT_FALSE(engine.FromWGS84(x, y, 4));
    EXPECT_NE(x[0], 116.4);
    EXPECT_NE(x[1], 121.5);
    EXPECT_EQ(x[2], 10.0);
    EXPECT_EQ(x[3], 113.3); // after the stop: untouched though inside
    EXPECT_EQ(y[3], 23.1);
}

TEST(CorrectEngine, Gcj02ToWgs84OutsideBoxAndOutOfRange)
{
    GCJ02CoordSys engine;
    double x = 10;
    double y = 10;
    EXPECT_TRUE(engine.ToWGS84(&x, &y, 1));
    EXPECT_EQ(x, 10);
    EXPECT_EQ(y, 10);

    double xs[] = { 116.4, 200, 121.5 };
    double ys[] = { 39.9, 10, 31.2 };
    EXPECT_FALSE(engine.ToWGS84(xs, ys, 3));
    EXPECT_NE(xs[0], 116.4);
    EXPECT_EQ(xs[1], 200);
    EXPECT_EQ(xs[2], 121.5);

    for (const auto& p :
        { std::pair { kNaN, 10.0 }, { 10.0, kInf }, { -180.1, 0.0 }, { 0.0, 90.5 } }) {
        double px = p.first;
        double py = p.second;
        EXPECT_FALSE(engine.ToWGS84(&px, &py, 1)) << p.first << "," << p.second;
    }
    double px = -180;
    double py = 90;
    EXPECT_TRUE(engine.ToWGS84(&px, &py, 1));
    EXPECT_EQ(px, -180);
    EXPECT_EQ(py, 90);
}

TEST(CorrectEngine, EmptyAndNullInput)
{
    GCJ02CoordSys gcj02;
    BD09CoordSys bd09;
    double x = 116.4;
    double y = 39.9;
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

TEST(CorrectEngine, Bd09FromWgs84ShiftsEveryPointToBd09EvenAfterAStop)
{
    // The GCJ02 step stops at the outside point; the BD09 step runs on all points.
    BD09CoordSys engine;
    double x[] = { kGcoordCases[0].lng, 10.0, kGcoordCases[1].lng };
    double y[] = { kGcoordCases[0].lat, 10.0, kGcoordCases[1].lat };
    EXPECT_FALSE(engine.FromWGS84(x, y, 3));
    EXPECT_NEAR(x[0], kGcoordCases[0].bdLng, kRefTol_deg);
    double ox = 10.0;
    double oy = 10.0;
    engine.GCJ02ToBD09(&ox, &oy, 1);
    EXPECT_EQ(x[1], ox);
    EXPECT_EQ(y[1], oy);
    double lx = kGcoordCases[1].lng;
    double ly = kGcoordCases[1].lat;
    engine.GCJ02ToBD09(&lx, &ly, 1);
    EXPECT_EQ(x[2], lx);
    EXPECT_EQ(y[2], ly);
}

TEST(CorrectEngine, AutoToWgs84TakesMercatorInputFirst)
{
    // EPSG 3857 metres of the GCJ02 point (116.40337249402477, 39.917930749245947), from
    // `echo 116.40337249402477 39.917930749245947 | gdaltransform -s_srs EPSG:4326 -t_srs
    // EPSG:3857` (GDAL 3.6, longitude first).
    const ShiftCase& c = kGcoordCases[0];
    GCJ02CoordSys gcj02;
    double mx = 12957964.1526546;
    double my = 4854023.35686289;
    ASSERT_TRUE(gcj02.AutoToWGS84(&mx, &my, 1));
    EXPECT_NEAR(mx, c.lng, 1e-4);
    EXPECT_NEAR(my, c.lat, 1e-4);

    double lx = c.gcjLng;
    double ly = c.gcjLat;
    double tx = lx;
    double ty = ly;
    ASSERT_TRUE(gcj02.AutoToWGS84(&lx, &ly, 1));
    ASSERT_TRUE(gcj02.ToWGS84(&tx, &ty, 1));
    EXPECT_EQ(lx, tx);
    EXPECT_EQ(ly, ty);

    // BD09: each point on its own; Baidu Mercator of the BD09 point (from gcoord, BD09 -> BD09MC).
    BD09CoordSys bd09;
    double bx[] = { 12958813.907270653, c.bdLng };
    double by[] = { 4827263.8153930940, c.bdLat };
    EXPECT_TRUE(bd09.AutoToWGS84(bx, by, 2));
    for (int i = 0; i < 2; ++i) {
        EXPECT_NEAR(bx[i], c.lng, 1e-4);
        EXPECT_NEAR(by[i], c.lat, 1e-4);
    }
}

TEST(CorrectEngine, Factories)
{
    const std::unique_ptr<ICoordSysCorrectEngine, void (*)(ICoordSysCorrectEngine*)> gcj(
        CreateCorrectEngine(0), DestroyCorrectEngine);
    const std::unique_ptr<ICoordSysCorrectEngine, void (*)(ICoordSysCorrectEngine*)> bd(
        CreateCorrectEngine(1), DestroyCorrectEngine);
    EXPECT_NE(dynamic_cast<GCJ02CoordSys*>(gcj.get()), nullptr);
    EXPECT_NE(dynamic_cast<BD09CoordSys*>(bd.get()), nullptr);
    EXPECT_EQ(CreateCorrectEngine(2), nullptr);
    EXPECT_EQ(CreateCorrectEngine(-1), nullptr);

    const struct
    {
        int coordSys;
        int kind; // -1 none, 0 GCJ02, 1 BD09
    } bySys[] = { { 13, 1 }, { 14, 1 }, { 15, 0 }, { 16, 0 }, { 3, -1 }, { 4, -1 }, { 12, -1 },
        { 17, -1 }, { 0, -1 } };
    for (const auto& c : bySys) {
        ICoordSysCorrectEngine* engine
            = CreateCorrectEngineByCoordSys(static_cast<E_COORDINATE_SYSTEM>(c.coordSys));
        SCOPED_TRACE(c.coordSys);
        EXPECT_EQ(engine == nullptr, c.kind < 0);
        EXPECT_EQ(dynamic_cast<GCJ02CoordSys*>(engine) != nullptr, c.kind == 0);
        EXPECT_EQ(dynamic_cast<BD09CoordSys*>(engine) != nullptr, c.kind == 1);
        DestroyCorrectEngine(engine);
    }
    DestroyCorrectEngine(nullptr);
}
