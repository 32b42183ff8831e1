#include "OvCoordSystem/geodesy/SpatialReference.h"

#include <cpl_conv.h>

#include <utility>

CSpatialReference::CSpatialReference(
    std::string name, const OGRSpatialReference& srs, int localGeoSRS, int epsg)
    : m_name(std::move(name))
    , m_localGeoSRS(localGeoSRS)
    , m_epsg(epsg)
    , m_srs(srs)
{
    m_srs.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
}

bool CSpatialReference::IsOGRSRSValid() const
{
    return !m_srs.IsEmpty() && m_srs.Validate() == OGRERR_NONE;
}

OGRSpatialReference* CSpatialReference::GetOGRSRS()
{
    m_epsg = 0;
    return &m_srs;
}

const OGRSpatialReference* CSpatialReference::GetOGRSRS() const
{
    return &m_srs;
}

std::string CSpatialReference::ToWktString() const
{
    char* wkt = nullptr;
    std::string text;
    if (!m_srs.IsEmpty() && m_srs.exportToWkt(&wkt) == OGRERR_NONE && wkt) text = wkt;
    CPLFree(wkt);
    return text;
}

const std::string& CSpatialReference::GetName() const
{
    return m_name;
}

int CSpatialReference::GetLocalGeoSRS() const
{
    return m_localGeoSRS;
}

int CSpatialReference::GetEPSG() const
{
    return m_epsg;
}
