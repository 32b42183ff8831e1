#pragma once

#include "OvCoordSystem/vectors/FeatureStyleData.h"
#include "OvCoordSystem/vectors/VectorPointList.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QVariant>

// One feature handed to the vector writer.
struct VectorFeatureData
{
    // The feature records' geometry types (not the VCT kind codes).
    enum GeometryType
    {
        Point = 0,
        Line = 1,
        Polygon = 2,
        MultiPoint = 5,
        MultiLine = 6,
        MultiPolygon = 7
    };

    int geometryType = Point; // a GeometryType; 3 and 4 are never written
    QString name;
    // The geometry: one run of vertices per part (a point uses the first vertex of each part).
    QList<VectorPointList> parts;
    FeatureStyleData style;
    QMap<QString, QVariant> attributes; // values by field name
    int labelMode = 0; // how the DXF writer labels a point feature
    QString remark;
};
