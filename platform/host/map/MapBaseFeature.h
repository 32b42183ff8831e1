#pragma once

#include <QList>
#include <QPolygonF>
#include <QRectF>
#include <QString>

#include <functional>
#include <vector>

// One shape of the vector base map: a named area with its rings (x longitude, y latitude,
// WGS84 degrees).
struct tagMapBaseFeature
{
    QString name;
    QList<QPolygonF> rings;
};

// Supplies the base map: the shapes to draw for the visible area (longitude/latitude box) at a
// zoom level. Called on the GUI thread whenever the base layer is drawn after a view change.
using MapBaseProvider
    = std::function<std::vector<tagMapBaseFeature>(const QRectF& lngLatBox, int zoomLevel)>;
