#include "OvCoordSystem/vectors/VCTPolygon.h"

#include "OvCoordSystem/vectors/VCTHelpers_p.h"

namespace vectors {

VCTPolygon::VCTPolygon() = default;

VCTPolygon::VCTPolygon(const OGRGeometry* geometry)
{
    // A linear ring reports itself as a line string, so it is recognised by its class.
    if (const auto* ring = dynamic_cast<const OGRLinearRing*>(geometry)) {
        m_ring = *ring;
    } else if (const auto* polygon = dynamic_cast<const OGRPolygon*>(geometry)) {
        if (const OGRLinearRing* exterior = polygon->getExteriorRing()) m_ring = *exterior;
    }
}

void VCTPolygon::addPoint(VCTPoint* point)
{
    appendPoint(m_ring, point);
}

void VCTPolygon::closeRing()
{
    m_ring.closeRings();
}

int VCTPolygon::pointCount() const
{
    return m_ring.getNumPoints();
}

VCTPoint* VCTPolygon::pointAt(int i) const
{
    return newPointAt(m_ring, i);
}

void VCTPolygon::syncRingFromPolygon()
{
    if (const OGRLinearRing* exterior = m_polygon.getExteriorRing()) m_ring = *exterior;
}

void VCTPolygon::correctCoordinates(bool forward, int engineKind)
{
    correctVertices(m_ring, forward, engineKind);
}

int VCTPolygon::geometryKind() const
{
    return KindPolygon;
}

double VCTPolygon::getX(int i) const
{
    return vertexX(m_ring, i);
}

double VCTPolygon::getY(int i) const
{
    return vertexY(m_ring, i);
}

double VCTPolygon::getZ(int i) const
{
    return vertexZ(m_ring, i);
}

OGRPolygon* VCTPolygon::getOgrGeometry()
{
    m_polygon.empty();
    if (!m_ring.IsEmpty()) m_polygon.addRing(&m_ring);
    return &m_polygon;
}

} // namespace vectors
