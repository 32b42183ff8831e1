#pragma once

#include <QPointF>
#include <QRectF>
#include <QSize>

// The Web Mercator arithmetic of the map view: 256-pixel tiles, zoom level z spanning 256·2^z
// pixels around the world, a centre in longitude/latitude (degrees) and a size in pixels.
// Screen positions are fractional pixels; pixel (i, j) covers [i, i+1) × [j, j+1).
class CMapViewport
{
public:
    static constexpr double kMaxLatitude = 85.0511287798066; // atan(sinh(π)) in degrees
    static constexpr int kTileSize = 256;
    static constexpr int kMinLevel = 0;
    static constexpr int kMaxLevel = 22;

    // Latitude clamped to ±kMaxLatitude, longitude reduced to [-180, 180).
    void SetCenter(double lng, double lat);
    QPointF Center() const { return QPointF(m_lng, m_lat); }
    // Clamped to kMinLevel..kMaxLevel.
    void SetLevel(int level);
    int Level() const { return m_level; }
    void SetSize(const QSize& size) { m_size = size; }
    QSize Size() const { return m_size; }

    // Pixels around the world at the current level.
    double WorldSize() const;
    QPointF ToScreen(double lng, double lat) const;
    QPointF ToLngLat(const QPointF& screen) const;
    // The longitude/latitude box of the view.
    QRectF VisibleBox() const;
    // Moves the view so that the map moves by (dx, dy) pixels on screen.
    void PanBy(double dx, double dy);
    // Changes the level keeping the map point under the screen position where it is.
    void ZoomAt(int level, const QPointF& screen);

private:
    QPointF worldPixel(double lng, double lat) const;
    QPointF lngLat(const QPointF& worldPixel) const;

    double m_lng = 116.391;
    double m_lat = 39.907;
    int m_level = 10;
    QSize m_size = QSize(800, 600);
};
