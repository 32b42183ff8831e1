#pragma once

#include "OvCoordSystem/OvPlatformGlobal.h"
#include "OvCoordSystem/host/Vector3D.h"

class CSpatialReference;

// A position in a spatial reference of the toolkit. A point is invalid when it has no reference,
// its reference does not validate or a coordinate is not finite; transforms of an invalid point,
// and transforms that fail, give an invalid point.
class OVPLATFORM_EXPORT CGeoPoint
{
public:
    // An invalid point.
    CGeoPoint() = default;
    // position in the units of srs (x longitude or easting, y latitude or northing, z height).
    CGeoPoint(const CVector3D& position, CSpatialReference* srs);

    bool IsValid() const;
    // The point in target. Between a real reference and a local offset system (or two local
    // systems) the point moves by the GCJ02/BD09 offset formulas: WGS84 outside the GCJ02 area
    // has no offset, GCJ02 goes back to WGS84 in one step; OGR does the rest.
    CGeoPoint Transform(CSpatialReference* target) const;
    // The point in the factory's reference of an EPSG code.
    CGeoPoint TransformEPSG(int epsg) const;
    const CVector3D& GetPosition() const;
    CSpatialReference* GetSpatialReference() const;

private:
    CVector3D m_position;
    CSpatialReference* m_srs = nullptr;
};
