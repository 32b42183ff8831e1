#include "VectorTestSupport.h"

#include "OvCoordSystem/vectors/VCTGeometryCollection.h"
#include "OvCoordSystem/vectors/VCTGeometryFactory.h"
#include "OvCoordSystem/vectors/VCTLineString.h"
#include "OvCoordSystem/vectors/VCTMultiLineString.h"
#include "OvCoordSystem/vectors/VCTMultiPoint.h"
#include "OvCoordSystem/vectors/VCTMultiPolygon.h"
#include "OvCoordSystem/vectors/VCTPoint.h"
#include "OvCoordSystem/vectors/VCTPolygon.h"

#include <QRegularExpression>

#include <climits>
#include <tuple>

using namespace vectors;
using vectortest::fromWkt;

namespace {

struct VctDeleter
{
    void operator()(VCTGeometry* geometry) const { releaseVctGeometry(geometry); }
};
using VctPtr = std::unique_ptr<VCTGeometry, VctDeleter>;

VctPtr wrapWkt(const std::string& wkt)
{
    const std::unique_ptr<OGRGeometry> geometry = fromWkt(wkt);
    VCTGeometry* wrapped = nullptr;
    if (!geometry || !createVctGeometry(geometry.get(), wrapped)) return nullptr;
    return VctPtr(wrapped);
}

// WGS84 points inside China and their GCJ02 and BD09 forms. Reference values: the npm package
// gcoord 1.x, installed into a temporary folder, gcoord.transform([lng, lat], gcoord.WGS84,
// gcoord.GCJ02) and (..., gcoord.BD09), printed with 12 decimals.
struct ShiftReference
{
    double lng, lat, gcjLng, gcjLat, bdLng, bdLat;
};
const ShiftReference kShifts[] = {
    { 116.397128, 39.916527, 116.403372494025, 39.917930749246, 116.409739336982, 39.924269294015 },
    { 121.4737, 31.2304, 121.478223059277, 31.228457737577, 121.484781468503, 31.234310593690 },
    { 113.2644, 23.1291, 113.269729592103, 23.126423339923, 113.276150751571, 23.132711257239 },
    { 104.0665, 30.5723, 104.069004905671, 30.569845540720, 104.075480940876, 30.575856163708 },
};
// Two implementations of the same closed formulas, compared after printing with 12 decimals.
constexpr double kShiftToleranceDeg = 1e-9;
// The way back is one step, not iterated: 2p - shift(p) misses p by up to about 1.5e-5 degrees
// (under 2 metres) at these points.
constexpr double kInverseToleranceDeg = 3e-5;
constexpr int kGcj02Engine = 0;
constexpr int kBd09Engine = 1;

using Column = double ShiftReference::*;

// The reference points INDEXES in the columns X and Y, each with the height 10 i + 1 so that z
// can be followed.
std::string coords(const std::vector<int>& indexes, Column x, Column y)
{
    std::string text;
    for (int i : indexes) {
        text += text.empty() ? "" : ",";
        for (const double value : { kShifts[i].*x, kShifts[i].*y, 10.0 * i + 1.0 })
            text += QByteArray::number(value, 'f', 12).toStdString() + " ";
    }
    return text;
}

// One geometry of every kind and its kind code, over the reference points in the columns X, Y.
std::vector<std::pair<int, std::string>> everyKind(Column x, Column y)
{
    const auto c = [x, y](const std::vector<int>& indexes) { return coords(indexes, x, y); };
    return { { VCTGeometry::KindPoint, "POINT Z (" + c({ 0 }) + ")" },
        { VCTGeometry::KindLineString, "LINESTRING Z (" + c({ 0, 1, 2 }) + ")" },
        { VCTGeometry::KindPolygon, "POLYGON Z ((" + c({ 0, 1, 2, 0 }) + "))" },
        { VCTGeometry::KindMultiPoint, "MULTIPOINT Z (" + c({ 0, 1, 2, 3 }) + ")" },
        { VCTGeometry::KindMultiLineString,
            "MULTILINESTRING Z ((" + c({ 0, 1 }) + "),(" + c({ 2, 3 }) + "))" },
        { VCTGeometry::KindMultiPolygon,
            "MULTIPOLYGON Z (((" + c({ 0, 1, 2, 0 }) + ")),((" + c({ 1, 2, 3, 1 }) + ")))" },
        { VCTGeometry::KindGeometryCollection,
            "GEOMETRYCOLLECTION Z (POINT Z (" + c({ 3 }) + "),LINESTRING Z (" + c({ 0, 1 })
                + "))" } };
}

// The numbers of GEOMETRY's WKT, every coordinate of every vertex in order, are those of WKT.
void expectNumbers(VCTGeometry& geometry, const std::string& wkt, double tolerance)
{
    const auto numbers = [](const std::string& text) {
        std::vector<double> found;
        const QRegularExpression number(QStringLiteral("-?\\d+(\\.\\d+)?(e[-+]?\\d+)?"));
        for (auto it = number.globalMatch(QString::fromStdString(text)); it.hasNext();)
            found.push_back(it.next().captured().toDouble());
        return found;
    };
    const std::vector<double> actual = numbers(geometry.getOgrGeometry()->exportToWkt());
    const std::vector<double> expected = numbers(wkt);
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < actual.size(); ++i)
        EXPECT_NEAR(actual[i], expected[i], tolerance) << "number " << i;
}

} // namespace

