#include "OvCoordSystem/geodesy/LocalGeoSRS.h"

#include "OvCoordSystem/host/MapTypes.h"

int ConvertMapToLocalGeoSRS(int mapType)
{
    const tagMapTypeInfo* info = FindMapType(mapType);
    if (!info) return 0;
    switch (info->datum) {
    case TILE_DATUM_GCJ02:
        return LOCAL_GEO_SRS_GCJ02_LNGLAT;
    case TILE_DATUM_BD09:
        return LOCAL_GEO_SRS_BD09_LNGLAT;
    default:
        return 0;
    }
}
