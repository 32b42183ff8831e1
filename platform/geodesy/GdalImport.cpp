#include "OvCoordSystem/geodesy/GdalImport.h"

#include <cpl_error.h>
#include <ogr_spatialref.h>

#include <string>

namespace EkGDALUtilityNS {

CQuietGdalErrors::CQuietGdalErrors()
{
    CPLPushErrorHandler(CPLQuietErrorHandler);
}

CQuietGdalErrors::~CQuietGdalErrors()
{
    CPLPopErrorHandler();
}

bool ImportEPSG(OGRSpatialReference& srs, int epsg)
{
    CQuietGdalErrors quiet;
    bool ok = epsg > 0 && srs.importFromEPSG(epsg) == OGRERR_NONE;
    if (!ok && epsg > 0) {
        srs.Clear();
        ok = srs.SetFromUserInput(("ESRI:" + std::to_string(epsg)).c_str()) == OGRERR_NONE;
    }
    if (!ok) srs.Clear();
    srs.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
    return ok;
}

} // namespace EkGDALUtilityNS
