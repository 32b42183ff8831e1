#pragma once

#include "KmlTestSupport.h"

#include "OvCoordSystem/kml/IcdKml.h"
#include "OvCoordSystem/kml/XmlFileStream.h"
#include "OvCoordSystem/vectors/I_VectorToolObserver.h"
#include "OvCoordSystem/vectors/VectorLayerData.h"

#include <QFile>
#include <QProcess>
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

inline std::string localPath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

// Reads the KML file at PATH into the model; false when the reader refused it.
inline bool readKml(const QString& path, CICD_KML& kml, int encoding = CXmlStream::EncodingLegacy)
{
    CXmlFileStream stream(localPath(path));
    stream.setEncoding(encoding);
    return stream.load(&kml);
}

inline QString fromGb18030(const std::string& bytes)
{
    return QTextCodec::codecForName("GB18030")->toUnicode(bytes.data(), int(bytes.size()));
}

inline bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The entry names of the zip archive at PATH, as `unzip -Z1` lists them.
inline QStringList zipEntries(const QString& path)
{
    int exitCode = 0;
    const QByteArray out
        = runTool(QStringLiteral("unzip"), { QStringLiteral("-Z1"), path }, &exitCode);
    if (exitCode != 0) return { QStringLiteral("<unzip failed>") };
    return QString::fromUtf8(out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// Extracts ENTRY of the archive ZIP to the file TARGET; false when unzip failed.
inline bool extractEntry(const QString& zip, const QString& entry, const QString& target)
{
    int exitCode = 0;
    const QByteArray bytes
        = runTool(QStringLiteral("unzip"), { QStringLiteral("-p"), zip, entry }, &exitCode);
    return exitCode == 0 && writeFile(target, bytes);
}

// What a GDAL driver read from a file: the features of all layers in order.
struct GdalRead
{
    bool opened = false;
    QStringList layerNames;
    QStringList featureNames; // the "Name" field
    QStringList descriptions; // the "Description" field
    QStringList geometryNames; // OGR geometry names ("POINT", "POLYGON", ...)
};

// Reads PATH with the one vector driver DRIVER ("KML" or "LIBKML").
inline GdalRead readWithGdal(const QString& path, const char* driver)
{
    GDALAllRegister();
    const char* const drivers[] = { driver, nullptr };
    GdalRead read;
    std::unique_ptr<GDALDataset> dataset(GDALDataset::Open(
        path.toUtf8().constData(), GDAL_OF_VECTOR | GDAL_OF_READONLY, drivers, nullptr, nullptr));
    if (!dataset) return read;
    read.opened = true;
    for (OGRLayer* layer : dataset->GetLayers()) {
        read.layerNames << QString::fromUtf8(layer->GetName());
        for (const auto& f : *layer) {
            const int name = f->GetFieldIndex("Name");
            const int description = f->GetFieldIndex("Description");
            read.featureNames << (name >= 0 ? QString::fromUtf8(f->GetFieldAsString(name))
                                            : QString());
            read.descriptions << (description >= 0
                    ? QString::fromUtf8(f->GetFieldAsString(description))
                    : QString());
            const OGRGeometry* geometry = f->GetGeometryRef();
            read.geometryNames << (geometry ? QString::fromLatin1(geometry->getGeometryName())
                                            : QString());
        }
    }
    return read;
}
