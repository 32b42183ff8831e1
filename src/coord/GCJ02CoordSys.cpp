#include "OvCoordSystem/coord/GCJ02CoordSys.h"

#include "OvCoordSystem/coord/VectorMath_p.h"
#include "OvCoordSystem/geodesy/OffsetFormulas.h"

#include <ogr_spatialref.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace coordinate {
namespace {

// Index of the first point for which the test fails; count when there is none. A separate pass
// keeps the shifting loops free of branches.
template <class Test> int firstFailing(const double* x, const double* y, int count, Test test)
{
    for (int i = 0; i < count; ++i) {
        if (!test(x[i], y[i])) return i;
    }
    return count;
}

// Every point is inside the box.
OV_SIMD_CLONES void shiftInside(double* x, double* y, int count)
{
    OV_SIMD_LOOP
    for (int i = 0; i < count; ++i)
        geodesy::Gcj02Offset(x[i], y[i], x[i], y[i]);
}

// Every point is a longitude/latitude. GCC (12) vectorises neither a loop that calls the vector
// sin/cos and also selects by the box, nor one selection loop that writes both coordinates; so
// each block is offset in one loop and stepped back in one loop per coordinate.
OV_SIMD_CLONES void unshiftOneStep(double* x, double* y, int count)
{
    constexpr int kBlock = 256;
    double lng[kBlock];
    double lat[kBlock];
    for (int start = 0; start < count; start += kBlock) {
        const int n = std::min(kBlock, count - start);
        double* bx = x + start;
        double* by = y + start;
        std::copy_n(bx, n, lng);
        std::copy_n(by, n, lat);
        OV_SIMD_LOOP
        for (int i = 0; i < n; ++i)
            geodesy::Gcj02Offset(lng[i], lat[i], bx[i], by[i]);
        OV_SIMD_LOOP
        for (int i = 0; i < n; ++i)
            bx[i] = geodesy::Gcj02StepBack(lng[i], bx[i], geodesy::InGcj02Area(lng[i], lat[i]));
        OV_SIMD_LOOP
        for (int i = 0; i < n; ++i)
            by[i] = geodesy::Gcj02StepBack(lat[i], by[i], geodesy::InGcj02Area(lng[i], lat[i]));
    }
}

// Web Mercator (EPSG 3857) to WGS84 longitude/latitude; writes back only when every point
// converts.
bool webMercatorToLngLat(double* x, double* y, int count)
{
    OGRSpatialReference mercator;
    OGRSpatialReference lngLat;
    mercator.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
    lngLat.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
    if (mercator.importFromEPSG(3857) != OGRERR_NONE || lngLat.importFromEPSG(4326) != OGRERR_NONE)
        return false;
    const std::unique_ptr<OGRCoordinateTransformation> transform(
        OGRCreateCoordinateTransformation(&mercator, &lngLat));
    if (!transform) return false;
    std::vector<double> tx(x, x + count);
    std::vector<double> ty(y, y + count);
    std::vector<int> ok(count, FALSE);
    if (!transform->Transform(count, tx.data(), ty.data(), nullptr, ok.data())) return false;
    for (int i = 0; i < count; ++i) {
        if (!ok[i]) return false;
    }
    std::copy(tx.begin(), tx.end(), x);
    std::copy(ty.begin(), ty.end(), y);
    return true;
}

} // namespace

bool GCJ02CoordSys::FromWGS84(double* x, double* y, int count)
{
    if (count < 1) return true;
    if (!x || !y) return false;
    const int inside = firstFailing(x, y, count, geodesy::InGcj02Area);
    shiftInside(x, y, inside);
    return inside == count;
}

bool GCJ02CoordSys::ToWGS84(double* x, double* y, int count)
{
    if (count < 1) return true;
    if (!x || !y) return false;
    const int inRange = firstFailing(x, y, count, geodesy::InLngLatRange);
    unshiftOneStep(x, y, inRange);
    return inRange == count;
}

bool GCJ02CoordSys::AutoToWGS84(double* x, double* y, int count)
{
    if (count < 1) return true;
    if (!x || !y) return false;
    if (!geodesy::InLngLatRange(x[0], y[0]) && !webMercatorToLngLat(x, y, count)) return false;
    return ToWGS84(x, y, count);
}

} // namespace coordinate
