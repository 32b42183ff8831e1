#include "VectorTestSupport.h"

#include "OvCoordSystem/coord/BD09CoordSys.h"
#include "OvCoordSystem/coord/GCJ02CoordSys.h"
#include "OvCoordSystem/vectors/Reprojection.h"

#include <cmath>
#include <limits>

using namespace vectors;
using namespace vectortest;

namespace {

// Tolerances: degrees where the steps are the engines' own formulas, metres where two
// implementations of the same projection meet.
constexpr double kDegreeTolerance = 1e-12;
constexpr double kMetreTolerance = 1e-6;
// A seven-parameter shift: PROJ's Helmert step and the pipeline gdaltransform builds from a
// "+towgs84" string round differently.
constexpr double kDatumShiftTolerance_m = 1e-3;
// Web Mercator sphere radius (metres), EPSG 3857.
constexpr double kWebMercatorRadius_m = 6378137.0;

struct Point
{
    double x, y, z;
};

// Beijing, Shanghai, Urumqi (inside the GCJ02 box) and Tokyo (outside it).
const std::vector<Point> kWgs84Points = { { 116.391, 39.907, 50.0 }, { 121.47, 31.23, -3.5 },
    { 87.6, 43.8, 800.0 }, { 139.69, 35.69, 0.0 } };

std::unique_ptr<OGRLineString> lineOf(const std::vector<Point>& points)
{
    std::unique_ptr<OGRLineString> line(new OGRLineString());
    for (const Point& p : points)
        line->addPoint(p.x, p.y, p.z);
    return line;
}

std::vector<Point> pointsOf(const OGRLineString& line)
{
    std::vector<Point> points;
    for (int i = 0; i < line.getNumPoints(); ++i)
        points.push_back({ line.getX(i), line.getY(i), line.getZ(i) });
    return points;
}

// POINTS reprojected by the component; an empty list when it failed.
std::vector<Point> reprojected(
    const std::vector<Point>& points, const VectorCoordParameters& parameters)
{
    std::unique_ptr<OGRLineString> line = lineOf(points);
    if (reprojectGeometry(line.get(), parameters, parameters.falseEasting) != OGRERR_NONE)
        return {};
    return pointsOf(*line);
}

// Reference values: one engine function on each point.
template <class Engine, class Step>
std::vector<Point> throughEngine(std::vector<Point> points, Step step)
{
    Engine engine;
    for (Point& p : points)
        (engine.*step)(&p.x, &p.y, 1);
    return points;
}

// Spherical Web Mercator by its formula.
std::vector<Point> webMercator(std::vector<Point> points)
{
    for (Point& p : points) {
        p.x = kWebMercatorRadius_m * p.x * M_PI / 180.0;
        p.y = kWebMercatorRadius_m * std::log(std::tan(M_PI / 4.0 + p.y * M_PI / 360.0));
    }
    return points;
}

// POINTS transformed by the gdaltransform program from SOURCE to TARGET; z is not compared.
std::vector<Point> gdaltransform(
    const std::vector<Point>& points, const QString& source, const QString& target)
{
    QByteArray input;
    for (const Point& p : points)
        input += QByteArray::number(p.x, 'g', 17) + ' ' + QByteArray::number(p.y, 'g', 17) + '\n';
    const QByteArray out = runProgram(QStringLiteral("gdaltransform"),
        { QStringLiteral("-s_srs"), source, QStringLiteral("-t_srs"), target,
            QStringLiteral("-output_xy") },
        input)
                               .out;
    std::vector<Point> result;
    for (const QByteArray& line : out.split('\n')) {
        const QList<QByteArray> xy = line.simplified().split(' ');
        if (xy.size() == 2) result.push_back({ xy[0].toDouble(), xy[1].toDouble(), 0.0 });
    }
    return result;
}

void expectNear(const std::vector<Point>& actual, const std::vector<Point>& expected,
    double tolerance, bool compareZ, const char* what)
{
    ASSERT_EQ(actual.size(), expected.size()) << what;
    for (std::size_t i = 0; i < actual.size(); ++i) {
        EXPECT_NEAR(actual[i].x, expected[i].x, tolerance) << what << " point " << i;
        EXPECT_NEAR(actual[i].y, expected[i].y, tolerance) << what << " point " << i;
        if (compareZ) {
            EXPECT_EQ(actual[i].z, expected[i].z) << what << " point " << i;
        }
    }
}

using Reprojection = WriteTest;

// Tokyo lies outside the GCJ02 area and keeps its coordinates there.
TEST_F(Reprojection, OffsetSystemsFollowTheEngines)
{
    using coordinate::BD09CoordSys;
    using coordinate::GCJ02CoordSys;
    const std::vector<Point>& wgs84 = kWgs84Points;
    const std::vector<Point> gcj02 = throughEngine<GCJ02CoordSys>(wgs84, &GCJ02CoordSys::FromWGS84);
    const std::vector<Point> bd09 = throughEngine<BD09CoordSys>(gcj02, &BD09CoordSys::GCJ02ToBD09);
    const std::vector<Point> bd09Mercator
        = throughEngine<BD09CoordSys>(bd09, &BD09CoordSys::LngLatToMercator);
    const std::vector<Point> gcjToWgs84
        = throughEngine<GCJ02CoordSys>(gcj02, &GCJ02CoordSys::ToWGS84);
    const std::vector<Point> bdBackToGcj = throughEngine<BD09CoordSys>(
        throughEngine<BD09CoordSys>(bd09Mercator, &BD09CoordSys::MercatorToLngLat),
        &BD09CoordSys::BD09ToGCJ02);
    // From 15 to 16 the datum is the same: no shift.
    const std::tuple<int, int, std::vector<Point>, std::vector<Point>, double> rows[]
        = { { 3, 15, wgs84, gcj02, kDegreeTolerance },
              { 3, 13, wgs84, throughEngine<BD09CoordSys>(wgs84, &BD09CoordSys::FromWGS84),
                  kDegreeTolerance },
              { 15, 3, gcj02, gcjToWgs84, kDegreeTolerance },
              { 16, 3, webMercator(gcj02), gcjToWgs84, 1e-9 }, { 13, 15, bd09, gcj02, 1e-5 },
              { 15, 14, gcj02, bd09Mercator, kMetreTolerance },
              { 14, 16, bd09Mercator, webMercator(bdBackToGcj), kMetreTolerance },
              { 15, 16, gcj02, webMercator(gcj02), kMetreTolerance } };
    for (const auto& [source, target, input, expected, tolerance] : rows) {
        const std::string what = std::to_string(source) + " to " + std::to_string(target);
        expectNear(reprojected(input, reprojecting(source, target)), expected, tolerance, true,
            what.c_str());
    }
    EXPECT_EQ(gcj02.back().x, wgs84.back().x);
}

TEST_F(Reprojection, ProjectedTargetsMatchGdaltransformAndAreDeclared)
{
    const std::vector<Point> china(kWgs84Points.begin(), kWgs84Points.begin() + 2);
    // An EPSG code off WGS 84 takes the seven parameters, translations and scale negated. Off
    // the 3-degree grid the false easting is 500000 whatever was asked; on it the asked one
    // stays (a zone-number prefix).
    const std::tuple<int, double, int, bool, int, const char*, double> rows[] = {
        { VECTOR_CGCS2000_GAUSS, 117.0, 500000, false, -1, "EPSG:4548", kMetreTolerance },
        { VECTOR_CGCS2000_GAUSS, 118.5, 39500000, false, -1,
            "+proj=tmerc +lon_0=118.5 +k=1 +x_0=500000 +ellps=GRS80 +units=m", kMetreTolerance },
        { VECTOR_XIAN80_GAUSS, 117.0, 39500000, false, -1, "EPSG:2363", kMetreTolerance },
        { VECTOR_WGS84_UTM, 117.0, 500000, false, -1, "EPSG:32650", kMetreTolerance },
        { VECTOR_WGS84_UTM, 117.0, 500000, true, -1, "EPSG:32750", kMetreTolerance },
        { VECTOR_BY_EPSG, 0.0, 500000, false, 21460,
            "+proj=tmerc +lon_0=117 +k=1 +x_0=500000 +ellps=krass "
            "+towgs84=15,-150,-90,0.1,0.2,-0.3,-1.5 +units=m",
            kDatumShiftTolerance_m }
    };
    const double seven[7] = { -15.0, 150.0, 90.0, 0.1, 0.2, -0.3, 1.5 };
    for (const auto& [target, centralMeridian, falseEasting, south, epsg, gdal, tolerance] : rows) {
        VectorCoordParameters parameters = reprojecting(3, target);
        parameters.centralMeridian = centralMeridian;
        parameters.falseEasting = falseEasting;
        parameters.streamFlag = south;
        parameters.targetEpsg = epsg;
        if (epsg > 0) std::copy(seven, seven + 7, parameters.sevenParameters);
        expectNear(reprojected(china, parameters),
            gdaltransform(china, QStringLiteral("EPSG:4326"), QString::fromLatin1(gdal)), tolerance,
            false, gdal);
    }
    // And back again.
    VectorCoordParameters gk = reprojecting(3, VECTOR_CGCS2000_GAUSS);
    VectorCoordParameters back = reprojecting(VECTOR_CGCS2000_GAUSS, 3);
    gk.centralMeridian = back.centralMeridian = 117.0;
    gk.falseEasting = 500000;
    expectNear(reprojected(reprojected(china, gk), back), china, 1e-9, false, "GK round trip");

    // A Gauss-Krueger shapefile written through the writer tool, as the application asks for it,
    // declares its system.
    VectorWriteOptions options;
    options.coordParameters = reprojecting(3, VECTOR_CGCS2000_GAUSS);
    options.coordParameters.centralMeridian = 117.0;
    write({ layerOf(QStringLiteral("gk"), { pointFeature(116.391, 39.907) }) },
        QStringLiteral("gk.shp"), options);
    const std::vector<Point> expected = gdaltransform(
        { { 116.391, 39.907, 0.0 } }, QStringLiteral("EPSG:4326"), QStringLiteral("EPSG:4548"));
    const ReadLayer layer = readBack(path(QStringLiteral("gk_point.shp"))).at(0);
    const QStringList read = QString::fromStdString(layer.features.at(0).wkt).split(' ');
    EXPECT_NEAR(read.value(1).mid(1).toDouble(), expected.at(0).x, 1e-3); // "POINT (x y)"
    EXPECT_NEAR(read.value(2).chopped(1).toDouble(), expected.at(0).y, 1e-3);
    OGRSpatialReference declared;
    ASSERT_EQ(declared.importFromWkt(layer.spatialReference.c_str()), OGRERR_NONE);
    EXPECT_TRUE(declared.GetNormProjParm(SRS_PP_CENTRAL_MERIDIAN) == 117.0
        && declared.GetNormProjParm(SRS_PP_FALSE_EASTING) == 500000.0
        && layer.spatialReference.find("2000") != std::string::npos)
        << layer.spatialReference;
}

TEST_F(Reprojection, SideReferencesAndFailures)
{
    VectorCoordParameters parameters;
    parameters.targetEpsg = 4326;
    const double seven[7] = { 1, 2, 3, 4, 5, 6, 7 };
    std::copy(seven, seven + 7, parameters.sevenParameters);
    double shift[7] = {};
    OGRSpatialReference* wgs84 = createSideReference(parameters, 500000.0, true);
    ASSERT_TRUE(wgs84);
    EXPECT_NE(wgs84->GetTOWGS84(shift), OGRERR_NONE);
    wgs84->Release();

    // No shift parameters: the code keeps its identity, so the written file can name it. (The
    // shift itself is checked against gdaltransform above.)
    parameters.sourceEpsg = 4214;
    std::fill(parameters.sevenParameters, parameters.sevenParameters + 7, 0.0);
    OGRSpatialReference* beijing = createSideReference(parameters, 500000.0, false);
    ASSERT_TRUE(beijing);
    EXPECT_STREQ(beijing->GetAuthorityCode(nullptr), "4214");
    beijing->Release();

    parameters.targetEpsg = -1;
    parameters.targetCoordSys = VECTOR_BY_EPSG;
    EXPECT_EQ(createSideReference(parameters, 500000.0, true), nullptr);
    for (const int unknown : { 6, 11, 12, 18, -1 }) {
        OGRSpatialReference untouched;
        EXPECT_FALSE(coordSysSpatialReference(unknown, 117.0, 500000.0, false, untouched));
        EXPECT_TRUE(untouched.IsEmpty());
    }

    // Failures give OGR's code and no crash.
    const std::vector<Point> points = kWgs84Points;
    // A target without a system, an unknown code, an offset target from nowhere.
    for (const auto& [source, sourceEpsg, target, targetEpsg] :
        { std::tuple { 3, -1, int(VECTOR_BY_EPSG), -1 }, { 3, -1, VECTOR_BY_EPSG, 999999 },
            { VECTOR_BY_EPSG, -1, 15, -1 }, { 16, -1, VECTOR_BY_EPSG, 999999 } }) {
        VectorCoordParameters parameters = reprojecting(source, target);
        parameters.sourceEpsg = sourceEpsg;
        parameters.targetEpsg = targetEpsg;
        GeometryReprojector reprojector(parameters, 500000.0);
        EXPECT_EQ(reprojector.status(), OGRERR_FAILURE) << target;
        std::unique_ptr<OGRLineString> line = lineOf(points);
        EXPECT_EQ(reprojector.reproject(line.get()), OGRERR_FAILURE) << target;
        expectNear(pointsOf(*line), points, 0.0, true, "untouched");
    }
    EXPECT_EQ(reprojectGeometry(nullptr, reprojecting(3, 4), 500000.0), OGRERR_FAILURE);

    // A NaN vertex cannot be projected; the engines leave it as it is.
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_NE(reprojected({ { nan, 30.0, 0.0 } }, reprojecting(3, 4)).size(), 1u);
    const std::vector<Point> shifted = reprojected({ { nan, 30.0, 0.0 } }, reprojecting(3, 15));
    ASSERT_EQ(shifted.size(), 1u);
    EXPECT_TRUE(std::isnan(shifted[0].x));
}

} // namespace
