// The correction engines' array operations on 1,000,000 points, the plain scalar formulas they
// are checked against, and COvCoordTransform on single points.

#include "OvCoordSystem/coord/BD09CoordSys.h"
#include "OvCoordSystem/coord/GCJ02CoordSys.h"
#include "OvCoordSystem/coord/OvCoordTransform.h"
#include "ScalarOffsets.h"

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace {

constexpr int kPoints = 1000000;

struct Points
{
    std::vector<double> x, y;
};

// Random WGS84 points inside the GCJ02 box, the same on every run.
const Points& wgs84Points()
{
    static const Points points = [] {
        std::mt19937_64 random(42);
        std::uniform_real_distribution<double> lng(72.004, 137.8347);
        std::uniform_real_distribution<double> lat(0.8293, 55.8271);
        Points p;
        for (int i = 0; i < kPoints; ++i) {
            p.x.push_back(lng(random));
            p.y.push_back(lat(random));
        }
        return p;
    }();
    return points;
}

const Points& gcj02Points()
{
    static const Points points = [] {
        Points p = wgs84Points();
        coordinate::GCJ02CoordSys().FromWGS84(p.x.data(), p.y.data(), kPoints);
        return p;
    }();
    return points;
}

const Points& bd09Points()
{
    static const Points points = [] {
        Points p = gcj02Points();
        coordinate::BD09CoordSys().GCJ02ToBD09(p.x.data(), p.y.data(), kPoints);
        return p;
    }();
    return points;
}

// Runs op on a fresh copy of the input in every iteration; the copy is not timed.
template <class Op> void runArray(benchmark::State& state, const Points& input, Op op)
{
    Points work = input;
    for (auto _ : state) {
        state.PauseTiming();
        work = input;
        state.ResumeTiming();
        op(work.x.data(), work.y.data(), kPoints);
        benchmark::DoNotOptimize(work.x.data());
        benchmark::ClobberMemory();
    }
    state.counters["points/s"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * kPoints, benchmark::Counter::kIsRate);
}

void Gcj02FromWGS84(benchmark::State& state)
{
    coordinate::GCJ02CoordSys engine;
    runArray(state, wgs84Points(), [&](double* x, double* y, int n) { engine.FromWGS84(x, y, n); });
}

void Gcj02ToWGS84(benchmark::State& state)
{
    coordinate::GCJ02CoordSys engine;
    runArray(state, gcj02Points(), [&](double* x, double* y, int n) { engine.ToWGS84(x, y, n); });
}

void Bd09FromWGS84(benchmark::State& state)
{
    coordinate::BD09CoordSys engine;
    runArray(state, wgs84Points(), [&](double* x, double* y, int n) { engine.FromWGS84(x, y, n); });
}

void Bd09ToWGS84(benchmark::State& state)
{
    coordinate::BD09CoordSys engine;
    runArray(state, bd09Points(), [&](double* x, double* y, int n) { engine.ToWGS84(x, y, n); });
}

void GCJ02ToBD09(benchmark::State& state)
{
    coordinate::BD09CoordSys engine;
    runArray(
        state, gcj02Points(), [&](double* x, double* y, int n) { engine.GCJ02ToBD09(x, y, n); });
}

void BD09ToGCJ02(benchmark::State& state)
{
    coordinate::BD09CoordSys engine;
    runArray(
        state, bd09Points(), [&](double* x, double* y, int n) { engine.BD09ToGCJ02(x, y, n); });
}

// The scalar reference loops, for comparison.
void ScalarGcj02FromWGS84(benchmark::State& state)
{
    runArray(state, wgs84Points(), coordinate::scalar::Gcj02FromWgs84);
}

void ScalarGCJ02ToBD09(benchmark::State& state)
{
    runArray(state, gcj02Points(), coordinate::scalar::Gcj02ToBd09);
}

void TransformWGS84ToGCJ02(benchmark::State& state)
{
    const COvCoordTransform transform;
    const Points& input = wgs84Points();
    size_t i = 0;
    for (auto _ : state) {
        QPointF point(input.x[i], input.y[i]);
        benchmark::DoNotOptimize(transform.WGS84ToGCJ02(point));
        benchmark::DoNotOptimize(point);
        i = (i + 1) % input.x.size();
    }
    state.counters["points/s"]
        = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

} // namespace

BENCHMARK(Gcj02FromWGS84)->Unit(benchmark::kMillisecond);
BENCHMARK(Gcj02ToWGS84)->Unit(benchmark::kMillisecond);
BENCHMARK(Bd09FromWGS84)->Unit(benchmark::kMillisecond);
BENCHMARK(Bd09ToWGS84)->Unit(benchmark::kMillisecond);
BENCHMARK(GCJ02ToBD09)->Unit(benchmark::kMillisecond);
BENCHMARK(BD09ToGCJ02)->Unit(benchmark::kMillisecond);
BENCHMARK(ScalarGcj02FromWGS84)->Unit(benchmark::kMillisecond);
BENCHMARK(ScalarGCJ02ToBD09)->Unit(benchmark::kMillisecond);
BENCHMARK(TransformWGS84ToGCJ02);

BENCHMARK_MAIN();
