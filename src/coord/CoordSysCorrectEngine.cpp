#include "OvCoordSystem/coord/CoordSysCorrectEngine.h"

#include "OvCoordSystem/coord/BD09CoordSys.h"
#include "OvCoordSystem/coord/GCJ02CoordSys.h"

namespace coordinate {

void ICoordSysCorrectEngine::MercatorToLngLat(double*, double*, int) { }
void ICoordSysCorrectEngine::LngLatToMercator(double*, double*, int) { }
void ICoordSysCorrectEngine::BD09ToGCJ02(double*, double*, int) { }
void ICoordSysCorrectEngine::GCJ02ToBD09(double*, double*, int) { }
ICoordSysCorrectEngine::~ICoordSysCorrectEngine() = default;

ICoordSysCorrectEngine* CreateCorrectEngine(int kind)
{
    switch (kind) {
    case 0:
        return new GCJ02CoordSys;
    case 1:
        return new BD09CoordSys;
    default:
        return nullptr;
    }
}

ICoordSysCorrectEngine* CreateCorrectEngineByCoordSys(E_COORDINATE_SYSTEM coordSys)
{
    switch (coordSys) {
    case COORD_BD09_LNGLAT:
    case COORD_BD09_WEB_MERCATOR:
        return new BD09CoordSys;
    case COORD_GCJ02_LNGLAT:
    case COORD_GCJ02_WEB_MERCATOR:
        return new GCJ02CoordSys;
    default:
        return nullptr;
    }
}

void DestroyCorrectEngine(ICoordSysCorrectEngine* engine)
{
    delete engine;
}

} // namespace coordinate
