#include "CoordSysOption.h"

#include "OvCoordSystem/coord/CoordinateSystem.h"

#include <cpl_error.h>
#include <ogr_spatialref.h>

namespace {

const struct
{
    const char* name;
    int coordSys;
} kCoordSysNames[] = {
    { "wgs84", VECTOR_WGS84_LNGLAT },
    { "webmercator", VECTOR_WGS84_WEB_MERCATOR },
    { "gcj02", VECTOR_GCJ02_LNGLAT },
    { "gcj02-mercator", VECTOR_GCJ02_WEB_MERCATOR },
    { "bd09", VECTOR_BD09_LNGLAT },
    { "bd09-mercator", VECTOR_BD09_WEB_MERCATOR },
    { "utm", VECTOR_WGS84_UTM },
    { "beijing54-gk", VECTOR_BEIJING54_GAUSS },
    { "xian80-gk", VECTOR_XIAN80_GAUSS },
    { "cgcs2000-gk", VECTOR_CGCS2000_GAUSS },
};

bool gdalKnowsEpsg(int code)
{
    CPLErrorHandlerPusher quiet(CPLQuietErrorHandler);
    OGRSpatialReference reference;
    reference.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
    return code > 0 && reference.importFromEPSG(code) == OGRERR_NONE;
}

} // namespace

bool coordSysFromName(const QString& name, CoordSysChoice* choice)
{
    const QString lower = name.trimmed().toLower();
    if (lower.startsWith(QLatin1String("epsg:"))) {
        bool isNumber = false;
        const int code = lower.mid(5).toInt(&isNumber);
        if (!isNumber || !gdalKnowsEpsg(code)) return false;
        *choice = CoordSysChoice { VECTOR_BY_EPSG, code };
        return true;
    }
    for (const auto& entry : kCoordSysNames) {
        if (lower != QLatin1String(entry.name)) continue;
        *choice = CoordSysChoice { entry.coordSys, -1 };
        return true;
    }
    return false;
}

QStringList coordSysNames()
{
    QStringList names;
    for (const auto& entry : kCoordSysNames)
        names << QLatin1String(entry.name);
    return names;
}

bool needsCentralMeridian(const CoordSysChoice& choice)
{
    switch (choice.coordSys) {
    case VECTOR_BEIJING54_GAUSS:
    case VECTOR_XIAN80_GAUSS:
    case VECTOR_CGCS2000_GAUSS:
    case VECTOR_WGS84_UTM:
        return true;
    default:
        return false;
    }
}
