// The correction engines and the single-point transform against the reference package, their
// edges, refusals and factories; the export tools' kinds and task identity.
#include "OvCoordSystem/coord/BD09CoordSys.h"
#include "OvCoordSystem/coord/ExportTools.h"
#include "OvCoordSystem/coord/GCJ02CoordSys.h"
#include "OvCoordSystem/coord/OvCoordTransform.h"

#include "OvCoordSystem/host/DownloadTask.h"
#include "OvCoordSystem/host/MapTypes.h"

#include "GcoordCases.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <string>

using namespace coordinate;

namespace {
constexpr double kRefTol_deg = 1e-11; // about a micrometre
const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

void expectNear(double x, double y, double ex, double ey, double tol)
{
    EXPECT_NEAR(x, ex, tol);
    EXPECT_NEAR(y, ey, tol);
}

// The engine's X, Y and the single-point transform's P (through the geodesy toolkit) both near.
void expectBoth(double x, double y, const QPointF& p, double ex, double ey, double tol)
{
    expectNear(x, y, ex, ey, tol);
    expectNear(p.x(), p.y(), ex, ey, tol);
}

} // namespace

TEST(CorrectEngine, EngineAndTransformMatchReferencePackageAndRoundTripWithinMetres)
{
    GCJ02CoordSys gcj;
    BD09CoordSys bd;
    const COvCoordTransform t;
    for (const ShiftCase& c : kGcoordCases) {
        SCOPED_TRACE(testing::Message() << c.lng << "," << c.lat);
        double x = c.lng, y = c.lat;
        QPointF p(c.lng, c.lat);
        ASSERT_TRUE(gcj.FromWGS84(&x, &y, 1) && t.WGS84ToGCJ02(p));
        expectBoth(x, y, p, c.gcjLng, c.gcjLat, kRefTol_deg);
        // The inverse is the one step 2·p − shift(p): within a few metres, not exact.
        double fx = c.gcjLng, fy = c.gcjLat;
        ASSERT_TRUE(gcj.FromWGS84(&fx, &fy, 1));
        QPointF g(c.gcjLng, c.gcjLat);
        ASSERT_TRUE(gcj.ToWGS84(&x, &y, 1) && t.Gcj02ToWGS84(g));
        expectBoth(x, y, g, 2 * c.gcjLng - fx, 2 * c.gcjLat - fy, 1e-12);

        x = c.gcjLng, y = c.gcjLat;
        bd.GCJ02ToBD09(&x, &y, 1);
        ASSERT_TRUE(t.GCJ02ToBD09(p));
        expectBoth(x, y, p, c.bdLng, c.bdLat, kRefTol_deg);
        bd.BD09ToGCJ02(&x, &y, 1);
        ASSERT_TRUE(t.BD09ToGCJ02(p));
        expectBoth(x, y, p, c.backLng, c.backLat, kRefTol_deg);
        x = c.lng, y = c.lat;
        p = QPointF(c.lng, c.lat);
        ASSERT_TRUE(bd.FromWGS84(&x, &y, 1) && t.WGS84ToBD09(p));
        expectBoth(x, y, p, c.bdLng, c.bdLat, kRefTol_deg);
        ASSERT_TRUE(bd.ToWGS84(&x, &y, 1) && t.BD09ToWGS84(p));
        expectBoth(x, y, p, c.lng, c.lat, 1e-4);
    }
}

TEST(CorrectEngine, ArraysStopAtTheFirstRefusedPointEmptyOrNullOnesChangeNothing)
{
    // Back to WGS84: outside the box is no offset, out of range stops, later points untouched.
    GCJ02CoordSys gcj;
    double xs[] = { 116.4, 10, 200, 121.5 };
    double ys[] = { 39.9, 10, 10, 31.2 };
    EXPECT_FALSE(gcj.ToWGS84(xs, ys, 4));
    EXPECT_TRUE(xs[0] != 116.4 && xs[1] == 10 && xs[3] == 121.5);
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
    EXPECT_TRUE(bx[1] == ex[0] && by[2] == ey[1]);

    // Empty and null arrays change nothing.
    GCJ02CoordSys gcj02;
    BD09CoordSys bd09;
    double x = 116.4, y = 39.9;
    for (ICoordSysCorrectEngine* engine : { static_cast<ICoordSysCorrectEngine*>(&gcj02),
             static_cast<ICoordSysCorrectEngine*>(&bd09) }) {
        EXPECT_TRUE(engine->FromWGS84(&x, &y, 0) && engine->ToWGS84(&x, &y, 0)
            && engine->FromWGS84(&x, &y, -3) && engine->AutoToWGS84(&x, &y, 0));
        EXPECT_FALSE(engine->FromWGS84(nullptr, &y, 1) || engine->ToWGS84(&x, nullptr, 1)
            || engine->AutoToWGS84(nullptr, nullptr, 1));
        engine->GCJ02ToBD09(nullptr, nullptr, 1);
        engine->BD09ToGCJ02(&x, &y, 0);
        engine->MercatorToLngLat(nullptr, nullptr, 1);
        engine->LngLatToMercator(&x, &y, -1);
    }
    EXPECT_TRUE(x == 116.4 && y == 39.9);
}

