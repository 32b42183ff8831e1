#include "OvCoordSystem/locate/Locate.h"

#include "OvCoordSystem/host/annotation/GeometryData.h"
#include "OvCoordSystem/host/annotation/IAnnotation2DObject.h"
#include "OvCoordSystem/host/app/ConfigIni.h"
#include "OvCoordSystem/host/app/OvCoreApplication.h"
#include "OvCoordSystem/host/widgets/HostFileDialog.h"
#include "OvCoordSystem/host/widgets/ZuMessageBox.h"
#include "OvCoordSystem/locate/LocateHost_p.h"
#include "OvCoordSystem/vectors/I_VectorTools.h"
#include "OvCoordSystem/vectors/VectorLayerData.h"
#include "OvCoordSystem/vectors/VectorToolFactory.h"
#include "OvCoordSystem/vectors/VectorWriteOptions.h"

#include <QDir>
#include <QFile>

namespace {

const QString kFolderSection = QStringLiteral("DownloadExtentKml");
const QString kFolderKey = QStringLiteral("1");

QString rememberedFolder()
{
    const QString fallback
        = QFile::decodeName(COvCoreApplication::GetInstance()->GetDefaultSaveDir().c_str());
    QString folder = ConfigIni::getConfig(kFolderSection, kFolderKey, fallback).toString();
    return folder.replace(QLatin1Char('\\'), QLatin1Char('/'));
}

// The folder of PATH with its trailing "/"; PATH itself when it names no folder.
void rememberFolderOf(const QString& path)
{
    const bool hasFolder = path.split(QLatin1Char('/'), Qt::SkipEmptyParts).size() > 1;
    ConfigIni::setConfig(kFolderSection, kFolderKey,
        hasFolder ? path.left(path.lastIndexOf(QLatin1Char('/')) + 1) : path);
}

QString askForFile(QWidget* parent, const QString& startPath)
{
    return HostFileDialog::getSaveFileName(parent, QStringLiteral("导出下载范围"), startPath,
        QStringLiteral("ESRI Shapefile(*.shp);;Google Earth(*.kml);;Google Earth(*.kmz);;"
                       "AutoCAD(*.dxf);;MapInfo(*.tab)"));
}

// One polygon layer named NAME whose features each carry NAME, written to PATH in WGS84.
void writeRange(const QString& path, const QString& name, const QList<VectorPointList>& parts)
{
    VectorLayerData layer;
    layer.name = name;
    layer.kind = VectorLayerData::Polygons;
    layer.fieldTypes.insert(QStringLiteral("NAME"), VectorLayerData::StringField);
    for (const VectorPointList& part : parts) {
        VectorFeatureData feature;
        feature.geometryType = VectorFeatureData::Polygon;
        feature.parts.append(part);
        feature.attributes.insert(QStringLiteral("NAME"), name);
        layer.features.append(feature);
    }
    VectorWriteOptions options;
    options.path = path;
    VectorCoordParameters& coords = options.coordParameters;
    coords.sourceCoordSys = coords.targetCoordSys = VECTOR_WGS84_LNGLAT;
    coords.sourceEpsg = coords.targetEpsg = 4326;
    coords.reproject = true;

    I_VectorTools* tool = createVectorTool(1);
    if (!tool) return;
    tool->writeLayers(QVector<VectorLayerData> { layer }, options);
    releaseVectorTool(tool);
}

} // namespace

void CLocate::ExportRange(QWidget* parent)
{
    IAnnotationFeature* feature = m_pCurrentObject ? m_pCurrentObject->GetFeature() : nullptr;
    if (!feature) {
        ZuMessageBox::information(
            parent ? parent : m_pDialogParent, QStringLiteral("请选择区域！"), kOkButton);
        return;
    }
    ExportPolygonF(m_strCityName, feature);
}

void CLocate::ExportPolygonF(const QString& name, const QList<QPolygonF>& polygons)
{
    if (polygons.isEmpty()) {
        ZuMessageBox::information(m_pDialogParent, QStringLiteral("导出区域为空！"), kOkButton);
        return;
    }
    const QString path = askForFile(m_pDialogParent, rememberedFolder());
    if (path.isEmpty()) return;
    QList<VectorPointList> parts;
    for (const QPolygonF& polygon : polygons) {
        VectorPointList part;
        for (const QPointF& point : polygon)
            part.append(CVector3D(point.x(), point.y(), 0.0));
        parts.append(part);
    }
    writeRange(path, name, parts);
    rememberFolderOf(path);
}

void CLocate::ExportPolygonF(const QString& name, IAnnotationFeature* feature)
{
    if (!feature) return;
    const QString proposed = QDir(rememberedFolder()).absoluteFilePath(name);
    QString startPath = proposed;
    for (int n = 2; QFile::exists(startPath); ++n)
        startPath = proposed + QStringLiteral("(%1)").arg(n);
    const QString path = askForFile(m_pDialogParent, startPath);
    if (path.isEmpty()) return;
    if (feature->GetGeometryCount() == 0) {
        ZuMessageBox::information(m_pDialogParent, QStringLiteral("导出区域为空！"), kOkButton);
        return;
    }
    QList<VectorPointList> parts;
    for (int i = 0; i < feature->GetGeometryCount(); ++i) {
        CGeometryData geometry;
        feature->GetGeometry(geometry, i);
        parts.append(VectorPointList(geometry.GetPoints().begin(), geometry.GetPoints().end()));
    }
    writeRange(path, name, parts);
    rememberFolderOf(path);
}
