#include "OvCoordSystem/geodesy/GeodesyInternals_p.h"

#include "OvCoordSystem/geodesy/CoordinateSystemTypes.h"
#include "OvCoordSystem/geodesy/OffsetFormulas.h"
#include "OvCoordSystem/geodesy/SpatialReference.h"

#include <cpl_error.h>

#include <cmath>
#include <memory>
#include <string>

// A point moves between references through three geodetic frames: WGS84 (every real
// reference), GCJ02 and BD09 (the local offset systems). Within a frame the local Mercator forms
// are undone first; between frames the offset formulas shift longitude/latitude.

namespace geodesy::detail {
namespace {

enum class Frame
{
    Wgs84,
    Gcj02,
    Bd09
};

const char* const kWebMercatorProj4
    = "+proj=merc +a=6378137 +b=6378137 +lat_ts=0 +lon_0=0 "
      "+x_0=0 +y_0=0 +k=1 +units=m +nadgrids=@null +wktext +no_defs";

// One per thread: OGR references are not safe to share between threads, not even for reading.
const OGRSpatialReference& wgs84LngLat()
{
    thread_local const OGRSpatialReference srs = [] {
        OGRSpatialReference s;
        EkGDALUtilityNS::ImportEPSG(s, 4326);
        return s;
    }();
    return srs;
}

const OGRSpatialReference& webMercator()
{
    thread_local const OGRSpatialReference srs = [] {
        OGRSpatialReference s;
        EkGDALUtilityNS::ImportEPSG(s, 3857);
        return s;
    }();
    return srs;
}

bool ogrTransform(const OGRSpatialReference& from, const OGRSpatialReference& to, CVector3D& p)
{
    EkGDALUtilityNS::CQuietGdalErrors quiet;
    const std::unique_ptr<OGRCoordinateTransformation> transform(
        OGRCreateCoordinateTransformation(&from, &to));
    double x = p.x;
    double y = p.y;
    double z = p.z;
    if (!transform || !transform->Transform(1, &x, &y, &z)) return false;
    p = CVector3D(x, y, z);
    return true;
}

Frame frameOf(const CSpatialReference& srs)
{
    switch (srs.GetLocalGeoSRS()) {
    case LOCAL_GEO_SRS_GCJ02_LNGLAT:
    case LOCAL_GEO_SRS_GCJ02_WEB_MERCATOR:
        return Frame::Gcj02;
    case LOCAL_GEO_SRS_BD09_LNGLAT:
    case LOCAL_GEO_SRS_BD09_MERCATOR:
        return Frame::Bd09;
    default:
        return Frame::Wgs84;
    }
}

// From the reference's own coordinates to longitude/latitude of its frame.
bool toFrameLngLat(const CSpatialReference& srs, CVector3D& p)
{
    switch (srs.GetLocalGeoSRS()) {
    case LOCAL_GEO_SRS_GCJ02_LNGLAT:
    case LOCAL_GEO_SRS_BD09_LNGLAT:
        return true;
    case LOCAL_GEO_SRS_GCJ02_WEB_MERCATOR:
        return ogrTransform(webMercator(), wgs84LngLat(), p);
    case LOCAL_GEO_SRS_BD09_MERCATOR: {
        const int band = BdMercatorBand(kBdMcBand_m, p.y);
        if (band < 0) return false;
        BdBandConvert(kBdMc2Ll[band], p.x, p.y, p.x, p.y);
        return true;
    }
    default:
        return srs.GetEPSG() == 4326 || ogrTransform(*srs.GetOGRSRS(), wgs84LngLat(), p);
    }
}

// From longitude/latitude of the reference's frame to its own coordinates.
bool fromFrameLngLat(const CSpatialReference& srs, CVector3D& p)
{
    switch (srs.GetLocalGeoSRS()) {
    case LOCAL_GEO_SRS_GCJ02_LNGLAT:
    case LOCAL_GEO_SRS_BD09_LNGLAT:
        return true;
    case LOCAL_GEO_SRS_GCJ02_WEB_MERCATOR:
        return ogrTransform(wgs84LngLat(), webMercator(), p);
    case LOCAL_GEO_SRS_BD09_MERCATOR: {
        const int band = BdLngLatBand(kBdLlBand_deg, p.y);
        if (band < 0) return false;
        BdBandConvert(kBdLl2Mc[band], p.x, p.y, p.x, p.y);
        return true;
    }
    default:
        return srs.GetEPSG() == 4326 || ogrTransform(wgs84LngLat(), *srs.GetOGRSRS(), p);
    }
}

// Longitude/latitude from one frame to another. WGS84 outside the GCJ02 box has no offset;
// GCJ02 goes back to WGS84 in one step. Only longitudes/latitudes in range move.
bool changeFrame(Frame from, Frame to, CVector3D& p)
{
    if (from == to) return true;
    if (!InLngLatRange(p.x, p.y)) return false;
    if (from == Frame::Bd09)
        Bd09ToGcj02(p.x, p.y, p.x, p.y);
    else if (from == Frame::Wgs84 && InGcj02Area(p.x, p.y))
        Gcj02Offset(p.x, p.y, p.x, p.y);
    // p is in GCJ02 now.
    if (to == Frame::Bd09)
        Gcj02ToBd09(p.x, p.y, p.x, p.y);
    else if (to == Frame::Wgs84)
        Gcj02ToWgs84OneStep(p.x, p.y, p.x, p.y);
    return true;
}

} // namespace

const char* LocalGeoSRSName(int localGeoSRS)
{
    switch (localGeoSRS) {
    case LOCAL_GEO_SRS_GCJ02_LNGLAT:
        return "GCJ02";
    case LOCAL_GEO_SRS_BD09_LNGLAT:
        return "BD09";
    case LOCAL_GEO_SRS_GCJ02_WEB_MERCATOR:
        return "GCJ02 / Web Mercator";
    case LOCAL_GEO_SRS_BD09_MERCATOR:
        return "BD09 / Mercator";
    default:
        return nullptr;
    }
}

bool BuildLocalGeoSRS(int localGeoSRS, OGRSpatialReference& srs)
{
    const char* name = LocalGeoSRSName(localGeoSRS);
    if (!name) return false;
    EkGDALUtilityNS::CQuietGdalErrors quiet;
    srs.Clear();
    OGRErr err;
    if (localGeoSRS == LOCAL_GEO_SRS_GCJ02_LNGLAT || localGeoSRS == LOCAL_GEO_SRS_BD09_LNGLAT) {
        err = srs.SetGeogCS(name, name, "WGS 84", SRS_WGS84_SEMIMAJOR, SRS_WGS84_INVFLATTENING);
    } else {
        err = srs.importFromProj4(kWebMercatorProj4);
        if (err == OGRERR_NONE) err = srs.SetProjCS(name);
    }
    srs.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
    return err == OGRERR_NONE;
}

bool TransformPoint(const CSpatialReference& from, const CSpatialReference& to, CVector3D& p)
{
    CVector3D q = p;
    bool ok;
    if (&from == &to) {
        ok = true;
    } else if (from.GetLocalGeoSRS() == 0 && to.GetLocalGeoSRS() == 0) {
        // Between real references OGR applies their own datum shifts.
        ok = ogrTransform(*from.GetOGRSRS(), *to.GetOGRSRS(), q);
    } else {
        ok = toFrameLngLat(from, q) && changeFrame(frameOf(from), frameOf(to), q)
            && fromFrameLngLat(to, q);
    }
    if (!ok || !std::isfinite(q.x) || !std::isfinite(q.y) || !std::isfinite(q.z)) return false;
    p = q;
    return true;
}

} // namespace geodesy::detail
