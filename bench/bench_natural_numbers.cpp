// The natural numbers page's work: factorising, listing primes, and the definitions for scale.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "formulas/MoyModul.h"
#include "numbers/NaturalNumbers.h"

namespace {

void BM_FactorLargestPrime(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(kalkora::FactorText(2147483647));
}
BENCHMARK(BM_FactorLargestPrime)->Unit(benchmark::kMicrosecond);

void BM_FactorLargestPrimeSquare(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(kalkora::FactorText(46337 * 46337));
}
BENCHMARK(BM_FactorLargestPrimeSquare)->Unit(benchmark::kMicrosecond);

// What the primes list does for N: count the primes per segment, then make the first screenful.
void BM_PrimeList(benchmark::State& state) {
  const auto n = static_cast<std::int32_t>(state.range(0));
  for (auto _ : state) {
    kalkora::PrimeTable table(n);
    for (std::int64_t row = 0; row < 9 && row < table.Count(); ++row) {
      benchmark::DoNotOptimize(table.At(row));
    }
    benchmark::DoNotOptimize(table.Count());
  }
}
BENCHMARK(BM_PrimeList)
    ->Arg(1000000)
    ->Arg(100000000)
    ->Arg(2147483647)
    ->Unit(benchmark::kMillisecond);

// Scrolling to the end of the longest list makes the last segment's primes.
void BM_PrimeListLastRow(benchmark::State& state) {
  kalkora::PrimeTable table(2147483647);
  std::int64_t row = table.Count() - 1;
  for (auto _ : state) {
    benchmark::DoNotOptimize(table.At(row));
    row = row == table.Count() - 1 ? 0 : table.Count() - 1;  // alternate: a new segment each time
  }
}
BENCHMARK(BM_PrimeListLastRow)->Unit(benchmark::kMillisecond);

void BM_GcdWorstForSubtraction(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(kalkora::Gcd(1, 2147483647));
}
BENCHMARK(BM_GcdWorstForSubtraction);

// The factorisation by counting divisors, at the spinner's largest N, for comparison.
void BM_FactorByDivisorCount32500(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(kalkora::FactorTextByDefinition(32500));
}
BENCHMARK(BM_FactorByDivisorCount32500)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_Factor32500(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(kalkora::FactorText(32500));
}
BENCHMARK(BM_Factor32500)->Unit(benchmark::kMicrosecond);

}  // namespace
