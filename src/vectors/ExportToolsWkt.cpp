#include "OvCoordSystem/coord/ExportTools.h"

#include "OvCoordSystem/vectors/I_VectorTools.h"
#include "OvCoordSystem/vectors/VectorToolFactory.h"

// Lives with the geographic tool it asks: the coordinate part does not depend on the toolkit.
QString I_ExportTools::getWkt(int epsg)
{
    I_VectorTools* tool = createVectorTool(VectorToolGeoTools);
    const QString wkt = tool->getWktByEpsg(epsg);
    releaseVectorTool(tool);
    return wkt;
}
