// The one entry point of all benchmarks.
#include <benchmark/benchmark.h>

BENCHMARK_MAIN();
