#include "OvCoordSystem/vectors/VCTPoint.h"

#include "OvCoordSystem/vectors/VCTHelpers_p.h"

namespace vectors {

VCTPoint::VCTPoint() = default;

VCTPoint::VCTPoint(const OGRPoint& point)
    : m_point(point)
{ }

void VCTPoint::setX(double x)
{
    m_point.setX(x);
}

void VCTPoint::setY(double y)
{
    m_point.setY(y);
}

void VCTPoint::setZ(double z)
{
    m_point.setZ(z);
    // OGR's setZ leaves the empty flag alone; setting x again clears it.
    m_point.setX(m_point.getX());
}

void VCTPoint::correctCoordinates(bool forward, int engineKind)
{
    correctVertices(m_point, forward, engineKind);
}

int VCTPoint::geometryKind() const
{
    return KindPoint;
}

double VCTPoint::getX() const
{
    return m_point.getX();
}

double VCTPoint::getY() const
{
    return m_point.getY();
}

double VCTPoint::getZ() const
{
    return m_point.getZ();
}

OGRPoint* VCTPoint::getOgrGeometry()
{
    return &m_point;
}

} // namespace vectors
