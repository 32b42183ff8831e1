#pragma once

#include "OvCoordSystem/coord/CoordSysCorrectEngine.h"

namespace coordinate {

// The GCJ02 correction engine: WGS84 longitude/latitude to GCJ02 and back (degrees). Points
// outside the GCJ02 box are not offset.
class OVCOORD_EXPORT GCJ02CoordSys : public ICoordSysCorrectEngine
{
public:
    // Shifts the points in order; the first point outside the box stops the shift with false,
    // leaving it and every later point untouched. True when all were shifted or count < 1.
    bool FromWGS84(double* x, double* y, int count) override;
    // One step back, no iteration: each point p becomes 2·p − shift(p) (p itself when outside the
    // box). The first point outside −180..180 / −90..90 stops with false, leaving it and every
    // later point untouched.
    bool ToWGS84(double* x, double* y, int count) override;
    // When the first point is no longitude/latitude, takes all points out of Web Mercator
    // (EPSG 3857, metres) first; then ToWGS84. False when that reprojection fails (nothing is
    // changed then).
    bool AutoToWGS84(double* x, double* y, int count) override;
};

} // namespace coordinate