TEST(VctGeometry, WrappingBuildingAccessingAndSyncing)
{
    // Closing adds the first vertex only when it is missing.
    VCTPolygon open;
    for (const auto& [x, y] : { std::pair(0.0, 0.0), { 1.0, 0.0 }, { 1.0, 1.0 } }) {
        auto* point = new VCTPoint;
        point->setX(x);
        point->setY(y);
        open.addPoint(point); // consumed
    }
    open.closeRing();
    open.closeRing();
    ASSERT_EQ(open.pointCount(), 4);
    EXPECT_EQ(open.getY(3), open.getY(0));
    VCTPolygon empty;
    empty.closeRing();
    empty.addPoint(nullptr);
    EXPECT_TRUE(empty.getOgrGeometry()->IsEmpty());
    // Edits of the OGR polygon in place (e.g. by a writer) sync back.
    open.getOgrGeometry()->getExteriorRing()->setPoint(1, 5.0, 0.0);
    open.syncRingFromPolygon();
    EXPECT_EQ(open.getX(1), 5.0);

    // Indexes outside the vertices give null or zero.
    const VctPtr line = wrapWkt("LINESTRING Z (1 2 3,4 5 6)");
    auto* lineString = dynamic_cast<VCTLineString*>(line.get());
    ASSERT_TRUE(lineString);
    const std::unique_ptr<VCTPoint> second(lineString->pointAt(1));
    ASSERT_TRUE(second);
    EXPECT_EQ(second->getZ(), 6.0);
    for (const int i : { -1, 2, INT_MAX, INT_MIN }) {
        EXPECT_EQ(lineString->pointAt(i), nullptr) << i;
        EXPECT_EQ(line->getX(i) + line->getY(i) + line->getZ(i), 0.0) << i;
    }

    // Added members are copied into the collection; null ones are skipped.
    VCTMultiPolygon polygons;
    polygons.addGeometry(new VCTPolygon(fromWkt("POLYGON ((0 0,1 0,1 1,0 0))").get()));
    polygons.addGeometry(static_cast<VCTPolygon*>(nullptr));
    VCTMultiLineString lines;
    lines.addGeometry(new VCTLineString(*fromWkt("LINESTRING (0 0,1 1)")->toLineString()));
    VCTMultiPoint points;
    points.addGeometry(new VCTPoint(*fromWkt("POINT (7 8)")->toPoint()));
    points.addGeometry(new VCTPoint(*fromWkt("POINT (3 4)")->toPoint()));
    EXPECT_EQ(polygons.getOgrGeometry()->getNumGeometries(), 1);
    EXPECT_EQ(lines.getOgrGeometry()->getNumGeometries(), 1);
    EXPECT_EQ(points.getY(1), 4.0);
    EXPECT_EQ(points.getX(2), 0.0);
    EXPECT_EQ(points.geometryAt(-1), nullptr);
    const VctPtr member(polygons.geometryAt(0));
    ASSERT_TRUE(member);
    EXPECT_EQ(member->geometryKind(), VCTGeometry::KindPolygon);

    // Curves of lines are taken, other curves refused; holes are dropped.
    VCTGeometry* const sentinel = reinterpret_cast<VCTGeometry*>(0x1);
    VCTGeometry* result = sentinel;
    EXPECT_FALSE(createVctGeometry(nullptr, result));
    for (const char* wkt : { "MULTICURVE (CIRCULARSTRING (0 0,1 1,2 0))",
             "CIRCULARSTRING (0 0,1 1,2 0)", "CURVEPOLYGON ((0 0,1 0,1 1,0 0))",
             "TRIANGLE ((0 0,1 0,1 1,0 0))", "MULTISURFACE (((0 0,1 0,1 1,0 0)))" })
        EXPECT_FALSE(createVctGeometry(fromWkt(wkt).get(), result)) << wkt;
    EXPECT_EQ(result, sentinel);
    releaseVctGeometry(nullptr);

    const VctPtr curves = wrapWkt("MULTICURVE ((0 0,1 1),(2 2,3 3))");
    ASSERT_TRUE(curves);
    EXPECT_EQ(curves->geometryKind(), VCTGeometry::KindMultiLineString);
    const VctPtr holed = wrapWkt("POLYGON ((0 0,10 0,10 10,0 10,0 0),(2 2,3 2,3 3,2 2))");
    auto* polygon = dynamic_cast<VCTPolygon*>(holed.get());
    ASSERT_TRUE(polygon);
    EXPECT_EQ(polygon->pointCount(), 5);
    EXPECT_EQ(polygon->getOgrGeometry()->getNumInteriorRings(), 0);
}

