#include "OvCoordSystem/geodesy/EkGDALUtility.h"

#include "OvCoordSystem/geodesy/GeodesyInternals_p.h"
#include "OvCoordSystem/geodesy/SpatialReference.h"
#include "OvCoordSystem/geodesy/SpatialReferenceFactorySingleton.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <sstream>

namespace EkGDALUtilityNS {
namespace {

// Gauss-Krüger zones: false easting without the zone prefix, and the prefix step (metres).
constexpr double kGkFalseEasting_m = 500000.0;
constexpr double kZonePrefix_m = 1000000.0;
// False northing in the southern hemisphere (metres).
constexpr double kSouthFalseNorthing_m = 10000000.0;

struct GkDatum
{
    E_COORDINATE_SYSTEM coordSys;
    int geogEpsg; // the datum's geographic reference
    const char* name; // as in EPSG's projected names
    const char* ogrDatum; // OGR's DATUM name
};
const GkDatum kGkDatums[] = {
    { COORD_BEIJING54_GAUSS, 4214, "Beijing 1954", "Beijing_1954" },
    { COORD_XIAN80_GAUSS, 4610, "Xian 1980", "Xian_1980" },
    { COORD_CGCS2000_GAUSS, 4490, "CGCS2000", "China_2000" },
};

const GkDatum* gkDatumOf(E_COORDINATE_SYSTEM coordSys)
{
    for (const GkDatum& d : kGkDatums) {
        if (d.coordSys == coordSys) return &d;
    }
    return nullptr;
}

const GkDatum* gkDatumNamed(const char* ogrDatum)
{
    for (const GkDatum& d : kGkDatums) {
        if (ogrDatum && std::strcmp(d.ogrDatum, ogrDatum) == 0) return &d;
    }
    return nullptr;
}

// Zone number of a central meridian (degrees) for a zone width.
int zoneNumber(double centralMeridian, E_ELLIPOSE_ZONE zone)
{
    if (zone == ELLIPOSE_ZONE_6)
        return static_cast<int>(std::lround((centralMeridian + 3.0) / 6.0));
    return static_cast<int>(std::lround(centralMeridian / 3.0));
}

// Names in EPSG's pattern, e.g. "Beijing 1954 / 3-degree Gauss-Kruger zone 39"; a free zone
// width is "... / Transverse Mercator CM 117.5E".
std::string gkName(const GkDatum& datum, double centralMeridian, bool hzone, E_ELLIPOSE_ZONE zone)
{
    std::ostringstream name;
    name << datum.name << " / ";
    if (zone == ELLIPOSE_ZONE_3)
        name << "3-degree Gauss-Kruger ";
    else if (zone == ELLIPOSE_ZONE_6)
        name << "6-degree Gauss-Kruger ";
    else
        name << "Transverse Mercator ";
    if (hzone && (zone == ELLIPOSE_ZONE_3 || zone == ELLIPOSE_ZONE_6))
        name << "zone " << zoneNumber(centralMeridian, zone);
    else
        name << "CM " << std::fabs(centralMeridian) << (centralMeridian < 0 ? "W" : "E");
    return name.str();
}

bool makeGaussKruger(OGRSpatialReference& srs, const GkDatum& datum, double centralMeridian,
    bool hzone, const tagGeoTransformParameter& params, E_ELLIPOSE_ZONE zone, bool north)
{
    if (!(centralMeridian >= -180.0 && centralMeridian <= 180.0)) return false;
    if (!EkGDALUtilityNS::ImportEPSG(srs, datum.geogEpsg)) return false;
    const double falseEasting
        = kGkFalseEasting_m + (hzone ? zoneNumber(centralMeridian, zone) * kZonePrefix_m : 0.0);
    const double falseNorthing = north ? 0.0 : kSouthFalseNorthing_m;
    const std::string name = gkName(datum, centralMeridian, hzone, zone);
    EkGDALUtilityNS::CQuietGdalErrors quiet;
    if (srs.SetProjCS(name.c_str()) != OGRERR_NONE
        || srs.SetTM(0.0, centralMeridian, 1.0, falseEasting, falseNorthing) != OGRERR_NONE
        || srs.SetLinearUnits(SRS_UL_METER, 1.0) != OGRERR_NONE)
        return false;
    const double* p = params.params;
    bool anyShift = false;
    for (int i = 0; i < 7; ++i)
        anyShift = anyShift || p[i] != 0.0;
    if (anyShift && srs.SetTOWGS84(p[0], p[1], p[2], p[3], p[4], p[5], p[6]) != OGRERR_NONE)
        return false;
    srs.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
    return true;
}

bool makeUtm(OGRSpatialReference& srs, double centralMeridian, bool north)
{
    if (!(centralMeridian >= -180.0 && centralMeridian <= 180.0)) return false;
    const int zone
        = std::min(60, static_cast<int>(std::floor((centralMeridian + 180.0) / 6.0)) + 1);
    return EkGDALUtilityNS::ImportEPSG(srs, (north ? 32600 : 32700) + zone);
}

int localGeoSRSOf(E_COORDINATE_SYSTEM coordSys)
{
    switch (coordSys) {
    case COORD_GCJ02_LNGLAT:
        return LOCAL_GEO_SRS_GCJ02_LNGLAT;
    case COORD_BD09_LNGLAT:
        return LOCAL_GEO_SRS_BD09_LNGLAT;
    case COORD_GCJ02_WEB_MERCATOR:
        return LOCAL_GEO_SRS_GCJ02_WEB_MERCATOR;
    case COORD_BD09_WEB_MERCATOR:
        return LOCAL_GEO_SRS_BD09_MERCATOR;
    default:
        return 0;
    }
}

E_COORDINATE_SYSTEM coordSysOfLocalName(const char* name)
{
    for (const E_COORDINATE_SYSTEM c : { COORD_GCJ02_LNGLAT, COORD_BD09_LNGLAT,
             COORD_GCJ02_WEB_MERCATOR, COORD_BD09_WEB_MERCATOR }) {
        const char* local = geodesy::detail::LocalGeoSRSName(localGeoSRSOf(c));
        if (name && std::strcmp(name, local) == 0) return c;
    }
    return COORD_BY_EPSG;
}

// Zone width of a Gauss-Krüger reference: from its name, else from a zone prefix that matches
// the central meridian; 0 when neither tells.
int gkZoneWidth(const std::string& name, double centralMeridian, double falseEasting)
{
    if (name.find("3-degree") != std::string::npos) return 3;
    if (name.find("6-degree") != std::string::npos) return 6;
    // EPSG names its 6-degree zones "... / Gauss-Kruger zone 20" or "... / Gauss-Kruger CM 117E".
    if (name.find("/ Gauss-Kruger") != std::string::npos) return 6;
    if (falseEasting >= kZonePrefix_m) {
        const double n = std::floor(falseEasting / kZonePrefix_m);
        if (n * 3.0 == centralMeridian) return 3;
        if (n * 6.0 - 3.0 == centralMeridian) return 6;
    }
    return 0;
}

void describeTransverseMercator(const OGRSpatialReference& srs, tagCoordinateSystem& cs)
{
    OGRErr err = OGRERR_NONE;
    const double centralMeridian = srs.GetProjParm(SRS_PP_CENTRAL_MERIDIAN, 0.0, &err);
    const double falseEasting = srs.GetProjParm(SRS_PP_FALSE_EASTING, 0.0);
    const double falseNorthing = srs.GetProjParm(SRS_PP_FALSE_NORTHING, 0.0);
    if (err == OGRERR_NONE) {
        cs.hasCentralMeridian = true;
        cs.centralMeridian = centralMeridian;
    }
    cs.hasHZone = true;
    cs.hzone = falseEasting >= kZonePrefix_m;
    cs.hasNorth = true;
    cs.north = falseNorthing < kSouthFalseNorthing_m / 2;
    const char* name = srs.GetName();
    const int width = gkZoneWidth(name ? name : "", centralMeridian, falseEasting);
    if (width) {
        cs.hasZone = true;
        cs.zone = width;
    }
}

bool describe(const OGRSpatialReference& srs, tagCoordinateSystem& cs)
{
    if (srs.IsEmpty()) return false;
    const E_COORDINATE_SYSTEM local = coordSysOfLocalName(srs.GetName());
    if (local != COORD_BY_EPSG) {
        cs.coordSys = local;
        return true;
    }
    const char* authority = srs.GetAuthorityName(nullptr);
    const char* code = srs.GetAuthorityCode(nullptr);
    if (authority && code && std::strcmp(authority, "EPSG") == 0) cs.epsg = std::atoi(code);
    if (cs.epsg == 4326) {
        cs.coordSys = COORD_WGS84_LNGLAT;
        return true;
    }
    if (cs.epsg == 3857) {
        cs.coordSys = COORD_WGS84_WEB_MERCATOR;
        return true;
    }
    int utmNorth = 0;
    const int utmZone = srs.GetUTMZone(&utmNorth);
    const char* datum = srs.GetAttrValue("DATUM");
    if (utmZone > 0 && datum && std::strcmp(datum, "WGS_1984") == 0) {
        cs.coordSys = COORD_WGS84_UTM;
        cs.hasCentralMeridian = true;
        cs.centralMeridian = utmZone * 6.0 - 183.0;
        cs.hasZone = true;
        cs.zone = 6;
        cs.hasHZone = true;
        cs.hzone = false;
        cs.hasNorth = true;
        cs.north = utmNorth != 0;
        return true;
    }
    const char* projection = srs.GetAttrValue("PROJECTION");
    if (srs.IsProjected() && projection
        && std::strcmp(projection, SRS_PT_TRANSVERSE_MERCATOR) == 0) {
        const GkDatum* gk = gkDatumNamed(datum);
        cs.coordSys = gk ? gk->coordSys : COORD_BY_EPSG;
        describeTransverseMercator(srs, cs);
    }
    return true;
}

} // namespace

CSpatialReference* MakeSpatialReference(const std::string& name, E_COORDINATE_SYSTEM coordSys,
    int epsg, double centralMeridian, bool hzone, const tagGeoTransformParameter& params,
    E_ELLIPOSE_ZONE zone, bool north)
{
    if (name.empty()) return nullptr;
    OGRSpatialReference srs;
    int madeFrom = 0;
    bool ok;
    const int local = localGeoSRSOf(coordSys);
    if (const GkDatum* gk = gkDatumOf(coordSys)) {
        ok = makeGaussKruger(srs, *gk, centralMeridian, hzone, params, zone, north);
    } else if (local) {
        ok = geodesy::detail::BuildLocalGeoSRS(local, srs);
    } else {
        switch (coordSys) {
        case COORD_WGS84_LNGLAT:
            madeFrom = 4326;
            break;
        case COORD_WGS84_WEB_MERCATOR:
            madeFrom = 3857;
            break;
        case COORD_BY_EPSG:
            madeFrom = epsg;
            break;
        default:
            break;
        }
        ok = coordSys == COORD_WGS84_UTM ? makeUtm(srs, centralMeridian, north)
                                         : EkGDALUtilityNS::ImportEPSG(srs, madeFrom);
    }
    if (!ok) return nullptr;
    return CSpatialReferenceFactorySingleton::Instance()->AddNamedSRS(
        std::make_unique<CSpatialReference>(name, srs, local, madeFrom));
}

bool ConvertEPSGToCoordSystem(int epsg, tagCoordinateSystem& cs)
{
    cs = tagCoordinateSystem();
    OGRSpatialReference srs;
    if (!EkGDALUtilityNS::ImportEPSG(srs, epsg) || !describe(srs, cs)) {
        cs = tagCoordinateSystem();
        return false;
    }
    cs.epsg = epsg;
    return true;
}

bool GuessCoordSystem(const std::string& wkt, tagCoordinateSystem& cs)
{
    cs = tagCoordinateSystem();
    OGRSpatialReference srs;
    EkGDALUtilityNS::CQuietGdalErrors quiet;
    if (wkt.empty() || srs.importFromWkt(wkt.c_str()) != OGRERR_NONE || !describe(srs, cs)) {
        cs = tagCoordinateSystem();
        return false;
    }
    return true;
}

} // namespace EkGDALUtilityNS
