#pragma once

#include "OvCoordSystem/host/RevealInFileBrowser.h"
#include "OvCoordSystem/vectors/IWriterStream.h"
#include "OvCoordSystem/vectors/I_VectorToolObserver.h"
#include "OvCoordSystem/vectors/I_VectorTools.h"
#include "OvCoordSystem/vectors/VCTFeature.h"
#include "OvCoordSystem/vectors/VCTGeometry.h"
#include "OvCoordSystem/vectors/VCTGeometryFactory.h"
#include "OvCoordSystem/vectors/VectorLayerData.h"
#include "OvCoordSystem/vectors/VectorToolFactory.h"
#include "OvCoordSystem/vectors/VectorWriteOptions.h"
#include "OvCoordSystem/vectors/WriterStreamFactory.h"

#include <QDirIterator>
#include <QTemporaryDir>

#include <cpl_conv.h>
#include <gdal_priv.h>
#include <ogrsf_frmts.h>

#include "ProgramRun.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// Builders of stream and writer input and read-backs of the written files, shared by the vector
// tests.
namespace vectortest {

struct StreamReleaser
{
    void operator()(vectors::IWriterStream* stream) const { vectors::releaseWriterStream(stream); }
};
using StreamPtr = std::unique_ptr<vectors::IWriterStream, StreamReleaser>;

inline std::unique_ptr<OGRGeometry> fromWkt(const std::string& wkt)
{
    OGRGeometry* geometry = nullptr;
    OGRGeometryFactory::createFromWkt(wkt.c_str(), nullptr, &geometry);
    return std::unique_ptr<OGRGeometry>(geometry);
}

// A feature whose geometry is the VCT wrapper of WKT.
inline vectors::VCTFeature featureFromWkt(
    const char* wkt, const QMap<QString, QVariant>& attributes = {})
{
    vectors::VCTGeometry* wrapped = nullptr;
    EXPECT_TRUE(vectors::createVctGeometry(fromWkt(wkt).get(), wrapped)) << wkt;
    vectors::VCTFeature feature(wrapped);
    feature.setAttributes(attributes);
    return feature;
}

// Parameters that reproject from SOURCE to TARGET, VECTOR_COORDSYS values without EPSG codes.
inline VectorCoordParameters reprojecting(int source, int target)
{
    VectorCoordParameters parameters;
    parameters.sourceCoordSys = source;
    parameters.targetCoordSys = target;
    parameters.reproject = true;
    return parameters;
}

// An OGR feature as a reader hands it out: one string field "NAME" (UTF-8) and GEOMETRY (taken
// over; may be null). The feature keeps its definition alive.
inline std::unique_ptr<OGRFeature> sourceFeature(const char* name, OGRGeometry* geometry)
{
    auto* definition = new OGRFeatureDefn("source");
    definition->Reference();
    OGRFieldDefn field("NAME", OFTString);
    definition->AddFieldDefn(&field);
    std::unique_ptr<OGRFeature> feature(new OGRFeature(definition));
    definition->Release();
    if (name) feature->SetField("NAME", name);
    feature->SetGeometryDirectly(geometry);
    return feature;
}

// A stream for PATH writing FIELDS, opened; check errorText() when open() failed. Text files take
// the DELIMITER and DAT SEPARATOR codes.
inline StreamPtr openStream(const QString& path, const QList<vectors::WriterField>& fields,
    const VectorCoordParameters& coordinates = VectorCoordParameters(), bool* opened = nullptr,
    int delimiter = 0, int separator = 1)
{
    StreamPtr stream(vectors::createWriterStream(path));
    vectors::WriterParameters parameters;
    parameters.path = path;
    parameters.textOptions[VectorWriteOptions::TextDelimiter] = delimiter;
    parameters.textOptions[VectorWriteOptions::TextDatSeparator] = separator;
    parameters.coordParameters = coordinates;
    parameters.falseEasting = coordinates.falseEasting;
    stream->setParameters(parameters);
    stream->setReproject(coordinates.reproject);
    stream->setFields(fields);
    stream->setEncoding(vectors::textEncodingCode(path));
    const bool ok = stream->open();
    if (opened) *opened = ok;
    return stream;
}

// What a reader sees of one feature.
struct ReadFeature
{
    std::string wkt;
    QMap<QString, QString> fields; // by field name, in UTF-8 as GDAL reads them
    std::string style;
};

struct ReadLayer
{
    QString name;
    std::string spatialReference; // WKT1, empty without one
    QStringList fieldNames;
    std::vector<int> fieldWidths;
    std::vector<ReadFeature> features;
};

// Every layer of the file at PATH as GDAL (only its DRIVER when given) reads it. Shapefiles are
// decoded by their .cpg, as any reader would (the writer's environment switches that off); DXF text
// is read as UTF-8, as the environment sets it. Empty when GDAL cannot open it.
inline std::vector<ReadLayer> readBack(const QString& path, const char* driver = nullptr)
{
    const char* const drivers[] = { driver, nullptr };
    const std::string shape = CPLGetConfigOption("SHAPE_ENCODING", "");
    CPLSetConfigOption("SHAPE_ENCODING", nullptr);
    std::vector<ReadLayer> layers;
    GDALDatasetUniquePtr dataset(GDALDataset::Open(QFile::encodeName(path).constData(),
        GDAL_OF_VECTOR | GDAL_OF_READONLY, driver ? drivers : nullptr, nullptr, nullptr));
    for (int i = 0; dataset && i < dataset->GetLayerCount(); ++i) {
        OGRLayer* layer = dataset->GetLayer(i);
        ReadLayer read;
        read.name = QString::fromUtf8(layer->GetName());
        if (const OGRSpatialReference* reference = layer->GetSpatialRef()) {
            char* wkt = nullptr;
            reference->exportToWkt(&wkt);
            read.spatialReference = wkt;
            CPLFree(wkt);
        }
        OGRFeatureDefn* definition = layer->GetLayerDefn();
        for (int f = 0; f < definition->GetFieldCount(); ++f) {
            read.fieldNames << QString::fromUtf8(definition->GetFieldDefn(f)->GetNameRef());
            read.fieldWidths.push_back(definition->GetFieldDefn(f)->GetWidth());
        }
        for (auto& feature : *layer) {
            ReadFeature item;
            if (const OGRGeometry* geometry = feature->GetGeometryRef())
                item.wkt = geometry->exportToWkt();
            for (int f = 0; f < definition->GetFieldCount(); ++f)
                if (feature->IsFieldSetAndNotNull(f))
                    item.fields.insert(
                        read.fieldNames[f], QString::fromUtf8(feature->GetFieldAsString(f)));
            if (const char* style = feature->GetStyleString()) item.style = style;
            read.features.push_back(item);
        }
        layers.push_back(read);
    }
    dataset.reset();
    CPLSetConfigOption("SHAPE_ENCODING", shape.c_str());
    return layers;
}

// What GDAL reads from PATH as text, one line a layer ("[NAME]") and one a feature: its WKT, then
// " FIELD=VALUE" for each field set (by name) and " {STYLE}" when it has one.
inline QStringList readBackText(const QString& path)
{
    QStringList lines;
    for (const ReadLayer& layer : readBack(path)) {
        lines << QLatin1Char('[') + layer.name + QLatin1Char(']');
        for (const ReadFeature& feature : layer.features) {
            QString line = QString::fromStdString(feature.wkt);
            for (auto it = feature.fields.begin(); it != feature.fields.end(); ++it)
                line += QLatin1Char(' ') + it.key() + QLatin1Char('=') + it.value();
            if (!feature.style.empty())
                line += QStringLiteral(" {%1}").arg(QString::fromStdString(feature.style));
            lines << line;
        }
    }
    return lines;
}

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

inline QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Features of every layer of the file; -1 when GDAL cannot open it.
inline int featureCount(const QString& path)
{
    const std::vector<ReadLayer> layers = readBack(path);
    int count = layers.empty() ? -1 : 0;
    for (const ReadLayer& layer : layers)
        count += int(layer.features.size());
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

// Every stream test writes into its own temporary folder. GDAL is left alone: the stream
// factories prepare it themselves, and each test runs in a fresh process under CTest.
class StreamTest : public ::testing::Test
{
protected:
    QString path(const QString& name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
};

// Writes through the public road: a writer tool from the factory, with an observer, while the
// system file browser is replaced by a recorder.
class WriteTest : public StreamTest
{
protected:
    void SetUp() override
    {
        m_previous = SetRevealHandler([this](const QString& path) {
            revealed << path;
            return true;
        });
    }
    void TearDown() override { SetRevealHandler(m_previous); }

    QStringList files() const { return filesBelow(m_dir.path()); }

    void write(const QVector<VectorLayerData>& layers, const QString& file,
        VectorWriteOptions options = VectorWriteOptions())
    {
        options.path = path(file);
        I_VectorTools* tool = createVectorTool(VectorToolWriteVector);
        tool->setObserver(&observer);
        tool->writeLayers(layers, options);
        releaseVectorTool(tool);
    }

    RecordingObserver observer;
    QStringList revealed;

private:
    RevealHandler m_previous;
};

} // namespace vectortest
