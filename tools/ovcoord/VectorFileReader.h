#pragma once

#include "OvCoordSystem/vectors/VectorLayerData.h"

#include <QString>
#include <QVector>

// What readVectorFile found in a file.
struct VectorFileContents
{
    QVector<VectorLayerData> layers; // one per OGR layer, in the file's order
    int featureCount = 0; // features taken into the layers
    int skippedCount = 0; // features without a geometry the records can hold
    QString error; // why the file could not be read; empty on success
};

// Reads every layer of the vector file PATH through GDAL (drivers must be registered). A layer
// keeps its name; each field becomes an attribute field (integers, 64-bit integers and reals
// keep their type, every other type is read as text), string fields as wide as their longest
// value in GB18030 bytes (at most 254, the widest dBASE field). A feature's name and remark come
// from its "NAME" and "REMARK" fields (any case). A layer holding one geometry family gets its
// kind, others are mixed. Text read from Shapefiles is recoded to UTF-8 as GDAL does by default.
VectorFileContents readVectorFile(const QString& path);
