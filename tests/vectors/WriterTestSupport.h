#pragma once

#include "OvCoordSystem/vectors/I_VectorToolObserver.h"
#include "OvCoordSystem/vectors/VectorLayerData.h"
#include "OvCoordSystem/vectors/VectorWriteOptions.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <gdal_priv.h>
#include <ogrsf_frmts.h>

#include <memory>
#include <vector>

// Builders of writer input and GDAL read-backs shared by the writer tests.
namespace writertest {

inline VectorFeatureData pointFeature(double x, double y, const QString& name = QString())
{
    VectorFeatureData feature;
    feature.geometryType = VectorFeatureData::Point;
    feature.parts = { { CVector3D(x, y, 0.0) } };
    feature.name = name;
    if (!name.isEmpty()) feature.attributes.insert(QStringLiteral("NAME"), name);
    return feature;
}

inline VectorFeatureData lineFeature(const VectorPointList& points)
{
    VectorFeatureData feature;
    feature.geometryType = VectorFeatureData::Line;
    feature.parts = { points };
    return feature;
}

// An axis-parallel square, left open (the writer closes rings).
inline VectorFeatureData squareFeature(double x, double y, double side)
{
    VectorFeatureData feature;
    feature.geometryType = VectorFeatureData::Polygon;
    feature.parts = { { CVector3D(x, y), CVector3D(x + side, y), CVector3D(x + side, y + side),
        CVector3D(x, y + side) } };
    return feature;
}

inline VectorLayerData layerOf(const QString& name, const QVector<VectorFeatureData>& features,
    int kind = VectorLayerData::Mixed)
{
    VectorLayerData layer;
    layer.name = name;
    layer.kind = kind;
    layer.fieldTypes.insert(QStringLiteral("NAME"), VectorLayerData::StringField);
    layer.features = features;
    return layer;
}

struct DatasetCloser
{
    void operator()(GDALDataset* dataset) const { GDALClose(dataset); }
};
using DatasetPtr = std::unique_ptr<GDALDataset, DatasetCloser>;

inline DatasetPtr openVector(const QString& path)
{
    return DatasetPtr(
        GDALDataset::Open(QFile::encodeName(path).constData(), GDAL_OF_VECTOR | GDAL_OF_READONLY));
}

// Features of every layer of the file; -1 when GDAL cannot open it.
inline int featureCount(const QString& path)
{
    DatasetPtr dataset = openVector(path);
    if (!dataset) return -1;
    int count = 0;
    for (int i = 0; i < dataset->GetLayerCount(); ++i) {
        OGRLayer* layer = dataset->GetLayer(i);
        layer->ResetReading();
        while (OGRFeature* feature = layer->GetNextFeature()) {
            ++count;
            OGRFeature::DestroyFeature(feature);
        }
    }
    return count;
}

// Every file below ROOT, as paths relative to it, sorted.
inline QStringList filesBelow(const QString& root)
{
    QStringList files;
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(root).relativeFilePath(it.next());
    files.sort();
    return files;
}

// Records the percentages a tool reports.
class RecordingObserver : public I_VectorToolObserver
{
public:
    void notifyProgress(int percent) override { reports.push_back(percent); }
    std::vector<int> reports;
};

} // namespace writertest
