#pragma once

#include "OvCoordSystem/OvPlatformGlobal.h"
#include "OvCoordSystem/geodesy/CoordinateSystemTypes.h"
#include "OvCoordSystem/geodesy/SpatialReference.h"

#include <map>
#include <memory>
#include <mutex>
#include <string>

// Makes and keeps the toolkit's spatial references. References by EPSG code and the local offset
// systems are shared and live as long as the factory; named references (made by
// EkGDALUtilityNS::MakeSpatialReference) live until DestroyNamedSRS. Safe to call from any thread.
class OVPLATFORM_EXPORT CSpatialReferenceFactory
{
public:
    CSpatialReferenceFactory();
    ~CSpatialReferenceFactory();
    CSpatialReferenceFactory(const CSpatialReferenceFactory&) = delete;
    CSpatialReferenceFactory& operator=(const CSpatialReferenceFactory&) = delete;

    // The shared reference of an EPSG code (ESRI codes are tried as well); null when the code is
    // unknown.
    CSpatialReference* GetOrCreateSRSViaEPSG(int epsg);
    // The shared reference of a local offset system; null for any other value.
    CSpatialReference* GetOrCreateSRSViaLocalGeoSRS(E_LOCAL_GEO_SRS localGeoSRS);
    // Takes over a reference under its name; null (and the reference freed) when the name is
    // empty or already taken.
    CSpatialReference* AddNamedSRS(std::unique_ptr<CSpatialReference> srs);
    // Frees a named reference; false (nothing freed) for null or a reference that is not named.
    bool DestroyNamedSRS(CSpatialReference* srs);

private:
    std::mutex m_mutex;
    std::map<int, std::unique_ptr<CSpatialReference>> m_byEpsg;
    std::map<int, std::unique_ptr<CSpatialReference>> m_byLocal;
    std::map<std::string, std::unique_ptr<CSpatialReference>> m_named;
};
