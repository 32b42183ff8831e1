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
        EXPECT_LE(maxDifference(x, rx), kVectorTol_deg);
        EXPECT_LE(maxDifference(y, ry), kVectorTol_deg);
    }
}
