// The natural numbers page's work: factorising, listing primes, and the definitions for scale.
#include <benchmark/benchmark.h>

#ifdef __unix__
#include <unistd.h>
#endif

#include <cstdint>
#include <cstdlib>
#include <primesieve.hpp>
#include <random>
#include <string>
#include <vector>

#include "formulas/MoyModul.h"
#include "numbers/NaturalNumbers.h"

namespace {

void BM_FactorLargestPrime(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(kalkora::FactorText(2147483647));
}
BENCHMARK(BM_FactorLargestPrime)->Unit(benchmark::kMicrosecond);

void BM_FactorLargestPrimeBelow2To31(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(kalkora::FactorText(2147483629));
}
BENCHMARK(BM_FactorLargestPrimeBelow2To31)->Unit(benchmark::kMicrosecond);

// Two primes near the square root: the hardest split of the last cofactor.
void BM_FactorTwoLargePrimes(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(kalkora::FactorText(46327 * 46337));
}
BENCHMARK(BM_FactorTwoLargePrimes)->Unit(benchmark::kMicrosecond);

// 100,000 random positive int32 (a fixed seed), one after another; items are numbers.
std::vector<std::int32_t> RandomNumbers() {
  std::mt19937 random(20261209);
  std::uniform_int_distribution<std::int32_t> pick(3, 2147483647);
  std::vector<std::int32_t> numbers(100000);
  for (std::int32_t& n : numbers)
    n = pick(random);
  return numbers;
}

void BM_FactorRandomInt32(benchmark::State& state) {
  const std::vector<std::int32_t> numbers = RandomNumbers();
  for (auto _ : state) {
    for (const std::int32_t n : numbers)
      benchmark::DoNotOptimize(kalkora::FactorText(n));
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(numbers.size()));
}
BENCHMARK(BM_FactorRandomInt32)->Unit(benchmark::kMillisecond);

#ifdef __unix__
// The peer: coreutils factor on the same numbers, one process for all of them (its start-up,
// about a millisecond, is spread over the 100,000 numbers).
void BM_CoreutilsFactorRandomInt32(benchmark::State& state) {
  const std::vector<std::int32_t> numbers = RandomNumbers();
  char path[] = "/tmp/kalkora-factor-XXXXXX";
  const int fd = mkstemp(path);
  if (fd < 0 || access("/usr/bin/factor", X_OK) != 0) {
    state.SkipWithError("no /usr/bin/factor or no temporary file");
    return;
  }
  std::string text;
  for (const std::int32_t n : numbers)
    text += std::to_string(n) + '\n';
  if (write(fd, text.data(), text.size()) != static_cast<ssize_t>(text.size())) return;
  close(fd);
  const std::string command = std::string("/usr/bin/factor < ") + path + " > /dev/null";
  for (auto _ : state) {
    if (std::system(command.c_str()) != 0) state.SkipWithError("factor failed");
  }
  unlink(path);
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(numbers.size()));
}
BENCHMARK(BM_CoreutilsFactorRandomInt32)->Unit(benchmark::kMillisecond)->UseRealTime();
#endif

// The peer of the primes list: primesieve counting every prime below 2^31 in one call.
void BM_PrimesieveCountTo2To31(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(primesieve::count_primes(0, 2147483647));
}
BENCHMARK(BM_PrimesieveCountTo2To31)->Unit(benchmark::kMillisecond);

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
