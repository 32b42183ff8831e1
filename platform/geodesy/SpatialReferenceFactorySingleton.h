#pragma once

#include "OvCoordSystem/OvPlatformGlobal.h"
#include "OvCoordSystem/geodesy/SpatialReferenceFactory.h"

// The process-wide spatial reference factory.
class OVPLATFORM_EXPORT CSpatialReferenceFactorySingleton
{
public:
    // Created on the first call; callers never free it.
    static CSpatialReferenceFactory* Instance();
};
