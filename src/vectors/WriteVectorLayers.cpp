#include "OvCoordSystem/vectors/I_WriteVector.h"

#include "OvCoordSystem/vectors/IWriterStream.h"
#include "OvCoordSystem/vectors/I_WriterVectorAdapter_p.h"
#include "OvCoordSystem/vectors/LayerPaths_p.h"
#include "OvCoordSystem/vectors/RecordGeometry_p.h"
#include "OvCoordSystem/vectors/ToolReports_p.h"
#include "OvCoordSystem/vectors/VCTFeature.h"
#include "OvCoordSystem/vectors/VCTGeometry.h"
#include "OvCoordSystem/vectors/VecKmlWriteThread.h"
#include "OvCoordSystem/vectors/WriterState_p.h"
#include "OvCoordSystem/vectors/WriterStreamFactory.h"

#include <QDebug>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

using namespace vectors;

namespace {

// LAYER, when it has features, then its sub-layers depth first. A sub-layer met twice (the tree
// may hold the same pointer in two places, or a cycle) is visited once.
void flattenLayer(const VectorLayerData& layer, QVector<VectorLayerData>& flat,
    QSet<const VectorLayerData*>& visited)
{
    if (!layer.features.isEmpty()) {
        flat.append(layer);
        flat.last().children.clear();
    }
    for (const VectorLayerData* child : layer.children) {
        if (!child || visited.contains(child)) continue;
        visited.insert(child);
        flattenLayer(*child, flat, visited);
    }
}

WriterParameters streamParameters(const VectorWriteOptions& options, const QString& path)
{
    WriterParameters parameters;
    parameters.coordParameters = options.coordParameters;
    parameters.falseEasting = options.coordParameters.falseEasting;
    parameters.path = path;
    std::copy(std::begin(options.textOptions), std::end(options.textOptions),
        std::begin(parameters.textOptions));
    parameters.geometryKind = WriterParameters::AnyGeometry;
    return parameters;
}

QList<WriterField> fieldList(const VectorLayerData& layer)
{
    QList<WriterField> fields;
    for (auto it = layer.fieldTypes.cbegin(); it != layer.fieldTypes.cend(); ++it) {
        WriterField field;
        field.name = it.key();
        field.type = it.value();
        field.width = layer.fieldWidths.value(it.key(), VectorLayerData::DefaultFieldWidth);
        fields.append(field);
    }
    return fields;
}

// Whether the stream gets FEATURE's style: lines and polygons always, a point only with a label
// text, a multi point with a label text or a fill colour.
bool carriesStyle(const VectorFeatureData& feature)
{
    switch (feature.geometryType) {
    case VectorFeatureData::Point:
        return !feature.style.text.isEmpty();
    case VectorFeatureData::MultiPoint:
        return !feature.style.text.isEmpty() || feature.style.fillColor.isValid();
    default:
        return true;
    }
}

using FeatureList = QVector<const VectorFeatureData*>;

// Feeds the features of one layer to streams, all configured alike, and reports the progress.
class LayerFeeder
{
public:
    LayerFeeder(const VectorLayerData& layer, const VectorWriteOptions& options,
        I_VectorToolObserver* observer)
        : m_fields(fieldList(layer))
        , m_options(options)
        , m_observer(observer)
        , m_polygons(upperSuffix(options.path) != QLatin1String("GPX"))
    { }

    void configure(IWriterStream& stream, const QString& path) const
    {
        stream.setReproject(m_options.coordParameters.reproject);
        stream.setParameters(streamParameters(m_options, path));
        stream.setFields(m_fields);
        stream.setEncoding(textEncodingCode(path));
    }

    // Writes FEATURES into a new file at PATH; false when the file could not be created.
    bool writeFile(const QString& path, const FeatureList& features) const
    {
        IWriterStream* stream = createWriterStream(path);
        configure(*stream, path);
        const bool opened = stream->open();
        if (opened) {
            writeFeatures(*stream, nullptr, features);
        } else {
            qDebug().noquote() << QStringLiteral("VuzUdur:") + stream->errorText() + path;
        }
        stream->close();
        releaseWriterStream(stream);
        return opened;
    }

    // Writes FEATURES into LAYER of STREAM, or into its current layer when LAYER is null.
    void writeFeatures(IWriterStream& stream, OGRLayer* layer, const FeatureList& features) const
    {
        qDebug().noquote() << "OvInterface:Current feature count:" << features.size();
        for (const VectorFeatureData* record : features) {
            VCTGeometry* geometry = recordGeometry(*record, m_polygons);
            if (!geometry) continue;
            logKind(record->geometryType);
            VCTFeature feature(geometry);
            for (const WriterField& field : m_fields) {
                const auto value = record->attributes.constFind(field.name);
                if (value != record->attributes.cend()) feature.setAttribute(field.name, *value);
            }
            feature.name = record->name;
            feature.remark = record->remark;
            if (carriesStyle(*record)) feature.setStyle(record->style);
            const bool written
                = layer ? stream.writeFeatureToLayer(feature, layer) : stream.writeFeature(feature);
            // A feature the driver refused is lost: say so, and do not count it.
            if (written)
                reportWritten();
            else
                qWarning().noquote()
                    << QStringLiteral("VuzUdur:") + stream.errorText() + m_options.path;
        }
    }

private:
    static void logKind(int geometryType)
    {
        if (geometryType == VectorFeatureData::Point
            || geometryType == VectorFeatureData::MultiPoint)
            qDebug("OvInterface:write point");
        else if (geometryType == VectorFeatureData::Line
            || geometryType == VectorFeatureData::MultiLine)
            qDebug("OvInterface:write polyline");
    }