TEST(CorrectEngine, AutoToWgs84TakesMercatorInputFirst)
{
    // EPSG 3857 metres of the first GCJ02 reference point, from `echo 116.40337249402477
    // 39.917930749245947 | gdaltransform -s_srs EPSG:4326 -t_srs EPSG:3857` (GDAL 3.6).
    const ShiftCase& c = kGcoordCases[0];
    GCJ02CoordSys gcj02;
    double mx[] = { 12957964.1526546, c.gcjLng };
    double my[] = { 4854023.35686289, c.gcjLat };
    ASSERT_TRUE(gcj02.AutoToWGS84(&mx[0], &my[0], 1) && gcj02.AutoToWGS84(&mx[1], &my[1], 1));
    // BD09: each point on its own; Baidu Mercator of the BD09 point from gcoord (BD09 -> BD09MC).
    BD09CoordSys bd09;
    double bx[] = { 12958813.907270653, c.bdLng };
    double by[] = { 4827263.8153930940, c.bdLat };
    EXPECT_TRUE(bd09.AutoToWGS84(bx, by, 2));
    for (int i = 0; i < 2; ++i) {
        expectNear(mx[i], my[i], c.lng, c.lat, 1e-4);
        expectNear(bx[i], by[i], c.lng, c.lat, 1e-4);
    }
}

TEST(CorrectEngine, Factories)
{
    // By number: 0 GCJ02, 1 BD09; by coordinate system: 13, 14 BD09, 15, 16 GCJ02. Unknown
    // numbers are legal input and make none.
    const std::pair<int, const char*> kinds[]
        = { { 0, "GCJ02" }, { 1, "BD09" }, { 2, "" }, { -1, "" } },
        systems[] = { { 13, "BD09" }, { 14, "BD09" }, { 15, "GCJ02" }, { 16, "GCJ02" }, { 3, "" },
            { 12, "" }, { 17, "" }, { 99, "" } };
    const auto kind = [](ICoordSysCorrectEngine* engine) {
        const char* name = dynamic_cast<GCJ02CoordSys*>(engine) ? "GCJ02"
            : dynamic_cast<BD09CoordSys*>(engine)               ? "BD09"
                                                                : "";
        DestroyCorrectEngine(engine);
        return std::string(name);
    };
    for (const auto& [number, name] : kinds)
        EXPECT_EQ(kind(CreateCorrectEngine(number)), name) << number;
    for (const auto& [number, name] : systems)
        EXPECT_EQ(kind(CreateCorrectEngineByCoordSys(E_COORDINATE_SYSTEM(number))), name) << number;
}

// The GCJ02 box's edges are inside, non-finite points outside: the engine says so and shifts only
// inside, the transform shifts only inside and leaves the rest; a failure of the transform or of
// the engine's way back leaves the point unchanged.
TEST(OvCoordTransform, Gcj02BoxEdgesAreInclusiveAndFailuresLeaveThePointUnchanged)
{
    const COvCoordTransform t;
    GCJ02CoordSys gcj;
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
        EXPECT_EQ(gcj.FromWGS84(&x, &y, 1), c.inside);
        EXPECT_EQ(std::memcmp(&x, &c.lng, sizeof x) != 0, c.inside);
        EXPECT_EQ(std::memcmp(&y, &c.lat, sizeof y) != 0, c.inside);
        const QPointF given(c.lng, c.lat);
        QPointF p = given;
        EXPECT_EQ(t.WGS84ToGCJ02(p), std::isfinite(c.lng) && std::isfinite(c.lat));
        EXPECT_EQ(std::memcmp(&p, &given, sizeof p) != 0, c.inside);
    }
    QPointF outside(72.0039, 0.8293);
    EXPECT_TRUE(t.Gcj02ToWGS84(outside) && outside == QPointF(72.0039, 0.8293));
    const std::function<bool(QPointF&)> ops[] = { [&](QPointF& p) { return t.WGS84ToGCJ02(p); },
        [&](QPointF& p) { return t.Gcj02ToWGS84(p); }, [&](QPointF& p) { return t.GCJ02ToBD09(p); },
        [&](QPointF& p) { return t.BD09ToGCJ02(p); }, [&](QPointF& p) { return t.WGS84ToBD09(p); },
        [&](QPointF& p) { return t.BD09ToWGS84(p); },
        [&](QPointF& p) { return t.Wgs84ToOther(p, MAP_AMAP); },
        [&](QPointF& p) { return t.Wgs84ToOther(p, MAP_BAIDU); },
        [&](QPointF& p) {
            double x = p.x(), y = p.y();
            const bool ok = gcj.ToWGS84(&x, &y, 1);
            p = QPointF(x, y);
            return ok;
        } };
    const QPointF bad[] = { { kNaN, 30 }, { 116, kNaN }, { kInf, 30 }, { 116, -kInf }, { 200, 10 },
        { 10, -91 }, { -180.001, 0 } };
    for (size_t op = 0; op < std::size(ops); ++op) {
        for (const QPointF& b : bad) {
            QPointF p = b;
            EXPECT_FALSE(ops[op](p)) << op << ": " << b.x() << "," << b.y();
            EXPECT_EQ(std::memcmp(&p, &b, sizeof p), 0) << op << ": " << b.x() << "," << b.y();
        }
    }
}

