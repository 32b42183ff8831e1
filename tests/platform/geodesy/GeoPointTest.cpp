#include "OvCoordSystem/geodesy/GeoPoint.h"
#include "OvCoordSystem/geodesy/SpatialReferenceFactorySingleton.h"

#include <gtest/gtest.h>

#include <iterator>
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

// The point is valid and within tol of (x, y); what names it in a failure.
void expectAt(const char* what, const CGeoPoint& p, double x, double y, double tol)
{
    ASSERT_TRUE(p.IsValid()) << what;
    EXPECT_NEAR(p.GetPosition().x, x, tol) << what;
    EXPECT_NEAR(p.GetPosition().y, y, tol) << what;
}

} // namespace

TEST(GeoPoint, OffsetSystemsMatchReferencePackageInvalidPointsStayInvalid)
{
    const Case& c = kCase;
    const CGeoPoint wgs(CVector3D(c.lng, c.lat, 1000), epsg(4326));
    const CGeoPoint gcj = wgs.Transform(local(2));
    expectAt("GCJ02", gcj, c.gcjLng, c.gcjLat, kDegTol);
    EXPECT_EQ(gcj.GetSpatialReference(), local(2));
    EXPECT_EQ(gcj.GetPosition().z, 1000); // heights pass through the offsets
    const CGeoPoint bd = gcj.Transform(local(3));
    expectAt("BD09", bd, c.bdLng, c.bdLat, kDegTol);
    // WGS84 straight to BD09 takes the same road.
    expectAt("WGS84 to BD09", wgs.Transform(local(3)), c.bdLng, c.bdLat, kDegTol);
    expectAt("BD09 to GCJ02", bd.Transform(local(2)), c.backLng, c.backLat, kDegTol);
    expectAt("Baidu Mercator", wgs.Transform(local(5)), c.mcX, c.mcY, kMetreTol);
    expectAt("one step back",
        CGeoPoint(CVector3D(c.gcjLng, c.gcjLat, 0), local(2)).TransformEPSG(4326), c.oneStepLng,
        c.oneStepLat, kDegTol);

    // Invalid points and transforms to no reference are invalid.
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const CGeoPoint p(CVector3D(116, 39, 1000), epsg(4326));
    EXPECT_TRUE(p.IsValid());
    const CGeoPoint invalid[] = { CGeoPoint(), CGeoPoint(CVector3D(116, 39, 1000), nullptr),
        CGeoPoint(CVector3D(nan, 39, 1000), epsg(4326)),
        CGeoPoint(CVector3D(116, std::numeric_limits<double>::infinity(), 0), epsg(4326)),
        p.Transform(nullptr), p.TransformEPSG(999999), CGeoPoint().Transform(local(2)),
        CGeoPoint().TransformEPSG(4326) };
    for (size_t i = 0; i < std::size(invalid); ++i)
        EXPECT_FALSE(invalid[i].IsValid()) << i;
}

TEST(GeoPoint, MercatorFormsAndRealReferencesMatchGdaltransform)
{
    // GCJ02 Web Mercator of the first case's GCJ02 point: `echo 116.40337249402477
    // 39.917930749245947 | gdaltransform -s_srs EPSG:4326 -t_srs EPSG:3857` (GDAL 3.6).
    const Case& c = kCase;
    const CGeoPoint gcjMercator
        = CGeoPoint(CVector3D(c.lng, c.lat, 0), epsg(4326)).Transform(local(4));
    expectAt("GCJ02 Web Mercator", gcjMercator, 12957964.1526546, 4854023.35686289, 1e-3);
    // Back to the longitude/latitude form of the same system.
    expectAt("GCJ02", gcjMercator.Transform(local(2)), c.gcjLng, c.gcjLat, 1e-9);
    // Baidu Mercator back to BD09 (Baidu's two polynomials are inverse to about a centimetre).
    expectAt("BD09", CGeoPoint(CVector3D(c.mcX, c.mcY, 0), local(5)).Transform(local(3)), c.bdLng,
        c.bdLat, 1e-6);

    // Real references go through OGR: `echo 116.397128 39.916527 | gdaltransform -s_srs EPSG:4326
    // -t_srs EPSG:3857` and
    // `-t_srs EPSG:2415` (Beijing 1954 / 3-degree Gauss-Kruger zone 39), GDAL 3.6.
    const CGeoPoint wgs(CVector3D(116.397128, 39.916527, 0), epsg(4326));
    expectAt("EPSG 3857", wgs.TransformEPSG(3857), 12957269.0187595, 4853819.61460916, 1e-3);
    const CGeoPoint gk = wgs.TransformEPSG(2415);
    expectAt("EPSG 2415", gk, 39448454.7703107, 4420512.8936429, 1e-2);
    // A Gauss-Krüger point to GCJ02: through WGS84, then the offset.
    expectAt("GCJ02", gk.Transform(local(2)), kCase.gcjLng, kCase.gcjLat, 1e-8);
}
