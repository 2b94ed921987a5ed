// Number text on the values a formula evaluator meets: it formats and reads back after every
// arithmetic operation, thousands of times per graph.
#include <benchmark/benchmark.h>

#include <cfloat>
#include <string>
#include <vector>

#include "numtext/NumText.h"

namespace {

const std::vector<std::string>& TypicalTexts() {
  static const std::vector<std::string> texts = {
      "3,14159265358979",  "-12,5", "0,001", "1E-5",  "123456789012345", "6,28",
      "0,333333333333333", "42",    "-0,75", "2,5E18"};
  return texts;
}

const std::vector<kalkora::Extended>& TypicalValues() {
  static const std::vector<kalkora::Extended> values = {
      3.14159265358979L, -12.5L, 0.001L, 1e-5L,  123456789012345.0L, 6.28L,
      1.0L / 3,          42,     -0.75L, 2.5e18L};
  return values;
}

void BM_ParseFloat(benchmark::State& state) {
  const auto& texts = TypicalTexts();
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(kalkora::ParseFloat(texts[i]));
    i = i + 1 == texts.size() ? 0 : i + 1;
  }
}
BENCHMARK(BM_ParseFloat);

// Mantissas too long for the exact shortcut: the strtold_l path.
void BM_ParseFloatLongMantissa(benchmark::State& state) {
  const std::string text = "0,12345678901234567890123";
  for (auto _ : state)
    benchmark::DoNotOptimize(kalkora::ParseFloat(text));
}
BENCHMARK(BM_ParseFloatLongMantissa);

void BM_FormatGeneral15(benchmark::State& state) {
  const auto& values = TypicalValues();
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(kalkora::FormatGeneral15(values[i]));
    i = i + 1 == values.size() ? 0 : i + 1;
  }
}
BENCHMARK(BM_FormatGeneral15);

// Magnitudes beyond the exact integer path (about 1e-38 ... 3.4e38): the to_chars path.
void BM_FormatGeneral15Beyond(benchmark::State& state) {
  const std::vector<kalkora::Extended> values = {1e-300L, 1e50L, 1e-50L, 1e300L};
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(kalkora::FormatGeneral15(values[i]));
    i = i + 1 == values.size() ? 0 : i + 1;
  }
}
BENCHMARK(BM_FormatGeneral15Beyond);

void BM_FormatGeneral15Largest(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(kalkora::FormatGeneral15(LDBL_MAX));
}
BENCHMARK(BM_FormatGeneral15Largest);

void BM_FormatFixed(benchmark::State& state) {
  const auto& values = TypicalValues();
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(kalkora::FormatFixed(values[i], 4, 2));
    i = i + 1 == values.size() ? 0 : i + 1;
  }
}
BENCHMARK(BM_FormatFixed);

// The evaluator's round trip: a value to text and back.
void BM_RoundTrip(benchmark::State& state) {
  const auto& values = TypicalValues();
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(kalkora::ParseFloat(kalkora::FormatGeneral15(values[i])));
    i = i + 1 == values.size() ? 0 : i + 1;
  }
}
BENCHMARK(BM_RoundTrip);

}  // namespace
