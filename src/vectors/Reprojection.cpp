#include "OvCoordSystem/vectors/Reprojection.h"

#include "OvCoordSystem/coord/CoordSysCorrectEngine.h"
#include "OvCoordSystem/geodesy/GdalImport.h"
#include "OvCoordSystem/vectors/GdalEnvironment_p.h"
#include "OvCoordSystem/vectors/VCTHelpers_p.h"

#include <QString>

#include <cpl_conv.h>
#include <ogr_geometry.h>
#include <ogr_spatialref.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace vectors {
namespace {

// EPSG codes of the geographic systems the Gauss-Krueger systems are projected from.
constexpr int kBeijing1954Epsg = 4214;
constexpr int kXian1980Epsg = 4610;
constexpr int kCgcs2000Epsg = 4490;
constexpr int kWgs84Epsg = 4326;
constexpr int kWebMercatorEpsg = 3857;
// Transverse Mercator scale factors: Gauss-Krueger keeps the central meridian true, UTM shrinks it.
constexpr double kGaussKruegerScale = 1.0;
constexpr double kUtmScale = 0.9996;
// False northing of a southern UTM zone (metres).
constexpr double kUtmSouthFalseNorthing_m = 10000000.0;
// Gauss-Krueger zone width whose central meridians the catalogue systems cover (degrees).
constexpr double kGaussKruegerGrid_deg = 3.0;
// False easting of a Gauss-Krueger system off that grid (metres).
constexpr double kOffGridFalseEasting_m = 500000.0;

bool isOffsetSystem(int coordSys)
{
    return coordSys >= VECTOR_BD09_LNGLAT && coordSys <= VECTOR_GCJ02_WEB_MERCATOR;
}

// Datum of a side on the way through longitude/latitude.
enum Datum
{
    Wgs84Datum,
    Gcj02Datum,
    Bd09Datum
};

Datum datumOf(int coordSys)
{
    switch (coordSys) {
    case VECTOR_GCJ02_LNGLAT:
    case VECTOR_GCJ02_WEB_MERCATOR:
        return Gcj02Datum;
    case VECTOR_BD09_LNGLAT:
    case VECTOR_BD09_WEB_MERCATOR:
        return Bd09Datum;
    default:
        return Wgs84Datum;
    }
}

bool transverseMercator(int geographicEpsg, const char* name, double centralMeridian, double scale,
    double falseEasting, double falseNorthing, OGRSpatialReference& reference)
{
    OGRSpatialReference geographic;
    if (!EkGDALUtilityNS::ImportEPSG(geographic, geographicEpsg)) return false;
    OGRSpatialReference projected;
    projected.SetProjCS(name);
    if (projected.CopyGeogCSFrom(&geographic) != OGRERR_NONE
        || projected.SetTM(0.0, centralMeridian, scale, falseEasting, falseNorthing) != OGRERR_NONE
        || projected.SetLinearUnits(SRS_UL_METER, 1.0) != OGRERR_NONE)
        return false;
    projected.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
    reference = projected;
    return true;
}

// A system on the WGS 84 ellipsoid, recognised as the writer always has; a datum shift of WGS 84
// to itself would change nothing but cost the system its EPSG identity (see below).
bool isOnWgs84(const OGRSpatialReference& reference)
{
    OGRErr error = OGRERR_NONE;
    const double major = reference.GetSemiMajor(&error);
    const double minor = reference.GetSemiMinor(&error);
    return QString::number(major, 'f', 3) == QLatin1String("6378137.000")
        && QString::number(minor, 'f', 4) == QLatin1String("6356752.3142");
}

// Attaches the datum shift of SEVEN (dx, dy, dz metres, rx, ry, rz arc-seconds, scale ppm, as
// the parameter record holds them) to REFERENCE. PROJ prefers the transformations it registers
// for an EPSG system over an attached shift, so the authority codes go: the given parameters
// govern, also when they are all zero.
bool attachDatumShift(const double* seven, OGRSpatialReference& reference)
{
    if (reference.SetTOWGS84(
            -seven[0], -seven[1], -seven[2], seven[3], seven[4], seven[5], -seven[6])
        != OGRERR_NONE)
        return false;
    char* wkt = nullptr;
    OGRErr error = reference.exportToWkt(&wkt);
    OGR_SRSNode root;
    const char* cursor = wkt;
    if (error == OGRERR_NONE) error = root.importFromWkt(&cursor);
    CPLFree(wkt);
    if (error != OGRERR_NONE) return false;
    root.StripNodes("AUTHORITY");
    char* stripped = nullptr;
    root.exportToWkt(&stripped);
    OGRSpatialReference shifted;
    error = shifted.importFromWkt(stripped);
    CPLFree(stripped);
    if (error != OGRERR_NONE) return false;
    shifted.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
    reference = shifted;
    return true;
}

struct TransformDeleter
{
    void operator()(OGRCoordinateTransformation* transform) const
    {
        OGRCoordinateTransformation::DestroyCT(transform);
    }
};
using TransformPtr = std::unique_ptr<OGRCoordinateTransformation, TransformDeleter>;

struct ReferenceDeleter
{
    void operator()(OGRSpatialReference* reference) const
    {
        if (reference) reference->Release();
    }
};
using ReferencePtr = std::unique_ptr<OGRSpatialReference, ReferenceDeleter>;

struct EngineDeleter
{
    void operator()(coordinate::ICoordSysCorrectEngine* engine) const
    {
        coordinate::DestroyCorrectEngine(engine);
    }
};
using EnginePtr = std::unique_ptr<coordinate::ICoordSysCorrectEngine, EngineDeleter>;

} // namespace

