#include "OvCoordSystem/coord/BD09CoordSys.h"

#include <gtest/gtest.h>

#include <cmath>

using coordinate::BD09CoordSys;

namespace {

struct BandCase
{
    bool toMercator; // else Mercator to longitude/latitude
    double x, y, ex, ey, tol;
};

// From the npm package gcoord 1.0.7 (`npm install gcoord` in a temporary folder, run with node:
// gcoord.transform([x, y], BD09, BD09MC) or (BD09MC, BD09), printed with toPrecision(17)).
// gcoord picks a latitude band with y > LLBAND[k], the engine with y ≥ LLBAND[k]: at an exact edge
// the expected value is gcoord's at the edge plus 1e-10 degrees (toPrecision(15)), which moves the
// northing by less than 1e-4 m. MCBAND edges use |y| ≥ MCBAND[k] in both.
const BandCase kBands[] = {
    { true, 116.4, 74.999, 12957729.719023829, 12890145.738373995, 1e-6 }, // top of band 1
    { true, 120, 29.9999, 13358484.246578075, 3481977.0307099503, 1e-6 }, // top of band 4
    { true, 120, 10, 13358484.248097567, 1111404.9176868089, 1e-6 }, // band 5
    { true, -120, -10, -13358484.248097567, -1111404.9176868089, 1e-6 },
    { true, 116.4, 60, 12957729.7190238, 8362392.05758959, 1e-3 }, // edges
    { true, 10, 45, 1113207.02357615, 5591021.37412752, 1e-3 },
    { true, 120, 30, 13358484.2447159, 3481989.86392413, 1e-3 },
    { true, 120, 15, 13358484.2465781, 1678043.12910335, 1e-3 },
    { false, 12958813.9, 12890594.86, 116.40973926294915, 75.013250203144807, 1e-10 },
    { false, 1e7, 12890594.85, 89.830550969826533, 75.000001030769738, 1e-10 },
    { false, -5e6, 8362377.87, -44.915275481195337, 59.999999112324687, 1e-10 },
    { false, 5e6, 5591021, 44.915275468870064, 45.000000032089652, 1e-10 },
    { false, 13e6, 3481989.83, 116.77971627731415, 30.000000048235279, 1e-10 },
    { false, 13e6, 1678043.12, 116.77971626164992, 14.999999977923689, 1e-10 },
    { false, 13e6, 1678043.11, 116.77971624836117, 14.999999914634099, 1e-10 },
    { false, 13e6, 0, 116.77971624836117, -3.0682979999999998e-8, 1e-10 },
    { false, -13e6, -4e6, -116.77971627731415, -33.964920847828580, 1e-10 }, // |y| picks the band
    { false, 2e6, -1e5, 17.966110194501685, -0.90438920650499233, 1e-10 },
};

// Band 5's northing polynomial from its LL2MC row: a negative latitude always takes band 5,
// however far south (Baidu's own quirk, kept).
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

TEST(BaiduMercator, MatchesReferencePackageInsideBandsAndAtEdges)
{
    BD09CoordSys engine;
    for (const BandCase& c : kBands) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
        double x = c.x, y = c.y;
        if (c.toMercator)
            engine.LngLatToMercator(&x, &y, 1);
        else
            engine.MercatorToLngLat(&x, &y, 1);
        EXPECT_NEAR(x, c.ex, c.tol);
        EXPECT_NEAR(y, c.ey, c.tol);
    }
}

TEST(BaiduMercator, NegativeLatitudesAlwaysUseTheLastBand)
{
    BD09CoordSys engine;
    for (double lat : { -0.5, -15.0, -40.0, -89.0, 0.0 }) {
        SCOPED_TRACE(lat);
        double x = 20, y = lat;
        engine.LngLatToMercator(&x, &y, 1);
        EXPECT_NEAR(y, bandFiveNorthing(lat), std::fabs(bandFiveNorthing(lat)) * 1e-14);
        EXPECT_DOUBLE_EQ(x, -0.0003218135878613132 + 111320.7020701615 * 20); // c0 + c1·|x|
    }
}

TEST(BaiduMercator, RoundTripInsideABandAndNaN)
{
    BD09CoordSys engine;
    double x[] = { 116.40973933698186, 87.627014577754650, std::nan(""), 5 };
    double y[] = { 39.924269294015090, 43.800164259592279, 30, std::nan("") };
    engine.LngLatToMercator(x, y, 4);
    engine.MercatorToLngLat(x, y, 4);
    EXPECT_NEAR(x[0], 116.40973933698186, 1e-6);
    EXPECT_NEAR(y[0], 39.924269294015090, 1e-6);
    EXPECT_NEAR(x[1], 87.627014577754650, 1e-6);
    EXPECT_TRUE(std::isnan(x[2]));
    EXPECT_EQ(x[3], 5); // no band: left as it is
}
