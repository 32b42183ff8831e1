#include "VectorTestSupport.h"

#include "OvCoordSystem/vectors/GDALWriter.h"
#include "OvCoordSystem/vectors/TextWriter.h"
#include "OvCoordSystem/vectors/VCTPoint.h"

#include <QFileInfo>

#include <limits>

using namespace vectors;
using namespace vectortest;

namespace {

const QList<WriterField> kFields = {
    { QStringLiteral("NAME"), 4, 50 },
    { QStringLiteral("名称"), 4, 20 },
    { QStringLiteral("COUNT"), 0, 10 },
    { QStringLiteral("AREA"), 2, 18 },
    { QStringLiteral("BIG"), 12, 20 },
};

QMap<QString, QVariant> chineseAttributes()
{
    return { { QStringLiteral("NAME"), QStringLiteral("北京市") },
        { QStringLiteral("名称"), QStringLiteral("天安门") }, { QStringLiteral("COUNT"), 42 },
        { QStringLiteral("AREA"), 1.5 }, { QStringLiteral("BIG"), qlonglong(5000000000LL) } };
}

using WriterStreamTest = StreamTest;

TEST(WriterStreamFactory, ChoosesStreamDriverAndEncodingBySuffix)
{
    for (const auto& [file, format, driver, encoding] :
        { std::tuple { "a.shp", GdalFormat, "ESRI Shapefile", 3 },
            { "a.DXF", GdalFormat, "DXF", 0 }, { "a.kml", GdalFormat, "LIBKML", 0 },
            { "a.gpx", GpxFormat, "GPX", 0 }, { "a.tab", GdalFormat, "MapInfo File", 3 },
            { "a.xlsx", GdalFormat, "XLSX", 3 }, { "a.GeoJSON", GdalFormat, "GEOJSON", 0 },
            { "a.csv", TextFormat, "", 3 }, { "a.xls", TextFormat, "", 3 },
            { "a.abc", GdalFormat, "", 3 } }) {
        const QString path = QString::fromLatin1(file);
        EXPECT_EQ(writerFormatCode(path), format) << file;
        EXPECT_EQ(gdalDriverName(path), QLatin1String(driver)) << file;
        EXPECT_EQ(textEncodingCode(path), encoding) << file;
    }
}

TEST(WriterStreamFactory, SharedSlotsHoldOneStreamPerFamilyUntilRelease)
{
    IWriterStream* gdal = sharedWriterStream(QStringLiteral("a.shp"));
    EXPECT_EQ(sharedWriterStream(QStringLiteral("b.geojson")), gdal);
    EXPECT_EQ(sharedWriterStream(QStringLiteral("c.gpx")), gdal); // the GDAL family's slot
    IWriterStream* text = sharedWriterStream(QStringLiteral("a.csv"));
    EXPECT_NE(text, gdal);
    EXPECT_EQ(sharedWriterStream(QStringLiteral("b.xls")), text);
    // Releasing any stream empties both slots; the shared pointers may still be handed in.
    releaseWriterStream(gdal);
    releaseWriterStream(text);
    releaseWriterStream(nullptr);
    IWriterStream* refilled = sharedWriterStream(QStringLiteral("a.txt"));
    EXPECT_NE(dynamic_cast<TextWriter*>(refilled), nullptr);
    releaseWriterStream(refilled);
}

TEST_F(WriterStreamTest, ShapefileKeepsChineseTextAndFieldTypesDropsZAndIsReplacedWhole)
{
    const QString file = path(QStringLiteral("点.shp"));
    bool opened = false;
    StreamPtr stream = openStream(file, kFields,
        reprojecting(VECTOR_WGS84_LNGLAT, VECTOR_WGS84_LNGLAT), &opened); // declares its system
    ASSERT_TRUE(opened) << stream->errorText().toStdString();
    VCTFeature feature = featureFromWkt("POINT Z (116.391 39.907 44.5)", chineseAttributes());
    EXPECT_TRUE(stream->writeFeature(feature));
    VCTFeature bare = featureFromWkt("POINT (1 2)"); // no attributes: empty fields
    EXPECT_TRUE(stream->writeFeature(bare));
    stream->close();

    EXPECT_EQ(fileBytes(path(QStringLiteral("点.cpg"))), QByteArray("CP936"));
    EXPECT_EQ(readBackText(file),
        (QStringList { QStringLiteral("[点]"),
            QStringLiteral("POINT (116.391 39.907) AREA=1.500000000 BIG=5000000000 "
                           "COUNT=42 NAME=北京市 名称=天安门"),
            QStringLiteral("POINT (1 2)") }));
    EXPECT_EQ(readBack(file)[0].fieldWidths[1], 20);
    // The caller's geometry keeps its height: only the written copy is flattened.
    EXPECT_EQ(feature.geometry()->getZ(), 44.5);

    // Writing again replaces the file and its side files; a layer option replaces the default
    // encoding.
    ASSERT_TRUE(QFileInfo::exists(path(QStringLiteral("点.prj"))));
    auto* again = static_cast<GDALWriter*>(createWriterStream(file));
    stream.reset(again);
    EXPECT_FALSE(again->setLayerOption(nullptr, "x") || again->setLayerOption("ENCODING", nullptr));
    EXPECT_TRUE(again->setLayerOption("ENCODING", "UTF-8"));
    WriterParameters parameters;
    parameters.path = file;
    again->setParameters(parameters);
    again->setFields(kFields.mid(0, 1));
    ASSERT_TRUE(again->open());
    VCTFeature point = featureFromWkt("POINT (2 2)");
    again->writeFeature(point);
    again->close();
    EXPECT_EQ(readBackText(file), (QStringList { QStringLiteral("[点]"), "POINT (2 2)" }));
    EXPECT_EQ(readBack(file)[0].fieldNames, QStringList { "NAME" });
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("点.prj"))));
    EXPECT_EQ(fileBytes(path(QStringLiteral("点.cpg"))), QByteArray("UTF-8"));
}

