#pragma once

#include "OvCoordSystem/OvPlatformGlobal.h"
#include "OvCoordSystem/geodesy/CoordinateSystemTypes.h"

// The local offset system of a host map type's tiles: LOCAL_GEO_SRS_GCJ02_LNGLAT for GCJ02 tiles,
// LOCAL_GEO_SRS_BD09_LNGLAT for BD09 tiles, 0 for WGS84 tiles and for unknown map types.
OVPLATFORM_EXPORT int ConvertMapToLocalGeoSRS(int mapType);
