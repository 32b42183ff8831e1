#include "OvcoordRun.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <cpl_conv.h>
#include <gdal_priv.h>
#include <ogrsf_frmts.h>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QString kSample = QStringLiteral(OV_TEST_DATA_DIR "/sample/range.geojson");

struct DatasetCloser
{
    void operator()(GDALDataset* dataset) const { GDALClose(dataset); }
};
using DatasetPtr = std::unique_ptr<GDALDataset, DatasetCloser>;

DatasetPtr openVector(const QString& path)
{
    GDALAllRegister();
    return DatasetPtr(
        GDALDataset::Open(QFile::encodeName(path).constData(), GDAL_OF_VECTOR | GDAL_OF_READONLY));
}

// Feature count and the "NAME" values of one layer.
struct LayerContents
{
    int count = 0;
    QStringList names;
};

LayerContents readLayer(OGRLayer* layer)
{
    LayerContents contents;
    layer->ResetReading();
    const int nameField = layer->GetLayerDefn()->GetFieldIndex("NAME");
    for (std::unique_ptr<OGRFeature> f(layer->GetNextFeature()); f;
         f.reset(layer->GetNextFeature())) {
        ++contents.count;
        if (nameField >= 0) contents.names << QString::fromUtf8(f->GetFieldAsString(nameField));
    }
    return contents;
}

QStringList lines(const QByteArray& text)
{
    return QString::fromUtf8(text).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

class ExportCommand : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }
    QString path(const QString& name) const { return m_dir.path() + QLatin1Char('/') + name; }
    QStringList files() const
    {
        QStringList found;
        QDirIterator it(m_dir.path(), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            found << QDir(m_dir.path()).relativeFilePath(it.next());
        found.sort();
        return found;
    }

private:
    QTemporaryDir m_dir;
};

TEST_F(ExportCommand, SampleToShapefilesAndBackToGeoJsonKeepsFeaturesAndChineseText)
{
    QDir().mkpath(path(QStringLiteral("shp")));
    const OvcoordRun toShp
        = runOvcoord({ QStringLiteral("export"), kSample, path(QStringLiteral("shp/range.shp")) });
    ASSERT_EQ(toShp.exitCode, 0) << toShp.err.constData();
    // The files written, one a line: three Shapefiles with their companion files.
    EXPECT_EQ(lines(toShp.out).filter(QStringLiteral(".shp")),
        (QStringList { path(QStringLiteral("shp/range_point.shp")),
            path(QStringLiteral("shp/range_polygon.shp")),
            path(QStringLiteral("shp/range_polyline.shp")) }));
    DatasetPtr polygons = openVector(path(QStringLiteral("shp/range_polygon.shp")));
    ASSERT_TRUE(polygons);
    const LayerContents contents = readLayer(polygons->GetLayer(0));
    EXPECT_EQ(contents.count, 3);
    EXPECT_EQ(contents.names,
        (QStringList {
            QStringLiteral("故宫"), QStringLiteral("天坛公园"), QStringLiteral("颐和园") }));

    // The folder of Shapefiles reads as three layers, which go to a folder each.
    const OvcoordRun back = runOvcoord({ QStringLiteral("export"), path(QStringLiteral("shp")),
        path(QStringLiteral("all.geojson")) });
    ASSERT_EQ(back.exitCode, 0) << back.err.constData();
    EXPECT_EQ(lines(back.out).size(), 3);
    DatasetPtr points = openVector(path(QStringLiteral("all/range_point/all.geojson")));
    ASSERT_TRUE(points);
    EXPECT_EQ(readLayer(points->GetLayer(0)).names,
        (QStringList {
            QStringLiteral("天安门"), QStringLiteral("北京站"), QStringLiteral("鸟巢") }));
}

TEST_F(ExportCommand, GaussKruegerTargetMatchesGdaltransform)
{
    const OvcoordRun run = runOvcoord({ QStringLiteral("export"), QStringLiteral("--to"),
        QStringLiteral("cgcs2000-gk"), QStringLiteral("--meridian"), QStringLiteral("117"), kSample,
        path(QStringLiteral("gk.geojson")) });
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    DatasetPtr gk = openVector(path(QStringLiteral("gk.geojson")));
    ASSERT_TRUE(gk);
    std::unique_ptr<OGRFeature> tiananmen;
    OGRLayer* layer = gk->GetLayer(0);
    for (tiananmen.reset(layer->GetNextFeature()); tiananmen;
         tiananmen.reset(layer->GetNextFeature())) {
        if (QString::fromUtf8(tiananmen->GetFieldAsString("NAME")) == QStringLiteral("天安门"))
            break;
    }
    ASSERT_TRUE(tiananmen);
    const OGRPoint* point = tiananmen->GetGeometryRef()->toPoint();

    // Reference: PROJ through gdaltransform, CGCS2000 (GRS80) transverse Mercator on 117 E.
    QProcess gdaltransform;
    gdaltransform.start(QStringLiteral("gdaltransform"),
        { QStringLiteral("-s_srs"), QStringLiteral("+proj=longlat +datum=WGS84"),
            QStringLiteral("-t_srs"),
            QStringLiteral("+proj=tmerc +lon_0=117 +k=1 +x_0=500000 +ellps=GRS80 +towgs84=0,0,0"),
            QStringLiteral("-output_xy") });
    gdaltransform.write("116.3975 39.9087\n");
    gdaltransform.closeWriteChannel();
    ASSERT_TRUE(gdaltransform.waitForFinished(30000));
    const QStringList reference
        = QString::fromLatin1(gdaltransform.readAllStandardOutput()).split(QLatin1Char(' '));
    ASSERT_EQ(reference.size(), 2);
    constexpr double kTolerance_m = 0.001;
    EXPECT_NEAR(point->getX(), reference[0].toDouble(), kTolerance_m);
    EXPECT_NEAR(point->getY(), reference[1].toDouble(), kTolerance_m);
}

