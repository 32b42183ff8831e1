#pragma once

#include "OvCoordSystem/host/annotation/GeometryData.h"

#include <QColor>
#include <QPixmap>
#include <QPolygonF>
#include <QString>

#include <vector>

class IAnnotationFeature;

// What an annotation object draws, read from its feature by Prepare and Update: the parts in
// map coordinates (NaN points left out) and the first style of each kind.
struct CAnnotationDrawing
{
    struct Part
    {
        E_GEOMETRY_DATA_TYPE type = GEOMETRY_DATA_TYPE_UNKNOWN;
        QPolygonF points;
    };

    int kind = 0;
    std::vector<Part> parts;
    bool hasPen = false;
    double penWidth = 1.0;
    QColor penColor;
    bool hasBrush = false;
    QColor brushForeground;
    QColor brushBackground;
    int brushPattern = 0;
    bool hasLabel = false;
    QColor labelColor;
    QColor labelOutline;
    int labelSize = 10;
    QPixmap icon; // null: the default marker
    QString featureName;

    // Reads the feature; icons are loaded only when withPixmaps (a GUI application runs).
    static CAnnotationDrawing FromFeature(const IAnnotationFeature& feature, bool withPixmaps);
    // The box of every point, map coordinates (empty for a single point or none).
    QRectF Bounds() const;
    bool HasPoints() const;
};
