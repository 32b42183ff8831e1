#include "OvCoordSystem/geodesy/EkGDALUtility.h"
#include "OvCoordSystem/geodesy/SpatialReferenceFactorySingleton.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

// Releases a named reference at the end of a test.
struct Named
{
    CSpatialReference* srs;
    ~Named() { CSpatialReferenceFactorySingleton::Instance()->DestroyNamedSRS(srs); }
};

Named make(E_COORDINATE_SYSTEM coordSys, int epsg, double centralMeridian, bool hzone,
    E_ELLIPOSE_ZONE zone, bool north, const tagGeoTransformParameter& params = {})
{
    static int serial = 0;
    return Named { EkGDALUtilityNS::MakeSpatialReference("ek-test-" + std::to_string(++serial),
        coordSys, epsg, centralMeridian, hzone, params, zone, north) };
}

// The reference of an EPSG code as PROJ has it, built at test time.
std::unique_ptr<OGRSpatialReference> proj(int epsg)
{
    auto srs = std::make_unique<OGRSpatialReference>();
    srs->importFromEPSG(epsg);
    srs->SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
    return srs;
}

// Same datum, projection and parameters as the EPSG code (EPSG's Gauss-Krüger codes list the
// northing axis first; the library keeps easting first, so axis order is not compared).
bool sameAs(const Named& made, int epsg)
{
    if (!made.srs) return false;
    const OGRSpatialReference* a = made.srs->GetOGRSRS();
    const std::unique_ptr<OGRSpatialReference> b = proj(epsg);
    const char* const options[] = { "IGNORE_DATA_AXIS_TO_SRS_AXIS_MAPPING=YES",
        "CRITERION=EQUIVALENT_EXCEPT_AXIS_ORDER_GEOGCRS", nullptr };
    if (a->IsGeographic() || !b->IsProjected()) return a->IsSame(b.get(), options);
    if (!a->IsSameGeogCS(b.get(), options)) return false;
    const char* pa = a->GetAttrValue("PROJECTION");
    const char* pb = b->GetAttrValue("PROJECTION");
    if (!pa || !pb || std::string(pa) != pb) return false;
    for (const char* parm : { SRS_PP_LATITUDE_OF_ORIGIN, SRS_PP_CENTRAL_MERIDIAN,
             SRS_PP_SCALE_FACTOR, SRS_PP_FALSE_EASTING, SRS_PP_FALSE_NORTHING }) {
        if (a->GetProjParm(parm, -1) != b->GetProjParm(parm, -1)) return false;
    }
    return a->GetLinearUnits() == b->GetLinearUnits();
}

// The fields of a description that are set, as text.
std::string fields(const tagCoordinateSystem& cs)
{
    QStringList out;
    if (cs.hasCentralMeridian) out << QStringLiteral("CM %1").arg(cs.centralMeridian);
    if (cs.hasZone) out << QStringLiteral("%1°").arg(cs.zone);
    if (cs.hasHZone) out << (cs.hzone ? "prefix" : "no prefix");
    if (cs.hasNorth) out << (cs.north ? "N" : "S");
    return out.join(", ").toStdString();
}

} // namespace

