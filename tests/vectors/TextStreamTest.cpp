#include "VectorTestSupport.h"

#include "OvCoordSystem/vectors/ExcelWriter.h"
#include "OvCoordSystem/vectors/TextWriter.h"

#include <QJsonArray>
#include <QJsonDocument>

using namespace vectors;
using namespace vectortest;

namespace {

const QList<WriterField> kFields
    = { { QStringLiteral("NAME"), 4, 50 }, { QStringLiteral("备注"), 4, 50 } };

const QMap<QString, QVariant> kAttributes = { { QStringLiteral("NAME"), QStringLiteral("北京市") },
    { QStringLiteral("备注"), QStringLiteral("首都") } };

QString fileText(const QString& path)
{
    return QString::fromLocal8Bit(fileBytes(path));
}

using TextStreamTest = StreamTest;

TEST_F(TextStreamTest, CsvStartsWithItsHeaderQuotesDelimitersReprojectsAndReadsBackWithGdal)
{
    const QString file = path(QStringLiteral("点.csv"));
    StreamPtr stream = openStream(file, kFields);
    VCTFeature point = featureFromWkt("POINT Z (116.391 39.907 44.5)", kAttributes);
    EXPECT_TRUE(stream->writeFeature(point));
    VCTFeature quoted = featureFromWkt("POINT (1 2)",
        { { QStringLiteral("NAME"), QStringLiteral("a,\"b\"") }, { QStringLiteral("备注"), 7 } });
    EXPECT_TRUE(stream->writeFeature(quoted));
    stream->close();
    EXPECT_EQ(fileText(file),
        QStringLiteral("NAME,备注,经度,纬度,海拔\r\n北京市,首都,116.391,39.907,44.5\r\n"
                       "\"a,\"\"b\"\"\",7,1,2,0\r\n"));
    const std::vector<ReadFeature> read = readBack(file).at(0).features;
    EXPECT_EQ(read.at(0).fields.value(QStringLiteral("海拔")), QStringLiteral("44.5"));
    EXPECT_EQ(read.at(1).fields.value("NAME"), QStringLiteral("a,\"b\""));

    // Copied OGR features and reprojected records.
    const QString reprojected = path(QStringLiteral("r.csv"));
    stream
        = openStream(reprojected, kFields, reprojecting(VECTOR_WGS84_LNGLAT, VECTOR_GCJ02_LNGLAT));
    EXPECT_TRUE(stream->copyFeatureWithLabel(
        sourceFeature("天坛", new OGRPoint(116.397128, 39.916527, 50.0)).get()));
    stream->close();
    // The GCJ02 position as the npm package gcoord 1.x gives it (see the VCT tests).
    const QMap<QString, QString> copied = readBack(reprojected).at(0).features.at(0).fields;
    EXPECT_EQ(copied.value("NAME"), QStringLiteral("天坛"));
    EXPECT_NEAR(copied.value(QStringLiteral("经度")).toDouble(), 116.403372494025, 1e-9);
    EXPECT_NEAR(copied.value(QStringLiteral("纬度")).toDouble(), 39.917930749246, 1e-9);
    EXPECT_EQ(copied.value(QStringLiteral("海拔")), QStringLiteral("50"));
}

TEST_F(TextStreamTest, DelimiterCodesSeparateTheValues)
{
    for (const auto& [code, row] : { std::pair { 0, "北京市,首都,1,2,0" },
             { 1, "北京市\t首都\t1\t2\t0" }, { 2, "北京市 首都 1 2 0" }, { 3, "北京市:首都:1:2:0" },
             { 4, "北京市;首都;1;2;0" }, { -1, "北京市,首都,1,2,0" } }) {
        const QString file = path(QStringLiteral("d%1.txt").arg(code));
        StreamPtr stream = openStream(file, kFields, {}, nullptr, code);
        VCTFeature line = featureFromWkt("LINESTRING (1 2, 1 2)", kAttributes);
        EXPECT_TRUE(stream->writeFeature(line));
        stream->close();
        const QString values = QString::fromUtf8(row);
        EXPECT_EQ(fileText(file),
            QStringLiteral("NAME,备注,经度,纬度,海拔\r\n") + values + QStringLiteral("\r\n")
                + values + QStringLiteral("\r\n"))
            << code;
    }
}

TEST_F(TextStreamTest, DatWritesNameRemarkAndCoordinatesWithSeparatorLines)
{
    for (const int separator : { 0, 1 }) {
        const QString file = path(QStringLiteral("s%1.dat").arg(separator));
        StreamPtr stream = openStream(file, kFields, {}, nullptr, 0, separator);
        // "name" and "remark" come from attributes of any case, else from the feature record.
        VCTFeature line = featureFromWkt("LINESTRING Z (116 39 1, 116.5 39.5 2.25)",
            { { QStringLiteral("Name"), QStringLiteral("路") },
                { QStringLiteral("REMARKS"), QStringLiteral("甲") } });
        VCTFeature point = featureFromWkt("POINT (1.0000005 -2)");
        point.name = QStringLiteral("点");
        point.remark = QStringLiteral("乙");
        EXPECT_TRUE(stream->writeFeature(line));
        EXPECT_TRUE(stream->writeFeature(point));
        stream->close();
        const QString gap = separator == 0 ? QStringLiteral(" \r\n") : QStringLiteral("\r\n");
        EXPECT_EQ(fileText(file),
            QStringLiteral("路,甲,116.000000,39.000000,1.000000\r\n"
                           "路,甲,116.500000,39.500000,2.250000\r\n")
                + gap + QStringLiteral("点,乙,1.000001,-2.000000,0.000000\r\n") + gap)
            << separator;
    }
}

TEST_F(TextStreamTest, UnsupportedGeometriesAndFailedWritesLeaveTheirReason)
{
    const QString file = path(QStringLiteral("u.txt"));
    StreamPtr stream = openStream(file, kFields);
    VCTFeature collection = featureFromWkt("GEOMETRYCOLLECTION (POINT (1 1))");
    EXPECT_FALSE(stream->writeFeature(collection));
    EXPECT_EQ(stream->errorText(), QStringLiteral("不支持的数据类型"));
    VCTFeature none;
    EXPECT_FALSE(stream->writeFeature(none));
    EXPECT_FALSE(stream->writeFeatureToLayer(none, nullptr));
    EXPECT_FALSE(stream->copyFeatureWithLabel(nullptr));
    stream->close();
    EXPECT_EQ(fileText(file), QString()); // no record, no header

    // A device that is always full: the loss shows when the text is flushed.
    TextWriter full;
    WriterParameters parameters;
    parameters.path = QStringLiteral("/dev/full");
    full.setParameters(parameters);
    full.setFields(kFields);
    ASSERT_TRUE(full.open());
    VCTFeature point = featureFromWkt("POINT (1 2)", kAttributes);
    full.writeFeature(point);
    full.close();
    EXPECT_EQ(full.errorText(), QStringLiteral("写入文件失败。"));
}

// Sheets of three rows here: the third record goes on to a second sheet under its own header.
TEST_F(TextStreamTest, ExcelSheetsReadBackWithXlrdAndFailuresLeaveTheirReason)
{
    const QString file = path(QStringLiteral("表.xls"));
    QList<WriterField> fields = kFields;
    fields << WriterField { QStringLiteral("COUNT"), 0, 10 };
    StreamPtr stream = openStream(file, fields);
    static_cast<ExcelWriter*>(stream.get())->setRowsPerSheet(3);
    QMap<QString, QVariant> attributes = kAttributes;
    attributes.insert(QStringLiteral("COUNT"), 7);
    VCTFeature line = featureFromWkt("LINESTRING Z (116 39 1, 116.5 39.5 2.25)", attributes);
    VCTFeature point = featureFromWkt("POINT (3 4)");
    EXPECT_TRUE(stream->writeFeature(line));
    EXPECT_TRUE(stream->writeFeature(point));
    stream->close();
    EXPECT_TRUE(stream->errorText().isEmpty()) << stream->errorText().toStdString();

    const QString script
        = QStringLiteral("import sys, json, xlrd\n"
                         "book = xlrd.open_workbook(sys.argv[1])\n"
                         "print(json.dumps([[s.name] + [s.row_values(r) for r in range(s.nrows)] "
                         "for s in book.sheets()]))\n");
    const QJsonArray header({ "NAME", "备注", "COUNT", "经度", "纬度", "海拔" });
    EXPECT_EQ(QJsonDocument::fromJson(runProgram(QStringLiteral("/usr/bin/python3"),
                                          { QStringLiteral("-c"), script, file })
                                          .out)
                  .array(),
        QJsonArray({ QJsonArray({ "Sheet1", header,
                         QJsonArray({ "北京市", "首都", 7.0, 116.0, 39.0, 1.0 }),
                         QJsonArray({ "北京市", "首都", 7.0, 116.5, 39.5, 2.25 }) }),
            QJsonArray({ "Sheet1 (2)", header, QJsonArray({ "", "", "", 3.0, 4.0, 0.0 }) }) }));

    // Failures leave their reason.
    ExcelWriter unnamed;
    EXPECT_FALSE(unnamed.open());
    EXPECT_EQ(unnamed.errorText(), QStringLiteral("创建工作簿失败。"));

    ExcelWriter missing;
    WriterParameters parameters;
    parameters.path = path(QStringLiteral("missing/a.xls"));
    missing.setParameters(parameters);
    ASSERT_TRUE(missing.open());
    missing.close();
    EXPECT_EQ(missing.errorText(), QStringLiteral("保存工作簿失败。"));
    EXPECT_FALSE(missing.writeFeature(point)); // closed
}

} // namespace
