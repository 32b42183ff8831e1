#pragma once

#include "OvCoordSystem/OvGlobal.h"

class I_VectorTools;

// Tool kinds of createVectorTool.
enum VectorToolKind
{
    VectorToolReadVector = 0,
    VectorToolWriteVector = 1,
    VectorToolTransformFile = 2,
    VectorToolTransformData = 3,
    VectorToolCutVector = 4,
    VectorToolCutRaster = 5,
    VectorToolGeoTools = 8, // 6 and 7 give the same tool
    VectorToolTransformRasterFile = 9
};

// A new tool of KIND (a VectorToolKind), seen through its tool interface; null for a kind outside
// 0 to 9, negative kinds included. The caller gives it back with releaseVectorTool. The first tool
// of the process prepares GDAL (every driver registered, "vuzudur.log" under the current
// directory as its log).
OVCOORD_EXPORT I_VectorTools* createVectorTool(int kind);

// Destroys a tool made by createVectorTool; null is ignored.
OVCOORD_EXPORT void releaseVectorTool(I_VectorTools* tool);
