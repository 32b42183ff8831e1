#include "OvCoordSystem/coord/BD09CoordSys.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using coordinate::BD09CoordSys;

namespace {

// Mercator values agree with the reference to this (metres) and degrees to this.
constexpr double kMercatorTol_m = 1e-6;
constexpr double kDegreeTol_deg = 1e-12;

struct BandCase
{
    double x, y; // input
    double ex, ey; // expected output
};

// From the npm package gcoord 1.0.7 (`npm install gcoord` in a temporary folder, run with node:
// gcoord.transform([x, y], BD09, BD09MC), printed with toPrecision(17)). gcoord picks a band with
// y > LLBAND[k], the engine with y ≥ LLBAND[k]; these points lie inside a band, where both agree.
const BandCase kLngLatToMercator[] = {
    { 116.4, 74.999, 12957729.719023829, 12890145.738373995 }, // top of band 1
    { 120, 29.9999, 13358484.246578075, 3481977.0307099503 }, // top of band 4
    { 120, 10, 13358484.248097567, 1111404.9176868089 }, // band 5
    { -120, -10, -13358484.248097567, -1111404.9176868089 }, // negative: band 5
};

// At an exact band edge the edge's own band applies. Expected: gcoord at the edge plus 1e-10
// degrees (inside the same band for gcoord's strict test), printed with toPrecision(15); moving the
// latitude by 1e-10 degrees moves the northing by less than 1e-4 m.
const BandCase kLngLatEdges[] = {
    { 116.4, 60, 12957729.7190238, 8362392.05758959 },
    { 10, 45, 1113207.02357615, 5591021.37412752 },
    { 120, 30, 13358484.2447159, 3481989.86392413 },
    { 120, 15, 13358484.2465781, 1678043.12910335 },
};

// gcoord.transform([x, y], BD09MC, BD09), same run: MCBAND edges use |y| ≥ MCBAND[k] in both.
const BandCase kMercatorToLngLat[] = {
    { 12958813.9, 12890594.86, 116.40973926294915, 75.013250203144807 }, // edge of band 0
    { 1e7, 12890594.85, 89.830550969826533, 75.000001030769738 }, // just below: band 1
    { -5e6, 8362377.87, -44.915275481195337, 59.999999112324687 },
    { 5e6, 5591021, 44.915275468870064, 45.000000032089652 },
    { 13e6, 3481989.83, 116.77971627731415, 30.000000048235279 },
    { 13e6, 1678043.12, 116.77971626164992, 14.999999977923689 },
    { 13e6, 1678043.11, 116.77971624836117, 14.999999914634099 },
    { 13e6, 0, 116.77971624836117, -3.0682979999999998e-8 },
    { -13e6, -4e6, -116.77971627731415, -33.964920847828580 }, // |y| picks the band
    { 2e6, -1e5, 17.966110194501685, -0.90438920650499233 },
};

// Band 5's northing polynomial written out with powers, from its LL2MC row: a negative latitude
// always takes band 5, however far south (Baidu's own quirk, kept).
double bandFiveNorthing(double lat)
{
    const double c[] = { 0.00369383431289, 823725.6402795718, 0.46104986909093, 2351.343141331292,
        1.58060784298199, 8.77738589078284, 0.37238884252424 };
    const double t = std::fabs(lat) / 7.45;
    double sum = 0;
    for (int i = 0; i < 7; ++i)
        sum += c[i] * std::pow(t, i);
    return lat < 0 ? -sum : sum;
}

} // namespace

TEST(BaiduMercator, LngLatToMercatorInsideBands)
{
    BD09CoordSys engine;
    for (const BandCase& c : kLngLatToMercator) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
        double x = c.x;
        double y = c.y;
        engine.LngLatToMercator(&x, &y, 1);
        EXPECT_NEAR(x, c.ex, kMercatorTol_m);
        EXPECT_NEAR(y, c.ey, kMercatorTol_m);
    }
}

TEST(BaiduMercator, LngLatBandEdgeBelongsToTheEdgesBand)
{
    BD09CoordSys engine;
    for (const BandCase& c : kLngLatEdges) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
        double x = c.x;
        double y = c.y;
        engine.LngLatToMercator(&x, &y, 1);
        EXPECT_NEAR(x, c.ex, 1e-3);
        EXPECT_NEAR(y, c.ey, 1e-3);
    }
    // Latitude 0 is not negative: band 5 with sign +, giving its constant term.
    double x = 120;
    double y = 0;
    engine.LngLatToMercator(&x, &y, 1);
    EXPECT_DOUBLE_EQ(y, 0.00369383431289);
}

TEST(BaiduMercator, NegativeLatitudesAlwaysUseTheLastBand)
{
    BD09CoordSys engine;
    for (double lat : { -0.5, -14.9, -15.0, -40.0, -70.0, -89.0 }) {
        SCOPED_TRACE(lat);
        double x = 20;
        double y = lat;
        engine.LngLatToMercator(&x, &y, 1);
        EXPECT_NEAR(y, bandFiveNorthing(lat), std::fabs(bandFiveNorthing(lat)) * 1e-14);
        // Longitude: band 5's c0 + c1·|x|.
        EXPECT_DOUBLE_EQ(x, -0.0003218135878613132 + 111320.7020701615 * 20);
    }
}

TEST(BaiduMercator, MercatorToLngLatAtBandEdges)
{
    BD09CoordSys engine;
    for (const BandCase& c : kMercatorToLngLat) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
        double x = c.x;
        double y = c.y;
        engine.MercatorToLngLat(&x, &y, 1);
        EXPECT_NEAR(x, c.ex, kDegreeTol_deg * 100);
        EXPECT_NEAR(y, c.ey, kDegreeTol_deg * 100);
    }
}

TEST(BaiduMercator, RoundTripInsideABandAndNaN)
{
    BD09CoordSys engine;
    double x[] = { 116.40973933698186, 87.627014577754650, std::nan("") };
    double y[] = { 39.924269294015090, 43.800164259592279, 30 };
    engine.LngLatToMercator(x, y, 3);
    engine.MercatorToLngLat(x, y, 3);
    EXPECT_NEAR(x[0], 116.40973933698186, 1e-6);
    EXPECT_NEAR(y[0], 39.924269294015090, 1e-6);
    EXPECT_NEAR(x[1], 87.627014577754650, 1e-6);
    EXPECT_TRUE(std::isnan(x[2]));
    double nx = 5;
    double ny = std::nan("");
    engine.LngLatToMercator(&nx, &ny, 1);
    EXPECT_EQ(nx, 5); // no band: left as it is
    engine.MercatorToLngLat(&nx, &ny, 1);
    EXPECT_EQ(nx, 5);
}
