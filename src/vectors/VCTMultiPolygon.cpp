#include "OvCoordSystem/vectors/VCTMultiPolygon.h"

#include "OvCoordSystem/vectors/VCTHelpers_p.h"
#include "OvCoordSystem/vectors/VCTPolygon.h"

namespace vectors {

VCTMultiPolygon::VCTMultiPolygon() = default;

VCTMultiPolygon::VCTMultiPolygon(const OGRMultiPolygon& polygons)
    : m_members(polygons)
{ }

void VCTMultiPolygon::addGeometry(VCTPolygon* polygon)
{
    consumeInto(m_members, polygon);
}

VCTGeometry* VCTMultiPolygon::geometryAt(int i) const
{
    return wrapMember(m_members, i);
}

void VCTMultiPolygon::correctCoordinates(bool forward, int engineKind)
{
    correctVertices(m_members, forward, engineKind);
}

int VCTMultiPolygon::geometryKind() const
{
    return KindMultiPolygon;
}

OGRMultiPolygon* VCTMultiPolygon::getOgrGeometry()
{
    return &m_members;
}

} // namespace vectors
