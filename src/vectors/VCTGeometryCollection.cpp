#include "OvCoordSystem/vectors/VCTGeometryCollection.h"

#include "OvCoordSystem/vectors/VCTHelpers_p.h"

namespace vectors {

VCTGeometryCollection::VCTGeometryCollection() = default;

VCTGeometryCollection::VCTGeometryCollection(const OGRGeometryCollection& geometries)
    : m_members(geometries)
{ }

VCTGeometry* VCTGeometryCollection::geometryAt(int i) const
{
    return wrapMember(m_members, i);
}

void VCTGeometryCollection::correctCoordinates(bool forward, int engineKind)
{
    correctVertices(m_members, forward, engineKind);
}

int VCTGeometryCollection::geometryKind() const
{
    return KindGeometryCollection;
}

OGRGeometryCollection* VCTGeometryCollection::getOgrGeometry()
{
    return &m_members;
}

} // namespace vectors