    void reportWritten() const
    {
        if (!m_observer) return;
        WriterState& state = writerState();
        ++state.featuresWritten;
        reportProgress(
            m_observer, static_cast<int>(state.featuresWritten * state.progressStep * 100.0));
    }

    const QList<WriterField> m_fields;
    const VectorWriteOptions& m_options;
    I_VectorToolObserver* const m_observer;
    const bool m_polygons; // GPX has no polygons
};

// A Shapefile takes the shape type of its first feature and a multipoint file refuses single
// points, so with any multipoint among POINTS every point goes in as a multipoint of one point.
// STORE keeps the converted records.
void promotePoints(FeatureList& points, QVector<VectorFeatureData>& store)
{
    const bool mixed = std::any_of(points.cbegin(), points.cend(), [](const VectorFeatureData* f) {
        return f->geometryType == VectorFeatureData::MultiPoint;
    });
    if (!mixed) return;
    store.reserve(points.size());
    for (const VectorFeatureData*& record : points) {
        if (record->geometryType != VectorFeatureData::Point) continue;
        store.append(*record);
        VectorFeatureData& promoted = store.last();
        promoted.geometryType = VectorFeatureData::MultiPoint;
        while (promoted.parts.size() > 1)
            promoted.parts.removeLast();
        record = &promoted;
    }
}

void noteWritten(const QString& path)
{
    QString& last = writerState().lastWrittenPath;
    if (last.isEmpty()) last = path;
}

} // namespace

void I_WriteVector::writeLayers(
    const QVector<VectorLayerData>& layers, const VectorWriteOptions& options)
{
    const QString suffix = upperSuffix(options.path);
    if (suffix == QLatin1String("KML") || suffix == QLatin1String("KMZ")) {
        // KML and KMZ are written through the KML document model, not through GDAL.
        VecKmlWriteThread kmlWriter;
        kmlWriter.setEncoding(options.kmlEncoding);
        kmlWriter.write(layers, options.path, m_observer, options.openFolderAfterWrite);
        return;
    }
    QVector<VectorLayerData> flat;
    QSet<const VectorLayerData*> visited;
    for (const VectorLayerData& layer : layers)
        flattenLayer(layer, flat, visited);

    m_stream = sharedWriterStream(options.path);
    {
        I_WriterVectorAdapter adapter(options.path, m_observer);
        adapter.writeLayers(flat, options);
    }
    // Writing a layer releases the streams of both slots; this one is gone by now.
    m_stream = nullptr;
}

void I_WriteVector::writeLayer(const VectorLayerData& layer, const VectorWriteOptions& options)
{
    if (layer.features.isEmpty()) return;
    m_parameters = options;
    const LayerFeeder feeder(layer, options, m_observer);
    const QString suffix = upperSuffix(options.path);

    if (suffix == QLatin1String("KML") || suffix == QLatin1String("KMZ")) {
        // One folder layer per layer in the dataset the KML writer keeps open.
        m_stream = sharedWriterStream(options.path);
        feeder.configure(*m_stream, options.path);
        OGRLayer* folder = m_stream->createFolderLayer(layer.name);
        if (!folder) {
            qDebug().noquote() << QStringLiteral("VuzUdur:") + m_stream->errorText();
            m_stream = nullptr;
            return;
        }
        FeatureList all;
        for (const VectorFeatureData& feature : layer.features)
            all.append(&feature);
        feeder.writeFeatures(*m_stream, folder, all);
        m_stream = nullptr;
        noteWritten(options.path);
        return;
    }

    if (suffix == QLatin1String("SHP")) {
        // A Shapefile holds one kind of geometry: points, lines and polygons get a file each.
        FeatureList byKind[3];
        for (const VectorFeatureData& feature : layer.features) {
            const int family = geometryFamily(feature.geometryType);
            if (family >= 0) byKind[family].append(&feature);
        }
        QVector<VectorFeatureData> promoted;
        promotePoints(byKind[VectorLayerData::Points], promoted);
        static const char* const kKindWords[3] = { "point", "polyline", "polygon" };
        const QFileInfo info(options.path);
        for (int kind = 0; kind < 3; ++kind) {
            if (byKind[kind].isEmpty()) continue;
            const QString path = info.absolutePath() + QLatin1Char('/') + info.completeBaseName()
                + QStringLiteral("_%1.").arg(QLatin1String(kKindWords[kind]))
                + info.suffix().toLower();
            if (feeder.writeFile(path, byKind[kind])) noteWritten(path);
        }
        return;
    }

    FeatureList all;
    for (const VectorFeatureData& feature : layer.features)
        all.append(&feature);
    if (feeder.writeFile(options.path, all)) noteWritten(options.path);
}
