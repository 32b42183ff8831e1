#include "OvCoordSystem/geodesy/EkGDALUtility.h"
#include "OvCoordSystem/geodesy/LocalGeoSRS.h"
#include "OvCoordSystem/geodesy/SpatialReferenceFactorySingleton.h"

#include <gtest/gtest.h>

#include <future>
#include <vector>

namespace {
CSpatialReferenceFactory& factory()
{
    return *CSpatialReferenceFactorySingleton::Instance();
}

CSpatialReference* make(const std::string& name, E_COORDINATE_SYSTEM coordSys, int epsg = -1)
{
    return EkGDALUtilityNS::MakeSpatialReference(
        name, coordSys, epsg, 0, false, {}, ELLIPOSE_ZONE_3, true);
}
} // namespace

// Callers on several threads at once get the one shared reference.
TEST(SpatialReferenceFactory, EpsgAndLocalReferencesAreSharedAndValid)
{
    std::vector<std::future<CSpatialReference*>> calls;
    for (int i = 0; i < 8; ++i)
        calls.push_back(
            std::async(std::launch::async, [] { return factory().GetOrCreateSRSViaEPSG(4326); }));
    CSpatialReference* wgs84 = calls.front().get();
    ASSERT_NE(wgs84, nullptr);
    for (size_t i = 1; i < calls.size(); ++i)
        EXPECT_EQ(calls[i].get(), wgs84);
    EXPECT_TRUE(wgs84->IsOGRSRSValid() && wgs84->GetEPSG() == 4326);
    EXPECT_EQ(wgs84->GetOGRSRS()->GetAxisMappingStrategy(), OAMS_TRADITIONAL_GIS_ORDER);
    EXPECT_NE(factory().GetOrCreateSRSViaEPSG(54004), nullptr); // ESRI codes are found too
    for (int code : { 0, -4326, 999999 })
        EXPECT_EQ(factory().GetOrCreateSRSViaEPSG(code), nullptr) << code;

    // The local offset systems: shared too, geographic or Web Mercator.
    const auto local = [](int kind) {
        return factory().GetOrCreateSRSViaLocalGeoSRS(static_cast<E_LOCAL_GEO_SRS>(kind));
    };
    for (int kind : { 2, 3, 4, 5 }) {
        CSpatialReference* srs = local(kind);
        ASSERT_TRUE(srs && local(kind) == srs) << kind;
        EXPECT_TRUE(srs->GetLocalGeoSRS() == kind
            && (srs->GetOGRSRS()->IsGeographic() != 0) == (kind == 2 || kind == 3))
            << kind;
    }
    for (int kind : { 0, 1, 6, 7 })
        EXPECT_EQ(local(kind), nullptr) << kind;
}

TEST(SpatialReferenceFactory, NamedReferencesAndDestroy)
{
    CSpatialReference* named = make("named-test", COORD_WGS84_LNGLAT);
    ASSERT_NE(named, nullptr);
    EXPECT_EQ(named->GetName(), "named-test");
    // The name is taken while the reference lives.
    EXPECT_FALSE(make("named-test", COORD_WGS84_LNGLAT) || make("", COORD_WGS84_LNGLAT));

    // Shared references are not destroyed.
    EXPECT_FALSE(factory().DestroyNamedSRS(factory().GetOrCreateSRSViaEPSG(4326))
        || factory().DestroyNamedSRS(nullptr));
    EXPECT_TRUE(factory().DestroyNamedSRS(named));
    // The name is free again.
    EXPECT_TRUE(factory().DestroyNamedSRS(make("named-test", COORD_WGS84_WEB_MERCATOR)));

    // Changing the OGR reference drops the EPSG code.
    CSpatialReference* srs = make("changed-test", COORD_BY_EPSG, 4326);
    ASSERT_TRUE(srs && srs->GetEPSG() == 4326);
    srs->GetOGRSRS()->SetProjCS("changed");
    EXPECT_EQ(srs->GetEPSG(), 0);
    EXPECT_TRUE(factory().DestroyNamedSRS(srs));
}
