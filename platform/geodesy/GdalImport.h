#pragma once

#include "OvCoordSystem/OvPlatformGlobal.h"

class OGRSpatialReference;

namespace EkGDALUtilityNS {

// Silences GDAL's error output on this thread while it lives: failed imports and
// transformations are reported by results, not by text on stderr.
class OVPLATFORM_EXPORT CQuietGdalErrors
{
public:
    CQuietGdalErrors();
    ~CQuietGdalErrors();
    CQuietGdalErrors(const CQuietGdalErrors&) = delete;
    CQuietGdalErrors& operator=(const CQuietGdalErrors&) = delete;
};

// Imports an EPSG code into srs, longitude (or easting) first, without messages. GDAL 3 no
// longer reads the ESRI-only codes (54004 World Mercator and its kin) through its EPSG import,
// so a code EPSG does not know is tried under the ESRI authority. False when neither knows it;
// srs is empty then, so its WKT is empty too.
OVPLATFORM_EXPORT bool ImportEPSG(OGRSpatialReference& srs, int epsg);

} // namespace EkGDALUtilityNS