TEST(MakeSpatialReference, AsEpsgHasItOrAsTheParametersSayAndNothingForBadOnes)
{
    // EPSG 2415: Beijing 1954 / 3-degree Gauss-Kruger zone 39 (false easting 39 500 000 m);
    // 2436: the same zone, CM 117E, no prefix; 4527: CGCS2000 zone 39; 2345: Xian 1980 /
    // Gauss-Kruger CM 117E (6-degree); 21420: Beijing 1954 / Gauss-Kruger zone 20; then WGS84,
    // Web Mercator, UTM zones 50N, 18S and 60N, and a reference by its EPSG code.
    const struct
    {
        Named made;
        int epsg;
    } cases[] = { { make(COORD_BEIJING54_GAUSS, -1, 117, true, ELLIPOSE_ZONE_3, true), 2415 },
        { make(COORD_BEIJING54_GAUSS, -1, 117, false, ELLIPOSE_ZONE_3, true), 2436 },
        { make(COORD_CGCS2000_GAUSS, -1, 117, true, ELLIPOSE_ZONE_3, true), 4527 },
        { make(COORD_XIAN80_GAUSS, -1, 117, false, ELLIPOSE_ZONE_6, true), 2345 },
        { make(COORD_BEIJING54_GAUSS, -1, 117, true, ELLIPOSE_ZONE_6, true), 21420 },
        { make(COORD_WGS84_LNGLAT, -1, 0, false, ELLIPOSE_ZONE_3, true), 4326 },
        { make(COORD_WGS84_WEB_MERCATOR, -1, 0, false, ELLIPOSE_ZONE_3, true), 3857 },
        { make(COORD_WGS84_UTM, -1, 117, false, ELLIPOSE_ZONE_6, true), 32650 },
        { make(COORD_WGS84_UTM, -1, -75, false, ELLIPOSE_ZONE_6, false), 32718 },
        { make(COORD_WGS84_UTM, -1, 180, false, ELLIPOSE_ZONE_6, true), 32660 },
        { make(COORD_BY_EPSG, 2436, 0, false, ELLIPOSE_ZONE_3, true), 2436 } };
    for (const auto& c : cases) {
        ASSERT_NE(c.made.srs, nullptr) << c.epsg;
        EXPECT_TRUE(c.made.srs->IsOGRSRSValid() && sameAs(c.made, c.epsg))
            << c.epsg << ": " << c.made.srs->ToWktString();
    }
    // The comparison does tell zones apart.
    EXPECT_FALSE(sameAs(cases[1].made, 2415) || sameAs(cases[0].made, 2436));
    EXPECT_FALSE(sameAs(make(COORD_XIAN80_GAUSS, -1, 117, true, ELLIPOSE_ZONE_3, true), 2415));

    // The southern hemisphere, a free central meridian, a datum shift.
    const Named south = make(COORD_CGCS2000_GAUSS, -1, 117, false, ELLIPOSE_ZONE_3, false);
    ASSERT_NE(south.srs, nullptr);
    EXPECT_EQ(south.srs->GetOGRSRS()->GetProjParm(SRS_PP_FALSE_NORTHING), 10000000.0);

    const Named free = make(COORD_XIAN80_GAUSS, -1, 117.5, true, ELLIPOSE_ZONE_FREE, true);
    ASSERT_NE(free.srs, nullptr);
    EXPECT_EQ(free.srs->GetOGRSRS()->GetProjParm(SRS_PP_CENTRAL_MERIDIAN), 117.5);
    EXPECT_NE(free.srs->ToWktString().find("Transverse Mercator CM 117.5E"), std::string::npos);

    tagGeoTransformParameter shift;
    const double values[7] = { 15.8, -154.4, -82.3, 0.1, 0.2, 0.3, 1.5 };
    std::copy(values, values + 7, shift.params);
    const Named shifted = make(COORD_BEIJING54_GAUSS, -1, 117, true, ELLIPOSE_ZONE_3, true, shift);
    ASSERT_NE(shifted.srs, nullptr);
    double read[7] = {};
    ASSERT_EQ(shifted.srs->GetOGRSRS()->GetTOWGS84(read, 7), OGRERR_NONE);
    for (int i = 0; i < 7; ++i)
        EXPECT_DOUBLE_EQ(read[i], values[i]) << i;
    // All zero: no shift recorded.
    const Named plain = make(COORD_BEIJING54_GAUSS, -1, 117, true, ELLIPOSE_ZONE_3, true);
    EXPECT_NE(plain.srs->GetOGRSRS()->GetTOWGS84(read, 7), OGRERR_NONE);

    // Offset systems are named copies of the local ones; bad arguments make nothing.
    const Named gcj = make(COORD_GCJ02_WEB_MERCATOR, -1, 0, false, ELLIPOSE_ZONE_3, true);
    ASSERT_NE(gcj.srs, nullptr);
    EXPECT_EQ(gcj.srs->GetLocalGeoSRS(), LOCAL_GEO_SRS_GCJ02_WEB_MERCATOR);

    EXPECT_EQ(make(COORD_BY_EPSG, 999999, 0, false, ELLIPOSE_ZONE_3, true).srs, nullptr);
    EXPECT_EQ(make(static_cast<E_COORDINATE_SYSTEM>(7), 4326, 0, false, ELLIPOSE_ZONE_3, true).srs,
        nullptr);
    EXPECT_EQ(
        make(COORD_BEIJING54_GAUSS, -1, std::nan(""), false, ELLIPOSE_ZONE_3, true).srs, nullptr);
    EXPECT_EQ(make(COORD_WGS84_UTM, -1, 181, false, ELLIPOSE_ZONE_6, true).srs, nullptr);
}