TEST_F(ExportCommand, RefusesToReplaceExistingOutputWithoutForce)
{
    QFile mine(path(QStringLiteral("range_polygon.shp")));
    ASSERT_TRUE(mine.open(QIODevice::WriteOnly));
    mine.write("mine");
    mine.close();
    const QStringList args
        = { QStringLiteral("export"), kSample, path(QStringLiteral("range.shp")) };
    const OvcoordRun refused = runOvcoord(args);
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains("--force")) << refused.err.constData();
    EXPECT_EQ(files(), QStringList { QStringLiteral("range_polygon.shp") });

    const OvcoordRun forced = runOvcoord(args + QStringList { QStringLiteral("--force") });
    EXPECT_EQ(forced.exitCode, 0) << forced.err.constData();
    DatasetPtr replaced = openVector(path(QStringLiteral("range_polygon.shp")));
    ASSERT_TRUE(replaced);
    EXPECT_EQ(readLayer(replaced->GetLayer(0)).count, 3);
}

TEST_F(ExportCommand, NothingWrittenIsAFailure)
{
    QFile notVector(path(QStringLiteral("notes.geojson")));
    ASSERT_TRUE(notVector.open(QIODevice::WriteOnly));
    notVector.write("{ this is not json");
    notVector.close();
    const struct
    {
        QString input, output;
        const char* says;
    } cases[] = {
        { kSample, path(QStringLiteral("range.abc")), "suffix" },
        { path(QStringLiteral("missing.geojson")), path(QStringLiteral("out.shp")),
            "no such file" },
        { path(QStringLiteral("notes.geojson")), path(QStringLiteral("out.shp")), "cannot read" },
        { kSample, path(QStringLiteral("no/such/folder/out.shp")), "does not exist" },
    };
    for (const auto& c : cases) {
        const OvcoordRun run = runOvcoord({ QStringLiteral("export"), c.input, c.output });
        EXPECT_EQ(run.exitCode, 1) << c.says;
        EXPECT_TRUE(run.err.contains(c.says)) << run.err.constData();
        EXPECT_TRUE(run.out.isEmpty()) << c.says;
    }
    EXPECT_EQ(files(), QStringList { QStringLiteral("notes.geojson") });
}

TEST_F(ExportCommand, UsageErrors)
{
    const QString out = path(QStringLiteral("out.geojson"));
    const QStringList cases[] = {
        { kSample },
        { QStringLiteral("--to"), QStringLiteral("xian80-gk"), kSample, out },
        { QStringLiteral("--from"), QStringLiteral("mars"), kSample, out },
        { QStringLiteral("--to"), QStringLiteral("epsg:999999"), kSample, out },
        { QStringLiteral("--to"), QStringLiteral("utm"), QStringLiteral("--meridian"),
            QStringLiteral("east"), kSample, out },
    };
    for (const QStringList& args : cases) {
        const OvcoordRun run = runOvcoord(QStringList { QStringLiteral("export") } + args);
        EXPECT_EQ(run.exitCode, 2) << args.join(QLatin1Char(' ')).toStdString();
    }
    EXPECT_TRUE(files().isEmpty());
}

TEST_F(ExportCommand, NameOptionNamesTheDxfLayer)
{
    const OvcoordRun run = runOvcoord({ QStringLiteral("export"), QStringLiteral("--name"),
        QStringLiteral("范围"), kSample, path(QStringLiteral("named.dxf")) });
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    // The library writes DXF text as UTF-8 and reads it back so; the header does not say it.
    CPLSetConfigOption("DXF_ENCODING", "UTF-8");
    DatasetPtr dxf = openVector(path(QStringLiteral("named.dxf")));
    CPLSetConfigOption("DXF_ENCODING", nullptr);
    ASSERT_TRUE(dxf);
    OGRLayer* entities = dxf->GetLayer(0);
    std::unique_ptr<OGRFeature> first(entities->GetNextFeature());
    ASSERT_TRUE(first);
    EXPECT_EQ(QString::fromUtf8(first->GetFieldAsString("Layer")), QStringLiteral("范围"));
}

TEST_F(ExportCommand, LargeInputShowsProgress)
{
    QFile large(path(QStringLiteral("many.geojson")));
    ASSERT_TRUE(large.open(QIODevice::WriteOnly));
    large.write("{\"type\":\"FeatureCollection\",\"features\":[");
    constexpr int kFeatures = 10000;
    for (int i = 0; i < kFeatures; ++i) {
        large.write(QStringLiteral("%1{\"type\":\"Feature\",\"properties\":{\"ID\":%2},"
                                   "\"geometry\":{\"type\":\"Point\",\"coordinates\":[%3,40]}}")
                        .arg(i ? QStringLiteral(",") : QString())
                        .arg(i)
                        .arg(100.0 + i * 1e-4, 0, 'f', 4)
                        .toUtf8());
    }
    large.write("]}");
    large.close();
    const OvcoordRun run = runOvcoord(
        { QStringLiteral("export"), large.fileName(), path(QStringLiteral("many.csv")) });
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    // Standard error is a pipe here: a line per quarter, no bar frames.
    EXPECT_EQ(run.err, "writing 25%\nwriting 50%\nwriting 75%\nwriting 100%\n");
    EXPECT_FALSE(run.err.contains("OvInterface")); // the library's debug lines stay quiet
}

} // namespace
