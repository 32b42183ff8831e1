#include "OvcoordRun.h"

#include <QFile>
#include <QTemporaryDir>

#include <ogr_spatialref.h>

#include <tuple>

// False eastings by hand: 500 km with zone × 10⁶ m in front (zone CM / 3, or (CM + 3) / 6).
TEST(SrsCommand, PrintsTheReferenceOfTheChoicesAndRefusesBadOnes)
{
    QTemporaryDir dir;
    QFile dxf(dir.filePath(QStringLiteral("sheet.dxf")));
    ASSERT_TRUE(dxf.open(QIODevice::WriteOnly) && dxf.write("  9\n$EXTMIN\n 10\n40512345.5\n") > 0);
    dxf.close();
    const struct
    {
        QString args;
        const char* code; // of the whole reference, or of its datum
        double meridian, falseEasting, scale;
    } cases[] = {
        { QStringLiteral("--datum beijing54 --prefix"), "4214", 117, 39500000, 0 },
        { QStringLiteral("--datum xian80 --meridian 111 --zone 6 --prefix --seven 1,2,3,4,5,6,7"),
            "4610", 111, 19500000, 7 },
        { QStringLiteral("--dxf ") + dxf.fileName(), "4490", 120, 40500000, 0 },
        { QStringLiteral("--epsg 4498 --meridian 90"), "4498", 117, 20500000, 0 },
        { QStringLiteral("--datum wgs84 --meridian -75 --south"), "32718", -75, 500000, 0 },
    };
    for (const auto& c : cases) {
        const ProgramRun run = runOvcoord(QStringList(QStringLiteral("srs")) + c.args.split(' '));
        ASSERT_EQ(run.exitCode, 0) << run.err.constData();
        OGRSpatialReference srs;
        ASSERT_EQ(srs.importFromWkt(run.out.trimmed().constData()), OGRERR_NONE);
        const char* code = srs.GetAuthorityCode(nullptr);
        EXPECT_STREQ(code ? code : srs.GetAuthorityCode("GEOGCS"), c.code);
        double towgs84[7] = {};
        srs.GetTOWGS84(towgs84);
        EXPECT_EQ(std::make_tuple(srs.GetProjParm(SRS_PP_CENTRAL_MERIDIAN),
                      srs.GetProjParm(SRS_PP_FALSE_EASTING), towgs84[6]),
            std::make_tuple(c.meridian, c.falseEasting, c.scale));
    }

    const char* srs = "ovcoord srs: ";
    expectCommandLines({ { "srs|--datum|tokyo", 2, nullptr, srs },
        { "srs|--meridian|200", 2, nullptr, srs }, { "srs|--zone|4", 2, nullptr, srs },
        { "srs|--seven|1,2,3", 2, nullptr, srs }, { "srs|--seven|1,2,3,4,5,6,x", 2, nullptr, srs },
        { "srs|--epsg|999999", 1, nullptr, srs },
        { "srs|--dxf|/nonexistent/a.dxf", 1, nullptr, srs }, { "srs|extra", 2, nullptr, srs } });
}
