// Saving and loading a large KML document: 100,000 placemarks with 5-point polygons, as a range
// export writes them, to a file and to a string and back. Reports MB/s and each benchmark's peak
// memory above what the process held when it started.
#include "PeakMemory.h"

#include "OvCoordSystem/kml/IcdKml.h"
#include "OvCoordSystem/kml/XmlFileStream.h"
#include "OvCoordSystem/kml/XmlStringStream.h"

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <string>

namespace {

constexpr int kPlacemarks = 100000;

// " lon,lat,height" per point, in the writer's fixed notation.
std::string ring(int i)
{
    const double lon = 73.0 + (i % 1000) * 0.05;
    const double lat = 18.0 + (i / 1000) * 0.3;
    const double corners[5][2] = { { 0, 0 }, { 0.04, 0 }, { 0.04, 0.2 }, { 0, 0.2 }, { 0, 0 } };
    std::string text;
    char point[96];
    for (const auto& c : corners) {
        std::snprintf(point, sizeof point, " %.12f,%.12f,%.2f", lon + c[0], lat + c[1], 0.0);
        text += point;
    }
    return text;
}

// Built once; the benchmarks save it in place so that no copy inflates the peak.
CICD_KML& document()
{
    static CICD_KML kml = [] {
        CICD_KML k;
        k.xmlns = "http://www.opengis.net/kml/2.2";
        k.folders.resize(1);
        CICD_FOLDER& folder = k.folders[0];
        folder.name = "bench";
        folder.placemarks.resize(kPlacemarks);
        for (int i = 0; i < kPlacemarks; ++i) {
            CICD_PLACEMARK& placemark = folder.placemarks[i];
            placemark.name = "range " + std::to_string(i);
            placemark.style.lineStyle.color = "ff0000ff";
            placemark.style.lineStyle.width = 2.0f;
            placemark.style.polyStyle.color = "7f00ff00";
            placemark.polygon.outerBoundaryIs.linearRing.coordinates = ring(i);
        }
        return k;
    }();
    return kml;
}

std::string tempPath()
{
    return "/tmp/bench_kml_" + std::to_string(getpid()) + ".kml";
}

long long fileSize(const std::string& path)
{
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return 0;
    std::fseek(file, 0, SEEK_END);
    const long long size = std::ftell(file);
    std::fclose(file);
    return size;
}

void report(benchmark::State& state, long long bytes, const PeakMemory& memory)
{
    state.SetBytesProcessed(bytes * state.iterations());
    state.counters["size_MB"] = bytes / 1e6;
    memory.report(state);
}

void BM_SaveString(benchmark::State& state)
{
    CICD_KML& kml = document();
    const PeakMemory memory;
    long long bytes = 0;
    for (auto _ : state) {
        CXmlStringStream stream;
        if (!stream.save(&kml)) state.SkipWithError("save failed");
        bytes = static_cast<long long>(stream.text().size());
    }
    report(state, bytes, memory);
}

void BM_SaveFile(benchmark::State& state)
{
    CICD_KML& kml = document();
    const PeakMemory memory;
    const std::string path = tempPath();
    for (auto _ : state) {
        CXmlFileStream stream(path);
        if (!stream.save(&kml)) state.SkipWithError("save failed");
    }
    report(state, fileSize(path), memory);
    std::remove(path.c_str());
}

void BM_LoadString(benchmark::State& state)
{
    CICD_KML& kml = document();
    const PeakMemory memory;
    CXmlStringStream stream;
    stream.save(&kml);
    for (auto _ : state) {
        CICD_KML read;
        if (!stream.load(&read) || read.folders[0].placemarks.size() != size_t(kPlacemarks))
            state.SkipWithError("load failed");
    }
    report(state, static_cast<long long>(stream.text().size()), memory);
}

void BM_LoadFile(benchmark::State& state)
{
    CICD_KML& kml = document();
    const PeakMemory memory;
    const std::string path = tempPath();
    CXmlFileStream stream(path);
    stream.save(&kml);
    for (auto _ : state) {
        CICD_KML read;
        if (!stream.load(&read) || read.folders[0].placemarks.size() != size_t(kPlacemarks))
            state.SkipWithError("load failed");
    }
    report(state, fileSize(path), memory);
    std::remove(path.c_str());
}

} // namespace

BENCHMARK(BM_SaveString)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_SaveFile)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_LoadString)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_LoadFile)->Unit(benchmark::kMillisecond)->Iterations(3);

BENCHMARK_MAIN();
