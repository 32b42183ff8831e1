#pragma once

#include "KmlTestSupport.h"

#include "OvCoordSystem/kml/IcdKml.h"
#include "OvCoordSystem/kml/XmlFileStream.h"
#include "OvCoordSystem/vectors/I_VectorToolObserver.h"
#include "OvCoordSystem/vectors/VectorLayerData.h"

#include <QTextCodec>
#include <QVector>

#include <gdal_priv.h>
#include <ogrsf_frmts.h>

#include <memory>
#include <string>

// Collects every progress report.
struct RecordingObserver : I_VectorToolObserver
{
    void notifyProgress(int percent) override { reports.append(percent); }
    QVector<int> reports;
};

inline VectorFeatureData feature(int geometryType, const QList<VectorPointList>& parts,
    const QString& name = QString(), const QString& remark = QString())
{
    VectorFeatureData record;
    record.geometryType = geometryType;
    record.parts = parts;
    if (!name.isNull()) record.attributes.insert(QStringLiteral("NAME"), name);
    if (!remark.isNull()) record.attributes.insert(QStringLiteral("REMARK"), remark);
    return record;
}

inline VectorFeatureData pointFeature(double x, double y, double z = 0.0)
{
    return feature(VectorFeatureData::Point, { VectorPointList { CVector3D(x, y, z) } });
}

// A closed five-point square of SIZE degrees with its south-west corner at X, Y.
inline VectorPointList square(double x, double y, double size = 0.01)
{
    return { CVector3D(x, y), CVector3D(x + size, y), CVector3D(x + size, y + size),
        CVector3D(x, y + size), CVector3D(x, y) };
}

inline VectorLayerData layerOf(const QString& name, const QVector<VectorFeatureData>& features)
{
    VectorLayerData layer;
    layer.name = name;
    layer.features = features;
    return layer;
}

inline QString fromGb18030(const std::string& bytes)
{
    return QTextCodec::codecForName("GB18030")->toUnicode(bytes.data(), int(bytes.size()));
}

// Extracts ENTRY of the archive ZIP to the file TARGET; false when unzip failed.
inline bool extractEntry(const QString& zip, const QString& entry, const QString& target)
{
    int exitCode = 0;
    const QByteArray bytes
        = runTool(QStringLiteral("unzip"), { QStringLiteral("-p"), zip, entry }, &exitCode);
    return exitCode == 0 && writeFile(target, bytes);
}

// What the one vector driver DRIVER ("KML" or "LIBKML") reads from PATH: "LAYER: NAME GEOMETRY"
// per feature, nothing when it refused the file.
inline QStringList readWithGdal(const QString& path, const char* driver)
{
    GDALAllRegister();
    const char* const drivers[] = { driver, nullptr };
    QStringList read;
    std::unique_ptr<GDALDataset> dataset(GDALDataset::Open(
        path.toUtf8().constData(), GDAL_OF_VECTOR | GDAL_OF_READONLY, drivers, nullptr, nullptr));
    if (!dataset) return read;
    for (OGRLayer* layer : dataset->GetLayers()) {
        for (const auto& f : *layer) {
            const OGRGeometry* geometry = f->GetGeometryRef();
            read << QString::fromUtf8(layer->GetName()) + QStringLiteral(": ")
                    + QString::fromUtf8(f->GetFieldAsString("Name")) + QLatin1Char(' ')
                    + QLatin1String(geometry ? geometry->getGeometryName() : "-");
        }
    }
    return read;
}
