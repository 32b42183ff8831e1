#pragma once

// The host's point of three doubles. Map coordinates: x is longitude or easting, y latitude or
// northing, z height.
class CVector3D
{
public:
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;

    CVector3D() = default;
    CVector3D(double x_, double y_, double z_ = 0.0)
        : x(x_)
        , y(y_)
        , z(z_)
    { }

    bool operator==(const CVector3D& other) const
    {
        return x == other.x && y == other.y && z == other.z;
    }
    bool operator!=(const CVector3D& other) const { return !(*this == other); }
};
