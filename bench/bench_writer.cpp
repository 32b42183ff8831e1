// Writing 100,000 polygons (5-vertex rings, one string attribute) to Shapefile, GeoJSON and CSV
// through I_WriteVector::writeLayers, against the same output made with plain OGR calls: the
// floor any writer on GDAL pays. Both sides write into a temporary folder.

#include "OvCoordSystem/vectors/I_VectorTools.h"
#include "OvCoordSystem/vectors/VectorToolFactory.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTextCodec>

#include <benchmark/benchmark.h>
#include <gdal_priv.h>
#include <ogr_spatialref.h>
#include <ogrsf_frmts.h>

#include <memory>

namespace {

constexpr int kFeatures = 100000;
constexpr double kSide_deg = 0.001;

// A grid of small squares over Beijing, each ring closed (5 vertices), named "地块<n>".
const VectorLayerData& polygonLayer()
{
    static const VectorLayerData layer = [] {
        VectorLayerData l;
        l.name = QStringLiteral("parcels");
        l.kind = VectorLayerData::Polygons;
        l.fieldTypes.insert(QStringLiteral("NAME"), VectorLayerData::StringField);
        l.features.reserve(kFeatures);
        for (int i = 0; i < kFeatures; ++i) {
            const double x = 116.0 + (i % 400) * kSide_deg * 2,
                         y = 39.5 + (i / 400) * kSide_deg * 2;
            VectorFeatureData f;
            f.geometryType = VectorFeatureData::Polygon;
            f.parts = { { CVector3D(x, y), CVector3D(x + kSide_deg, y),
                CVector3D(x + kSide_deg, y + kSide_deg), CVector3D(x, y + kSide_deg),
                CVector3D(x, y) } };
            f.attributes.insert(QStringLiteral("NAME"), QStringLiteral("地块%1").arg(i));
            l.features.append(f);
        }
        return l;
    }();
    return layer;
}

void countFeatures(benchmark::State& state)
{
    state.counters["features/s"] = benchmark::Counter(
        static_cast<double>(kFeatures) * state.iterations(), benchmark::Counter::kIsRate);
}

// Both sides run under the GDAL configuration the library sets when its first tool is made.
void prepareGdal()
{
    releaseVectorTool(createVectorTool(VectorToolWriteVector));
}

// One write through the library. Not inlined, so that profilers can single it out.
[[gnu::noinline]] void writeThroughLibrary(const VectorLayerData& layer, const QString& path)
{
    VectorWriteOptions options;
    options.path = path;
    options.openFolderAfterWrite = false;
    I_VectorTools* writer = createVectorTool(VectorToolWriteVector);
    writer->writeLayers({ layer }, options);
    releaseVectorTool(writer);
}

// The plain OGR floor: one dataset, one layer (WGS 84, the attribute as GB18030 bytes for the
// Shapefile, UTF-8 for GeoJSON), one polygon feature per record. False when a feature failed.
[[gnu::noinline]] bool writePlainOgr(
    const VectorLayerData& layer, GDALDriver* driver, const QByteArray& path, bool shapefile)
{
    // One encoder for the whole write: the codec's own fromUnicode sets up a converter per call.
    const std::unique_ptr<QTextEncoder> gb18030(QTextCodec::codecForName("GB18030")->makeEncoder());
    static OGRSpatialReference* const wgs84 = [] {
        auto* reference = new OGRSpatialReference;
        reference->importFromEPSG(4326);
        reference->SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
        return reference;
    }();
    driver->Delete(path.constData());
    GDALDataset* dataset = driver->Create(path.constData(), 0, 0, 0, GDT_Unknown, nullptr);
    char** options = shapefile ? CSLSetNameValue(nullptr, "ENCODING", "CP936") : nullptr;
    OGRLayer* out = dataset->CreateLayer("plain", wgs84, wkbPolygon, options);
    CSLDestroy(options);
    OGRFieldDefn name("NAME", OFTString);
    name.SetWidth(50);
    bool ok = out->CreateField(&name) == OGRERR_NONE;
    for (const VectorFeatureData& record : layer.features) {
        OGRFeature feature(out->GetLayerDefn());
        const QString text = record.attributes.value(QStringLiteral("NAME")).toString();
        feature.SetField(0, (shapefile ? gb18030->fromUnicode(text) : text.toUtf8()).constData());
        auto ring = std::make_unique<OGRLinearRing>();
        const VectorPointList& points = record.parts.first();
        ring->setNumPoints(points.size());
        for (int i = 0; i < points.size(); ++i)
            ring->setPoint(i, points[i].x, points[i].y);
        auto polygon = std::make_unique<OGRPolygon>();
        polygon->addRingDirectly(ring.release());
        feature.SetGeometryDirectly(polygon.release());
        ok = out->CreateFeature(&feature) == OGRERR_NONE && ok;
    }
    GDALClose(dataset);
    return ok;
}

void BM_WriteLayers(benchmark::State& state, const char* suffix)
{
    const VectorLayerData& layer = polygonLayer();
    prepareGdal();
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/bench.") + QLatin1String(suffix);
    for (auto _ : state)
        writeThroughLibrary(layer, path);
    countFeatures(state);
}

void BM_PlainOgr(benchmark::State& state, const char* driverName, const char* suffix)
{
    const VectorLayerData& layer = polygonLayer();
    prepareGdal();
    GDALDriver* driver = GetGDALDriverManager()->GetDriverByName(driverName);
    QTemporaryDir dir;
    const QByteArray path = QFile::encodeName(dir.path() + QStringLiteral("/plain.") + suffix);
    const bool shapefile = QLatin1String(suffix) == QLatin1String("shp");
    for (auto _ : state) {
        if (!writePlainOgr(layer, driver, path, shapefile)) state.SkipWithError("CreateFeature");
    }
    countFeatures(state);
}

// The CSV floor writes what the text writer writes: one record per vertex (name, x, y, z).
void BM_PlainOgrCsvRecords(benchmark::State& state)
{
    const VectorLayerData& layer = polygonLayer();
    prepareGdal();
    GDALDriver* driver = GetGDALDriverManager()->GetDriverByName("CSV");
    QTemporaryDir dir;
    const QByteArray path = QFile::encodeName(dir.path() + QStringLiteral("/plain.csv"));
    for (auto _ : state) {
        driver->Delete(path.constData());
        GDALDataset* dataset = driver->Create(path.constData(), 0, 0, 0, GDT_Unknown, nullptr);
        OGRLayer* out = dataset->CreateLayer("plain", nullptr, wkbNone, nullptr);
        for (const char* column : { "NAME", "经度", "纬度", "海拔" }) {
            OGRFieldDefn field(column, column == std::string("NAME") ? OFTString : OFTReal);
            out->CreateField(&field);
        }
        for (const VectorFeatureData& record : layer.features) {
            const QByteArray name
                = record.attributes.value(QStringLiteral("NAME")).toString().toUtf8();
            for (const CVector3D& p : record.parts.first()) {
                OGRFeature feature(out->GetLayerDefn());
                feature.SetField(0, name.constData());
                feature.SetField(1, p.x);
                feature.SetField(2, p.y);
                feature.SetField(3, p.z);
                if (out->CreateFeature(&feature) != OGRERR_NONE)
                    state.SkipWithError("CreateFeature");
            }
        }
        GDALClose(dataset);
    }
    countFeatures(state);
}

} // namespace

BENCHMARK_CAPTURE(BM_WriteLayers, shp, "shp")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_PlainOgr, shp, "ESRI Shapefile", "shp")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_WriteLayers, geojson, "geojson")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_PlainOgr, geojson, "GeoJSON", "geojson")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_WriteLayers, csv, "csv")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PlainOgrCsvRecords)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
