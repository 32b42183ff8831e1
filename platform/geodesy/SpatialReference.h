#pragma once

#include "OvCoordSystem/OvPlatformGlobal.h"

#include <ogr_spatialref.h>

#include <string>

// A spatial reference of the geodesy toolkit: an OGR reference with a name and, for the toolkit's
// local offset systems, which one it is. References are made and kept by the
// CSpatialReferenceFactory; callers never delete them.
class OVPLATFORM_EXPORT CSpatialReference
{
public:
    // A reference holding a copy of srs (longitude first). localGeoSRS is an E_LOCAL_GEO_SRS
    // value or 0 for a real reference; epsg the code srs was imported from, 0 when none.
    CSpatialReference(
        std::string name, const OGRSpatialReference& srs, int localGeoSRS = 0, int epsg = 0);
    CSpatialReference(const CSpatialReference&) = delete;
    CSpatialReference& operator=(const CSpatialReference&) = delete;

    // True when the OGR reference is not empty and validates.
    bool IsOGRSRSValid() const;
    // The OGR reference, for change in place (SetProjParm); afterwards the reference no longer
    // counts as made from its EPSG code.
    OGRSpatialReference* GetOGRSRS();
    const OGRSpatialReference* GetOGRSRS() const;
    // WKT 1 of the OGR reference; empty when it cannot be exported.
    std::string ToWktString() const;

    const std::string& GetName() const;
    // E_LOCAL_GEO_SRS of a local offset system, 0 for a real reference.
    int GetLocalGeoSRS() const;
    // The EPSG code the reference was made from and still stands for; 0 otherwise.
    int GetEPSG() const;

private:
    std::string m_name;
    int m_localGeoSRS;
    int m_epsg;
    OGRSpatialReference m_srs;
};
