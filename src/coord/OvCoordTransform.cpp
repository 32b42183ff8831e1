#include "OvCoordSystem/coord/OvCoordTransform.h"

#include "OvCoordSystem/geodesy/GeoPoint.h"
#include "OvCoordSystem/geodesy/LocalGeoSRS.h"
#include "OvCoordSystem/geodesy/SpatialReferenceFactorySingleton.h"

namespace {

// The toolkit wants a height; it does not change the shift.
constexpr double kHeight_m = 1000.0;

CSpatialReference* localSRS(E_LOCAL_GEO_SRS kind)
{
    return CSpatialReferenceFactorySingleton::Instance()->GetOrCreateSRSViaLocalGeoSRS(kind);
}

CSpatialReference* wgs84SRS()
{
    return CSpatialReferenceFactorySingleton::Instance()->GetOrCreateSRSViaEPSG(4326);
}

CGeoPoint geoPoint(const QPointF& point, CSpatialReference* srs)
{
    return CGeoPoint(CVector3D(point.x(), point.y(), kHeight_m), srs);
}

bool writeBack(const CGeoPoint& result, QPointF& point)
{
    if (!result.IsValid()) return false;
    point = QPointF(result.GetPosition().x, result.GetPosition().y);
    return true;
}

bool shift(QPointF& point, CSpatialReference* source, E_LOCAL_GEO_SRS targetKind)
{
    if (!source) return false;
    const CGeoPoint from = geoPoint(point, source);
    if (!from.IsValid()) return false;
    CSpatialReference* target = localSRS(targetKind);
    return target && writeBack(from.Transform(target), point);
}

} // namespace

bool COvCoordTransform::WGS84ToGCJ02(QPointF& point) const
{
    return shift(point, wgs84SRS(), LOCAL_GEO_SRS_GCJ02_LNGLAT);
}

bool COvCoordTransform::Gcj02ToWGS84(QPointF& point) const
{
    const CGeoPoint from = geoPoint(point, localSRS(LOCAL_GEO_SRS_GCJ02_LNGLAT));
    return from.IsValid() && writeBack(from.TransformEPSG(4326), point);
}

bool COvCoordTransform::GCJ02ToBD09(QPointF& point) const
{
    return shift(point, localSRS(LOCAL_GEO_SRS_GCJ02_LNGLAT), LOCAL_GEO_SRS_BD09_LNGLAT);
}

bool COvCoordTransform::BD09ToGCJ02(QPointF& point) const
{
    return shift(point, localSRS(LOCAL_GEO_SRS_BD09_LNGLAT), LOCAL_GEO_SRS_GCJ02_LNGLAT);
}

bool COvCoordTransform::WGS84ToBD09(QPointF& point) const
{
    return WGS84ToGCJ02(point) && GCJ02ToBD09(point);
}

bool COvCoordTransform::BD09ToWGS84(QPointF& point) const
{
    return BD09ToGCJ02(point) && Gcj02ToWGS84(point);
}

bool COvCoordTransform::Wgs84ToOther(QPointF& point, int mapType) const
{
    switch (ConvertMapToLocalGeoSRS(mapType)) {
    case LOCAL_GEO_SRS_GCJ02_LNGLAT:
        return WGS84ToGCJ02(point);
    case LOCAL_GEO_SRS_BD09_LNGLAT:
        return WGS84ToGCJ02(point) && GCJ02ToBD09(point);
    default:
        return false;
    }
}
