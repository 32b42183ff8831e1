// The engines' array loops against the scalar formulas, and the Baidu Mercator bands against
// the reference package.
#include "OvCoordSystem/coord/BD09CoordSys.h"
#include "OvCoordSystem/coord/GCJ02CoordSys.h"
#include "ScalarOffsets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

using namespace coordinate;

// The array operations run vectorised (glibc's vector sin/cos/atan2, a few ulp apart from the
// scalar ones); every result must stay within this of the plain scalar formulas (degrees).
namespace {
constexpr double kVectorTol_deg = 1e-12;
constexpr int kPoints = 200003; // odd, so that the vector loops also run their remainder

using Op = void (*)(double*, double*, int, bool&);

struct Case
{
    const char* name;
    double minLng, maxLng, minLat, maxLat; // random points in this box
    Op engine, scalar;
    int stop = -1; // an outside point here, past several full vectors: untouched from it on
};

const Case kCases[] = {
    { "Gcj02FromWgs84", 72.004, 137.8347, 0.8293, 55.8271,
        [](double* x, double* y, int n, bool& ok) { ok = GCJ02CoordSys().FromWGS84(x, y, n); },
        [](double* x, double* y, int n, bool& ok) { ok = scalar::Gcj02FromWgs84(x, y, n); } },
    { "Gcj02FromWgs84Stop", 72.004, 137.8347, 0.8293, 55.8271,
        [](double* x, double* y, int n, bool& ok) { ok = GCJ02CoordSys().FromWGS84(x, y, n); },
        [](double* x, double* y, int n, bool& ok) { ok = scalar::Gcj02FromWgs84(x, y, n); }, 1037 },
    // Around the box, so that inside and outside points mix in every vector.
    { "Gcj02ToWgs84", 60, 150, -10, 70,
        [](double* x, double* y, int n, bool& ok) { ok = GCJ02CoordSys().ToWGS84(x, y, n); },
        [](double* x, double* y, int n, bool& ok) { ok = scalar::Gcj02ToWgs84(x, y, n); } },
    { "Gcj02ToBd09", -180, 180, -90, 90,
        [](double* x, double* y, int n, bool&) { BD09CoordSys().GCJ02ToBD09(x, y, n); },
        [](double* x, double* y, int n, bool&) { scalar::Gcj02ToBd09(x, y, n); } },
    { "Bd09ToGcj02", -180, 180, -90, 90,
        [](double* x, double* y, int n, bool&) { BD09CoordSys().BD09ToGCJ02(x, y, n); },
        [](double* x, double* y, int n, bool&) { scalar::Bd09ToGcj02(x, y, n); } },
};

double maxDifference(const std::vector<double>& a, const std::vector<double>& b)
{
    double worst = 0;
    for (size_t i = 0; i < a.size(); ++i)
        worst = std::max(worst, std::fabs(a[i] - b[i]));
    return worst;
}

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
    { true, 120, 30, 13358484.2447159, 3481989.86392413, 1e-3 },
    { false, 12958813.9, 12890594.86, 116.40973926294915, 75.013250203144807, 1e-10 },
    { false, 1e7, 12890594.85, 89.830550969826533, 75.000001030769738, 1e-10 },
    { false, 13e6, 3481989.83, 116.77971627731415, 30.000000048235279, 1e-10 },
    { false, -13e6, -4e6, -116.77971627731415, -33.964920847828580, 1e-10 }, // |y| picks the band
};
} // namespace

TEST(VectorisedEngine, AgreesWithScalarFormulas)
{
    unsigned seed = 1;
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        std::mt19937_64 random(seed++);
        std::uniform_real_distribution<double> lng(c.minLng, c.maxLng), lat(c.minLat, c.maxLat);
        std::vector<double> x(kPoints), y(kPoints);
        for (int i = 0; i < kPoints; ++i)
            x[i] = lng(random), y[i] = lat(random);
        if (c.stop >= 0) y[c.stop] = 60;
        const std::vector<double> original = x;
        std::vector<double> rx = x, ry = y;
        bool ok = true, refOk = true;
        c.engine(x.data(), y.data(), kPoints, ok);
        c.scalar(rx.data(), ry.data(), kPoints, refOk);
        EXPECT_TRUE(ok == refOk && ok == (c.stop < 0));
        EXPECT_TRUE(
            c.stop < 0 || std::equal(x.begin() + c.stop, x.end(), original.begin() + c.stop));
        EXPECT_LE(std::max(maxDifference(x, rx), maxDifference(y, ry)), kVectorTol_deg);
    }
}

TEST(BaiduMercator, MatchesReferencePackageAndNegativeLatitudesTakeTheLastBand)
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
    // A negative latitude takes band 5 however far south (Baidu's own quirk, kept): the easting,
    // which depends on the band alone, is band 5's of -10° (a reference row above) and not the one
    // a band picked by |latitude| would give.
    const auto easting = [&engine](double lat) {
        double x = 20, y = lat;
        engine.LngLatToMercator(&x, &y, 1);
        return x;
    };
    for (double lat : { -0.5, -15.0, -40.0, -89.0, 0.0 })
        EXPECT_EQ(easting(lat), easting(-10)) << lat;
    EXPECT_NE(easting(-40), easting(40));
    double x[] = { std::nan(""), 5 };
    double y[] = { 30, std::nan("") };
    engine.LngLatToMercator(x, y, 2);
    engine.MercatorToLngLat(x, y, 2);
    EXPECT_TRUE(std::isnan(x[0]) && x[1] == 5); // no band: left as it is
}
