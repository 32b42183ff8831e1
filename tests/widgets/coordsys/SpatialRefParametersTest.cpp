#include "CoordSysTestSupport.h"

#include "OvCoordSystem/geodesy/SpatialReference.h"
#include "OvCoordSystem/geodesy/SpatialReferenceFactorySingleton.h"
#include "OvCoordSystem/widgets/coordsys/SpatialRefParameters.h"

#include <QFile>

#include <ogr_spatialref.h>

#include <gtest/gtest.h>

using namespace coordsystest;

namespace {

// A reference made from the parameters, read back by GDAL from its WKT.
struct Made
{
    OGRSpatialReference srs;
    bool ok = false;
    int localGeoSRS = 0;
};

Made make(SpatialRefParameters& p, int epsg)
{
    Made made;
    CSpatialReference* srs = p.Make(epsg);
    if (!srs) return made;
    made.localGeoSRS = srs->GetLocalGeoSRS();
    made.ok = made.srs.importFromWkt(srs->ToWktString().c_str()) == OGRERR_NONE;
    CSpatialReferenceFactorySingleton::Instance()->DestroyNamedSRS(srs);
    return made;
}

double parm(const Made& m, const char* name)
{
    return m.srs.GetProjParm(name, -1.0);
}

} // namespace

TEST(SpatialRefParameters, GaussKrugerReferencesCheckedWithGdal)
{
    struct Case
    {
        E_COORDINATE_SYSTEM datum;
        double meridian;
        E_ELLIPOSE_ZONE zoning;
        bool prefix;
        bool north;
        const char* geogCode;
        double falseEasting;
        double falseNorthing;
    };
    const Case cases[] = {
        { COORD_BEIJING54_GAUSS, 117, ELLIPOSE_ZONE_3, false, true, "4214", 500000, 0 },
        { COORD_BEIJING54_GAUSS, 117, ELLIPOSE_ZONE_3, true, true, "4214", 39500000, 0 },
        { COORD_XIAN80_GAUSS, 117, ELLIPOSE_ZONE_6, true, true, "4610", 20500000, 0 },
        { COORD_CGCS2000_GAUSS, 111, ELLIPOSE_ZONE_6, false, false, "4490", 500000, 10000000 },
    };
    for (const Case& c : cases) {
        SpatialRefParameters p;
        p.coordSys = c.datum;
        p.meridian = c.meridian;
        p.zoning = c.zoning;
        p.addZoneNO = c.prefix;
        p.north = c.north;
        const Made m = make(p, -1);
        ASSERT_TRUE(m.ok) << c.datum;
        EXPECT_TRUE(m.srs.IsProjected());
        EXPECT_STREQ(m.srs.GetAttrValue("PROJECTION"), SRS_PT_TRANSVERSE_MERCATOR);
        EXPECT_STREQ(m.srs.GetAuthorityCode("GEOGCS"), c.geogCode);
        EXPECT_DOUBLE_EQ(parm(m, SRS_PP_CENTRAL_MERIDIAN), c.meridian);
        EXPECT_DOUBLE_EQ(parm(m, SRS_PP_FALSE_EASTING), c.falseEasting) << c.datum;
        EXPECT_DOUBLE_EQ(parm(m, SRS_PP_FALSE_NORTHING), c.falseNorthing);
        EXPECT_DOUBLE_EQ(parm(m, SRS_PP_SCALE_FACTOR), 1.0);
        double towgs84[7];
        EXPECT_NE(m.srs.GetTOWGS84(towgs84), OGRERR_NONE) << "no shift without parameters";
    }
}

TEST(SpatialRefParameters, SevenParametersBecomeTowgs84)
{
    SpatialRefParameters p;
    p.coordSys = COORD_XIAN80_GAUSS;
    const double seven[7] = { 24.0, -123.5, -94.25, 0.02, -0.25, -0.13, 1.1 };
    std::copy(seven, seven + 7, p.seven.params);
    const Made m = make(p, -1);
    ASSERT_TRUE(m.ok);
    double towgs84[7];
    ASSERT_EQ(m.srs.GetTOWGS84(towgs84), OGRERR_NONE);
    for (int i = 0; i < 7; ++i)
        EXPECT_DOUBLE_EQ(towgs84[i], seven[i]) << i;
    EXPECT_EQ(p.SevenText(), "24,-123.5,-94.25,0.02,-0.25,-0.13,1.1");
}

