#include "OvCoordSystem/vectors/VCTMultiLineString.h"

#include "OvCoordSystem/vectors/VCTHelpers_p.h"
#include "OvCoordSystem/vectors/VCTLineString.h"

namespace vectors {

VCTMultiLineString::VCTMultiLineString() = default;

VCTMultiLineString::VCTMultiLineString(const OGRMultiLineString& lines)
    : m_members(lines)
{ }

void VCTMultiLineString::addGeometry(VCTLineString* line)
{
    consumeInto(m_members, line);
}

VCTGeometry* VCTMultiLineString::geometryAt(int i) const
{
    return wrapMember(m_members, i);
}

void VCTMultiLineString::correctCoordinates(bool forward, int engineKind)
{
    correctVertices(m_members, forward, engineKind);
}

int VCTMultiLineString::geometryKind() const
{
    return KindMultiLineString;
}

OGRMultiLineString* VCTMultiLineString::getOgrGeometry()
{
    return &m_members;
}

} // namespace vectors
