#include "OvCoordSystem/geodesy/SpatialReferenceFactory.h"

#include "OvCoordSystem/geodesy/GeodesyInternals_p.h"

#include <string>

CSpatialReferenceFactory::CSpatialReferenceFactory() = default;
CSpatialReferenceFactory::~CSpatialReferenceFactory() = default;

CSpatialReference* CSpatialReferenceFactory::GetOrCreateSRSViaEPSG(int epsg)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    const auto found = m_byEpsg.find(epsg);
    if (found != m_byEpsg.end()) return found->second.get();
    OGRSpatialReference srs;
    if (!EkGDALUtilityNS::ImportEPSG(srs, epsg)) return nullptr;
    auto& slot = m_byEpsg[epsg];
    slot = std::make_unique<CSpatialReference>("EPSG:" + std::to_string(epsg), srs, 0, epsg);
    return slot.get();
}

CSpatialReference* CSpatialReferenceFactory::GetOrCreateSRSViaLocalGeoSRS(
    E_LOCAL_GEO_SRS localGeoSRS)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    const auto found = m_byLocal.find(localGeoSRS);
    if (found != m_byLocal.end()) return found->second.get();
    OGRSpatialReference srs;
    if (!geodesy::detail::BuildLocalGeoSRS(localGeoSRS, srs)) return nullptr;
    auto& slot = m_byLocal[localGeoSRS];
    slot = std::make_unique<CSpatialReference>(
        geodesy::detail::LocalGeoSRSName(localGeoSRS), srs, localGeoSRS);
    return slot.get();
}

CSpatialReference* CSpatialReferenceFactory::AddNamedSRS(std::unique_ptr<CSpatialReference> srs)
{
    if (!srs || srs->GetName().empty()) return nullptr;
    const std::lock_guard<std::mutex> lock(m_mutex);
    auto& slot = m_named[srs->GetName()];
    if (slot) return nullptr;
    slot = std::move(srs);
    return slot.get();
}

bool CSpatialReferenceFactory::DestroyNamedSRS(CSpatialReference* srs)
{
    if (!srs) return false;
    const std::lock_guard<std::mutex> lock(m_mutex);
    const auto found = m_named.find(srs->GetName());
    if (found == m_named.end() || found->second.get() != srs) return false;
    m_named.erase(found);
    return true;
}
