#include "OvCoordSystem/vectors/VCTLineString.h"

#include "OvCoordSystem/vectors/VCTHelpers_p.h"

namespace vectors {

VCTLineString::VCTLineString() = default;

VCTLineString::VCTLineString(const OGRLineString& line)
    : m_line(line)
{ }

void VCTLineString::addPoint(VCTPoint* point)
{
    appendPoint(m_line, point);
}

int VCTLineString::pointCount() const
{
    return m_line.getNumPoints();
}

VCTPoint* VCTLineString::pointAt(int i) const
{
    return newPointAt(m_line, i);
}

void VCTLineString::correctCoordinates(bool forward, int engineKind)
{
    correctVertices(m_line, forward, engineKind);
}

int VCTLineString::geometryKind() const
{
    return KindLineString;
}

double VCTLineString::getX(int i) const
{
    return vertexX(m_line, i);
}

double VCTLineString::getY(int i) const
{
    return vertexY(m_line, i);
}

double VCTLineString::getZ(int i) const
{
    return vertexZ(m_line, i);
}

OGRLineString* VCTLineString::getOgrGeometry()
{
    return &m_line;
}

} // namespace vectors
