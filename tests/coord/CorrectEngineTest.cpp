#include "coord/BD09CoordSys.h"
#include "coord/GCJ02CoordSys.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <memory>

using namespace coordinate;

namespace {

// Reference values from the npm package gcoord 1.0.7, installed into a temporary folder
// (`npm install gcoord`) and run with node: gcoord.transform(p, WGS84, GCJ02), then
// (GCJ02 -> BD09), then that BD09 point back (BD09 -> GCJ02), printed with toPrecision(17).
struct ShiftCase
{
    double lng, lat; // WGS84
    double gcjLng, gcjLat; // WGS84 -> GCJ02
    double bdLng, bdLat; // GCJ02 -> BD09 of the GCJ02 point
    double backLng, backLat; // BD09 -> GCJ02 of the BD09 point
};
const ShiftCase kGcoordCases[] = {
    { 116.397128, 39.916527, 116.40337249402477, 39.917930749245947, 116.40973933698186,
        39.924269294015090, 116.40337283351784, 39.917930397011403 },
    { 121.473701, 31.230416, 121.47822405739267, 31.228473742246980, 121.48478247238995,
        31.234326581388320, 121.47822380967604, 31.228474757648542 },
    { 113.264385, 23.129112, 113.26971458288735, 23.126435336538538, 113.27613576798366,
        23.132723116471208, 113.26971448813966, 23.126436068982301 },
    { 104.065735, 30.659462, 104.06824246392040, 30.657041178599883, 104.07473697258524,
        30.663070740577471, 104.06824251959561, 30.657041097858183 },
    { 87.617733, 43.792818, 87.620582260418985, 43.794042573150413, 87.627014577754650,
        43.800164259592279, 87.620582561562159, 43.794041699092148 },
    { 91.117212, 29.646923, 91.118772331592467, 29.644215102577068, 91.125315922152311,
        29.650095268089327, 91.118772266274036, 29.644215699411781 },
    { 126.642464, 45.756967, 126.64843401023796, 45.758918130663396, 126.65506367010121,
        45.764611821628591, 126.64843334867976, 45.758919543515049 },
    { 114.305393, 30.593099, 114.31083776644017, 30.590689496165737, 114.31740610453230,
        30.596397890687669, 114.31083820299568, 30.590688904230934 },
    { 108.948024, 34.263161, 108.95269668127931, 34.261585704264157, 108.95909973784751,
        34.267888456164421, 108.95269678655524, 34.261586421976929 },
    { 120.153576, 30.287459, 120.15827598051409, 30.285134269317140, 120.16482774664830,
        30.290986339753292, 120.15827565060324, 30.285135128653515 },
    { 110.33119, 20.031971, 110.33556086684169, 20.029923923236343, 110.34210943326910,
        20.035600019128864, 110.33556111875217, 20.029924168168911 },
    { 109.508268, 18.247872, 109.51236245528476, 18.246179340538067, 109.51891239304757,
        18.251918305909424, 109.51236279796900, 18.246178864306003 },
    { 125.3245, 43.886841, 125.33102011920914, 43.889255403688146, 125.33761863676294,
        43.894913606553679, 125.33101979687692, 43.889256272254592 },
    { 102.712251, 25.040609, 102.71369253257740, 25.037636289253630, 102.72010597877262,
        25.043923999594313, 102.71369259622679, 25.037636787707672 },
    { 117.000923, 36.675807, 117.00677020029472, 36.676077567959631, 117.01315277841384,
        36.682402301544421, 117.00677064723243, 36.676076892179026 },
    { 73.5, 39.5, 73.503356127756561, 39.500212224311575, 73.509988157106235, 39.506003361030828,
        73.503356369146701, 39.500212003886666 },
    { 135, 48, 135.00784636769293, 48.002491663258056, 135.01421679441475, 48.008863855337808,
        135.00784639121767, 48.002490445097806 },
    { 100, 1, 100.00065788007035, 1.0008426591230519, 100.00717633160544, 1.0066839680929838,
        100.00065778884061, 1.0008429040275857 },
    { 105, 35, 105.00328624145706, 34.999098632235260, 105.00966682831948, 35.005403668456964,
        105.00328651352910, 34.999098354966492 },
    { 118.1, 24.47, 118.10497314642693, 24.467356468807679, 118.11144201035840, 24.473446159386267,
        118.10497318927121, 24.467355896134936 },
};

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
