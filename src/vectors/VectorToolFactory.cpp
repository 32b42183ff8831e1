#include "OvCoordSystem/vectors/VectorToolFactory.h"

#include "OvCoordSystem/vectors/I_GEOTools.h"
#include "OvCoordSystem/vectors/I_RasterCut.h"
#include "OvCoordSystem/vectors/I_RasterTransformForFile.h"
#include "OvCoordSystem/vectors/I_ReadVector.h"
#include "OvCoordSystem/vectors/I_VectorCut.h"
#include "OvCoordSystem/vectors/I_VectorTransformForData.h"
#include "OvCoordSystem/vectors/I_VectorTransformForFile.h"
#include "OvCoordSystem/vectors/I_WriteVector.h"

I_VectorTools* createVectorTool(int kind)
{
    // Unsigned, so that a negative kind falls out with the kinds above 9.
    switch (static_cast<unsigned>(kind)) {
    case VectorToolReadVector:
        return new I_ReadVector;
    case VectorToolWriteVector:
        return new I_WriteVector;
    case VectorToolTransformFile:
        return new I_VectorTransformForFile;
    case VectorToolTransformData:
        return new I_VectorTransformForData;
    case VectorToolCutVector:
        return new I_VectorCut;
    case VectorToolCutRaster:
        return new I_RasterCut;
    case 6:
    case 7:
    case VectorToolGeoTools:
        return new I_GEOTools;
    case VectorToolTransformRasterFile:
        return new I_RasterTransformForFile;
    default:
        return nullptr;
    }
}

void releaseVectorTool(I_VectorTools* tool)
{
    delete tool;
}
