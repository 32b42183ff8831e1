#pragma once

#include "OvCoordSystem/vectors/VCTGeometry.h"

#include <ogr_geometry.h>

namespace vectors {

// A point: x, y and, once setZ has been called, z (then the point is three-dimensional).
class OVCOORD_EXPORT VCTPoint : public VCTGeometry, public OGRPoint
{
public:
    // An empty two-dimensional point.
    VCTPoint();
    // A copy of POINT.
    explicit VCTPoint(const OGRPoint& point);

    // Each setter marks the point non-empty; setZ also makes it three-dimensional.
    void setX(double x);
    void setY(double y);
    void setZ(double z);

    using VCTGeometry::getX;
    using VCTGeometry::getY;
    using VCTGeometry::getZ;
    void correctCoordinates(bool forward, int engineKind) override;
    int geometryKind() const override;
    double getX() const override;
    double getY() const override;
    double getZ() const override;
    OGRPoint* getOgrGeometry() override;

private:
    OGRPoint m_point;
};

} // namespace vectors
