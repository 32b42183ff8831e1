#pragma once

#include "OvCoordSystem/OvPlatformGlobal.h"
#include "OvCoordSystem/geodesy/CoordinateSystemTypes.h"

#include <string>

class CSpatialReference;

// Width of a Gauss-Krüger zone (degrees). Other values stand for a freely chosen central
// meridian, whose projection parameters the caller sets itself.
enum E_ELLIPOSE_ZONE
{
    ELLIPOSE_ZONE_FREE = 0,
    ELLIPOSE_ZONE_3 = 3,
    ELLIPOSE_ZONE_6 = 6
};

// Seven-parameter (Bursa-Wolf) datum shift to WGS84, in this order: dx, dy, dz (metres),
// rx, ry, rz (arc-seconds), scale (parts per million). All zero: no shift is recorded.
struct tagGeoTransformParameter
{
    double params[7] = { 0, 0, 0, 0, 0, 0, 0 };
};

// What could be read from a reference. Each value is valid only when its flag is set.
struct tagCoordinateSystem
{
    E_COORDINATE_SYSTEM coordSys = COORD_BY_EPSG;
    int epsg = -1; // -1 when the reference has no EPSG code
    bool hasCentralMeridian = false;
    double centralMeridian = 0; // degrees
    bool hasZone = false;
    int zone = 0; // zone width: 3 or 6
    bool hasHZone = false;
    bool hzone = false; // eastings carry the zone number in front (false easting n·10⁶ + 500 km)
    bool hasNorth = false;
    bool north = true; // northern hemisphere (false northing 0, else 10 000 km)
};

namespace EkGDALUtilityNS {

// A new reference, registered under name with the toolkit's factory (free it with
// DestroyNamedSRS); null when the name is empty or taken, or the arguments make no reference.
// - Beijing 1954, Xian 1980, CGCS2000 Gauss-Krüger (0, 1, 2): a transverse Mercator on the
//   datum with scale 1 at centralMeridian; zone selects 3- or 6-degree zone numbering for the
//   hzone prefix; north false puts the false northing at 10 000 km; non-zero params are recorded
//   as the datum's shift to WGS84. epsg is not used.
// - WGS84 longitude/latitude (3), Web Mercator (4): EPSG 4326, 3857.
// - WGS84 UTM (5): the UTM zone holding centralMeridian, in the hemisphere north gives.
// - BD09 and GCJ02 forms (13 to 16): a named copy of the local offset system.
// - Any other system by EPSG code (17): the reference of epsg.
OVPLATFORM_EXPORT CSpatialReference* MakeSpatialReference(const std::string& name,
    E_COORDINATE_SYSTEM coordSys, int epsg, double centralMeridian, bool hzone,
    const tagGeoTransformParameter& params, E_ELLIPOSE_ZONE zone, bool north);

// Describes the reference of an EPSG code; false when the code is unknown (cs is then reset).
OVPLATFORM_EXPORT bool ConvertEPSGToCoordSystem(int epsg, tagCoordinateSystem& cs);

// Describes a reference given as WKT; false when the text is no reference (cs is then reset).
OVPLATFORM_EXPORT bool GuessCoordSystem(const std::string& wkt, tagCoordinateSystem& cs);

} // namespace EkGDALUtilityNS
