#pragma once
// Google Benchmark answers only "--help"; "-h", which every program of the
// project takes for its help, would start the whole run instead. Here it
// asks for the same help.
#include <benchmark/benchmark.h>

#include <cstring>

inline void InicjalizujBenchmarki(int* argc, char** argv) {
    static char pomoc[] = "--help";
    for (int i = 1; i < *argc; ++i)
        if (std::strcmp(argv[i], "-h") == 0)
            argv[i] = pomoc;
    benchmark::Initialize(argc, argv);
}
