#include "OvCoordSystem/coord/ExportTools.h"

#include "OvCoordSystem/host/Tools.h"
#include "OvCoordSystem/vectors/I_VectorTools.h"
#include "OvCoordSystem/vectors/VectorLayerData.h"
#include "OvCoordSystem/vectors/VectorToolFactory.h"
#include "OvCoordSystem/vectors/VectorWriteOptions.h"

#include <QFileInfo>

namespace {

// Base-name suffixes of the Shapefiles one layer is split into, and the side files of each.
const char* const kShapeKinds[] = { "_point", "_polyline", "_polygon" };
const char* const kShapeParts[] = { "shp", "shx", "dbf", "prj", "cpg" };
const char* const kMapInfoParts[] = { "tab", "dat", "map", "id" };

// True when PATH, or a file that writing PATH would create beside it, already exists.
bool anyOutputExists(const QString& path)
{
    const QFileInfo info(path);
    if (info.exists()) return true;
    const QString stem = info.absolutePath() + QLatin1Char('/') + info.completeBaseName();
    const QString suffix = info.suffix().toLower();
    if (suffix == QLatin1String("shp")) {
        for (const char* kind : kShapeKinds)
            for (const char* part : kShapeParts)
                if (QFileInfo::exists(
                        stem + QLatin1String(kind) + QLatin1Char('.') + QLatin1String(part)))
                    return true;
    } else if (suffix == QLatin1String("tab")) {
        for (const char* part : kMapInfoParts)
            if (QFileInfo::exists(stem + QLatin1Char('.') + QLatin1String(part))) return true;
    }
    return false;
}

FeatureStyleData downRangeStyle()
{
    FeatureStyleData style;
    style.penColor = QColor(0, 0, 255, 255);
    style.fillColor = QColor(139, 139, 139, 50);
    style.fillColor2 = QColor(139, 139, 139, 50);
    style.labelFont = QFont(QStringLiteral("微软雅黑"), 12);
    style.labelSwitch = 1;
    style.labelColor = QColor(255, 255, 255, 255);
    style.outlineSwitch = 1;
    style.labelOutlineColor = QColor(0, 0, 0, 255);
    style.scale = 1.0f;
    style.penWidth = 1.0f;
    return style;
}

} // namespace

bool I_ExportTools::toExportDownRange(
    const QString& path, const QList<QPolygonF>& polygons, int mapType)
{
    if (polygons.isEmpty() || path.isEmpty() || anyOutputExists(path)) return false;

    const bool baidu = Tools::isBaidu(mapType);
    VectorLayerData layer;
    layer.kind = VectorLayerData::Mixed;
    layer.fieldTypes.insert(QStringLiteral("NAME"), VectorLayerData::StringField);
    const QString name = QFileInfo(path).completeBaseName();
    const FeatureStyleData style = downRangeStyle();
    for (const QPolygonF& polygon : polygons) {
        VectorFeatureData feature;
        feature.geometryType = VectorFeatureData::Polygon;
        VectorPointList part;
        for (const QPointF& point : polygon) {
            const QPointF written = baidu ? Tools::wgs84ToBd09ByPos(point, 20) : point;
            part.append(CVector3D(written.x(), written.y(), 0.0));
        }
        feature.parts.append(part);
        feature.attributes.insert(QStringLiteral("NAME"), name);
        feature.style = style;
        layer.features.append(feature);
    }

    VectorWriteOptions options;
    options.path = path;
    options.openFolderAfterWrite = false;
    options.coordParameters.sourceCoordSys = VECTOR_WGS84_LNGLAT;
    options.coordParameters.targetCoordSys = VECTOR_WGS84_LNGLAT;
    options.coordParameters.reproject = false;

    I_VectorTools* tool = createVectorTool(1);
    if (!tool) return false;
    tool->writeLayers(QVector<VectorLayerData> { layer }, options);
    releaseVectorTool(tool);
    return true;
}
