#include "OvCoordSystem/host/export/ExportTypeReference.h"

std::string GetExportTypeReference(EXPORTTYPE type)
{
    switch (type) {
    case EXPORT_QUARRY_TILES:
        return "CQuarryTileSaver";
    case EXPORT_ARCGIS_TILES:
        return "CArcGISTileSaver";
    case EXPORT_CUSTOM_TILES:
        return "CCustomTileSaver";
    case EXPORT_ORIGINAL_TILES:
        return "COriginalTileSaver";
    case EXPORT_CES_TILES:
        return "CCesTileSaver";
    case EXPORT_WORLDWIND_TILES:
        return "CWorldWindTileSaver";
    case EXPORT_STANDARD_TMS_TILES:
        return "CTmsTileSaver";
    }
    return std::string();
}
