#include "OvCoordSystem/host/map/IOvMapModule.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {
// Reference values from GeographicLib 2.1.2's command-line tools (Debian
// geographiclib-tools): distances from `GeodSolve -i -p 6` ("lat1 lon1 lat2
// lon2" per line), areas from `Planimeter -p 6` ("lat lon" per vertex), both on
// WGS84.
constexpr double kDistanceTolerance_m = 1e-6;
constexpr double kAreaRelativeTolerance = 1e-10;

using ring = std::vector<CVector3D>;

// An ellipse of n vertices (degrees), counter-clockwise.
std::vector<CVector3D> ellipse(double lng, double lat, double rx, double ry, int n)
{
    std::vector<CVector3D> points;
    for (int i = 0; i < n; ++i) {
        const double t = 2 * M_PI * i / n;
        points.emplace_back(lng + rx * std::cos(t), lat + ry * std::sin(t));
    }
    return points;
}

} // namespace

TEST(MapGeodesy, DistanceAndAreaMatchGeodSolveAndPlanimeter)
{
    const struct
    {
        double x1, y1, x2, y2, metres;
    } distances[] = {
        { 116.4, 39.9, 121.47, 31.23, 1065615.456587 }, // Beijing to Shanghai
        { 0, 0, 179.5, 0.5, 19936288.578965 }, // nearly antipodal
        { 0, 89.9, 180, -89.9, 20003931.458625 }, // across both poles
        { -179.9, 0, 179.9, 0, 22263.898159 }, // across the antimeridian
    };
    IOvMapModule* map = GetGlobalOvMapModule();
    for (const auto& c : distances) {
        EXPECT_NEAR(map->CalcDistance(c.x1, c.y1, c.x2, c.y2), c.metres, kDistanceTolerance_m);
        EXPECT_NEAR(map->CalcDistance(c.x2, c.y2, c.x1, c.y1), c.metres, kDistanceTolerance_m);
    }
    EXPECT_TRUE(std::isnan(map->CalcDistance(NAN, 40, 116, 40)));
    EXPECT_TRUE(std::isnan(map->CalcDistance(116, 91, 116, 40)));

    // Areas in either orientation; rings that enclose nothing.
    const struct
    {
        const char* what;
        std::vector<CVector3D> points;
        double squareMetres;
    } areas[] = {
        { "one degree cell at Beijing",
            ring({ { 116, 39 }, { 117, 39 }, { 117, 40 }, { 116, 40 } }), 9549468853.9 },
        { "twenty degrees round the origin",
            ring({ { -10, -10 }, { 10, -10 }, { 10, 10 }, { -10, 10 } }), 4948480469169.5 },
        { "across the antimeridian",
            ring({ { 179.5, 10 }, { -179.5, 10 }, { -179.5, 11 }, { 179.5, 11 } }), 12108467312.6 },
        { "round the north pole (80N)", ring({ { 0, 80 }, { 90, 80 }, { 180, 80 }, { -90, 80 } }),
            2507270031169.9 },
        // Dense rings, 3600 vertices: the short-edge path.
        { "dense ellipse at Beijing", ellipse(116, 40, 0.5, 0.4, 3600), 5957472492.5235 },
        { "dense ellipse on the antimeridian near the south pole", ellipse(180, -80, 20, 5, 3600),
            679606327541.9852 },
    };
    for (const auto& c : areas) {
        SCOPED_TRACE(c.what);
        const double tolerance = std::max(c.squareMetres * kAreaRelativeTolerance, 0.1);
        EXPECT_NEAR(map->CalcArea(c.points), c.squareMetres, tolerance);
        const std::vector<CVector3D> reversed(c.points.rbegin(), c.points.rend());
        EXPECT_NEAR(map->CalcArea(reversed), c.squareMetres, tolerance);
    }
    // Fewer than three points count nothing, NaN points are left out, and a ring
    // closed explicitly measures the same as one closed implicitly.
    for (const ring& empty : { ring(), ring({ { 116, 39 }, { 117, 39 } }),
             ring({ { 116, 39 }, { NAN, NAN }, { 117, 39 } }) })
        EXPECT_EQ(map->CalcArea(empty), 0.0);
    const double triangle = map->CalcArea(ring({ { 116, 39 }, { 117, 39 }, { 117, 40 } }));
    for (const ring& same :
        { ring({ { 116, 39 }, { NAN, 39.5 }, { 117, 39 }, { 117, NAN }, { 117, 40 } }),
            ring({ { 116, 39 }, { 117, 39 }, { 117, 40 }, { 116, 39 } }) })
        EXPECT_DOUBLE_EQ(map->CalcArea(same), triangle);
    // Degenerate: all points on one meridian (a parallel is no geodesic, so it
    // would enclose some).
    EXPECT_NEAR(map->CalcArea(ring({ { 116, 39 }, { 116, 39.5 }, { 116, 40 } })), 0.0, 1e-3);
}
