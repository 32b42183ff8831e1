#include "CoordSysTestSupport.h"

#include "OvCoordSystem/geodesy/SpatialReference.h"
#include "OvCoordSystem/geodesy/SpatialReferenceFactorySingleton.h"
#include "OvCoordSystem/widgets/coordsys/SpatialRefParameters.h"

#include <ogr_spatialref.h>

#include <gtest/gtest.h>

using namespace coordsystest;

// The reference made for EPSG, read back by GDAL from its WKT.
OGRSpatialReference made(SpatialRefParameters& p, int epsg)
{
    CSpatialReference* srs = p.Make(epsg);
    const OGRSpatialReference ogr = readWithGdal(srs);
    CSpatialReferenceFactorySingleton::Instance()->DestroyNamedSRS(srs);
    return ogr;
}

// False eastings by hand: 500 km, with zone × 10⁶ m in front (zone CM / 3 or (CM + 3) / 6). The
// datums' prefixed zones and seven parameters also go through ovcoord srs.
TEST(SpatialRefParameters, GaussKrugerReferencesCheckedWithGdal)
{
    const struct
    {
        E_COORDINATE_SYSTEM datum;
        E_ELLIPOSE_ZONE zoning;
        double meridian, falseEasting, falseNorthing, scale;
        bool prefix, north;
        const char* geogCode;
    } cases[] = {
        { COORD_BEIJING54_GAUSS, ELLIPOSE_ZONE_3, 117, 39500000, 0, 1.5, true, true, "4214" },
        { COORD_CGCS2000_GAUSS, ELLIPOSE_ZONE_6, 111, 500000, 1e7, -2, false, false, "4490" },
        // A free zone takes the caller's false easting and northing.
        { COORD_CGCS2000_GAUSS, ELLIPOSE_ZONE_FREE, 117.5, 400000, -3e6, 0, true, true, "4490" },
    };
    for (const auto& c : cases) {
        SpatialRefParameters p;
        p.coordSys = c.datum;
        p.meridian = c.meridian;
        p.zoning = c.zoning;
        p.addZoneNO = c.prefix;
        p.north = c.north;
        p.falseEasting = 400000;
        p.falseNorthing = -3e6;
        p.seven.params[6] = c.scale;
        const OGRSpatialReference srs = made(p, -1);
        EXPECT_STREQ(srs.GetAttrValue("PROJECTION"), SRS_PT_TRANSVERSE_MERCATOR);
        EXPECT_STREQ(srs.GetAuthorityCode("GEOGCS"), c.geogCode);
        EXPECT_EQ(gaussOf(srs), std::make_tuple(c.meridian, c.falseEasting, c.scale));
        EXPECT_DOUBLE_EQ(srs.GetProjParm(SRS_PP_FALSE_NORTHING), c.falseNorthing);
        double towgs84[7];
        EXPECT_EQ(srs.GetTOWGS84(towgs84) == OGRERR_NONE, c.scale != 0);
    }
}

TEST(SpatialRefParameters, InitalParameterTakesTheThreeDegreeZoneOfTheMiddle)
{
    SpatialRefParameters p;
    p.zoning = ELLIPOSE_ZONE_6;
    p.InitalParameter(EXTENT { 116.0, 30.0, 118.4, 40.0 }, false);
    EXPECT_DOUBLE_EQ(p.meridian, 117);
    EXPECT_EQ(p.zoning, ELLIPOSE_ZONE_3);
    p.InitalParameter(EXTENT { 118.6, 1.0, 119.0, -0.5 }, false);
    EXPECT_DOUBLE_EQ(p.meridian, 120);
    EXPECT_FALSE(p.north);
    // BD09 lies about 0.0065° east of WGS84 here: the shift moves the middle back into zone 39.
    p.InitalParameter(EXTENT { 118.5, 30.0, 118.5125, 31.0 }, true);
    EXPECT_DOUBLE_EQ(p.meridian, 117);
    EXPECT_DOUBLE_EQ(p.presetMeridian, 117) << "the presets stay";
}

TEST(SpatialRefParameters, DxfGuessReadsTheZoneNumberOfExtMin)
{
    const struct
    {
        const char* file;
        const char* x;
        bool prefix, pending;
        double meridian;
        const char* log;
    } cases[] = {
        { "zone39.dxf", "39500000.0", true, false, 117, "" },
        { "plain.dxf", "500000.0", false, false, 108, "" },
        { "zone75.dxf", "75000000.0", true, false, 108, "】解析到异常带号：75" },
        { "text.dxf", "abc", true, false, 108, "" },
        { "upper.DXF", "39500000", true, true, 108, "" },
        { "missing/none.dxf", "", true, false, 108, "打开文件失败：" },
    };
    for (const auto& c : cases) {
        SpatialRefParameters p;
        p.coordSys = COORD_CGCS2000_GAUSS;
        p.meridian = p.presetMeridian = 108;
        p.addZoneNO = p.presetAddZoneNO = true;
        p.filePath = writeDxf(QString::fromLatin1(c.file), QString::fromLatin1(c.x));
        p.filePathPending = true;
        takeLog();
        p.GuessFromDxf();
        EXPECT_EQ(p.filePathPending, c.pending) << c.file;
        EXPECT_EQ(p.presetAddZoneNO, c.prefix) << c.file;
        EXPECT_DOUBLE_EQ(p.presetMeridian, c.meridian) << c.file;
        EXPECT_TRUE(takeLog().contains(QString::fromUtf8(c.log))) << c.file;
    }
    // Outside the Gauss-Krüger datums, or with stored defaults, the file waits.
    SpatialRefParameters p;
    p.filePath = writeDxf(QStringLiteral("later.dxf"), QStringLiteral("39500000"));
    p.filePathPending = p.save = true;
    p.coordSys = COORD_XIAN80_GAUSS;
    p.GuessFromDxf();
    p.save = false;
    p.coordSys = COORD_WGS84_UTM;
    p.GuessFromDxf();
    EXPECT_TRUE(p.filePathPending);
    p.coordSys = COORD_XIAN80_GAUSS;
    p.Make(-1);
    EXPECT_FALSE(p.filePathPending) << "making the reference runs the guess";
    EXPECT_DOUBLE_EQ(p.meridian, 117);
}

TEST(SpatialRefParameters, SevenTextIsReadByPosition)
{
    const struct
    {
        const char* text;
        bool wellFormed;
        double second, last;
    } cases[] = { { "1,2,3,4,5,6,7", true, 2, 7 }, { "1,2", false, 2, 0 },
        { "1,x,3,4,5,6,inf", false, 0, 0 } };
    for (const auto& c : cases) {
        SpatialRefParameters p;
        takeLog();
        EXPECT_EQ(p.SetSevenFromText(c.text), c.wellFormed) << c.text;
        EXPECT_DOUBLE_EQ(p.seven.params[1], c.second) << c.text;
        EXPECT_DOUBLE_EQ(p.seven.params[6], c.last) << c.text;
        EXPECT_EQ(takeLog().contains(QStringLiteral("七参数格式错误")), !c.wellFormed);
    }
    SpatialRefParameters p;
    p.seven.params[2] = -94.25;
    EXPECT_EQ(p.SevenText(), "0,0,-94.25,0,0,0,0");
}
