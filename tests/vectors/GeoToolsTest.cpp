#include "VectorTestSupport.h"

#include "OvCoordSystem/coord/ExportTools.h"

#include <QRegularExpression>

#include <climits>
#include <cmath>

namespace {

struct ToolDeleter
{
    void operator()(I_VectorTools* tool) const { releaseVectorTool(tool); }
};
using ToolPtr = std::unique_ptr<I_VectorTools, ToolDeleter>;

ToolPtr geoTools()
{
    return ToolPtr(createVectorTool(VectorToolGeoTools));
}

// Kind, datum, zone numbers, zone width, north; count, first and last code. Codes worked out by
// hand from the EPSG numbering of each family; the names of the Gauss-Krueger and UTM systems are
// checked against GDAL's for every code. Any width other than 3 means 6-degree zones.
const std::tuple<int, int, bool, int, bool, int, int, int> kCatalogs[]
    = { { 0, 0, true, 6, true, 11, 21413, 21423 }, { 0, 0, false, 6, true, 11, 21453, 21463 },
          { 0, 0, true, 3, true, 21, 2401, 2421 }, { 0, 0, false, 3, true, 21, 2422, 2442 },
          { 0, 1, true, 6, true, 11, 2327, 2337 }, { 0, 1, false, 6, true, 11, 2338, 2348 },
          { 0, 1, true, 3, true, 21, 2349, 2369 }, { 0, 1, false, 3, true, 21, 2370, 2390 },
          { 0, 2, true, 6, true, 11, 4491, 4501 }, { 0, 2, false, 6, true, 11, 4502, 4512 },
          { 0, 2, true, 3, true, 21, 4513, 4533 }, { 0, 2, false, 3, true, 21, 4534, 4554 },
          { 0, 2, true, 0, true, 11, 4491, 4501 }, { 1, 0, false, 0, false, 2, 3857, 54004 },
          { 2, 0, false, 0, true, 60, 32601, 32660 }, { 2, 0, false, 0, false, 60, 32701, 32760 },
          { 3, 0, false, 0, false, 6, 3824, 4611 } };

// GDAL's name of a catalogued Gauss-Krueger system, e.g. "CGCS 2000 3 Degree GK CM 75" is
// "CGCS2000 / 3-degree Gauss-Kruger CM 75E".
QString gdalGaussKruegerName(QString name)
{
    name.replace(QStringLiteral("CGCS 2000"), QStringLiteral("CGCS2000"));
    name.replace(QStringLiteral(" 3 Degree GK "), QStringLiteral(" / 3-degree Gauss-Kruger "));
    name.replace(QStringLiteral(" GK "), QStringLiteral(" / Gauss-Kruger "));
    name.replace(QStringLiteral("Zone "), QStringLiteral("zone "));
    name.replace(QRegularExpression(QStringLiteral("CM (\\d+)$")), QStringLiteral("CM \\1E"));
    return name;
}

} // namespace

// Every catalogued code has a WKT that reads back with its code, and GDAL gives the same names.
TEST(GeoToolsCatalog, CataloguesMatchGdalForEveryCode)
{
    const ToolPtr tool = geoTools();
    QList<int> unknownToEpsgImport;
    for (const auto& [kind, datum, zoneNumbers, zoneWidth, north, count, first, last] : kCatalogs) {
        SCOPED_TRACE(testing::Message() << "kind " << kind << " datum " << datum << " zones "
                                        << zoneNumbers << " width " << zoneWidth);
        const QMap<int, QString> catalog
            = tool->getCoordSysCatalog(kind, datum, zoneNumbers, zoneWidth, north);
        ASSERT_EQ(catalog.size(), count);
        EXPECT_EQ(catalog.firstKey(), first);
        EXPECT_EQ(catalog.lastKey(), last);
        for (auto it = catalog.cbegin(); it != catalog.cend(); ++it) {
            OGRSpatialReference epsg;
            CPLPushErrorHandler(CPLQuietErrorHandler);
            const bool known = epsg.importFromEPSG(it.key()) == OGRERR_NONE;
            CPLPopErrorHandler();
            if (!known) unknownToEpsgImport << it.key();
            if (kind == 0 || kind == 2) {
                EXPECT_EQ(QString::fromLatin1(epsg.GetName()),
                    kind == 0 ? gdalGaussKruegerName(it.value()) : it.value());
            }
            OGRSpatialReference reread;
            ASSERT_EQ(reread.importFromWkt(tool->getWktByEpsg(it.key()).toLatin1().constData()),
                OGRERR_NONE)
                << it.key();
            EXPECT_STREQ(
                reread.GetAuthorityCode(nullptr), QByteArray::number(it.key()).constData());
        }
    }
    // GDAL 3.6 reads ESRI's World Mercator only as "ESRI:54004"; the tool falls back to it.
    EXPECT_EQ(unknownToEpsgImport, QList<int> { 54004 });
    EXPECT_EQ(tool->getCoordSysCatalog(1, 0, false, 0, false).values(),
        (QStringList { "WGS 84 / Pseudo-Mercator", "World Mercator" }));
    const QMap<int, QString> geographic = tool->getCoordSysCatalog(3, 0, false, 0, false);
    EXPECT_EQ(geographic.keys(), (QList<int> { 3824, 4214, 4326, 4490, 4610, 4611 }));
    EXPECT_EQ(geographic.value(4326), QStringLiteral("WGS84 - World Geodetic System 1984"));

    for (const int kind : { -1, 4, INT_MAX })
        EXPECT_TRUE(tool->getCoordSysCatalog(kind, 0, true, 3, true).isEmpty()) << kind;
    for (const int datum : { -1, 3 })
        EXPECT_TRUE(tool->getCoordSysCatalog(0, datum, true, 3, true).isEmpty()) << datum;
    for (const int code : { 0, -1, 999999 })
        EXPECT_TRUE(tool->getWktByEpsg(code).isEmpty()) << code;
    EXPECT_EQ(I_ExportTools::getWkt(3857), tool->getWktByEpsg(3857));
    EXPECT_TRUE(I_ExportTools::getWkt(999999).isEmpty());
}

