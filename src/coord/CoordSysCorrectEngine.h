#pragma once

#include "OvCoordSystem/OvGlobal.h"
#include "OvCoordSystem/coord/CoordinateSystem.h"

namespace coordinate {

// Shifts arrays of coordinates in place between WGS84 and an offset system (GCJ02 or BD09) by
// closed formulas. Every slot takes the x (longitude or easting) and y (latitude or northing)
// arrays and their common count.
class OVCOORD_EXPORT ICoordSysCorrectEngine
{
public:
    // WGS84 longitude/latitude (degrees) to the engine's system; false when a point could not be
    // shifted (see the engine for which points were changed).
    virtual bool FromWGS84(double* x, double* y, int count) = 0;
    // The engine's system to WGS84 longitude/latitude (degrees).
    virtual bool ToWGS84(double* x, double* y, int count) = 0;
    // The engine's Mercator metres to its longitude/latitude; nothing in the base.
    virtual void MercatorToLngLat(double* x, double* y, int count);
    // The engine's longitude/latitude to its Mercator metres; nothing in the base.
    virtual void LngLatToMercator(double* x, double* y, int count);
    virtual void BD09ToGCJ02(double* x, double* y, int count);
    virtual void GCJ02ToBD09(double* x, double* y, int count);
    // Like ToWGS84, but first takes points that are not longitude/latitude out of Mercator.
    virtual bool AutoToWGS84(double* x, double* y, int count) = 0;
    virtual ~ICoordSysCorrectEngine();
};

// 0 gives a new GCJ02 engine, 1 a new BD09 engine, any other value null.
OVCOORD_EXPORT ICoordSysCorrectEngine* CreateCorrectEngine(int kind);
// COORD_BD09_LNGLAT and COORD_BD09_WEB_MERCATOR give a BD09 engine, COORD_GCJ02_LNGLAT and
// COORD_GCJ02_WEB_MERCATOR a GCJ02 engine, any other value null.
OVCOORD_EXPORT ICoordSysCorrectEngine* CreateCorrectEngineByCoordSys(E_COORDINATE_SYSTEM coordSys);
// Deletes an engine made by the factories; ignores null.
OVCOORD_EXPORT void DestroyCorrectEngine(ICoordSysCorrectEngine* engine);

} // namespace coordinate