// The point shift and the original export type follow the datum of the map tiles; a map type
// the host does not have is not shifted and is drawn in Web Mercator.
TEST(OvCoordTransform, Wgs84ToOtherAndOriginalTypeForEveryKindOfMapType)
{
    const COvCoordTransform t;
    const ShiftCase& c = kGcoordCases[0];
    for (const tagMapTypeInfo& info : MapTypeTable()) {
        SCOPED_TRACE(info.type);
        QPointF p(c.lng, c.lat);
        EXPECT_EQ(t.Wgs84ToOther(p, info.type), info.datum != TILE_DATUM_WGS84);
        const int k = info.datum == TILE_DATUM_GCJ02 ? 1 : info.datum == TILE_DATUM_BD09 ? 2 : 0;
        const double lng[] = { c.lng, c.gcjLng, c.bdLng }, lat[] = { c.lat, c.gcjLat, c.bdLat };
        expectNear(p.x(), p.y(), lng[k], lat[k], kRefTol_deg);
        const int type[]
            = { VECTOR_WGS84_LNGLAT, VECTOR_GCJ02_WEB_MERCATOR, VECTOR_BD09_WEB_MERCATOR };
        EXPECT_EQ(I_ExportTools::getOriginalType(info.type), type[k]);
    }
    QPointF p(c.lng, c.lat);
    EXPECT_TRUE(!t.Wgs84ToOther(p, -1) && !t.Wgs84ToOther(p, 4242) && p == QPointF(c.lng, c.lat));
    for (const int unknown : { -1, 99999 })
        EXPECT_EQ(I_ExportTools::getOriginalType(unknown), VECTOR_WGS84_WEB_MERCATOR);
}

TEST(ExportTools, WebMercatorOrWgs84)
{
    for (int coordSys = -1; coordSys <= 18; ++coordSys)
        EXPECT_EQ(I_ExportTools::getIsWgS84OrWebMC(VECTOR_COORDSYS(coordSys)),
            coordSys == 3 || coordSys == 4 || coordSys == 14 || coordSys == 16);
    EXPECT_EQ(I_ExportTools::getExportCoordName(VECTOR_COORDSYS(5)), QString());
}

TEST(ExportTools, TaskIdIsTheDigestOfTheTaskText)
{
    // Digests from python3 hashlib.md5(text.encode("gb18030")) over the texts below, checked
    // again with `printf %s TEXT | iconv -t GB18030 | md5sum`.
    // "2北京1101700000000000116.39139.9075116.51218116.39139.9075116.5401.29588e+071.2345e-05",
    // that is image type "2", name without "_标签" "北京", map type "1", export type "10",
    // creation time "1700000000000", three extent values "116.391" "39.9075" "116.5", the
    // levels "1" "2" "18", then x and y of every polygon point, the last "1.29588e+07"
    // "1.2345e-05".
    DownloadTask task;
    task.createTime = 1700000000000;
    task.extent[0] = 116.391;
    task.extent[1] = 39.9075;
    task.extent[2] = 116.5;
    task.extent[3] = 40.0;
    task.name = QStringLiteral("北京_标签");
    task.levels = { 1, 2, 18 };
    task.mapType = 1;
    task.exportType = 10;
    task.polygons = { QPolygonF(
        { QPointF(116.391, 39.9075), QPointF(116.5, 40.0), QPointF(12958752.3, 0.000012345) }) };
    task.imageType = 2;
    EXPECT_EQ(I_ExportTools::getTaskId(task), QStringLiteral("9da13cb4cddc369b93a3b41cb1672a33"));
    // Not part of the identity: the fourth extent value, the label suffix anywhere in the name,
    // digits past the sixth significant one, the naming fields.
    DownloadTask same = task;
    same.extent[3] = -12.5;
    same.name = QStringLiteral("北_标签京_标签");
    same.extent[0] = 116.3910004;
    same.namingPattern = QStringLiteral("{z}/{x}/{y}");
    EXPECT_EQ(I_ExportTools::getTaskId(same), QStringLiteral("9da13cb4cddc369b93a3b41cb1672a33"));

    // Empty lists: "2北京1101700000000000116.39139.9075116.5", the eight values alone.
    DownloadTask bare = task;
    bare.levels.clear();
    bare.polygons.clear();
    EXPECT_EQ(I_ExportTools::getTaskId(bare), QStringLiteral("245df67b730c6e7923b85147ab9b59c5"));

    // A marker in the name takes the next value, as chained arg() does:
    // "2a1b101700000000000116.39139.9075116.5%8".
    bare.name = QStringLiteral("a%1b");
    EXPECT_EQ(I_ExportTools::getTaskId(bare), QStringLiteral("03c8e0d3205ca62d93d0e20b75d37e45"));
}
