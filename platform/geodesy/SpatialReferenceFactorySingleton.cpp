#include "OvCoordSystem/geodesy/SpatialReferenceFactorySingleton.h"

CSpatialReferenceFactory* CSpatialReferenceFactorySingleton::Instance()
{
    static CSpatialReferenceFactory factory;
    return &factory;
}
