#pragma once

#include "OvCoordSystem/OvPlatformGlobal.h"
#include "OvCoordSystem/host/search/DivisionInfo.h"

#include <string>
#include <vector>

class CVector3D;
class IAnnotationFeature;

// The host's division search: boundaries and names of China's administrative divisions, read
// from a GeoPackage (layer "divisions": code, name, level, parent, MultiPolygon) through OGR,
// one feature at a time. Coordinates are longitude and latitude in degrees, in the datum of the
// data: GCJ-02 for the bundled data (see data/divisions/README.md).
//
// The data file is, in this order: the one given to SetDataFile; the one named by the
// environment variable OV_DIVISIONS; the bundled "divisions/divisions.gpkg" in the installed
// share folder (share/OvCoordSystem/) beside the library or the program; the bundled file in the
// source tree the library was built from. A missing or unreadable file is logged once and every
// query then gives an empty result.
//
// Every operation may be called from any thread; the calls are serialised.
class OVPLATFORM_EXPORT ILocationDataSearchModule
{
public:
    virtual ~ILocationDataSearchModule();

    // The boundary of the division with the six-digit code, as a new feature of kind range (3)
    // named after the division, owned by the caller: one part of type polygon (3) per polygon of
    // the boundary, its outer ring, in the order of the data. Holes are not parts (callers treat
    // every part as an area of its own). Null for type other than 1, a code that is not six
    // digits, a code the data does not have, a division without a usable polygon (points with a
    // NaN coordinate are dropped), or without data. Takes as long as the delay set
    // with SetQueryDelay more.
    virtual IAnnotationFeature* QueryDivision(const std::string& code, int type) = 0;
    // Where the local network provider is: the configured "LocationSearch/LocalPosition"
    // ("longitude,latitude" in degrees), or the centre of Beijing (116.407526, 39.904030, GCJ-02).
    virtual void GetLocalPosition(CVector3D& position) = 0;

    // The division with the six-digit code; false (info untouched) when there is none.
    virtual bool FindDivision(const std::string& code, tagDivisionInfo& info) = 0;
    // Divisions by name (GB18030): those named exactly so first, then those whose name starts
    // with it, each group by level and code; at most maxCount. Empty for an empty name.
    virtual std::vector<tagDivisionInfo> FindDivisionsByName(const std::string& name, int maxCount)
        = 0;
    // The divisions directly below parentCode, by code; the provinces for an empty parentCode.
    virtual std::vector<tagDivisionInfo> ListDivisions(const std::string& parentCode) = 0;

    // Reads path (local 8-bit) from now on; an empty path goes back to the search above.
    virtual void SetDataFile(const std::string& path) = 0;
    // The file queries read (local 8-bit); empty when none was found or it could not be opened.
    virtual std::string GetDataFile() = 0;
    // The files looked at, in order, for messages that say where the data was looked for.
    virtual std::vector<std::string> GetSearchedFiles() = 0;
    // Test seam: QueryDivision waits this long (milliseconds) before it answers; 0 (the default)
    // does not wait.
    virtual void SetQueryDelay(int milliseconds) = 0;
};

// The process-wide division search module, created on first call.
OVPLATFORM_EXPORT ILocationDataSearchModule* GetOrCreateLocationDataSearchModule();
