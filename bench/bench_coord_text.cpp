// Throughput of coordinate text checking (CCoordValid::IsValid, pair form) and reading
// (CCoordValid::GetLB) in each degree format, on a mix of valid and invalid pairs.
#include "OvCoordSystem/coord/CoordValid.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {
// Per format: half valid pairs, half invalid ones (each failing a different rule).
std::vector<QString> texts(E_DEGREE_FOARMAT format)
{
    const char* const decimal[] = { "120.5,30.25", "-73.985664, 40.748441", "116.391 39.9075",
        "180,-90", "181,30", "120.5,91", "120.5  30.25", ".5,30" };
    const char* const packed[] = { "120.3030,30.1500", "116.232801,39.542700", "-0.3000 51.3000",
        "180.9999,90", "120.6130,30", "120.3061,30", "120.30.30,30", "91.0000,30,1" };
    const char* const symbols[]
        = { "120°30′30″E,30°15′00″N", "151°12'33.48\"E，33°52'07.68\"S", "120°30′ 30°15′",
              "116.391°,39.9075°", "120°30,30", "120°30′30″X,30", "120°61′,30", "181°,30" };
    const char* const colons[]
        = { "120:30:30,30:15:00", "120：30：30，30：15", "-73:59:08 40:44:54", "180:00:00,90",
              "180:00:01,30", "120:61,30", "120::30,30", "120:30:30:30,30" };
    const char* const* table = format == DEGREE_PACKED ? packed
        : format == DEGREE_SYMBOLS                     ? symbols
        : format == DEGREE_COLONS                      ? colons
                                                       : decimal;
    std::vector<QString> result;
    for (int i = 0; i < 8; ++i)
        result.push_back(QString::fromUtf8(table[i]));
    return result;
}

void BM_IsValid(benchmark::State& state)
{
    const auto format = static_cast<E_DEGREE_FOARMAT>(state.range(0));
    const std::vector<QString> mix = texts(format);
    const CCoordValid* valid = CCoordValid::GetInstance();
    for (auto _ : state) {
        for (const QString& text : mix)
            benchmark::DoNotOptimize(valid->IsValid(text, format));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(mix.size()));
}

void BM_GetLB(benchmark::State& state)
{
    const auto format = static_cast<E_DEGREE_FOARMAT>(state.range(0));
    const std::vector<QString> mix = texts(format);
    const CCoordValid* valid = CCoordValid::GetInstance();
    QString lng;
    QString lat;
    for (auto _ : state) {
        for (const QString& text : mix)
            benchmark::DoNotOptimize(valid->GetLB(text, lng, lat, format));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(mix.size()));
}

// Arguments: 0 decimal, 1 packed, 2 symbols, 3 colons.
BENCHMARK(BM_IsValid)->DenseRange(DEGREE_DECIMAL, DEGREE_COLONS);
BENCHMARK(BM_GetLB)->DenseRange(DEGREE_DECIMAL, DEGREE_COLONS);
} // namespace

BENCHMARK_MAIN();
