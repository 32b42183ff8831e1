#pragma once

#include "OvCoordSystem/OvPlatformGlobal.h"

#include <QPointF>

// The host's map-type tests and single-point datum shifts.
class OVPLATFORM_EXPORT Tools
{
public:
    // True when the map's tiles are drawn in WGS84; false for unknown types.
    static bool isWGS(int mapType);
    // True when the map's tiles are drawn in BD09; false for unknown types.
    static bool isBaidu(int mapType);
    // The offset of the map's tiles: 0 none (WGS84), 1 GCJ02, 2 BD09; unknownType for a map type
    // the host does not have.
    static int getOffsetType(int mapType, int unknownType);
    // True when the map has a separate label layer; false for unknown types.
    static bool isHaveLabel(int mapType);

    // WGS84 to BD09 (degrees; x longitude, y latitude). A point outside the GCJ02 area takes the
    // BD09 step only. The map level does not change the shift.
    static QPointF wgs84ToBd09ByPos(const QPointF& wgs84, int level);
    // BD09 to WGS84 (degrees), the GCJ02 step back done in one step. A point outside
    // −180..180 / −90..90 after the BD09 step keeps its GCJ02 value. The level does not matter.
    static QPointF bdToWGS84ByPoint(double x, double y, int level);
};
