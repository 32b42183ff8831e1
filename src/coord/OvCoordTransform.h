#pragma once

#include "OvCoordSystem/OvGlobal.h"

#include <QPointF>

// Shifts single points between WGS84, GCJ02 and BD09 longitude/latitude (degrees; x longitude,
// y latitude) through the geodesy toolkit. Every operation writes the point back only on success
// and returns whether it succeeded; a point that is no longitude/latitude (out of range, NaN,
// infinite) fails. WGS84 outside the GCJ02 area has no offset and comes back unchanged; GCJ02
// goes back to WGS84 in one step. Stateless: may be used from any thread.
class OVCOORD_EXPORT COvCoordTransform
{
public:
    bool WGS84ToGCJ02(QPointF& point) const;
    bool Gcj02ToWGS84(QPointF& point) const;
    bool GCJ02ToBD09(QPointF& point) const;
    bool BD09ToGCJ02(QPointF& point) const;
    // WGS84ToGCJ02, then GCJ02ToBD09 if that succeeded (a failure there leaves the GCJ02 point).
    bool WGS84ToBD09(QPointF& point) const;
    // BD09ToGCJ02, then Gcj02ToWGS84 if that succeeded.
    bool BD09ToWGS84(QPointF& point) const;
    // WGS84 to the datum of a host map type's tiles: GCJ02 or BD09 maps shift as above; any other
    // map type returns false and leaves the point as it was.
    bool Wgs84ToOther(QPointF& point, int mapType) const;
};
