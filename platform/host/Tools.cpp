#include "OvCoordSystem/host/Tools.h"

#include "OvCoordSystem/geodesy/OffsetFormulas.h"
#include "OvCoordSystem/host/MapTypes.h"

namespace {
bool hasDatum(int mapType, E_TILE_DATUM datum)
{
    const tagMapTypeInfo* info = FindMapType(mapType);
    return info && info->datum == datum;
}
} // namespace

bool Tools::isWGS(int mapType)
{
    return hasDatum(mapType, TILE_DATUM_WGS84);
}

bool Tools::isBaidu(int mapType)
{
    return hasDatum(mapType, TILE_DATUM_BD09);
}

int Tools::getOffsetType(int mapType, int unknownType)
{
    const tagMapTypeInfo* info = FindMapType(mapType);
    return info ? static_cast<int>(info->datum) : unknownType;
}

bool Tools::isHaveLabel(int mapType)
{
    const tagMapTypeInfo* info = FindMapType(mapType);
    return info && info->hasLabel;
}

QPointF Tools::wgs84ToBd09ByPos(const QPointF& wgs84, int)
{
    double x = wgs84.x();
    double y = wgs84.y();
    if (geodesy::InGcj02Area(x, y)) geodesy::Gcj02Offset(x, y, x, y);
    geodesy::Gcj02ToBd09(x, y, x, y);
    return QPointF(x, y);
}

QPointF Tools::bdToWGS84ByPoint(double x, double y, int)
{
    geodesy::Bd09ToGcj02(x, y, x, y);
    if (geodesy::InLngLatRange(x, y)) geodesy::Gcj02ToWgs84OneStep(x, y, x, y);
    return QPointF(x, y);
}