bool coordSysSpatialReference(int coordSys, double centralMeridian, double falseEasting, bool south,
    OGRSpatialReference& reference)
{
    switch (coordSys) {
    case VECTOR_BEIJING54_GAUSS:
        return transverseMercator(kBeijing1954Epsg, "Beijing 1954 / Gauss-Kruger", centralMeridian,
            kGaussKruegerScale, falseEasting, 0.0, reference);
    case VECTOR_XIAN80_GAUSS:
        return transverseMercator(kXian1980Epsg, "Xian 1980 / Gauss-Kruger", centralMeridian,
            kGaussKruegerScale, falseEasting, 0.0, reference);
    case VECTOR_CGCS2000_GAUSS:
        return transverseMercator(kCgcs2000Epsg, "CGCS2000 / Gauss-Kruger", centralMeridian,
            kGaussKruegerScale, falseEasting, 0.0, reference);
    case VECTOR_WGS84_UTM:
        return transverseMercator(kWgs84Epsg, south ? "WGS 84 / UTM south" : "WGS 84 / UTM north",
            centralMeridian, kUtmScale, falseEasting, south ? kUtmSouthFalseNorthing_m : 0.0,
            reference);
    case VECTOR_WGS84_LNGLAT:
    case VECTOR_BD09_LNGLAT:
    case VECTOR_GCJ02_LNGLAT:
        return EkGDALUtilityNS::ImportEPSG(reference, kWgs84Epsg);
    case VECTOR_WGS84_WEB_MERCATOR:
    case VECTOR_BD09_WEB_MERCATOR:
    case VECTOR_GCJ02_WEB_MERCATOR:
        return EkGDALUtilityNS::ImportEPSG(reference, kWebMercatorEpsg);
    default:
        return false;
    }
}

namespace {

// The side reference; with DECLARING, a code given no shift parameters keeps its EPSG identity
// (what the written file names), while a transformation always takes the given shift.
OGRSpatialReference* sideReference(
    const VectorCoordParameters& parameters, double falseEasting, bool target, bool declaring)
{
    const int epsg = target ? parameters.targetEpsg : parameters.sourceEpsg;
    const int coordSys = target ? parameters.targetCoordSys : parameters.sourceCoordSys;
    ReferencePtr reference(new OGRSpatialReference());
    if (epsg != -1) {
        if (!EkGDALUtilityNS::ImportEPSG(*reference, epsg)) return nullptr;
        const double* seven = parameters.sevenParameters;
        const bool noShift = std::all_of(seven, seven + 7, [](double p) { return p == 0.0; });
        if (!isOnWgs84(*reference) && !(declaring && noShift)
            && !attachDatumShift(seven, *reference))
            return nullptr;
        return reference.release();
    }
    const bool gaussKrueger = coordSys == VECTOR_BEIJING54_GAUSS || coordSys == VECTOR_XIAN80_GAUSS
        || coordSys == VECTOR_CGCS2000_GAUSS;
    const double meridian = parameters.centralMeridian;
    const bool offGrid = gaussKrueger && std::fmod(meridian, kGaussKruegerGrid_deg) != 0.0;
    const bool built = coordSysSpatialReference(coordSys, meridian,
        offGrid ? kOffGridFalseEasting_m : falseEasting, parameters.streamFlag, *reference);
    return built ? reference.release() : nullptr;
}

} // namespace

OGRSpatialReference* createSideReference(
    const VectorCoordParameters& parameters, double falseEasting, bool target)
{
    return sideReference(parameters, falseEasting, target, true);
}

// The transformation as a list of in-place steps on a whole geometry.
struct GeometryReprojector::Steps
{
    using Step = std::function<OGRErr(OGRGeometry*)>;

    OGRErr status = OGRERR_NONE;
    std::vector<Step> steps;
    std::vector<TransformPtr> transforms;
    EnginePtr gcj02 { coordinate::CreateCorrectEngine(0) };
    EnginePtr bd09 { coordinate::CreateCorrectEngine(1) };

