// The exact values' own costs: a 15-digit field read as a rational, a sign decided, and a root
// a + b·√r of 15-digit coefficients written in the page formats.
#include <benchmark/benchmark.h>

#include "exact/Exact.h"

namespace {

using kalkora::Rational;
using kalkora::Surd;

void BM_ParseExact15Digits(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(kalkora::ParseExact("-123456789,012345E-3"));
}
BENCHMARK(BM_ParseExact15Digits);

// x1 of a quadratic with 15-digit coefficients: (-b + √D) / 2a.
Surd Root() {
  const Rational a = kalkora::ParseExact("0,000000000000012");
  const Rational b = kalkora::ParseExact("737000000000,123");
  const Rational c = kalkora::ParseExact("-76200000,0000045");
  return Surd(-b / (2 * a), 1 / (2 * a), b * b - 4 * a * c);
}

void BM_SignOfASurd(benchmark::State& state) {
  const Surd root = Root();
  for (auto _ : state)
    benchmark::DoNotOptimize(kalkora::Sign(root));
}
BENCHMARK(BM_SignOfASurd);

void BM_FormatFixedOfASurd(benchmark::State& state) {
  const Surd root = Root();
  for (auto _ : state)
    benchmark::DoNotOptimize(kalkora::FormatFixed(root, 6, 2));
}
BENCHMARK(BM_FormatFixedOfASurd);

void BM_FormatGeneral15OfASurd(benchmark::State& state) {
  const Surd root = Root();
  for (auto _ : state)
    benchmark::DoNotOptimize(kalkora::FormatGeneral15(root));
}
BENCHMARK(BM_FormatGeneral15OfASurd);

void BM_FormatFixedOfARational(benchmark::State& state) {
  const Rational third = kalkora::ParseExact("1234,5678") / 3;
  for (auto _ : state)
    benchmark::DoNotOptimize(kalkora::FormatFixed(third, 4, 2));
}
BENCHMARK(BM_FormatFixedOfARational);

}  // namespace