TEST(SpatialRefParameters, FreeProjectionTakesTheCallersParameters)
{
    SpatialRefParameters p;
    p.coordSys = COORD_CGCS2000_GAUSS;
    p.zoning = ELLIPOSE_ZONE_FREE;
    p.meridian = 117.5;
    p.latitudeOfOrigin = 30;
    p.falseEasting = 400000;
    p.falseNorthing = -3000000;
    const Made m = make(p, -1);
    ASSERT_TRUE(m.ok);
    EXPECT_DOUBLE_EQ(parm(m, SRS_PP_CENTRAL_MERIDIAN), 117.5);
    EXPECT_DOUBLE_EQ(parm(m, SRS_PP_LATITUDE_OF_ORIGIN), 30);
    EXPECT_DOUBLE_EQ(parm(m, SRS_PP_FALSE_EASTING), 400000);
    EXPECT_DOUBLE_EQ(parm(m, SRS_PP_FALSE_NORTHING), -3000000);

    // With 3-degree zones the caller's values do not replace the zone's.
    p.zoning = ELLIPOSE_ZONE_3;
    p.meridian = 117;
    const Made zoned = make(p, -1);
    EXPECT_DOUBLE_EQ(parm(zoned, SRS_PP_FALSE_EASTING), 500000);
    EXPECT_DOUBLE_EQ(parm(zoned, SRS_PP_LATITUDE_OF_ORIGIN), 0);
}

TEST(SpatialRefParameters, KindFollowsTheCodeAndTheOffsetSystemsAreLocal)
{
    SpatialRefParameters p;
    p.coordSys = COORD_BEIJING54_GAUSS;
    Made m = make(p, 4326);
    ASSERT_TRUE(m.ok);
    EXPECT_TRUE(m.srs.IsGeographic());
    EXPECT_STREQ(m.srs.GetAuthorityCode(nullptr), "4326");
    m = make(p, 3857);
    EXPECT_STREQ(m.srs.GetAuthorityCode(nullptr), "3857");
    m = make(p, 4498);
    EXPECT_STREQ(m.srs.GetAuthorityCode(nullptr), "4498");
    EXPECT_FALSE(make(p, 999999).ok) << "an unknown code makes no reference";

    p.coordSys = COORD_WGS84_UTM;
    p.meridian = 117;
    p.north = false;
    m = make(p, -1);
    EXPECT_STREQ(m.srs.GetAuthorityCode(nullptr), "32750");

    const std::pair<E_COORDINATE_SYSTEM, int> locals[]
        = { { COORD_BD09_LNGLAT, 3 }, { COORD_BD09_WEB_MERCATOR, 5 }, { COORD_GCJ02_LNGLAT, 2 },
              { COORD_GCJ02_WEB_MERCATOR, 4 } };
    for (const auto& [coordSys, local] : locals) {
        p.coordSys = coordSys;
        EXPECT_EQ(make(p, -1).localGeoSRS, local) << coordSys;
    }
}

TEST(SpatialRefParameters, InitalParameterTakesTheThreeDegreeZoneOfTheMiddle)
{
    SpatialRefParameters p;
    p.zoning = ELLIPOSE_ZONE_6;
    p.presetMeridian = 75;
    p.InitalParameter(EXTENT { 116.0, 30.0, 118.4, 40.0 }, false);
    EXPECT_DOUBLE_EQ(p.meridian, 117);
    EXPECT_EQ(p.zoning, ELLIPOSE_ZONE_3);
    EXPECT_TRUE(p.north);
    EXPECT_DOUBLE_EQ(p.presetMeridian, 75) << "the presets stay";
    p.InitalParameter(EXTENT { 118.6, 1.0, 119.0, -0.5 }, false);
    EXPECT_DOUBLE_EQ(p.meridian, 120);
    EXPECT_FALSE(p.north);
    // A BD09 extent near a zone line: shifted to WGS84 (about 0.0065 degrees west) first.
    p.InitalParameter(EXTENT { 118.5, 30.0, 118.5125, 31.0 }, true);
    EXPECT_DOUBLE_EQ(p.meridian, 117);
    p.InitalParameter(EXTENT { 118.5, 30.0, 118.5125, 31.0 }, false);
    EXPECT_DOUBLE_EQ(p.meridian, 120);
}

TEST(SpatialRefParameters, DxfGuessReadsTheZoneNumberOfExtMin)
{
    struct Case
    {
        const char* file;
        const char* x;
        bool prefix;
        double meridian;
        bool warned;
    };
    const Case cases[] = {
        { "zone39.dxf", "39500000.0", true, 117, false },
        { "plain.dxf", "500000.0", false, 108, false },
        { "zone75.dxf", "75000000.0", true, 108, true }, // unchanged but warned
        { "west.dxf", "-1500000", true, 108, true },
        { "text.dxf", "abc", true, 108, false }, // not a number: no $EXTMIN found
    };
    for (const Case& c : cases) {
        SpatialRefParameters p;
        p.coordSys = COORD_CGCS2000_GAUSS;
        p.meridian = p.presetMeridian = 108;
        p.addZoneNO = p.presetAddZoneNO = true;
        p.filePath = writeDxf(QString::fromLatin1(c.file), QString::fromLatin1(c.x));
        p.filePathPending = true;
        LogCapture log;
        p.GuessFromDxf();
        EXPECT_FALSE(p.filePathPending) << c.file;
        EXPECT_EQ(p.addZoneNO, c.prefix) << c.file;
        EXPECT_EQ(p.presetAddZoneNO, c.prefix) << c.file;
        EXPECT_DOUBLE_EQ(p.meridian, c.meridian) << c.file;
        EXPECT_DOUBLE_EQ(p.presetMeridian, c.meridian) << c.file;
        EXPECT_EQ(log.contains(QStringLiteral("解析到异常带号")), c.warned) << c.file;
    }
    SpatialRefParameters p;
    p.coordSys = COORD_BEIJING54_GAUSS;
    p.filePath = writeDxf(QStringLiteral("zone75b.dxf"), QStringLiteral("75000000.0"));
    p.filePathPending = true;
    LogCapture log;
    p.GuessFromDxf();
    EXPECT_TRUE(log.contains(QStringLiteral("】解析到异常带号：75")));
}