TEST_F(WriterStreamTest, OpenFailuresAndBadFeaturesLeaveTheirReason)
{
    for (const auto& [name, error] : { std::pair { "a.abc", "不支持的文件格式。" },
             { "noSuffix", "不支持的文件格式。" }, { "missing/a.shp", "无法创建图层。" },
             { "missing/a.geojson", "创建文件失败。" }, { "missing/a.gpx", "创建GPX文件失败。" },
             { "missing/a.txt", "创建文件失败。" }, { "", "创建文件失败。" } }) {
        const QString file = *name ? path(QString::fromLatin1(name)) : QString();
        bool opened = true;
        StreamPtr stream = openStream(file, kFields, VectorCoordParameters(), &opened);
        EXPECT_FALSE(opened) << name;
        EXPECT_EQ(stream->errorText(), QString::fromUtf8(error)) << name;
        // Writing into a stream that did not open fails without harm.
        VCTFeature feature = featureFromWkt("POINT (1 1)");
        EXPECT_FALSE(stream->writeFeature(feature)) << name;
        stream->close();
    }
    EXPECT_TRUE(QDir(m_dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());

    // Bad features are skipped with their reason.
    const QString file = path(QStringLiteral("bad.geojson"));
    StreamPtr stream
        = openStream(file, kFields, reprojecting(VECTOR_WGS84_LNGLAT, VECTOR_WGS84_WEB_MERCATOR));

    VCTFeature noGeometry;
    EXPECT_FALSE(stream->writeFeature(noGeometry));
    EXPECT_EQ(stream->errorText(), QStringLiteral("无效的几何图形。"));

    auto* nanPoint = new VCTPoint();
    nanPoint->setX(std::numeric_limits<double>::quiet_NaN());
    nanPoint->setY(10.0);
    VCTFeature notANumber(nanPoint);
    EXPECT_FALSE(stream->writeFeature(notANumber));
    EXPECT_EQ(stream->errorText(), QStringLiteral("坐标转换失败。"));

    VCTFeature good = featureFromWkt("POINT (0 0)", chineseAttributes());
    EXPECT_TRUE(stream->writeFeature(good));
    EXPECT_FALSE(stream->copyFeature(nullptr, stream->createFolderLayer(QString())));
    stream->close();
    EXPECT_TRUE(readBackText(file).last().startsWith(QStringLiteral("POINT (0 0) ")));
}

TEST_F(WriterStreamTest, DxfAndMapInfoKeepStylesAndDxfLabelsCopiedPoints)
{
    const QString dxf = path(QStringLiteral("styles.dxf"));
    StreamPtr stream = openStream(dxf, { { QStringLiteral("Layer"), 4, 50 } });
    FeatureStyleData style;
    style.penColor = QColor(255, 0, 0);
    style.penWidth = 1.5f; // lineweight entry trunc(34.5) / 10 = 3: 0.13 mm
    style.fillColor = QColor(0, 255, 0);
    VCTFeature line = featureFromWkt("LINESTRING (0 0, 10 10)", { { "Layer", "道路" } });
    line.setStyle(style);
    EXPECT_TRUE(stream->writeFeature(line));
    EXPECT_TRUE(stream->copyFeatureWithLabel(sourceFeature("天安门", new OGRPoint(5, 5)).get()));
    EXPECT_FALSE(stream->copyFeatureWithLabel(sourceFeature("空", nullptr).get()));
    EXPECT_EQ(stream->errorText(), QStringLiteral("无效的几何图形。"));
    stream->close();
    const QStringList read = readBackText(dxf);
    ASSERT_EQ(read.size(), 3) << read.join('\n').toStdString();
    EXPECT_TRUE(read[1].startsWith(QStringLiteral("LINESTRING (0 0,10 10) ")));
    EXPECT_TRUE(read[1].contains(QStringLiteral("Layer=道路")));
    EXPECT_TRUE(read[1].endsWith(QStringLiteral("{PEN(c:#ff0000,w:0.13g)}")));
    EXPECT_TRUE(read[2].contains(QStringLiteral("Text=天安门")));
    EXPECT_TRUE(read[2].contains(QStringLiteral("{LABEL(")));

    const QString tab = path(QStringLiteral("styles.tab"));
    stream = openStream(tab, kFields.mid(0, 1));
    VCTFeature polygon = featureFromWkt("POLYGON ((0 0, 1 0, 1 1, 0 0))");
    polygon.setStyle(style);
    EXPECT_TRUE(stream->writeFeature(polygon));
    stream->close();
    const QString mapInfo = readBackText(tab).value(1);
    EXPECT_TRUE(
        mapInfo.contains(QStringLiteral("BRUSH(fc:#00ff00")) && mapInfo.contains("c:#ff0000"))
        << mapInfo.toStdString();
}

TEST_F(WriterStreamTest, GpxWritesPointsAndLinesOnly)
{
    const QString file = path(QStringLiteral("track.gpx"));
    StreamPtr stream = openStream(
        file, { { QStringLiteral("name"), 4, 50 }, { QStringLiteral("备注"), 4, 50 } });
    const QMap<QString, QVariant> named
        = { { "name", QStringLiteral("山顶") }, { QStringLiteral("备注"), QStringLiteral("高") } };
    VCTFeature point = featureFromWkt("POINT Z (116.1 40.2 812.5)", named);
    VCTFeature line = featureFromWkt("LINESTRING Z (116 40 10, 116.5 40.5 20)", named);
    VCTFeature polygon = featureFromWkt("POLYGON ((0 0, 1 0, 1 1, 0 0))", named);
    VCTFeature multi = featureFromWkt("MULTIPOINT ((1 1), (2 2))", named);
    EXPECT_TRUE(stream->writeFeature(point));
    EXPECT_TRUE(stream->writeFeature(line));
    EXPECT_FALSE(stream->writeFeature(polygon));
    EXPECT_FALSE(stream->writeFeature(multi));
    EXPECT_TRUE(stream->errorText().isEmpty());
    stream->close();
    // Waypoint and route points carry name, height and the extension field.
    const QString read = readBackText(file).join('\n');
    for (const char* expected : { "POINT (116.1 40.2) ele=812.5 name=山顶 ogr_备注=高",
             "LINESTRING (116 40,116.5 40.5) name=山顶 ogr_备注=高",
             "POINT (116.5 40.5) ele=20 route_fid=0 route_point_id=1" })
        EXPECT_TRUE(read.contains(QString::fromUtf8(expected))) << read.toStdString();
}

TEST_F(WriterStreamTest, FolderLayersShareOneKmlDataset)
{
    const QString file = path(QStringLiteral("folders.kml"));
    StreamPtr stream(createWriterStream(file));
    WriterParameters parameters;
    parameters.path = file;
    stream->setParameters(parameters);
    stream->setFields(kFields.mid(0, 1));
    stream->setEncoding(textEncodingCode(file));
    ASSERT_TRUE(stream->createDataset(file)) << stream->errorText().toStdString();
    OGRLayer* first = stream->createFolderLayer(QStringLiteral("甲"));
    ASSERT_TRUE(first);
    OGRLayer* second = stream->createFolderLayer(QStringLiteral("乙"));
    ASSERT_TRUE(second);
    EXPECT_NE(first, second);
    EXPECT_EQ(stream->createFolderLayer(QStringLiteral("甲")), first);
    VCTFeature a = featureFromWkt("POINT (116 39)", chineseAttributes());
    VCTFeature b = featureFromWkt("LINESTRING (116 39, 117 40)", chineseAttributes());
    VCTFeature c = featureFromWkt("POINT (117 40)");
    EXPECT_TRUE(stream->writeFeatureToLayer(a, first));
    EXPECT_TRUE(stream->writeFeatureToLayer(b, second));
    EXPECT_TRUE(stream->writeFeature(c)); // the current layer: the folder asked for last
    stream->close();

    const QStringList read = readBackText(file);
    EXPECT_EQ(read.indexOf(QStringLiteral("[乙]")) - read.indexOf(QStringLiteral("[甲]")), 3);
    EXPECT_EQ(read.size(), 5) << read.join('\n').toStdString();
}

} // namespace
