// Timings of the prime factorization by trial division: a count of the
// display (a 32-bit prime), a fifteen-digit prime, and the largest prime
// below 2^63, whose square root the division runs to.
#include "measures/measures.h"

#include <benchmark/benchmark.h>

using namespace tallyra;

static void Factorize(benchmark::State& state) {
    const auto n = std::uint64_t(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(prime_factor_line(n));
}
BENCHMARK(Factorize)->Arg(2147483647)->Unit(benchmark::kMicrosecond);
BENCHMARK(Factorize)->Arg(999999999999989)->Unit(benchmark::kMillisecond);
BENCHMARK(Factorize)
    ->Arg(std::int64_t(9223372036854775783))
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
