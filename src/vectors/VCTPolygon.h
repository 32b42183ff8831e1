#pragma once

#include "OvCoordSystem/vectors/VCTGeometry.h"

#include <ogr_geometry.h>

namespace vectors {

class VCTPoint;

// A polygon with one ring, built vertex by vertex in the ring member; interior rings are not
// kept. getOgrGeometry() turns the ring into the polygon member.
class OVCOORD_EXPORT VCTPolygon : public VCTGeometry, public OGRPolygon
{
public:
    VCTPolygon();
    // From a polygon (its exterior ring is copied) or a linear ring (copied unchanged); any other
    // geometry, or null, gives an empty ring.
    explicit VCTPolygon(const OGRGeometry* geometry);

    // Appends POINT to the ring and destroys POINT; null is ignored.
    void addPoint(VCTPoint* point);
    // Repeats the first vertex at the end when the last one differs from it.
    void closeRing();
    int pointCount() const;
    // A new point copied from ring vertex I (the caller deletes it), null outside 0 to count - 1.
    VCTPoint* pointAt(int i) const;
    // Copies the polygon member's exterior ring back into the ring, for instance after the
    // polygon returned by getOgrGeometry() was transformed in place; nothing without one.
    void syncRingFromPolygon();

    using VCTGeometry::getX;
    using VCTGeometry::getY;
    using VCTGeometry::getZ;
    void correctCoordinates(bool forward, int engineKind) override;
    int geometryKind() const override;
    double getX(int i) const override;
    double getY(int i) const override;
    double getZ(int i) const override;
    // Rebuilds the polygon member from the ring and returns it: a polygon whose exterior ring
    // equals the ring, or an empty polygon while the ring has no vertex. Calling it again gives
    // the same polygon.
    OGRPolygon* getOgrGeometry() override;

private:
    OGRLinearRing m_ring;
    OGRPolygon m_polygon;
};

} // namespace vectors
