#include "OvCoordSystem/vectors/I_TXTWriter_p.h"

#include "OvCoordSystem/vectors/LayerPaths_p.h"
#include "OvCoordSystem/vectors/RecordGeometry_p.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>

namespace {

// A layer to write, and for a part of a split mixed layer the mark its file name carries.
struct TextLayer
{
    VectorLayerData layer;
    QString fileMark; // "点", "线", "面"; empty for a layer written whole
};

void appendSplit(const VectorLayerData& mixed, QVector<TextLayer>& out)
{
    static const struct
    {
        int kind;
        const char* name;
        const char* mark;
    } kParts[] = {
        { VectorLayerData::Points, "点数据", "点" },
        { VectorLayerData::Lines, "线数据", "线" },
        { VectorLayerData::Polygons, "面数据", "面" },
    };
    for (const auto& part : kParts) {
        TextLayer sub;
        sub.layer.name = QString::fromUtf8(part.name);
        sub.layer.kind = part.kind;
        sub.layer.fieldTypes = mixed.fieldTypes;
        sub.layer.fieldWidths = mixed.fieldWidths;
        sub.layer.style = mixed.style;
        sub.layer.layerFlag = mixed.layerFlag;
        for (const VectorFeatureData& feature : mixed.features) {
            if (vectors::geometryFamily(feature.geometryType) == part.kind)
                sub.layer.features.append(feature);
        }
        sub.fileMark = QString::fromUtf8(part.mark);
        out.append(sub);
    }
}

} // namespace

void I_TXTWriter::writeLayers(
    const QVector<VectorLayerData>& layers, const VectorWriteOptions& options)
{
    QVector<TextLayer> textLayers;
    for (const VectorLayerData& layer : layers) {
        if (layer.kind == VectorLayerData::Mixed)
            appendSplit(layer, textLayers);
        else
            textLayers.append(TextLayer { layer, QString() });
    }
    QVector<TextLayer> written;
    for (const TextLayer& text : textLayers) {
        if (text.layer.features.isEmpty())
            qDebug("VuzUdur:Text layer not data.");
        else
            written.append(text);
    }

    const QFileInfo info(options.path);
    QString folder = info.absolutePath();
    // Counted after the split: a mixed layer gets its base folder even when one family is left.
    if (textLayers.size() > 1) {
        folder += QLatin1Char('/') + info.completeBaseName();
        QDir().mkpath(folder);
    }
    for (TextLayer& text : written) {
        const QString name
            = text.layer.name.isEmpty() ? vectors::unnamedLayerName() : text.layer.name;
        const QString layerFolder = vectors::createFreeFolder(folder, name);
        if (layerFolder.isEmpty()) {
            qDebug().noquote() << QStringLiteral("VuzUdur:cannot create folder for ") + name;
            continue;
        }
        VectorWriteOptions layerOptions = options;
        layerOptions.path = layerFolder + QLatin1Char('/')
            + (text.fileMark.isEmpty() ? info.fileName()
                                       : info.completeBaseName() + QLatin1Char('_') + text.fileMark
                        + QLatin1Char('.') + info.suffix().toLower());
        vectors::renameField(text.layer, QStringLiteral("REMARK"), QStringLiteral("remarks"));
        writeLayer(text.layer, layerOptions);
    }
}
