#include "OvCoordSystem/vectors/I_GEOTools.h"

#include "OvCoordSystem/geodesy/GdalImport.h"
#include "OvCoordSystem/vectors/CoordSysCatalog_p.h"
#include "OvCoordSystem/vectors/DemAnalyser_p.h"
#include "OvCoordSystem/vectors/GdalEnvironment_p.h"
#include "OvCoordSystem/vectors/ToolReports_p.h"

#include <QEventLoop>

#include <cpl_conv.h>
#include <cpl_error.h>
#include <gdal_priv.h>
#include <gdalwarper.h>
#include <ogr_spatialref.h>

#include <memory>

namespace {

QString exportWkt(const OGRSpatialReference& reference)
{
    char* wkt = nullptr;
    const OGRErr result = reference.exportToWkt(&wkt);
    const QString text = result == OGRERR_NONE ? QString::fromLatin1(wkt) : QString();
    VSIFree(wkt);
    return text;
}

int epsgOfCoordSys(int coordSys)
{
    switch (coordSys) {
    case VECTOR_WGS84_LNGLAT:
        return 4326;
    case VECTOR_WGS84_WEB_MERCATOR:
        return 3857;
    default:
        return -1;
    }
}

int CPL_STDCALL reportWarpProgress(double done, const char*, void* observer)
{
    vectors::reportProgress(
        static_cast<I_VectorToolObserver*>(observer), static_cast<int>(done * 100.0));
    return TRUE;
}

} // namespace

I_GEOTools::I_GEOTools(QObject* parent)
    : QObject(parent)
{ }

I_GEOTools::~I_GEOTools() = default;

QString I_GEOTools::getWktByEpsg(int epsg)
{
    OGRSpatialReference reference;
    EkGDALUtilityNS::ImportEPSG(reference, epsg);
    // An unknown code leaves an empty reference, which GDAL 3 calls corrupt rather than a
    // failure; it has no WKT either way.
    if (reference.IsEmpty() || reference.Validate() == OGRERR_FAILURE) return QString();
    return exportWkt(reference);
}

QMap<int, QString> I_GEOTools::getCoordSysCatalog(
    int kind, int datum, bool zoneNumbers, int zoneWidth, bool north)
{
    return vectors::CoordSysCatalogProvider::instance()->catalog(
        kind, datum, zoneNumbers, zoneWidth, north);
}

bool I_GEOTools::convertCoordinates(int sourceEpsg, int targetEpsg, QVector<double>& xs,
    QVector<double>& ys, const QVector<QPointF>& points)
{
    xs.clear();
    ys.clear();
    OGRSpatialReference source;
    OGRSpatialReference target;
    if (!EkGDALUtilityNS::ImportEPSG(source, sourceEpsg)
        || !EkGDALUtilityNS::ImportEPSG(target, targetEpsg))
        return false;
    EkGDALUtilityNS::CQuietGdalErrors quiet;
    std::unique_ptr<OGRCoordinateTransformation> transformation(
        OGRCreateCoordinateTransformation(&source, &target));
    if (!transformation) return false;
    QVector<double> x(points.size());
    QVector<double> y(points.size());
    for (int i = 0; i < points.size(); ++i) {
        x[i] = points[i].x();
        y[i] = points[i].y();
    }
    if (!points.isEmpty() && !transformation->Transform(points.size(), x.data(), y.data()))
        return false;
    xs = x;
    ys = y;
    return true;
}

void I_GEOTools::initEnvironment()
{
    vectors::initGdalEnvironment(vectors::GdalRasterMode);
}

void I_GEOTools::setObserver(I_VectorToolObserver* observer)
{
    m_observer = observer;
}

void I_GEOTools::cancel()
{
    if (m_analyser) m_analyser->requestInterruption();
}

bool I_GEOTools::reprojectRaster(
    const QString& sourcePath, const QString& targetPath, int targetEpsg)
{
    OGRSpatialReference target;
    if (!EkGDALUtilityNS::ImportEPSG(target, targetEpsg)) return false;
    const QString targetWkt = exportWkt(target);
    EkGDALUtilityNS::CQuietGdalErrors quiet;
    GDALDatasetUniquePtr source(
        GDALDataset::Open(sourcePath.toLocal8Bit().constData(), GDAL_OF_RASTER | GDAL_OF_READONLY));
    GDALDriver* geoTiff = GetGDALDriverManager()->GetDriverByName("GTiff");
    if (!source || !geoTiff) return false;
    GDALDatasetUniquePtr warped(GDALDataset::FromHandle(GDALAutoCreateWarpedVRT(source.get(),
        nullptr, targetWkt.toLatin1().constData(), GRA_NearestNeighbour, 0.0, nullptr)));
    if (!warped) return false;
    CPLErrorReset();
    GDALDatasetUniquePtr written(geoTiff->CreateCopy(targetPath.toLocal8Bit().constData(),
        warped.get(), FALSE, nullptr, reportWarpProgress, m_observer));
    if (!written) return false;
    written.reset(); // closing flushes the file; a failed flush shows in the error state
    return CPLGetLastErrorType() < CE_Failure;
}

VectorCoordParameters I_GEOTools::defaultCoordParameters(int sourceCoordSys, int targetCoordSys)
{
    VectorCoordParameters parameters;
    parameters.sourceCoordSys = sourceCoordSys;
    parameters.sourceEpsg = epsgOfCoordSys(sourceCoordSys);
    parameters.targetCoordSys = targetCoordSys;
    parameters.targetEpsg = epsgOfCoordSys(targetCoordSys);
    parameters.reproject = sourceCoordSys != targetCoordSys;
    return parameters;
}

void I_GEOTools::analyzeDem(const QVector<double>& elevations, double* statistics)
{
    if (!statistics) return;
    vectors::DemAnalyser analyser(elevations);
    connect(&analyser, SIGNAL(complete(int)), this, SLOT(onComplete(int)));
    connect(&analyser, SIGNAL(errMessage(QString)), this, SLOT(onErr(QString)));
    QEventLoop loop;
    connect(&analyser, SIGNAL(finished()), &loop, SLOT(quit()));
    m_analyser = &analyser;
    analyser.start();
    loop.exec();
    analyser.wait();
    m_analyser = nullptr;
    if (!analyser.hasResult()) return;
    statistics[0] = analyser.minimum();
    statistics[1] = analyser.maximum();
    statistics[2] = analyser.mean();
}

void I_GEOTools::onComplete(int percent)
{
    vectors::reportProgress(m_observer, percent);
}

void I_GEOTools::onErr(const QString& message)
{
    vectors::logToolMessage("I_GEOTools", message);
}
