// ovcoord export and kml-check; what is written is read back with GDAL.
#include "OvcoordRun.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextCodec>

#include <cpl_conv.h>
#include <gdal_priv.h>
#include <ogrsf_frmts.h>

#include <memory>

namespace {

const QString kSample = QStringLiteral(OV_TEST_DATA_DIR "/sample/range.geojson");

// The "NAME" (or NAME_FIELD) values of every feature of every layer, as GDAL
// reads them.
QStringList names(const QString& path, const char* driver = nullptr, const char* field = "NAME")
{
    GDALAllRegister();
    const char* const drivers[] = { driver, nullptr };
    std::unique_ptr<GDALDataset> dataset(GDALDataset::Open(QFile::encodeName(path).constData(),
        GDAL_OF_VECTOR | GDAL_OF_READONLY, driver ? drivers : nullptr, nullptr, nullptr));
    if (!dataset) return { QStringLiteral("<not opened>") };
    QStringList found;
    for (OGRLayer* layer : dataset->GetLayers()) {
        for (const auto& feature : *layer)
            found << QString::fromUtf8(feature->GetFieldAsString(field));
    }
    return found;
}

QStringList split(const char* utf8)
{
    return QString::fromUtf8(utf8).split(QLatin1Char(' '));
}

class ExportCommand : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }
    QString path(const char* name) const { return m_dir.filePath(QLatin1String(name)); }
    QString write(const char* name, const QByteArray& bytes) const
    {
        QFile file(path(name));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return file.fileName();
    }
    // The folder's entries, sub-folders included, by name.
    QStringList files() const
    {
        return QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    }
    QTemporaryDir m_dir;
};

TEST_F(ExportCommand, SampleToShapefilesAndBackKeepsFeaturesAndChineseText)
{
    QDir().mkpath(path("shp"));
    const ProgramRun toShp
        = runOvcoord({ QStringLiteral("export"), kSample, path("shp/range.shp") });
    ASSERT_EQ(toShp.exitCode, 0) << toShp.err.constData();
    // The files written, one a line: three Shapefiles with their companion files.
    EXPECT_EQ(QString::fromUtf8(toShp.out).split(QLatin1Char('\n')).filter(QStringLiteral(".shp")),
        (QStringList { path("shp/range_point.shp"), path("shp/range_polygon.shp"),
            path("shp/range_polyline.shp") }));
    EXPECT_EQ(names(path("shp/range_polygon.shp")), split("故宫 天坛公园 颐和园"));
    EXPECT_FALSE(toShp.err.contains("OvInterface")); // the library's debug lines stay quiet

    // The folder of Shapefiles reads as three layers, which go to a folder each.
    const ProgramRun back
        = runOvcoord({ QStringLiteral("export"), path("shp"), path("all.geojson") });
    ASSERT_EQ(back.exitCode, 0) << back.err.constData();
    EXPECT_EQ(back.out.count('\n'), 3);
    EXPECT_EQ(names(path("all/range_point/all.geojson")), split("天安门 北京站 鸟巢"));

    // --name names the DXF layer. The library writes DXF text as UTF-8 and reads it back so; the
    // header does not say it.
    const ProgramRun dxf
        = runOvcoord(commandArgs("export|--name|范围|%s|%d/named.dxf", m_dir.path()));
    ASSERT_EQ(dxf.exitCode, 0) << dxf.err.constData();
    CPLSetConfigOption("DXF_ENCODING", "UTF-8");
    EXPECT_EQ(names(path("named.dxf"), nullptr, "Layer").value(0), QStringLiteral("范围"));
    CPLSetConfigOption("DXF_ENCODING", nullptr);
}

// Reference: PROJ through gdaltransform, CGCS2000 (GRS80) transverse Mercator on 117 E.
TEST_F(ExportCommand, GaussKruegerTargetMatchesGdaltransform)
{
    const ProgramRun run = runOvcoord(
        commandArgs("export|--to|cgcs2000-gk|--meridian|117") << kSample << path("gk.geojson"));
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    GDALAllRegister();
    std::unique_ptr<GDALDataset> gk(GDALDataset::Open(
        QFile::encodeName(path("gk.geojson")).constData(), GDAL_OF_VECTOR | GDAL_OF_READONLY));
    ASSERT_TRUE(gk);
    const OGRPoint* tiananmen = nullptr;
    for (auto& feature : *gk->GetLayer(0)) {
        if (QString::fromUtf8(feature->GetFieldAsString("NAME")) == QStringLiteral("天安门"))
            tiananmen = feature->StealGeometry()->toPoint();
    }
    ASSERT_TRUE(tiananmen);
    const QByteArray reference = runProgram(QStringLiteral("gdaltransform"),
        commandArgs("-s_srs|+proj=longlat +datum=WGS84|-t_srs|+proj=tmerc +lon_0=117 +k=1 "
                    "+x_0=500000 +ellps=GRS80 +towgs84=0,0,0|-output_xy"),
        "116.3975 39.9087\n")
                                     .out;
    const QList<QByteArray> xy = reference.simplified().split(' ');
    ASSERT_EQ(xy.size(), 2) << reference.constData();
    EXPECT_NEAR(tiananmen->getX(), xy[0].toDouble(), 0.001);
    EXPECT_NEAR(tiananmen->getY(), xy[1].toDouble(), 0.001);
    delete tiananmen;
}

