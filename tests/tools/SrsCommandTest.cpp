#include "OvcoordRun.h"

#include <QFile>
#include <QTemporaryDir>

#include <ogr_spatialref.h>

#include <gtest/gtest.h>

namespace {

// The printed WKT read back by GDAL.
OGRSpatialReference srsOf(const OvcoordRun& run)
{
    OGRSpatialReference srs;
    EXPECT_EQ(srs.importFromWkt(run.out.trimmed().constData()), OGRERR_NONE) << run.out.constData();
    return srs;
}

QStringList srsArgs(std::initializer_list<const char*> args)
{
    QStringList list { QStringLiteral("srs") };
    for (const char* arg : args)
        list << QString::fromUtf8(arg);
    return list;
}

} // namespace

// False eastings: 500 km, with the zone number (CM / 3 for 3-degree zones, (CM + 3) / 6 for
// 6-degree zones) times 10^6 m in front when asked for; 10,000 km false northing in the south.
TEST(SrsCommand, GaussKrugerZonesCheckedWithGdal)
{
    const struct
    {
        QStringList args;
        const char* geogCode;
        double meridian;
        double falseEasting;
        double falseNorthing;
    } cases[] = {
        { srsArgs({}), "4490", 117, 500000, 0 },
        { srsArgs({ "--datum", "beijing54", "--meridian", "117", "--prefix" }), "4214", 117,
            39500000, 0 },
        { srsArgs({ "--datum", "xian80", "--meridian", "111", "--zone", "6", "--prefix" }), "4610",
            111, 19500000, 0 },
        { srsArgs({ "--datum", "cgcs2000", "--meridian", "120", "--south" }), "4490", 120, 500000,
            10000000 },
    };
    for (const auto& c : cases) {
        const OvcoordRun run = runOvcoord(c.args);
        ASSERT_EQ(run.exitCode, 0) << run.err.constData();
        const OGRSpatialReference srs = srsOf(run);
        EXPECT_STREQ(srs.GetAttrValue("PROJECTION"), SRS_PT_TRANSVERSE_MERCATOR);
        EXPECT_STREQ(srs.GetAuthorityCode("GEOGCS"), c.geogCode);
        EXPECT_DOUBLE_EQ(srs.GetProjParm(SRS_PP_CENTRAL_MERIDIAN), c.meridian);
        EXPECT_DOUBLE_EQ(srs.GetProjParm(SRS_PP_FALSE_EASTING), c.falseEasting);
        EXPECT_DOUBLE_EQ(srs.GetProjParm(SRS_PP_FALSE_NORTHING), c.falseNorthing);
    }
}

TEST(SrsCommand, SevenParametersUtmAndCatalogueCodes)
{
    OvcoordRun run = runOvcoord(
        srsArgs({ "--datum", "xian80", "--seven", "24,-123,-94,0.02,-0.25,-0.13,1.1" }));
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    double towgs84[7];
    ASSERT_EQ(srsOf(run).GetTOWGS84(towgs84), OGRERR_NONE);
    EXPECT_DOUBLE_EQ(towgs84[1], -123);
    EXPECT_DOUBLE_EQ(towgs84[6], 1.1);

    run = runOvcoord(srsArgs({ "--datum", "wgs84", "--meridian", "-75", "--south" }));
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_STREQ(srsOf(run).GetAuthorityCode(nullptr), "32718");

    for (const char* code : { "4498", "4326", "3857", "2383" }) {
        run = runOvcoord(srsArgs({ "--epsg", code, "--meridian", "90" }));
        ASSERT_EQ(run.exitCode, 0) << code << run.err.constData();
        EXPECT_STREQ(srsOf(run).GetAuthorityCode(nullptr), code);
    }
}

TEST(SrsCommand, DxfGuessRunsFirst)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sheet.dxf"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        "  0\nSECTION\n  2\nHEADER\n  9\n$EXTMIN\n 10\n40512345.5\n 20\n3000000\n  0\nENDSEC\n");
    file.close();
    OvcoordRun run = runOvcoord({ QStringLiteral("srs"), QStringLiteral("--dxf"), path });
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    OGRSpatialReference srs = srsOf(run);
    EXPECT_DOUBLE_EQ(srs.GetProjParm(SRS_PP_CENTRAL_MERIDIAN), 120);
    EXPECT_DOUBLE_EQ(srs.GetProjParm(SRS_PP_FALSE_EASTING), 40500000);

    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("  9\n$EXTMIN\n 10\n99500000\n");
    file.close();
    run = runOvcoord({ QStringLiteral("srs"), QStringLiteral("--dxf"), path });
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.err.contains("99")) << run.err.constData();
    EXPECT_DOUBLE_EQ(srsOf(run).GetProjParm(SRS_PP_FALSE_EASTING), 500000) << "unchanged";
}

TEST(SrsCommand, BadChoicesAreRefused)
{
    const struct
    {
        QStringList args;
        int exitCode;
    } cases[] = {
        { srsArgs({ "--datum", "tokyo" }), 2 },
        { srsArgs({ "--meridian", "east" }), 2 },
        { srsArgs({ "--meridian", "200" }), 2 },
        { srsArgs({ "--zone", "4" }), 2 },
        { srsArgs({ "--seven", "1,2,3" }), 2 },
        { srsArgs({ "--seven", "1,2,3,4,5,6,x" }), 2 },
        { srsArgs({ "--epsg", "-5" }), 2 },
        { srsArgs({ "--epsg", "999999" }), 1 },
        { srsArgs({ "--dxf", "/nonexistent/a.dxf" }), 1 },
        { srsArgs({ "extra" }), 2 },
    };
    for (const auto& c : cases) {
        const OvcoordRun run = runOvcoord(c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.args.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_TRUE(run.err.startsWith("ovcoord srs: ")) << run.err.constData();
    }
}