    // An OGR step from FROM to TO; a null reference or transformation fails the whole.
    void addOgr(const OGRSpatialReference* from, const OGRSpatialReference* to)
    {
        if (!from || !to) {
            status = OGRERR_FAILURE;
            return;
        }
        if (from->IsSame(to)) return;
        TransformPtr transform;
        {
            const EkGDALUtilityNS::CQuietGdalErrors quiet;
            transform.reset(OGRCreateCoordinateTransformation(from, to));
        }
        if (!transform) {
            status = OGRERR_FAILURE;
            return;
        }
        OGRCoordinateTransformation* raw = transform.get();
        transforms.push_back(std::move(transform));
        steps.push_back([raw](OGRGeometry* geometry) { return geometry->transform(raw); });
    }

    // A step that shifts every vertex through one engine call, one vertex at a time; z and m
    // stay.
    void addVertexStep(std::function<void(double*, double*)> apply)
    {
        steps.push_back([apply](OGRGeometry* geometry) {
            walkGeometry(
                *geometry,
                [&apply](OGRPoint& point) {
                    double x = point.getX();
                    double y = point.getY();
                    apply(&x, &y);
                    point.setX(x);
                    point.setY(y);
                },
                [&apply](OGRSimpleCurve& curve) {
                    for (int i = 0; i < curve.getNumPoints(); ++i) {
                        double x = curve.getX(i);
                        double y = curve.getY(i);
                        apply(&x, &y);
                        curve.setPoint(i, x, y);
                    }
                });
            return OGRERR_NONE;
        });
    }

    void addDatumShift(Datum from, Datum to)
    {
        if (from == to) return;
        coordinate::ICoordSysCorrectEngine* gcj = gcj02.get();
        coordinate::ICoordSysCorrectEngine* bd = bd09.get();
        if (from == Gcj02Datum && to == Bd09Datum)
            addVertexStep([bd](double* x, double* y) { bd->GCJ02ToBD09(x, y, 1); });
        else if (from == Bd09Datum && to == Gcj02Datum)
            addVertexStep([bd](double* x, double* y) { bd->BD09ToGCJ02(x, y, 1); });
        else if (from == Wgs84Datum)
            addVertexStep([engine = to == Gcj02Datum ? gcj : bd](
                              double* x, double* y) { engine->FromWGS84(x, y, 1); });
        else
            addVertexStep([engine = from == Gcj02Datum ? gcj : bd](
                              double* x, double* y) { engine->ToWGS84(x, y, 1); });
    }
};

GeometryReprojector::GeometryReprojector(
    const VectorCoordParameters& parameters, double falseEasting)
    : m_steps(new Steps)
{
    initGdalEnvironment(GdalVectorMode);
    Steps& s = *m_steps;
    const ReferencePtr source(sideReference(parameters, falseEasting, false, false));
    const ReferencePtr target(sideReference(parameters, falseEasting, true, false));
    const int from = parameters.sourceCoordSys;
    const int to = parameters.targetCoordSys;
    if (!isOffsetSystem(from) && !isOffsetSystem(to)) {
        s.addOgr(source.get(), target.get());
        return;
    }
    ReferencePtr lngLat(new OGRSpatialReference());
    ReferencePtr webMercator(new OGRSpatialReference());
    if (!EkGDALUtilityNS::ImportEPSG(*lngLat, kWgs84Epsg)
        || !EkGDALUtilityNS::ImportEPSG(*webMercator, kWebMercatorEpsg)) {
        s.status = OGRERR_FAILURE;
        return;
    }
    coordinate::ICoordSysCorrectEngine* bd = s.bd09.get();
    // Into longitude/latitude of the source's datum.
    if (from == VECTOR_GCJ02_WEB_MERCATOR)
        s.addOgr(webMercator.get(), lngLat.get());
    else if (from == VECTOR_BD09_WEB_MERCATOR)
        s.addVertexStep([bd](double* x, double* y) { bd->MercatorToLngLat(x, y, 1); });
    else if (!isOffsetSystem(from))
        s.addOgr(source.get(), lngLat.get());
    s.addDatumShift(datumOf(from), datumOf(to));
    // Out of longitude/latitude of the target's datum.
    if (to == VECTOR_GCJ02_WEB_MERCATOR)
        s.addOgr(lngLat.get(), webMercator.get());
    else if (to == VECTOR_BD09_WEB_MERCATOR)
        s.addVertexStep([bd](double* x, double* y) { bd->LngLatToMercator(x, y, 1); });
    else if (!isOffsetSystem(to))
        s.addOgr(lngLat.get(), target.get());
}

GeometryReprojector::~GeometryReprojector() = default;

OGRErr GeometryReprojector::status() const
{
    return m_steps->status;
}

OGRErr GeometryReprojector::reproject(OGRGeometry* geometry) const
{
    if (m_steps->status != OGRERR_NONE) return m_steps->status;
    if (!geometry) return OGRERR_FAILURE;
    for (const Steps::Step& step : m_steps->steps) {
        const OGRErr error = step(geometry);
        if (error != OGRERR_NONE) return error;
    }
    return OGRERR_NONE;
}

OGRErr reprojectGeometry(
    OGRGeometry* geometry, const VectorCoordParameters& parameters, double falseEasting)
{
    return GeometryReprojector(parameters, falseEasting).reproject(geometry);
}

} // namespace vectors
