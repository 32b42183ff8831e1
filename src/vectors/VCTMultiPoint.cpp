#include "OvCoordSystem/vectors/VCTMultiPoint.h"

#include "OvCoordSystem/vectors/VCTHelpers_p.h"
#include "OvCoordSystem/vectors/VCTPoint.h"

namespace vectors {

VCTMultiPoint::VCTMultiPoint() = default;

VCTMultiPoint::VCTMultiPoint(const OGRMultiPoint& points)
    : m_points(points)
{ }

void VCTMultiPoint::addGeometry(VCTPoint* point)
{
    consumeInto(m_points, point);
}

VCTGeometry* VCTMultiPoint::geometryAt(int i) const
{
    return wrapMember(m_points, i);
}

void VCTMultiPoint::correctCoordinates(bool forward, int engineKind)
{
    correctVertices(m_points, forward, engineKind);
}

int VCTMultiPoint::geometryKind() const
{
    return KindMultiPoint;
}

const OGRPoint* VCTMultiPoint::memberPoint(int i) const
{
    return i >= 0 && i < m_points.getNumGeometries() ? m_points.getGeometryRef(i) : nullptr;
}

double VCTMultiPoint::getX(int i) const
{
    const OGRPoint* point = memberPoint(i);
    return point ? point->getX() : 0.0;
}

double VCTMultiPoint::getY(int i) const
{
    const OGRPoint* point = memberPoint(i);
    return point ? point->getY() : 0.0;
}

double VCTMultiPoint::getZ(int i) const
{
    const OGRPoint* point = memberPoint(i);
    return point ? point->getZ() : 0.0;
}

OGRMultiPoint* VCTMultiPoint::getOgrGeometry()
{
    return &m_points;
}

} // namespace vectors
