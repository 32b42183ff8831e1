// Writing 100,000 placemarks (5-point polygons with a name, a remark and a pen and fill colour)
// to KML and KMZ through I_WriteVector::writeLayers, against the same features written with
// GDAL's "KML" and "LIBKML" drivers. Reports features per second, and at the end each
// benchmark's speed relative to GDAL's KML driver (above 1: faster).
#include "OvCoordSystem/vectors/I_WriteVector.h"

#include <benchmark/benchmark.h>
#include <gdal_priv.h>
#include <ogrsf_frmts.h>

#include <QDir>
#include <QFile>

#include <unistd.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>

namespace {

constexpr int kFeatures = 100000;

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

QString outputPath(const char* suffix)
{
    return QDir::tempPath()
        + QStringLiteral("/bench_kml_write_%1.%2").arg(getpid()).arg(QLatin1String(suffix));
}

void reportRate(benchmark::State& state, const QString& path)
{
    state.counters["features/s"] = benchmark::Counter(
        double(kFeatures) * double(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["size_MB"] = QFile(path).size() / 1e6;
    QFile::remove(path);
}

// writeLayers with SUFFIX ("kml" or "kmz") and kmlEncoding ENCODING.
void writeLayers(benchmark::State& state, const char* suffix, int encoding)
{
    const QVector<VectorLayerData>& data = layers();
    VectorWriteOptions options;
    options.path = outputPath(suffix);
    options.openFolderAfterWrite = false;
    options.kmlEncoding = encoding;
    for (auto _ : state) {
        I_WriteVector writer;
        writer.writeLayers(data, options);
    }
    if (!QFile::exists(options.path)) state.SkipWithError("nothing written");
    reportRate(state, options.path);
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

// The same features through a GDAL driver: a field per attribute, the geometry and a style
// string with the pen and brush colours.
void gdalWrite(benchmark::State& state, const char* driverName, const char* suffix)
{
    GDALAllRegister();
    GDALDriver* driver = GetGDALDriverManager()->GetDriverByName(driverName);
    if (!driver) {
        state.SkipWithError("driver missing");
        return;
    }
    const QVector<VectorLayerData>& data = layers();
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
    reportRate(state, path);
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

// Prints the results as usual, then each benchmark's features per second over GDAL's KML
// driver's.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const auto rate = run.counters.find("features/s");
            if (rate != run.counters.end() && !run.error_occurred)
                m_rates[run.benchmark_name()] = rate->second.value;
        }
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        const auto gdalKml = m_rates.find("BM_GdalKml/iterations:3");
        if (gdalKml == m_rates.end()) return;
        std::printf(
            "\nfeatures/s relative to GDAL's KML driver (%.0f features/s):\n", gdalKml->second);
        for (const auto& rate : m_rates)
            std::printf("  %-34s %10.0f features/s  x%.2f\n", rate.first.c_str(), rate.second,
                rate.second / gdalKml->second);
    }

private:
    std::map<std::string, double> m_rates;
};

} // namespace

BENCHMARK(BM_WriteLayersKml)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_WriteLayersKmlUtf8)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_WriteLayersKmz)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_GdalKml)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_GdalLibkml)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_GdalLibkmlKmz)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
