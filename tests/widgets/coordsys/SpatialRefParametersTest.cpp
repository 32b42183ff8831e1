#include "CoordSysTestSupport.h"

#include "OvCoordSystem/geodesy/SpatialReference.h"
#include "OvCoordSystem/geodesy/SpatialReferenceFactorySingleton.h"
#include "OvCoordSystem/widgets/coordsys/SpatialRefParameters.h"

#include <ogr_spatialref.h>

using namespace coordsystest;

// False eastings by hand: 500 km, with zone × 10⁶ m in front (zone CM / 3 or (CM + 3) / 6). The
// datums' prefixed zones and seven parameters go through ovcoord srs.
TEST(SpatialRefParameters, GaussKrugerReferencesCheckedWithGdal)
{
    // Zoning, meridian, false easting and northing, scale, prefix, north; a free zone takes the
    // caller's false easting and northing.
    const std::tuple<E_ELLIPOSE_ZONE, double, double, double, double, bool, bool> cases[] = {
        { ELLIPOSE_ZONE_6, 111, 500000, 1e7, -2, false, false },
        { ELLIPOSE_ZONE_FREE, 117.5, 400000, -3e6, 0, true, true },
    };
    for (const auto& [zoning, meridian, falseEasting, falseNorthing, scale, prefix, north] :
        cases) {
        SpatialRefParameters p;
        std::tie(p.coordSys, p.meridian, p.zoning, p.addZoneNO, p.north, p.seven.params[6],
            p.falseEasting, p.falseNorthing)
            = std::make_tuple(
                COORD_CGCS2000_GAUSS, meridian, zoning, prefix, north, scale, 400000.0, -3e6);
        CSpatialReference* made = p.Make(-1);
        const OGRSpatialReference srs = readWithGdal(made);
        CSpatialReferenceFactorySingleton::Instance()->DestroyNamedSRS(made);
        EXPECT_STREQ(srs.GetAttrValue("PROJECTION"), SRS_PT_TRANSVERSE_MERCATOR);
        EXPECT_STREQ(srs.GetAuthorityCode("GEOGCS"), "4490");
        EXPECT_EQ(gaussOf(srs), std::make_tuple(meridian, falseEasting, scale));
        double towgs84[7];
        EXPECT_TRUE(srs.GetProjParm(SRS_PP_FALSE_NORTHING) == falseNorthing
            && (srs.GetTOWGS84(towgs84) == OGRERR_NONE) == (scale != 0));
    }
}

TEST(SpatialRefParameters, InitalParameterTakesTheThreeDegreeZoneOfTheMiddle)
{
    SpatialRefParameters p;
    p.zoning = ELLIPOSE_ZONE_6;
    p.InitalParameter(EXTENT { 116.0, 30.0, 118.4, 40.0 }, false);
    EXPECT_TRUE(p.meridian == 117 && p.zoning == ELLIPOSE_ZONE_3);
    p.InitalParameter(EXTENT { 118.6, 1.0, 119.0, -0.5 }, false);
    EXPECT_TRUE(p.meridian == 120 && !p.north);
    // BD09 lies about 0.0065° east of WGS84 here: the shift moves the middle back into zone 39.
    p.InitalParameter(EXTENT { 118.5, 30.0, 118.5125, 31.0 }, true);
    EXPECT_TRUE(p.meridian == 117 && p.presetMeridian == 117) << "the presets stay";
}

// Outside the Gauss-Krüger datums, or with stored defaults, the file waits. (Making a reference
// runs the guess: ovcoord srs --dxf.)
TEST(SpatialRefParameters, DxfGuessReadsTheZoneNumberOfExtMin)
{
    // File, its X, datum, save flag; prefix, pending and meridian after the guess; the log.
    const std::tuple<const char*, const char*, E_COORDINATE_SYSTEM, bool, bool, bool, double,
        const char*>
        cases[] = {
            { "zone39.dxf", "39500000.0", COORD_CGCS2000_GAUSS, false, true, false, 117, "" },
            { "plain.dxf", "500000.0", COORD_CGCS2000_GAUSS, false, false, false, 108, "" },
            { "zone75.dxf", "75000000.0", COORD_XIAN80_GAUSS, false, true, false, 108,
                "】解析到异常带号：75" },
            { "text.dxf", "abc", COORD_CGCS2000_GAUSS, false, true, false, 108, "" },
            { "upper.DXF", "39500000", COORD_CGCS2000_GAUSS, false, true, true, 108, "" },
            { "missing/none.dxf", "", COORD_CGCS2000_GAUSS, false, true, false, 108,
                "打开文件失败：" },
            { "saved.dxf", "39500000", COORD_XIAN80_GAUSS, true, true, true, 108, "" },
            { "utm.dxf", "39500000", COORD_WGS84_UTM, false, true, true, 108, "" },
        };
    for (const auto& [file, x, datum, save, prefix, pending, meridian, log] : cases) {
        SpatialRefParameters p;
        std::tie(p.coordSys, p.save, p.meridian, p.presetMeridian, p.addZoneNO, p.presetAddZoneNO)
            = std::make_tuple(datum, save, 108, 108, true, true);
        p.filePath = writeDxf(QString::fromLatin1(file), QString::fromLatin1(x));
        p.filePathPending = true;
        takeLog();
        p.GuessFromDxf();
        EXPECT_TRUE(p.filePathPending == pending && p.presetAddZoneNO == prefix
            && p.presetMeridian == meridian)
            << file;
        EXPECT_TRUE(takeLog().contains(QString::fromUtf8(log))) << file;
    }
}

// (SevenText: the maker's settings-group test.)
TEST(SpatialRefParameters, SevenTextIsReadByPosition)
{
    // Text, well formed, the second and the last parameter.
    const std::tuple<const char*, bool, double, double> cases[] = { { "1,2,3,4,5,6,7", true, 2, 7 },
        { "1,2", false, 2, 0 }, { "1,x,3,4,5,6,inf", false, 0, 0 } };
    for (const auto& [text, wellFormed, second, last] : cases) {
        SpatialRefParameters p;
        takeLog();
        EXPECT_EQ(p.SetSevenFromText(text), wellFormed) << text;
        EXPECT_TRUE(p.seven.params[1] == second && p.seven.params[6] == last) << text;
        EXPECT_EQ(takeLog().contains(QStringLiteral("七参数格式错误")), !wellFormed);
    }
}
