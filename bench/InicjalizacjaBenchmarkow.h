#pragma once
// Google Benchmark answers only "--help"; "-h", which every program of the
// project takes for its help, would start the whole run instead. Here it
// asks for the same help.
#include "ReporterZIlorazami.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <initializer_list>
#include <utility>

inline void InicjalizujBenchmarki(int* argc, char** argv) {
    static char pomoc[] = "--help";
    for (int i = 1; i < *argc; ++i)
        if (std::strcmp(argv[i], "-h") == 0)
            argv[i] = pomoc;
    benchmark::Initialize(argc, argv);
}

// Runs the benchmarks the command line chose, prints for each baseline the
// ratios of the others to it, and ends Google Benchmark.
inline void UruchomBenchmarki(
    ReporterZIlorazami& reporter,
    std::initializer_list<std::pair<const char*, std::initializer_list<const char*>>> ilorazy) {
    benchmark::RunSpecifiedBenchmarks(&reporter);
    for (const auto& [baza, nazwy] : ilorazy)
        reporter.DrukujIlorazy(baza, nazwy);
    benchmark::Shutdown();
}
