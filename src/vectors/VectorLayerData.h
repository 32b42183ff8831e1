#pragma once

#include "OvCoordSystem/OvGlobal.h"
#include "OvCoordSystem/vectors/FeatureStyleData.h"
#include "OvCoordSystem/vectors/VectorFeatureData.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QVector>

// One layer handed to the vector writer: its features and attribute fields. A layer is a value
// and is copied freely; its children are sub-layers owned by the caller.
struct OVCOORD_EXPORT VectorLayerData
{
    // Layer geometry kinds.
    enum Kind
    {
        Points = 0,
        Lines = 1,
        Polygons = 2,
        Mixed = 4
    };
    // Attribute field types, as OGR numbers them.
    enum FieldType
    {
        IntegerField = 0,
        RealField = 2,
        StringField = 4,
        Integer64Field = 12
    };

    // A new layer gets a new identity.
    VectorLayerData();

    QString id; // a QUuid in text form
    QString name; // used for per-layer file and folder names
    int kind = Points; // a Kind
    QMap<QString, int> fieldTypes; // attribute field name -> FieldType
    // Field name -> width; a field missing here, or an empty map, gets the default width.
    QMap<QString, int> fieldWidths;
    FeatureStyleData style; // the layer's default style
    QVector<VectorFeatureData> features;
    int layerFlag = 0; // passed along unchanged
    QList<VectorLayerData*> children; // sub-layers, supplied and owned by the caller

    // The width of a field missing from fieldWidths.
    static constexpr int DefaultFieldWidth = 50;
};
