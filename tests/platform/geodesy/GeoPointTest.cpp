#include "OvCoordSystem/geodesy/GeoPoint.h"
#include "OvCoordSystem/geodesy/SpatialReferenceFactorySingleton.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

CSpatialReference* epsg(int code)
{
    return CSpatialReferenceFactorySingleton::Instance()->GetOrCreateSRSViaEPSG(code);
}

CSpatialReference* local(int kind)
{
    return CSpatialReferenceFactorySingleton::Instance()->GetOrCreateSRSViaLocalGeoSRS(
        static_cast<E_LOCAL_GEO_SRS>(kind));
}

// Tolerances: degrees (about a micrometre) and metres.
constexpr double kDegTol = 1e-11;
constexpr double kMetreTol = 1e-4;

// From the npm package gcoord 1.0.7 (`npm install gcoord` in a temporary folder, run with node):
// WGS84 point, gcoord.transform(p, WGS84, GCJ02), (GCJ02 -> BD09), that point (BD09 -> GCJ02),
// (BD09 -> BD09MC), and 2·g − gcoord.transform(g, WGS84, GCJ02) for the GCJ02 point g (the one
// step back).
struct Case
{
    double lng, lat, gcjLng, gcjLat, bdLng, bdLat, backLng, backLat, mcX, mcY, oneStepLng,
        oneStepLat;
};
// One point: the formulas themselves are checked on many points with the coordinate engines.
const Case kCase = { 116.397128, 39.916527, 116.40337249402477, 39.917930749245947,
    116.40973933698186, 39.924269294015090, 116.40337283351784, 39.917930397011403,
    12958813.907270653, 4827263.8153930940, 116.39712753137543, 39.916526313089115 };

CVector3D xy(const CGeoPoint& p)
{
    return p.GetPosition();
}

} // namespace

TEST(GeoPoint, Validity)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(CGeoPoint().IsValid());
    EXPECT_FALSE(CGeoPoint(CVector3D(116, 39, 1000), nullptr).IsValid());
    EXPECT_FALSE(CGeoPoint(CVector3D(nan, 39, 1000), epsg(4326)).IsValid());
    EXPECT_FALSE(CGeoPoint(CVector3D(116, std::numeric_limits<double>::infinity(), 0), epsg(4326))
                     .IsValid());
    const CGeoPoint p(CVector3D(116, 39, 1000), epsg(4326));
    EXPECT_TRUE(p.IsValid());
    EXPECT_FALSE(p.Transform(nullptr).IsValid());
    EXPECT_FALSE(p.TransformEPSG(999999).IsValid());
    EXPECT_FALSE(CGeoPoint().Transform(local(2)).IsValid());
    EXPECT_FALSE(CGeoPoint().TransformEPSG(4326).IsValid());
}

TEST(GeoPoint, OffsetSystemsMatchReferencePackage)
{
    const Case& c = kCase;
    const CGeoPoint wgs(CVector3D(c.lng, c.lat, 1000), epsg(4326));
    const CGeoPoint gcj = wgs.Transform(local(2));
    ASSERT_TRUE(gcj.IsValid());
    EXPECT_EQ(gcj.GetSpatialReference(), local(2));
    EXPECT_NEAR(xy(gcj).x, c.gcjLng, kDegTol);
    EXPECT_NEAR(xy(gcj).y, c.gcjLat, kDegTol);
    EXPECT_EQ(xy(gcj).z, 1000); // heights pass through the offsets

    const CGeoPoint bd = gcj.Transform(local(3));
    ASSERT_TRUE(bd.IsValid());
    EXPECT_NEAR(xy(bd).x, c.bdLng, kDegTol);
    EXPECT_NEAR(xy(bd).y, c.bdLat, kDegTol);
    // WGS84 straight to BD09 takes the same road.
    EXPECT_NEAR(xy(wgs.Transform(local(3))).x, c.bdLng, kDegTol);

    const CGeoPoint back = bd.Transform(local(2));
    EXPECT_NEAR(xy(back).x, c.backLng, kDegTol);
    EXPECT_NEAR(xy(back).y, c.backLat, kDegTol);

    const CGeoPoint bdMercator = wgs.Transform(local(5));
    ASSERT_TRUE(bdMercator.IsValid());
    EXPECT_NEAR(xy(bdMercator).x, c.mcX, kMetreTol);
    EXPECT_NEAR(xy(bdMercator).y, c.mcY, kMetreTol);

    const CGeoPoint oneStep
        = CGeoPoint(CVector3D(c.gcjLng, c.gcjLat, 0), local(2)).TransformEPSG(4326);
    ASSERT_TRUE(oneStep.IsValid());
    EXPECT_NEAR(xy(oneStep).x, c.oneStepLng, kDegTol);
    EXPECT_NEAR(xy(oneStep).y, c.oneStepLat, kDegTol);
}

