// QueryDivision of a county, a city and the province with the most vertices, each a lookup by
// code in the GeoPackage plus the feature's construction; and CalcArea of a long ring. Reads the
// bundled data, or the GeoPackage named by OV_DIVISIONS (e.g. the whole country built with
// scripts/divisions --all).
#include "OvCoordSystem/host/annotation/GeometryData.h"
#include "OvCoordSystem/host/annotation/IAnnotationFeature.h"
#include "OvCoordSystem/host/map/IOvMapModule.h"
#include "OvCoordSystem/host/search/ILocationDataSearchModule.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

namespace {

int VertexCount(const IAnnotationFeature* feature)
{
    int count = 0;
    for (int i = 0; feature && i < feature->GetGeometryCount(); ++i) {
        CGeometryData part;
        feature->GetGeometry(part, i);
        count += part.GetSize();
    }
    return count;
}

std::string LargestProvince()
{
    ILocationDataSearchModule* search = GetOrCreateLocationDataSearchModule();
    std::string largest;
    int most = -1;
    for (const tagDivisionInfo& province : search->ListDivisions(std::string())) {
        const std::unique_ptr<IAnnotationFeature> feature(search->QueryDivision(province.code, 1));
        if (VertexCount(feature.get()) > most) {
            most = VertexCount(feature.get());
            largest = province.code;
        }
    }
    return largest;
}

void QueryDivision(benchmark::State& state, const std::string& code)
{
    ILocationDataSearchModule* search = GetOrCreateLocationDataSearchModule();
    int parts = 0;
    for (auto _ : state) {
        std::unique_ptr<IAnnotationFeature> feature(search->QueryDivision(code, 1));
        if (!feature) {
            state.SkipWithError(("no division " + code).c_str());
            return;
        }
        parts = feature->GetGeometryCount();
        benchmark::DoNotOptimize(feature.get());
    }
    const std::unique_ptr<IAnnotationFeature> feature(search->QueryDivision(code, 1));
    state.SetLabel(code);
    state.counters["parts"] = parts;
    state.counters["vertices"] = VertexCount(feature.get());
}

void CalcAreaOfLongRing(benchmark::State& state)
{
    // A circle of about 50 km around Beijing through 100,000 points.
    const int count = static_cast<int>(state.range(0));
    std::vector<CVector3D> ring;
    ring.reserve(count);
    for (int i = 0; i < count; ++i) {
        const double angle = 2.0 * M_PI * i / count;
        ring.emplace_back(116.4 + 0.6 * std::cos(angle), 39.9 + 0.45 * std::sin(angle), 0.0);
    }
    IOvMapModule* map = GetGlobalOvMapModule();
    for (auto _ : state)
        benchmark::DoNotOptimize(map->CalcArea(ring));
    state.SetItemsProcessed(state.iterations() * count);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::RegisterBenchmark("QueryDivision/county", QueryDivision, std::string("110105"))
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("QueryDivision/city", QueryDivision, std::string("460300"))
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("QueryDivision/largest_province", QueryDivision, LargestProvince())
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("CalcArea", CalcAreaOfLongRing)
        ->Arg(100000)
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
