#include "OvCoordSystem/coord/BD09CoordSys.h"
#include "OvCoordSystem/coord/GCJ02CoordSys.h"
#include "OvCoordSystem/coord/ScalarOffsets_p.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

using namespace coordinate;

// The engines' array operations run vectorised (glibc's vector sin/cos/atan2, a few ulp apart from
// the scalar ones); every result must stay within this of the plain scalar formulas (degrees).
namespace {
constexpr double kVectorTol_deg = 1e-12;
constexpr int kPoints = 200003; // odd, so that the vector loops also run their remainder

struct Points
{
    std::vector<double> x, y;
};

Points randomPoints(double minLng, double maxLng, double minLat, double maxLat, unsigned seed)
{
    std::mt19937_64 random(seed);
    std::uniform_real_distribution<double> lng(minLng, maxLng);
    std::uniform_real_distribution<double> lat(minLat, maxLat);
    Points p;
    for (int i = 0; i < kPoints; ++i) {
        p.x.push_back(lng(random));
        p.y.push_back(lat(random));
    }
    return p;
}

double maxDifference(const std::vector<double>& a, const std::vector<double>& b)
{
    double worst = 0;
    for (size_t i = 0; i < a.size(); ++i)
        worst = std::max(worst, std::fabs(a[i] - b[i]));
    return worst;
}

// Runs OP on a copy of P through the engine and REFERENCE on another, and compares.
template <class Engine, class Reference>
void expectAgreement(const Points& p, Engine op, Reference reference)
{
    Points a = p;
    Points b = p;
    op(a.x.data(), a.y.data(), kPoints);
    reference(b.x.data(), b.y.data(), kPoints);
    EXPECT_LE(maxDifference(a.x, b.x), kVectorTol_deg);
    EXPECT_LE(maxDifference(a.y, b.y), kVectorTol_deg);
}

} // namespace

TEST(VectorisedEngine, Gcj02FromWgs84AgreesWithScalarFormula)
{
    GCJ02CoordSys engine;
    const Points inBox = randomPoints(72.004, 137.8347, 0.8293, 55.8271, 1);
    expectAgreement(
        inBox, [&](double* x, double* y, int n) { EXPECT_TRUE(engine.FromWGS84(x, y, n)); },
        [](double* x, double* y, int n) { EXPECT_TRUE(scalar::Gcj02FromWgs84(x, y, n)); });
}

TEST(VectorisedEngine, Gcj02ToWgs84AgreesWithScalarFormula)
{
    // Around the box, so that inside and outside points mix in every vector.
    GCJ02CoordSys engine;
    const Points around = randomPoints(60, 150, -10, 70, 2);
    expectAgreement(
        around, [&](double* x, double* y, int n) { EXPECT_TRUE(engine.ToWGS84(x, y, n)); },
        [](double* x, double* y, int n) { EXPECT_TRUE(scalar::Gcj02ToWgs84(x, y, n)); });
}

TEST(VectorisedEngine, Bd09ShiftsAgreeWithScalarFormulas)
{
    BD09CoordSys engine;
    const Points p = randomPoints(-180, 180, -90, 90, 3);
    expectAgreement(
        p, [&](double* x, double* y, int n) { engine.GCJ02ToBD09(x, y, n); }, scalar::Gcj02ToBd09);
    expectAgreement(
        p, [&](double* x, double* y, int n) { engine.BD09ToGCJ02(x, y, n); }, scalar::Bd09ToGcj02);
}

TEST(VectorisedEngine, StopIsFoundInsideALongArray)
{
    // The outside point sits past several full vectors; everything before it is shifted exactly
    // as the scalar loop shifts it, everything from it on is untouched.
    GCJ02CoordSys engine;
    Points p = randomPoints(100, 120, 20, 40, 4);
    const int stop = 1037;
    p.y[stop] = 60;
    Points ref = p;
    Points shifted = p;
    EXPECT_FALSE(engine.FromWGS84(shifted.x.data(), shifted.y.data(), kPoints));
    EXPECT_FALSE(scalar::Gcj02FromWgs84(ref.x.data(), ref.y.data(), kPoints));
    EXPECT_LE(maxDifference(shifted.x, ref.x), kVectorTol_deg);
    EXPECT_TRUE(std::equal(shifted.x.begin() + stop, shifted.x.end(), p.x.begin() + stop));
    EXPECT_TRUE(std::equal(shifted.y.begin() + stop, shifted.y.end(), p.y.begin() + stop));
    EXPECT_NE(shifted.x[stop - 1], p.x[stop - 1]);
}
