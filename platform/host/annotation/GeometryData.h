#pragma once

#include "OvCoordSystem/OvPlatformGlobal.h"
#include "OvCoordSystem/host/Vector3D.h"

#include <vector>

// Kinds of a geometry part.
enum E_GEOMETRY_DATA_TYPE
{
    GEOMETRY_DATA_TYPE_UNKNOWN = 0,
    GEOMETRY_DATA_TYPE_POINT = 1,
    GEOMETRY_DATA_TYPE_LINE = 2,
    GEOMETRY_DATA_TYPE_POLYGON = 3 // one ring; closing it again is allowed, not required
};

// One geometry part of an annotation feature: points in order (x longitude, y latitude,
// degrees; z unused) and their kind.
class OVPLATFORM_EXPORT CGeometryData
{
public:
    CGeometryData();
    explicit CGeometryData(E_GEOMETRY_DATA_TYPE type);

    void PushBack(const CVector3D& point);
    void SetGeometryDataType(E_GEOMETRY_DATA_TYPE type);
    E_GEOMETRY_DATA_TYPE GetGeometryDataType() const;
    int GetSize() const;
    // The point at index; (0, 0, 0) for an index out of range.
    CVector3D At(int index) const;
    void Clear();
    const std::vector<CVector3D>& GetPoints() const;
    void Reserve(int count);

private:
    std::vector<CVector3D> m_points;
    E_GEOMETRY_DATA_TYPE m_type = GEOMETRY_DATA_TYPE_UNKNOWN;
};
