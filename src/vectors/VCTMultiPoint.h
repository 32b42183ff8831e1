#pragma once

#include "OvCoordSystem/vectors/VCTGeometry.h"

#include <ogr_geometry.h>

namespace vectors {

class VCTPoint;

// A multi point. It derives from the OGR multi line string (not the multi point) for
// compatibility with the toolkit's earlier layout; that inherited part is never used.
class OVCOORD_EXPORT VCTMultiPoint : public VCTGeometry, public OGRMultiLineString
{
public:
    VCTMultiPoint();
    // A copy of POINTS.
    explicit VCTMultiPoint(const OGRMultiPoint& points);

    // Adds a copy of POINT and destroys POINT; null is ignored.
    void addGeometry(VCTPoint* point);
    // A new VCT wrapper of member I (the caller releases it), null outside the members.
    VCTGeometry* geometryAt(int i) const;

    using VCTGeometry::getX;
    using VCTGeometry::getY;
    using VCTGeometry::getZ;
    void correctCoordinates(bool forward, int engineKind) override;
    int geometryKind() const override;
    // Coordinates of member point I; 0.0 outside the members.
    double getX(int i) const override;
    double getY(int i) const override;
    double getZ(int i) const override;
    OGRMultiPoint* getOgrGeometry() override;

private:
    // Hidden: it would add to the unused inherited part.
    using OGRMultiLineString::addGeometry;
    const OGRPoint* memberPoint(int i) const;

    OGRMultiPoint m_points;
};

} // namespace vectors
