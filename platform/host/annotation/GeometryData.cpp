#include "OvCoordSystem/host/annotation/GeometryData.h"

#include <cstddef>

CGeometryData::CGeometryData() = default;

CGeometryData::CGeometryData(E_GEOMETRY_DATA_TYPE type)
    : m_type(type)
{ }

void CGeometryData::PushBack(const CVector3D& point)
{
    m_points.push_back(point);
}

void CGeometryData::SetGeometryDataType(E_GEOMETRY_DATA_TYPE type)
{
    m_type = type;
}

E_GEOMETRY_DATA_TYPE CGeometryData::GetGeometryDataType() const
{
    return m_type;
}

int CGeometryData::GetSize() const
{
    return static_cast<int>(m_points.size());
}

CVector3D CGeometryData::At(int index) const
{
    if (index < 0 || index >= GetSize()) return CVector3D();
    return m_points[static_cast<size_t>(index)];
}

void CGeometryData::Clear()
{
    m_points.clear();
}

const std::vector<CVector3D>& CGeometryData::GetPoints() const
{
    return m_points;
}

void CGeometryData::Reserve(int count)
{
    if (count > 0) m_points.reserve(static_cast<size_t>(count));
}