TEST(SpatialRefParameters, DxfGuessWaitsForItsCaseAndSkipsWhatItCannotRead)
{
    SpatialRefParameters p;
    p.coordSys = COORD_BEIJING54_GAUSS;
    p.filePath = writeDxf(QStringLiteral("upper.DXF"), QStringLiteral("39500000"));
    p.filePathPending = true;
    p.GuessFromDxf();
    EXPECT_TRUE(p.filePathPending) << "an upper-case suffix stays pending";
    EXPECT_FALSE(p.addZoneNO);

    p.filePath = writeDxf(QStringLiteral("later.dxf"), QStringLiteral("39500000"));
    p.coordSys = COORD_WGS84_UTM;
    p.GuessFromDxf();
    EXPECT_TRUE(p.filePathPending) << "not a Gauss-Krüger datum";
    p.coordSys = COORD_XIAN80_GAUSS;
    p.save = true;
    p.GuessFromDxf();
    EXPECT_TRUE(p.filePathPending) << "stored defaults apply";
    p.save = false;
    p.Make(-1);
    EXPECT_FALSE(p.filePathPending) << "making the reference runs the guess";
    EXPECT_TRUE(p.addZoneNO);
    EXPECT_DOUBLE_EQ(p.meridian, 117);

    p.filePath = configDir() + QStringLiteral("/missing/none.dxf");
    p.filePathPending = true;
    LogCapture log;
    p.GuessFromDxf();
    EXPECT_TRUE(log.contains(QStringLiteral("打开文件失败：") + p.filePath));
    EXPECT_FALSE(p.filePathPending);

    p.filePath = writeDxf(QStringLiteral("empty.dxf"), QString());
    QFile::resize(p.filePath, 0);
    p.filePathPending = true;
    p.GuessFromDxf();
    EXPECT_DOUBLE_EQ(p.meridian, 117) << "an empty file changes nothing";

    p.filePath.clear();
    p.filePathPending = true;
    p.GuessFromDxf();
    EXPECT_FALSE(p.filePathPending);
}

TEST(SpatialRefParameters, SevenTextIsReadByPosition)
{
    struct Case
    {
        const char* text;
        bool wellFormed;
        double first;
        double last;
    };
    const Case cases[] = {
        { "1,2,3,4,5,6,7", true, 1, 7 },
        { " 1.5 , 2,3,4,5,6,-7e-1", true, 1.5, -0.7 },
        { "1,2,3", false, 1, 0 },
        { "1,2,3,4,5,6,7,8", false, 1, 7 },
        { "1,x,3,4,5,6,7", false, 1, 7 },
        { "", false, 0, 0 },
        { "nan,2,3,4,5,6,inf", false, 0, 0 },
    };
    for (const Case& c : cases) {
        SpatialRefParameters p;
        LogCapture log;
        EXPECT_EQ(p.SetSevenFromText(c.text), c.wellFormed) << c.text;
        EXPECT_DOUBLE_EQ(p.seven.params[0], c.first) << c.text;
        EXPECT_DOUBLE_EQ(p.seven.params[6], c.last) << c.text;
        EXPECT_EQ(log.contains(QStringLiteral("七参数")), !c.wellFormed) << c.text;
    }
    SpatialRefParameters zeros;
    EXPECT_EQ(zeros.SevenText(), "0,0,0,0,0,0,0");
}

TEST(SpatialRefParameters, TakeFromEpsgKeepsWhatTheCodeDoesNotTell)
{
    SpatialRefParameters p;
    p.meridian = 99;
    p.TakeFromEpsg(4498); // CGCS2000 6-degree zone 20
    EXPECT_DOUBLE_EQ(p.meridian, 117);
    EXPECT_EQ(p.zoning, ELLIPOSE_ZONE_6);
    EXPECT_TRUE(p.addZoneNO);
    EXPECT_TRUE(p.north);
    LogCapture log;
    p.TakeFromEpsg(999999);
    EXPECT_TRUE(log.contains(QStringLiteral("获取坐标系统描述信息失败")));
    EXPECT_DOUBLE_EQ(p.meridian, 117);
}
