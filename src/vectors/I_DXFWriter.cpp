#include "OvCoordSystem/vectors/I_DXFWriter_p.h"

#include <QDebug>

namespace {

const QString kLayerField = QStringLiteral("Layer");

// DXF layer names may not hold < > / \ " : ; ? * | = ` nor control characters.
QString dxfLayerName(const QString& name)
{
    static const QString kRefused = QStringLiteral("<>/\\\":;?*|=`");
    QString safe = name;
    for (QChar& c : safe) {
        if (c.unicode() < 0x20 || kRefused.contains(c)) c = QLatin1Char('_');
    }
    return safe;
}

enum DxfLabelMode
{
    DxfLabelPlain = 1, // the point without its label text
    DxfLabelTwice = 2 // the point, then the point again without its label text
};

} // namespace

VectorLayerData mergeDxfLayers(const QVector<VectorLayerData>& layers)
{
    VectorLayerData merged;
    merged.kind = VectorLayerData::Mixed;
    for (const VectorLayerData& layer : layers) {
        for (auto it = layer.fieldTypes.cbegin(); it != layer.fieldTypes.cend(); ++it)
            merged.fieldTypes.insert(it.key(), it.value());
        for (auto it = layer.fieldWidths.cbegin(); it != layer.fieldWidths.cend(); ++it)
            merged.fieldWidths.insert(it.key(), it.value());
        const QString layerName = dxfLayerName(layer.name);
        for (const VectorFeatureData& source : layer.features) {
            VectorFeatureData feature = source;
            feature.attributes.insert(kLayerField, layerName);
            const bool point = feature.geometryType == VectorFeatureData::Point;
            if (point && feature.labelMode == DxfLabelPlain) feature.style.text.clear();
            merged.features.append(feature);
            if (point && feature.labelMode == DxfLabelTwice) {
                merged.features.append(feature);
                merged.features.last().style.text.clear();
            }
        }
    }
    merged.fieldTypes.insert(kLayerField, VectorLayerData::StringField);
    return merged;
}

void I_DXFWriter::writeLayers(
    const QVector<VectorLayerData>& layers, const VectorWriteOptions& options)
{
    if (layers.isEmpty()) {
        m_errorText = QStringLiteral("写DXF数据为空。");
        qDebug("Dxf layer is empty.");
        return;
    }
    const VectorLayerData merged = mergeDxfLayers(layers);
    if (options.clip && !options.clipPolygons.isEmpty()) qDebug("Dxf entry clip method.");
    writeLayerMaybeClipped(merged, options);
    qDebug("Dxf write finished.");
}