TEST(GeoTools, ConvertsToWebMercatorPicksDefaultsAnalysesDemsAndReprojectsRasters)
{
    const ToolPtr tool = geoTools();
    QVector<double> xs;
    QVector<double> ys;
    const QPointF beijing(116.397128, 39.916527);
    ASSERT_TRUE(tool->convertCoordinates(4326, 3857, xs, ys, { beijing }));
    ASSERT_EQ(xs.size(), 1);
    // Spherical Mercator on the WGS 84 semi-major axis.
    constexpr double kRadius_m = 6378137.0;
    constexpr double kDegree = M_PI / 180.0;
    EXPECT_NEAR(xs[0], kRadius_m * beijing.x() * kDegree, 1e-6);
    EXPECT_NEAR(ys[0], kRadius_m * std::log(std::tan(M_PI / 4 + beijing.y() * kDegree / 2)), 1e-6);

    xs = { 1.0 };
    ys = { 2.0 };
    EXPECT_FALSE(tool->convertCoordinates(999999, 3857, xs, ys, { beijing }));
    EXPECT_TRUE(xs.isEmpty() && ys.isEmpty());
    EXPECT_TRUE(tool->convertCoordinates(4326, 3857, xs, ys, {}));

    const VectorCoordParameters toGcj = tool->defaultCoordParameters(3, 16);
    EXPECT_TRUE(toGcj.sourceEpsg == 4326 && toGcj.targetEpsg == -1 && toGcj.reproject);
    const VectorCoordParameters same = tool->defaultCoordParameters(4, 4);
    EXPECT_TRUE(same.targetEpsg == 3857 && !same.reproject);

    // DEM statistics skip what is not a number; the progress ends at a hundred.
    vectortest::RecordingObserver observer;
    tool->setObserver(&observer);
    double statistics[3] = { -1.0, -1.0, -1.0 };
    tool->analyzeDem({ NAN, 10.0, 20.0, 60.0, INFINITY }, statistics);
    EXPECT_EQ(
        std::vector<double>(statistics, statistics + 3), (std::vector<double> { 10, 60, 30 }));
    ASSERT_FALSE(observer.reports.empty());
    EXPECT_EQ(observer.reports.back(), 100);

    observer.reports.clear();
    double untouched[3] = { 1.0, 2.0, 3.0 };
    tool->analyzeDem({ NAN }, untouched);
    tool->analyzeDem({ 1.0 }, nullptr);
    EXPECT_EQ(untouched[0], 1.0);
    EXPECT_TRUE(observer.reports.empty());

    // A geographic grid reprojected to Web Mercator.
    QTemporaryDir dir;
    const QByteArray source = (dir.path() + QStringLiteral("/source.tif")).toLocal8Bit();
    const QString target = dir.path() + QStringLiteral("/target.tif");
    {
        GDALAllRegister(); // this test may run alone, before any tool has registered the drivers
        GDALDriver* geoTiff = GetGDALDriverManager()->GetDriverByName("GTiff");
        ASSERT_NE(geoTiff, nullptr);
        GDALDatasetUniquePtr grid(geoTiff->Create(source.constData(), 8, 8, 1, GDT_Byte, nullptr));
        ASSERT_TRUE(grid);
        double transform[6] = { 116.0, 0.125, 0.0, 40.0, 0.0, -0.125 }; // 116..117 E, 39..40 N
        grid->SetGeoTransform(transform);
        OGRSpatialReference wgs84;
        wgs84.importFromEPSG(4326);
        grid->SetSpatialRef(&wgs84);
        grid->GetRasterBand(1)->Fill(7.0);
    }
    ASSERT_TRUE(tool->reprojectRaster(QString::fromLocal8Bit(source), target, 3857));
    GDALDatasetUniquePtr result(
        GDALDataset::Open(target.toLocal8Bit().constData(), GDAL_OF_RASTER));
    ASSERT_TRUE(result);
    EXPECT_STREQ(result->GetSpatialRef()->GetAuthorityCode(nullptr), "3857");
    double transform[6] = {};
    result->GetGeoTransform(transform);
    // Left edge: 116 degrees east in spherical Mercator metres, within one output pixel.
    EXPECT_NEAR(transform[0], 6378137.0 * 116.0 * M_PI / 180.0, std::fabs(transform[1]));

    EXPECT_FALSE(tool->reprojectRaster(dir.path() + QStringLiteral("/missing.tif"), target, 3857));
    EXPECT_FALSE(tool->reprojectRaster(QString::fromLocal8Bit(source), target, 999999));
}