// Nothing is written on a failure; an existing output is replaced only with --force.
TEST_F(ExportCommand, FailuresAndUsageErrorsWriteNothing)
{
    write("notes.geojson", "{ this is not json");
    write("range_polygon.shp", "mine");
    expectCommandLines(
        {
            { "export|%s|%d/range.shp", 1, nullptr, "--force" },
            { "export|%s|%d/range.abc", 1, nullptr, "suffix" },
            { "export|%d/missing.geojson|%d/out.shp", 1, nullptr, "no such file" },
            { "export|%d/notes.geojson|%d/out.shp", 1, nullptr, "cannot read" },
            { "export|%s|%d/no/such/folder/out.shp", 1, nullptr, "does not exist" },
            { "export|%s", 2 },
            { "export|--to|xian80-gk|%s|%d/o.geojson", 2 },
            { "export|--from|mars|%s|%d/o.geojson", 2 },
            { "export|--to|epsg:999999|%s|%d/o.geojson", 2 },
            { "export|--to|utm|--meridian|east|%s|%d/o.geojson", 2 },
            // KML holds the input's coordinates as they are.
            { "export|--to|gcj02|%s|%d/o.kml", 2 },
            { "export|--kml-encoding|latin1|%s|%d/o.kml", 2, nullptr, "--kml-encoding" },
        },
        m_dir.path());
    EXPECT_EQ(files(), split("notes.geojson range_polygon.shp"));
    expectCommandLines(
        { { "export|--force|%s|%d/range.shp", 0, "range_polygon.shp" } }, m_dir.path());
    EXPECT_EQ(names(path("range_polygon.shp")).size(), 3);
}

TEST_F(ExportCommand, LargeInputShowsProgress)
{
    const QByteArray point = "{\"type\":\"Feature\",\"properties\":{\"ID\":1},\"geometry\":{"
                             "\"type\":\"Point\",\"coordinates\":[100,40]}}";
    const QByteArray json = "{\"type\":\"FeatureCollection\",\"features\":["
        + (point + ',').repeated(9999) + point + "]}";
    const ProgramRun run
        = runOvcoord({ QStringLiteral("export"), write("many.geojson", json), path("many.csv") });
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    // Standard error is a pipe here: a line per quarter, no bar frames.
    EXPECT_EQ(run.err, "writing 25%\nwriting 50%\nwriting 75%\nwriting 100%\n");
}

TEST_F(ExportCommand, KmlInGb2312ByDefaultKmzInUtf8OnRequestAndTheirCheck)
{
    const QString kml = path("range.kml");
    const ProgramRun legacy = runOvcoord({ QStringLiteral("export"), kSample, kml });
    ASSERT_EQ(legacy.exitCode, 0) << legacy.err.constData();
    EXPECT_EQ(legacy.out.trimmed(), QDir::toNativeSeparators(kml).toUtf8());

    const QString kmz = path("range-utf8.kmz");
    const ProgramRun utf8
        = runOvcoord(commandArgs("export|--kml-encoding|UTF-8") << kSample << kmz);
    ASSERT_EQ(utf8.exitCode, 0) << utf8.err.constData();
    // Only the archive is written: the KML it was packed from is gone.
    EXPECT_EQ(utf8.out.trimmed(), QDir::toNativeSeparators(kmz).toUtf8());
    EXPECT_EQ(files(), split("range-utf8.kmz range.kml"));
    EXPECT_EQ(runProgram(QStringLiteral("unzip"), { QStringLiteral("-Z1"), kmz }).out,
        QByteArray("range-utf8.kml\n"));
    EXPECT_TRUE(runProgram(QStringLiteral("unzip"), { QStringLiteral("-p"), kmz })
                    .out.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\""));
    EXPECT_EQ(names(kmz, "LIBKML", "Name"),
        split("故宫 天坛公园 颐和园 天安门 北京站 鸟巢 长安街 中轴线"));

    // kml-check counts what a KML holds, nested folders and multi-geometries included.
    QByteArray nested = "<?xml version=\"1.0\" encoding=\"gb2312\" ?>\n<kml "
                        "xmlns=\"http://www.opengis.net/kml/2.2\"><Document><name>@</name><Folder>"
                        "<Placemark><Point><coordinates>1,2,0</coordinates></Point></Placemark>"
                        "<Folder><Placemark><LineString><coordinates>1,2 3,4</coordinates>"
                        "</LineString></Placemark></Folder></Folder><Placemark><MultiGeometry>"
                        "<Polygon/><Polygon/><Point/></MultiGeometry></Placemark></Document>"
                        "<Placemark/></kml>\n";
    write("a.kml",
        nested.replace(
            "@", QTextCodec::codecForName("GB18030")->fromUnicode(QString::fromUtf8("北京"))));
    write("b.kml", "\xEF\xBB\xBF<kml><Placemark/></kml>");
    write("broken.kml", "<kml><Placemark></kml>");
    write("other.xml", "<gpx/>");
    expectCommandLines(
        {
            { "kml-check|%d/range.kml", 0,
                "encoding: gb2312 (GB18030 bytes)\ndocuments: 0\nfolders: 1\nplacemarks: 8\n" },
            { "kml-check|%d/a.kml", 0,
                "encoding: gb2312 (GB18030 bytes)\ndocuments: 1\nfolders: 2\n"
                "placemarks: 4\npoints: 2\nlines: 1\npolygons: 2\ntracks: 0\n" },
            { "kml-check|%d/b.kml", 0, "encoding: UTF-8 with byte-order mark\n" },
            { "kml-check|%d/missing.kml", 1, nullptr, "ovcoord kml-check: " },
            { "kml-check|%d/broken.kml", 1, nullptr, "line 1" },
            { "kml-check|%d/other.xml", 1, nullptr, "root element <gpx>" },
            { "kml-check", 2 },
        },
        m_dir.path());
}

} // namespace
