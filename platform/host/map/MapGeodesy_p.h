#pragma once

#include "OvCoordSystem/host/Vector3D.h"

#include <vector>

// Geodesic measures on the WGS84 ellipsoid (x longitude, y latitude, degrees).
namespace mapgeodesy {
// Metres; NaN for a NaN coordinate or a latitude outside ±90.
double Distance(double x1, double y1, double x2, double y2);
// Square metres, unsigned; NaN points skipped; 0 below three points.
double RingArea(const std::vector<CVector3D>& ring);
} // namespace mapgeodesy