TEST(CoordinateSystemDescription, FromEpsgCodes)
{
    const struct
    {
        int epsg;
        E_COORDINATE_SYSTEM coordSys;
        const char* fields;
    } cases[] = { { 2415, COORD_BEIJING54_GAUSS, "CM 117, 3°, prefix, N" },
        { 2436, COORD_BEIJING54_GAUSS, "CM 117, 3°, no prefix, N" },
        { 21460, COORD_BEIJING54_GAUSS, "CM 117, 6°, no prefix, N" },
        { 2345, COORD_XIAN80_GAUSS, "CM 117, 6°, no prefix, N" },
        { 4527, COORD_CGCS2000_GAUSS, "CM 117, 3°, prefix, N" },
        { 32650, COORD_WGS84_UTM, "CM 117, 6°, no prefix, N" },
        { 32718, COORD_WGS84_UTM, "CM -75, 6°, no prefix, S" }, { 4326, COORD_WGS84_LNGLAT, "" },
        { 3857, COORD_WGS84_WEB_MERCATOR, "" },
        // Geographic Beijing 1954: any system, nothing to take over.
        { 4214, COORD_BY_EPSG, "" } };
    for (const auto& c : cases) {
        tagCoordinateSystem cs;
        ASSERT_TRUE(EkGDALUtilityNS::ConvertEPSGToCoordSystem(c.epsg, cs)) << c.epsg;
        EXPECT_TRUE(cs.coordSys == c.coordSys && cs.epsg == c.epsg) << c.epsg;
        EXPECT_EQ(fields(cs), c.fields) << c.epsg;
    }
    tagCoordinateSystem cs;
    cs.hasZone = true;
    EXPECT_FALSE(EkGDALUtilityNS::ConvertEPSGToCoordSystem(999999, cs));
    EXPECT_FALSE(cs.hasZone); // reset on failure
    EXPECT_FALSE(EkGDALUtilityNS::ConvertEPSGToCoordSystem(-1, cs));
}

TEST(CoordinateSystemDescription, GuessFromWktOfMadeReferences)
{
    // A free central meridian tells no zone width.
    const struct
    {
        Named made;
        E_COORDINATE_SYSTEM coordSys;
        const char* fields;
    } cases[] = {
        { make(COORD_BEIJING54_GAUSS, -1, 117, true, ELLIPOSE_ZONE_3, true), COORD_BEIJING54_GAUSS,
            "CM 117, 3°, prefix, N" },
        { make(COORD_XIAN80_GAUSS, -1, 117, false, ELLIPOSE_ZONE_6, false), COORD_XIAN80_GAUSS,
            "CM 117, 6°, no prefix, S" },
        { make(COORD_CGCS2000_GAUSS, -1, 117.5, false, ELLIPOSE_ZONE_FREE, true),
            COORD_CGCS2000_GAUSS, "CM 117.5, no prefix, N" },
    };
    tagCoordinateSystem cs;
    for (const auto& c : cases) {
        ASSERT_TRUE(EkGDALUtilityNS::GuessCoordSystem(c.made.srs->ToWktString(), cs)) << c.fields;
        EXPECT_EQ(cs.coordSys, c.coordSys);
        EXPECT_EQ(fields(cs), c.fields);
    }
    for (const auto& [kind, coordSys] :
        { std::pair { 2, COORD_GCJ02_LNGLAT }, { 3, COORD_BD09_LNGLAT },
            { 4, COORD_GCJ02_WEB_MERCATOR }, { 5, COORD_BD09_WEB_MERCATOR } }) {
        CSpatialReference* local
            = CSpatialReferenceFactorySingleton::Instance()->GetOrCreateSRSViaLocalGeoSRS(
                static_cast<E_LOCAL_GEO_SRS>(kind));
        ASSERT_TRUE(EkGDALUtilityNS::GuessCoordSystem(local->ToWktString(), cs));
        EXPECT_EQ(cs.coordSys, coordSys) << kind;
    }

    EXPECT_FALSE(EkGDALUtilityNS::GuessCoordSystem("", cs));
    EXPECT_FALSE(EkGDALUtilityNS::GuessCoordSystem("PROJCS[broken", cs));
    EXPECT_FALSE(EkGDALUtilityNS::GuessCoordSystem("not a reference", cs));
}
