#include "HostGeometry.h"
#include "MapSheetLayout.h"

#include "OvCoordSystem/host/Vector3D.h"
#include "OvCoordSystem/host/annotation/GeometryData.h"
#include "OvCoordSystem/host/annotation/IAnnotationFeature.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>
#include <vector>

namespace hostgeometry {
namespace {

constexpr int kMaxTileLevel = 22;
constexpr int kMaxFitLevel = 18;
constexpr double kMaxLatitude = 85.0511287798066; // atan(sinh(π)), the Web Mercator limit
constexpr double kPi = 3.14159265358979323846;
constexpr double kTilePixels = 256.0;

// Fractional tile column and row of (lng, lat) at a level of N tiles per axis.
double tileX(double lng, double n)
{
    return (lng + 180.0) / 360.0 * n;
}
double tileY(double lat, double n)
{
    const double phi = std::clamp(lat, -kMaxLatitude, kMaxLatitude) * kPi / 180.0;
    return (1.0 - std::log(std::tan(phi) + 1.0 / std::cos(phi)) / kPi) / 2.0 * n;
}
qint64 tileIndex(double fraction, qint64 n)
{
    return std::clamp<qint64>(qint64(std::floor(fraction)), 0, n - 1);
}

} // namespace

qint64 TileCount(const QList<QPolygonF>& polygons, int level)
{
    if (level < 0 || level > kMaxTileLevel) return 0;
    const qint64 n = qint64(1) << level;
    // Tile rows to the column spans of the boxes crossing them; spans of a row are merged so
    // that overlapping boxes count a tile once.
    std::map<qint64, std::vector<std::pair<qint64, qint64>>> rows;
    for (const QPolygonF& polygon : polygons) {
        if (polygon.isEmpty()) continue;
        const QRectF box = polygon.boundingRect();
        const qint64 x0 = tileIndex(tileX(box.left(), double(n)), n);
        const qint64 x1 = tileIndex(tileX(box.right(), double(n)), n);
        const qint64 y0 = tileIndex(tileY(box.bottom(), double(n)), n); // north edge
        const qint64 y1 = tileIndex(tileY(box.top(), double(n)), n);
        for (qint64 y = y0; y <= y1; ++y)
            rows[y].emplace_back(x0, x1);
    }
    qint64 count = 0;
    for (auto& [row, spans] : rows) {
        std::sort(spans.begin(), spans.end());
        qint64 end = -1;
        for (const auto& [first, last] : spans) {
            if (last <= end) continue;
            count += last - std::max(first, end + 1) + 1;
            end = last;
        }
    }
    return count;
}

int FitLevel(const QList<QPolygonF>& polygons, int viewWidth, int viewHeight)
{
    QRectF box;
    bool any = false;
    for (const QPolygonF& polygon : polygons) {
        if (polygon.isEmpty()) continue;
        box = any ? box.united(polygon.boundingRect()) : polygon.boundingRect();
        any = true;
    }
    if (!any) return 0;
    for (int level = kMaxFitLevel; level > 0; --level) {
        const double n = std::ldexp(1.0, level);
        const double width = (tileX(box.right(), n) - tileX(box.left(), n)) * kTilePixels;
        const double height = (tileY(box.top(), n) - tileY(box.bottom(), n)) * kTilePixels;
        if (width <= viewWidth && height <= viewHeight) return level;
    }
    return 0;
}

bool MapSheetExtent(const QString& number, EXTENT& extent)
{
    MapSheet sheet;
    if (!ParseMapSheet(number, sheet)) return false;
    MapSheetBounds(sheet, extent.dX1, extent.dY1, extent.dX2, extent.dY2);
    return true;
}

QList<QPolygonF> Polygons(const IAnnotationFeature* feature)
{
    QList<QPolygonF> polygons;
    if (!feature) return polygons;
    for (int i = 0; i < feature->GetGeometryCount(); ++i) {
        CGeometryData part;
        feature->GetGeometry(part, i);
        QPolygonF polygon;
        for (const CVector3D& point : part.GetPoints())
            polygon << QPointF(point.x, point.y);
        polygons << polygon;
    }
    return polygons;
}

} // namespace hostgeometry
