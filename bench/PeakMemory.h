#pragma once

// Peak resident memory of one benchmark above the memory the process held when it started:
// the kernel's high-water mark is reset at the start (Linux: "5" into /proc/self/clear_refs), so
// each benchmark reports its own peak even when several run in one process.

#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

class PeakMemory
{
public:
    PeakMemory()
    {
        std::ofstream("/proc/self/clear_refs") << "5";
        m_baselineMb = statusMb("VmRSS:");
    }

    // Sets the counters peak_MB (the process's peak) and above_base_MB (what this benchmark
    // added to the memory held at its start).
    void report(benchmark::State& state) const
    {
        const double peak = statusMb("VmHWM:");
        state.counters["peak_MB"] = peak;
        state.counters["above_base_MB"] = peak - m_baselineMb;
    }

private:
    // A "kB" line of /proc/self/status, in MB.
    static double statusMb(const char* key)
    {
        std::ifstream status("/proc/self/status");
        std::string word;
        while (status >> word) {
            if (word == key) {
                double kilobytes = 0.0;
                status >> kilobytes;
                return kilobytes / 1024.0;
            }
        }
        return 0.0;
    }

    double m_baselineMb = 0.0;
};
