#pragma once

#include "OvCoordSystem/vectors/VCTGeometry.h"

#include <ogr_geometry.h>

namespace vectors {

class VCTPoint;

// A line string.
class OVCOORD_EXPORT VCTLineString : public VCTGeometry, public OGRLineString
{
public:
    VCTLineString();
    // A copy of LINE.
    explicit VCTLineString(const OGRLineString& line);

    // Appends POINT's coordinates (with z when the point is three-dimensional) and destroys
    // POINT; null is ignored.
    void addPoint(VCTPoint* point);
    int pointCount() const;
    // A new point copied from vertex I (the caller deletes it), null outside 0 to count - 1.
    VCTPoint* pointAt(int i) const;

    using VCTGeometry::getX;
    using VCTGeometry::getY;
    using VCTGeometry::getZ;
    void correctCoordinates(bool forward, int engineKind) override;
    int geometryKind() const override;
    double getX(int i) const override;
    double getY(int i) const override;
    double getZ(int i) const override;
    OGRLineString* getOgrGeometry() override;

private:
    OGRLineString m_line;
};

} // namespace vectors
