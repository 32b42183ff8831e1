#include "vectors/EpsgImport_p.h"

#include <QByteArray>

#include <cpl_error.h>
#include <ogr_spatialref.h>

namespace vectors {

QuietGdalErrors::QuietGdalErrors()
{
    CPLPushErrorHandler(CPLQuietErrorHandler);
}

QuietGdalErrors::~QuietGdalErrors()
{
    CPLPopErrorHandler();
}

bool importEpsg(OGRSpatialReference& reference, int code)
{
    QuietGdalErrors quiet;
    reference.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
    if (reference.importFromEPSG(code) == OGRERR_NONE) return true;
    reference.Clear();
    reference.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
    const QByteArray esri = "ESRI:" + QByteArray::number(code);
    if (code > 0 && reference.SetFromUserInput(esri.constData()) == OGRERR_NONE) return true;
    reference.Clear();
    return false;
}

} // namespace vectors