TEST(GeoPoint, MercatorForms)
{
    // GCJ02 Web Mercator of the first case's GCJ02 point: `echo 116.40337249402477
    // 39.917930749245947 | gdaltransform -s_srs EPSG:4326 -t_srs EPSG:3857` (GDAL 3.6).
    const Case& c = kCase;
    const CGeoPoint wgs(CVector3D(c.lng, c.lat, 0), epsg(4326));
    const CGeoPoint gcjMercator = wgs.Transform(local(4));
    ASSERT_TRUE(gcjMercator.IsValid());
    EXPECT_NEAR(xy(gcjMercator).x, 12957964.1526546, 1e-3);
    EXPECT_NEAR(xy(gcjMercator).y, 4854023.35686289, 1e-3);
    // Back to the longitude/latitude form of the same system.
    const CGeoPoint gcj = gcjMercator.Transform(local(2));
    EXPECT_NEAR(xy(gcj).x, c.gcjLng, 1e-9);
    EXPECT_NEAR(xy(gcj).y, c.gcjLat, 1e-9);
    // Baidu Mercator back to BD09 (Baidu's two polynomials are inverse to about a centimetre).
    const CGeoPoint bd = CGeoPoint(CVector3D(c.mcX, c.mcY, 0), local(5)).Transform(local(3));
    EXPECT_NEAR(xy(bd).x, c.bdLng, 1e-6);
    EXPECT_NEAR(xy(bd).y, c.bdLat, 1e-6);
}

TEST(GeoPoint, RealReferencesGoThroughOgr)
{
    // `echo 116.397128 39.916527 | gdaltransform -s_srs EPSG:4326 -t_srs EPSG:3857` and
    // `-t_srs EPSG:2415` (Beijing 1954 / 3-degree Gauss-Kruger zone 39), GDAL 3.6.
    const CGeoPoint wgs(CVector3D(116.397128, 39.916527, 0), epsg(4326));
    const CGeoPoint mercator = wgs.TransformEPSG(3857);
    ASSERT_TRUE(mercator.IsValid());
    EXPECT_NEAR(xy(mercator).x, 12957269.0187595, 1e-3);
    EXPECT_NEAR(xy(mercator).y, 4853819.61460916, 1e-3);
    const CGeoPoint gk = wgs.TransformEPSG(2415);
    ASSERT_TRUE(gk.IsValid());
    EXPECT_NEAR(xy(gk).x, 39448454.7703107, 1e-2);
    EXPECT_NEAR(xy(gk).y, 4420512.8936429, 1e-2);
    // A Gauss-Krüger point to GCJ02: through WGS84, then the offset.
    const CGeoPoint gcj = gk.Transform(local(2));
    ASSERT_TRUE(gcj.IsValid());
    EXPECT_NEAR(xy(gcj).x, kCase.gcjLng, 1e-8);
    EXPECT_NEAR(xy(gcj).y, kCase.gcjLat, 1e-8);
}

TEST(GeoPoint, OutsideTheOffsetAreaAndOutOfRange)
{
    // Outside the GCJ02 box WGS84 has no offset: the point comes back as it was.
    const CGeoPoint far(CVector3D(10, 10, 0), epsg(4326));
    const CGeoPoint gcj = far.Transform(local(2));
    ASSERT_TRUE(gcj.IsValid());
    EXPECT_EQ(xy(gcj).x, 10);
    EXPECT_EQ(xy(gcj).y, 10);
    EXPECT_EQ(xy(gcj.TransformEPSG(4326)).x, 10);
    // No longitude/latitude: no offset can be applied.
    for (const CVector3D& bad : { CVector3D(200, 10), CVector3D(10, -91), CVector3D(-180.5, 0) }) {
        EXPECT_FALSE(CGeoPoint(bad, epsg(4326)).Transform(local(2)).IsValid()) << bad.x;
        EXPECT_FALSE(CGeoPoint(bad, local(2)).TransformEPSG(4326).IsValid()) << bad.x;
        EXPECT_FALSE(CGeoPoint(bad, local(3)).Transform(local(2)).IsValid()) << bad.x;
    }
}
