// Geodesic area of rings through the map module's CalcArea (WGS84), against GeographicLib's
// PolygonArea, which takes a geodesic inverse per edge.
#include "OvCoordSystem/host/map/IOvMapModule.h"

#include <GeographicLib/PolygonArea.hpp>
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace {
constexpr int kVertices = 100000;

// A county-sized outline: an ellipse of about 200 by 150 km at Beijing with a jagged edge, the
// density of the division boundaries (edges of tens of metres).
std::vector<CVector3D> denseRing()
{
    std::vector<CVector3D> ring;
    ring.reserve(kVertices);
    for (int i = 0; i < kVertices; ++i) {
        const double t = 2 * M_PI * i / kVertices;
        const double wobble = 1 + 0.01 * std::sin(t * 700);
        ring.emplace_back(116.4 + 1.2 * wobble * std::cos(t), 39.9 + 0.7 * wobble * std::sin(t));
    }
    return ring;
}

void setRate(benchmark::State& state, size_t vertices)
{
    state.counters["vertices/s"] = benchmark::Counter(
        double(vertices) * double(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_CalcAreaDenseRing(benchmark::State& state)
{
    const std::vector<CVector3D> ring = denseRing();
    IOvMapModule* map = GetGlobalOvMapModule();
    for (auto _ : state)
        benchmark::DoNotOptimize(map->CalcArea(ring));
    setRate(state, ring.size());
}
BENCHMARK(BM_CalcAreaDenseRing)->Unit(benchmark::kMillisecond);

// The same ring through PolygonArea: the reference the map module is checked against.
void BM_PolygonAreaDenseRing(benchmark::State& state)
{
    const std::vector<CVector3D> ring = denseRing();
    for (auto _ : state) {
        GeographicLib::PolygonArea polygon(GeographicLib::Geodesic::WGS84());
        for (const CVector3D& p : ring)
            polygon.AddPoint(p.y, p.x);
        double perimeter = 0, area = 0;
        polygon.Compute(false, true, perimeter, area);
        benchmark::DoNotOptimize(area);
    }
    setRate(state, ring.size());
}
BENCHMARK(BM_PolygonAreaDenseRing)->Unit(benchmark::kMillisecond);

// A coarse continent-sized ring: every edge takes the full geodesic inverse.
void BM_CalcAreaCoarseRing(benchmark::State& state)
{
    std::vector<CVector3D> ring;
    for (int i = 0; i < 1000; ++i) {
        const double t = 2 * M_PI * i / 1000;
        ring.emplace_back(100 + 40 * std::cos(t), 30 + 20 * std::sin(t));
    }
    IOvMapModule* map = GetGlobalOvMapModule();
    for (auto _ : state)
        benchmark::DoNotOptimize(map->CalcArea(ring));
    setRate(state, ring.size());
}
BENCHMARK(BM_CalcAreaCoarseRing)->Unit(benchmark::kMicrosecond);
} // namespace

BENCHMARK_MAIN();
