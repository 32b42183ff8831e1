// Wrapping an OGR polygon of 100,000 vertices in a VCT geometry and shifting it in place to GCJ02
// or BD09 (createVctGeometry + toOffset), against the engine shifting the same coordinates as one
// array (the floor: no geometry, no per-vertex calls).
#include "OvCoordSystem/coord/CoordSysCorrectEngine.h"
#include "OvCoordSystem/vectors/VCTGeometry.h"
#include "OvCoordSystem/vectors/VCTGeometryFactory.h"

#include <benchmark/benchmark.h>
#include <ogr_geometry.h>

#include <cmath>
#include <vector>

namespace {

constexpr int kVertices = 100000;

// A closed ring of kVertices vertices, one degree around Beijing.
OGRPolygon makePolygon()
{
    OGRLinearRing ring;
    ring.setNumPoints(kVertices);
    for (int i = 0; i < kVertices - 1; ++i) {
        const double angle = 2.0 * M_PI * i / (kVertices - 1);
        ring.setPoint(i, 116.4 + std::cos(angle), 39.9 + std::sin(angle), 50.0);
    }
    ring.setPoint(kVertices - 1, ring.getX(0), ring.getY(0), 50.0);
    OGRPolygon polygon;
    polygon.addRing(&ring);
    return polygon;
}

void BM_CreateAndToOffset(benchmark::State& state)
{
    const int engineKind = static_cast<int>(state.range(0));
    const OGRPolygon polygon = makePolygon();
    for (auto _ : state) {
        vectors::VCTGeometry* geometry = nullptr;
        vectors::createVctGeometry(&polygon, geometry);
        geometry->toOffset(engineKind);
        benchmark::DoNotOptimize(geometry->getX(kVertices / 2));
        vectors::releaseVctGeometry(geometry);
    }
    state.SetItemsProcessed(state.iterations() * kVertices);
    state.counters["vertices/s"]
        = benchmark::Counter(double(kVertices), benchmark::Counter::kIsIterationInvariantRate);
}

void BM_EngineArrayFloor(benchmark::State& state)
{
    const OGRPolygon polygon = makePolygon();
    const OGRLinearRing* ring = polygon.getExteriorRing();
    std::vector<double> xs(kVertices);
    std::vector<double> ys(kVertices);
    coordinate::ICoordSysCorrectEngine* engine
        = coordinate::CreateCorrectEngine(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        for (int i = 0; i < kVertices; ++i) {
            xs[i] = ring->getX(i);
            ys[i] = ring->getY(i);
        }
        engine->FromWGS84(xs.data(), ys.data(), kVertices);
        benchmark::DoNotOptimize(xs.data());
    }
    coordinate::DestroyCorrectEngine(engine);
    state.SetItemsProcessed(state.iterations() * kVertices);
    state.counters["vertices/s"]
        = benchmark::Counter(double(kVertices), benchmark::Counter::kIsIterationInvariantRate);
}

} // namespace

BENCHMARK(BM_CreateAndToOffset)->Arg(0)->Arg(1)->ArgName("engine")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EngineArrayFloor)->Arg(0)->Arg(1)->ArgName("engine")->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
