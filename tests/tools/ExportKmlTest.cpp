// ovcoord export to KML and KMZ, in both encodings.
#include "OvcoordRun.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gdal_priv.h>
#include <ogrsf_frmts.h>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QString kSample = QStringLiteral(OV_TEST_DATA_DIR "/sample/range.geojson");

QByteArray run(const QString& program, const QStringList& args)
{
    QProcess process;
    process.start(program, args);
    process.waitForFinished(60000);
    return process.exitCode() == 0 ? process.readAllStandardOutput() : QByteArray("<failed>");
}

// Placemark names as GDAL's LIBKML driver reads them.
QStringList libkmlNames(const QString& path)
{
    GDALAllRegister();
    const char* const drivers[] = { "LIBKML", nullptr };
    std::unique_ptr<GDALDataset> dataset(GDALDataset::Open(QFile::encodeName(path).constData(),
        GDAL_OF_VECTOR | GDAL_OF_READONLY, drivers, nullptr, nullptr));
    QStringList names;
    if (!dataset) return { QStringLiteral("<not opened>") };
    for (OGRLayer* layer : dataset->GetLayers()) {
        for (const auto& feature : *layer)
            names << QString::fromUtf8(feature->GetFieldAsString("Name"));
    }
    return names;
}

const QStringList kSampleNames = { QStringLiteral("故宫"), QStringLiteral("天坛公园"),
    QStringLiteral("颐和园"), QStringLiteral("天安门"), QStringLiteral("北京站"),
    QStringLiteral("鸟巢"), QStringLiteral("长安街"), QStringLiteral("中轴线") };

} // namespace

TEST(ExportKml, Gb2312ByDefaultUtf8OnRequest)
{
    QTemporaryDir dir;
    const QString kml = dir.filePath(QStringLiteral("range.kml"));
    const OvcoordRun legacy = runOvcoord({ QStringLiteral("export"), kSample, kml });
    ASSERT_EQ(legacy.exitCode, 0) << legacy.err.constData();
    EXPECT_EQ(legacy.out.trimmed(), QDir::toNativeSeparators(kml).toUtf8());
    QFile file(kml);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readLine().startsWith("<?xml version=\"1.0\" encoding=\"gb2312\""));
    const OvcoordRun check = runOvcoord({ QStringLiteral("kml-check"), kml });
    EXPECT_EQ(check.exitCode, 0);
    EXPECT_TRUE(check.out.contains("placemarks: 8")) << check.out.constData();

    const QString kmz = dir.filePath(QStringLiteral("range-utf8.kmz"));
    const OvcoordRun utf8 = runOvcoord({ QStringLiteral("export"), QStringLiteral("--kml-encoding"),
        QStringLiteral("UTF-8"), kSample, kmz });
    ASSERT_EQ(utf8.exitCode, 0) << utf8.err.constData();
    // Only the archive is written: the KML it was packed from is gone.
    EXPECT_EQ(utf8.out.trimmed(), QDir::toNativeSeparators(kmz).toUtf8());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files, QDir::Name),
        QStringList({ QStringLiteral("range-utf8.kmz"), QStringLiteral("range.kml") }));
    EXPECT_EQ(run(QStringLiteral("unzip"), { QStringLiteral("-Z1"), kmz }),
        QByteArray("range-utf8.kml\n"));
    EXPECT_TRUE(run(QStringLiteral("unzip"), { QStringLiteral("-p"), kmz })
                    .startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\""));
    EXPECT_EQ(libkmlNames(kmz), kSampleNames);
}

TEST(ExportKml, UsageErrors)
{
    QTemporaryDir dir;
    const QString kml = dir.filePath(QStringLiteral("range.kml"));
    const OvcoordRun badEncoding = runOvcoord({ QStringLiteral("export"),
        QStringLiteral("--kml-encoding"), QStringLiteral("latin1"), kSample, kml });
    EXPECT_EQ(badEncoding.exitCode, 2);
    EXPECT_TRUE(badEncoding.err.contains("--kml-encoding")) << badEncoding.err.constData();
    // KML holds the input's coordinates as they are.
    const OvcoordRun shifted = runOvcoord({ QStringLiteral("export"), QStringLiteral("--to"),
        QStringLiteral("gcj02"), kSample, kml });
    EXPECT_EQ(shifted.exitCode, 2);
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}
