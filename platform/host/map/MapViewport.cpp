#include "OvCoordSystem/host/map/MapViewport_p.h"

#include <QtMath>

#include <algorithm>
#include <cmath>

// Spherical Web Mercator (EPSG:3857) in pixels of the tile grid:
//   x = (λ + 180°)/360° · W,  y = (1 − asinh(tan φ)/π)/2 · W,  W = 256·2^z.

void CMapViewport::SetCenter(double lng, double lat)
{
    if (!std::isfinite(lng) || !std::isfinite(lat)) return;
    m_lng = std::remainder(lng, 360.0);
    if (m_lng == 180.0) m_lng = -180.0;
    m_lat = std::clamp(lat, -kMaxLatitude, kMaxLatitude);
}

void CMapViewport::SetLevel(int level)
{
    m_level = std::clamp(level, kMinLevel, kMaxLevel);
}

double CMapViewport::WorldSize() const
{
    return std::ldexp(double(kTileSize), m_level);
}

QPointF CMapViewport::worldPixel(double lng, double lat) const
{
    const double w = WorldSize();
    // Not clamped to the Web Mercator limits: pixels beyond the square world map back exactly.
    const double phi = qDegreesToRadians(std::clamp(lat, -90.0, 90.0));
    return QPointF((lng + 180.0) / 360.0 * w, (1.0 - std::asinh(std::tan(phi)) / M_PI) / 2.0 * w);
}

QPointF CMapViewport::lngLat(const QPointF& p) const
{
    const double w = WorldSize();
    const double lat = qRadiansToDegrees(std::atan(std::sinh(M_PI * (1.0 - 2.0 * p.y() / w))));
    return QPointF(p.x() / w * 360.0 - 180.0, lat);
}

QPointF CMapViewport::ToScreen(double lng, double lat) const
{
    const QPointF centre = worldPixel(m_lng, m_lat);
    const QPointF p = worldPixel(lng, lat);
    return QPointF(
        p.x() - centre.x() + m_size.width() / 2.0, p.y() - centre.y() + m_size.height() / 2.0);
}

QPointF CMapViewport::ToLngLat(const QPointF& screen) const
{
    const QPointF centre = worldPixel(m_lng, m_lat);
    return lngLat(QPointF(centre.x() + screen.x() - m_size.width() / 2.0,
        centre.y() + screen.y() - m_size.height() / 2.0));
}

QRectF CMapViewport::VisibleBox() const
{
    const QPointF topLeft = ToLngLat(QPointF(0, 0));
    const QPointF bottomRight = ToLngLat(QPointF(m_size.width(), m_size.height()));
    return QRectF(QPointF(topLeft.x(), bottomRight.y()), QPointF(bottomRight.x(), topLeft.y()));
}

void CMapViewport::PanBy(double dx, double dy)
{
    const QPointF c = ToLngLat(QPointF(m_size.width() / 2.0 - dx, m_size.height() / 2.0 - dy));
    SetCenter(c.x(), c.y());
}

void CMapViewport::ZoomAt(int level, const QPointF& screen)
{
    const QPointF anchor = ToLngLat(screen);
    SetLevel(level);
    // Put the anchor back under the screen position.
    const QPointF moved = ToScreen(anchor.x(), anchor.y());
    PanBy(screen.x() - moved.x(), screen.y() - moved.y());
}
