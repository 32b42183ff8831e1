#include "OvCoordSystem/geodesy/GeoPoint.h"

#include "OvCoordSystem/geodesy/GeodesyInternals_p.h"
#include "OvCoordSystem/geodesy/SpatialReference.h"
#include "OvCoordSystem/geodesy/SpatialReferenceFactorySingleton.h"

#include <cmath>

CGeoPoint::CGeoPoint(const CVector3D& position, CSpatialReference* srs)
    : m_position(position)
    , m_srs(srs)
{ }

bool CGeoPoint::IsValid() const
{
    return m_srs && std::isfinite(m_position.x) && std::isfinite(m_position.y)
        && std::isfinite(m_position.z) && m_srs->IsOGRSRSValid();
}

CGeoPoint CGeoPoint::Transform(CSpatialReference* target) const
{
    CVector3D position = m_position;
    if (!target || !IsValid() || !target->IsOGRSRSValid()
        || !geodesy::detail::TransformPoint(*m_srs, *target, position))
        return CGeoPoint();
    return CGeoPoint(position, target);
}

CGeoPoint CGeoPoint::TransformEPSG(int epsg) const
{
    if (!IsValid()) return CGeoPoint();
    return Transform(CSpatialReferenceFactorySingleton::Instance()->GetOrCreateSRSViaEPSG(epsg));
}

const CVector3D& CGeoPoint::GetPosition() const
{
    return m_position;
}

CSpatialReference* CGeoPoint::GetSpatialReference() const
{
    return m_srs;
}
