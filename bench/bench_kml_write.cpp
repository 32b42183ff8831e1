// Writing 100,000 placemarks (5-point polygons with a name, a remark and a pen and fill colour)
// to KML and KMZ through I_WriteVector::writeLayers, against the same features written with
// GDAL's "KML" and "LIBKML" drivers; and one polygon of 1,000,000 vertices to KML, ours against
// GDAL's KML driver. Reports features (or vertices) per second and each benchmark's peak memory
// above what the process held when it started; at the end each benchmark's speed relative to
// GDAL's (above 1: faster).
#include "PeakMemory.h"

#include "OvCoordSystem/vectors/I_WriteVector.h"

#include <benchmark/benchmark.h>
#include <gdal_priv.h>
#include <ogrsf_frmts.h>

#include <QDir>
#include <QFile>

#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <string>

namespace {

constexpr int kFeatures = 100000;
constexpr int kLargeVertices = 1000000;

// Squares of 0.04 by 0.2 degrees across China, a row of 1000 per 0.3 degrees of latitude.
VectorPointList ring(int i)
{
    const double lon = 73.0 + (i % 1000) * 0.05;
    const double lat = 18.0 + (i / 1000) * 0.3;
    return { CVector3D(lon, lat), CVector3D(lon + 0.04, lat), CVector3D(lon + 0.04, lat + 0.2),
        CVector3D(lon, lat + 0.2), CVector3D(lon, lat) };
}

const QVector<VectorLayerData>& layers()
{
    static const QVector<VectorLayerData> data = [] {
        VectorLayerData layer;
        layer.name = QStringLiteral("下载范围");
        layer.kind = VectorLayerData::Polygons;
        layer.fieldTypes.insert(QStringLiteral("NAME"), VectorLayerData::StringField);
        layer.fieldTypes.insert(QStringLiteral("REMARK"), VectorLayerData::StringField);
        layer.features.reserve(kFeatures);
        for (int i = 0; i < kFeatures; ++i) {
            VectorFeatureData feature;
            feature.geometryType = VectorFeatureData::Polygon;
            feature.parts = { ring(i) };
            feature.attributes.insert(QStringLiteral("NAME"), QStringLiteral("范围 %1").arg(i));
            feature.attributes.insert(QStringLiteral("REMARK"), QStringLiteral("第 %1 块").arg(i));
            feature.style.penColor = QColor(255, 0, 0);
            feature.style.fillColor = QColor(0, 0, 255, 64);
            feature.style.penWidth = 2.0f;
            layer.features.append(feature);
        }
        return QVector<VectorLayerData> { layer };
    }();
    return data;
}

// One polygon of kLargeVertices vertices: a circle of one degree around Beijing.
const QVector<VectorLayerData>& largePolygon()
{
    static const QVector<VectorLayerData> data = [] {
        VectorLayerData layer;
        layer.name = QStringLiteral("large");
        layer.kind = VectorLayerData::Polygons;
        VectorFeatureData feature;
        feature.geometryType = VectorFeatureData::Polygon;
        VectorPointList ring;
        ring.reserve(kLargeVertices);
        for (int i = 0; i < kLargeVertices - 1; ++i) {
            const double angle = 2.0 * M_PI * i / (kLargeVertices - 1);
            ring.append(CVector3D(116.4 + std::cos(angle), 39.9 + std::sin(angle)));
        }
        ring.append(ring.first());
        feature.parts = { ring };
        layer.features = { feature };
        return QVector<VectorLayerData> { layer };
    }();
    return data;
}

QString outputPath(const char* suffix)
{
    return QDir::tempPath()
        + QStringLiteral("/bench_kml_write_%1.%2").arg(getpid()).arg(QLatin1String(suffix));
}

void reportRate(benchmark::State& state, const QString& path, const PeakMemory& memory,
    int items = kFeatures, const char* unit = "features/s")
{
    memory.report(state);
    state.counters[unit] = benchmark::Counter(
        double(items) * double(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["size_MB"] = QFile(path).size() / 1e6;
    QFile::remove(path);
}

// writeLayers of DATA with SUFFIX ("kml" or "kmz") and kmlEncoding ENCODING.
void writeLayers(benchmark::State& state, const char* suffix, int encoding,
    const QVector<VectorLayerData>& data = layers())
{
    const PeakMemory memory;
    VectorWriteOptions options;
    options.path = outputPath(suffix);
    options.openFolderAfterWrite = false;
    options.kmlEncoding = encoding;
    for (auto _ : state) {
        I_WriteVector writer;
        writer.writeLayers(data, options);
    }
    if (!QFile::exists(options.path)) state.SkipWithError("nothing written");
    if (&data == &layers())
        reportRate(state, options.path, memory);
    else
        reportRate(state, options.path, memory, kLargeVertices, "vertices/s");
}

void BM_WriteLayersKml(benchmark::State& state)
{
    writeLayers(state, "kml", 0);
}

void BM_WriteLayersKmlUtf8(benchmark::State& state)
{
    writeLayers(state, "kml", 1);
}

void BM_WriteLayersKmz(benchmark::State& state)
{
    writeLayers(state, "kmz", 0);
}

void BM_WriteLayersKmzUtf8(benchmark::State& state)
{
    writeLayers(state, "kmz", 1);
}

void BM_LargePolygonKml(benchmark::State& state)
{
    writeLayers(state, "kml", 0, largePolygon());
}

// The same features through a GDAL driver: a field per attribute, the geometry and a style
// string with the pen and brush colours.
void gdalWrite(benchmark::State& state, const char* driverName, const char* suffix,
    const QVector<VectorLayerData>& data = layers())
{
    const PeakMemory memory;
    GDALAllRegister();
    GDALDriver* driver = GetGDALDriverManager()->GetDriverByName(driverName);
    if (!driver) {
        state.SkipWithError("driver missing");
        return;
    }
    const QString path = outputPath(suffix);
    const QByteArray localPath = QFile::encodeName(path);
    for (auto _ : state) {
        QFile::remove(path);
        std::unique_ptr<GDALDataset> dataset(
            driver->Create(localPath.constData(), 0, 0, 0, GDT_Unknown, nullptr));
        OGRSpatialReference wgs84;
        wgs84.SetWellKnownGeogCS("WGS84");
        wgs84.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
        OGRLayer* layer = dataset
            ? dataset->CreateLayer(data[0].name.toUtf8().constData(), &wgs84, wkbPolygon, nullptr)
            : nullptr;
        if (!layer) {
            state.SkipWithError("create failed");
            return;
        }
        OGRFieldDefn name("Name", OFTString);
        OGRFieldDefn description("Description", OFTString);
        layer->CreateField(&name);
        layer->CreateField(&description);
        for (const VectorFeatureData& record : data[0].features) {
            OGRFeature feature(layer->GetLayerDefn());
            feature.SetField(
                0, record.attributes.value(QStringLiteral("NAME")).toString().toUtf8().constData());
            feature.SetField(1,
                record.attributes.value(QStringLiteral("REMARK")).toString().toUtf8().constData());
            auto ringGeometry = std::make_unique<OGRLinearRing>();
            for (const CVector3D& point : record.parts.first())
                ringGeometry->addPoint(point.x, point.y, point.z);
            OGRPolygon polygon;
            polygon.addRingDirectly(ringGeometry.release());
            feature.SetGeometry(&polygon);
            feature.SetStyleString("PEN(c:#FF0000FF,w:2px);BRUSH(fc:#0000FF40)");
            if (layer->CreateFeature(&feature) != OGRERR_NONE) {
                state.SkipWithError("feature not written");
                return;
            }
        }
    }
    if (&data == &layers())
        reportRate(state, path, memory);
    else
        reportRate(state, path, memory, kLargeVertices, "vertices/s");
}

void BM_GdalKml(benchmark::State& state)
{
    gdalWrite(state, "KML", "kml");
}

void BM_GdalLibkml(benchmark::State& state)
{
    gdalWrite(state, "LIBKML", "kml");
}

void BM_GdalLibkmlKmz(benchmark::State& state)
{
    gdalWrite(state, "LIBKML", "kmz");
}

void BM_GdalLargePolygonKml(benchmark::State& state)
{
    gdalWrite(state, "KML", "kml", largePolygon());
}

// Prints the results as usual, then each benchmark's rate over its GDAL reference: KMZ over
// LIBKML's KMZ, the large polygon over the KML driver's, everything else over the KML driver's.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred) continue;
            for (const char* unit : { "features/s", "vertices/s" }) {
                const auto rate = run.counters.find(unit);
                if (rate == run.counters.end()) continue;
                const std::string name = run.benchmark_name();
                m_results[name.substr(0, name.find('/'))]
                    = { rate->second.value, run.counters.at("above_base_MB").value, unit };
            }
        }
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        std::printf("\nrate relative to GDAL (KMZ: LIBKML's KMZ; others: the KML driver):\n");
        for (const auto& result : m_results) {
            const std::string& name = result.first;
            const char* reference = name.find("Kmz") != std::string::npos ? "BM_GdalLibkmlKmz"
                : name.find("LargePolygon") != std::string::npos          ? "BM_GdalLargePolygonKml"
                                                                          : "BM_GdalKml";
            const auto base = m_results.find(reference);
            const double ratio
                = base == m_results.end() ? 0.0 : result.second.rate / base->second.rate;
            std::printf("  %-26s %10.0f %s  x%.2f  peak %+.0f MB\n", name.c_str(),
                result.second.rate, result.second.unit, ratio, result.second.aboveBaseMb);
        }
    }

private:
    struct Result
    {
        double rate;
        double aboveBaseMb;
        const char* unit;
    };
    std::map<std::string, Result> m_results;
};

} // namespace

BENCHMARK(BM_WriteLayersKml)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_WriteLayersKmlUtf8)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_WriteLayersKmz)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_WriteLayersKmzUtf8)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_LargePolygonKml)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_GdalKml)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_GdalLibkml)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_GdalLibkmlKmz)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_GdalLargePolygonKml)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