// Every kind is wrapped with its kind code and vertices, shifted and shifted back.
TEST(VctCorrection, EveryKindShiftsToTheReferenceAndBackKeepingHeights)
{
    for (const auto& [engine, x, y] :
        { std::tuple(kGcj02Engine, &ShiftReference::gcjLng, &ShiftReference::gcjLat),
            std::tuple(kBd09Engine, &ShiftReference::bdLng, &ShiftReference::bdLat) }) {
        const auto shifted = everyKind(x, y);
        const auto original = everyKind(&ShiftReference::lng, &ShiftReference::lat);
        for (size_t k = 0; k < original.size(); ++k) {
            const auto& [kind, wkt] = original[k];
            SCOPED_TRACE(testing::Message() << wkt << " engine " << engine);
            const VctPtr geometry = wrapWkt(wkt);
            ASSERT_TRUE(geometry);
            EXPECT_EQ(geometry->geometryKind(), kind);
            expectNumbers(*geometry, wkt, 0.0);
            geometry->toOffset(engine);
            expectNumbers(*geometry, shifted[k].second, kShiftToleranceDeg);
            geometry->fromOffset(engine);
            expectNumbers(*geometry, wkt, kInverseToleranceDeg);
        }
    }
}

TEST(VctCorrection, EachVertexShiftsOnItsOwnUnknownEnginesAndEmptyGeometriesChangeNothing)
{
    // The middle vertex lies outside China. GCJ02 refuses it and leaves it alone; BD09 gives it
    // only its own offset. Either way the vertex after it gets its full shift, as if the engine
    // had seen it alone.
    const std::string wkt = "LINESTRING (116.397128 39.916527,10 10,121.4737 31.2304)";
    const VctPtr gcj = wrapWkt(wkt);
    const VctPtr bd = wrapWkt(wkt);
    ASSERT_TRUE(gcj && bd);
    gcj->toOffset(kGcj02Engine);
    bd->toOffset(kBd09Engine);
    EXPECT_NEAR(gcj->getX(0), kShifts[0].gcjLng, kShiftToleranceDeg);
    EXPECT_EQ(gcj->getX(1), 10.0);
    EXPECT_EQ(gcj->getY(1), 10.0);
    EXPECT_NEAR(gcj->getX(2), kShifts[1].gcjLng, kShiftToleranceDeg);
    EXPECT_NEAR(gcj->getY(2), kShifts[1].gcjLat, kShiftToleranceDeg);
    EXPECT_NE(bd->getX(1), 10.0);
    EXPECT_NEAR(bd->getX(2), kShifts[1].bdLng, kShiftToleranceDeg);
    EXPECT_NEAR(bd->getY(2), kShifts[1].bdLat, kShiftToleranceDeg);

    // The way back refuses a vertex outside -180..180 and shifts the others.
    const VctPtr back = wrapWkt("LINESTRING (116.403372494025 39.917930749246,200 10)");
    back->fromOffset(kGcj02Engine);
    EXPECT_NEAR(back->getX(0), kShifts[0].lng, kInverseToleranceDeg);
    EXPECT_EQ(back->getX(1), 200.0);

    // Unknown engines and empty geometries change nothing.
    const VctPtr line = wrapWkt("LINESTRING (116.397128 39.916527,121.4737 31.2304)");
    ASSERT_TRUE(line);
    for (const int engine : { 2, -1, INT_MAX }) {
        line->toOffset(engine);
        line->fromOffset(engine);
    }
    EXPECT_EQ(line->getX(0), 116.397128);
    EXPECT_EQ(line->getY(1), 31.2304);

    VCTPoint empty;
    empty.toOffset(kGcj02Engine);
    EXPECT_TRUE(empty.getOgrGeometry()->IsEmpty());
    for (const char* wkt :
        { "LINESTRING EMPTY", "MULTIPOLYGON EMPTY", "GEOMETRYCOLLECTION EMPTY" }) {
        const VctPtr geometry = wrapWkt(wkt);
        ASSERT_TRUE(geometry) << wkt;
        geometry->toOffset(kBd09Engine);
        EXPECT_TRUE(geometry->getOgrGeometry()->IsEmpty()) << wkt;
    }
}
