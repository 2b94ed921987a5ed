// The converter's core work at each keystroke: the field read, the value in every unit of the
// quantity and the text of every line, and the working through the base unit.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "exact/Exact.h"
#include "units/Converter.h"
#include "units/ConverterSteps.h"
#include "units/QuantityCatalogue.h"

namespace {

using kalkora::Converted;
using kalkora::QuantityCatalogue;

std::vector<std::string> Lines(int quantity, int unit, const char* text) {
  const std::vector<Converted> results =
      kalkora::ConvertExactly(quantity, unit, kalkora::ParseExact(text));
  std::vector<std::string> lines;
  for (std::size_t j = 0; j < results.size(); ++j) {
    lines.push_back(
        kalkora::FormatResultLine(results[j], QuantityCatalogue()[quantity].Units[j].Name));
  }
  return lines;
}

void BM_ConvertLines(benchmark::State& state, int quantity, int unit, const char* text) {
  for (auto _ : state)
    benchmark::DoNotOptimize(Lines(quantity, unit, text));
}
// The first lines of the page: 1 mm in the sixteen lengths (the parsec among them).
BENCHMARK_CAPTURE(BM_ConvertLines, OneMillimetre, 0, 0, "1");
BENCHMARK_CAPTURE(BM_ConvertLines, OnePetabyte, 6, 5, "1");
// A 15-digit value in miles: the longest exact products.
BENCHMARK_CAPTURE(BM_ConvertLines, FifteenDigitMiles, 0, 11, "123456789,012345");

void BM_ConversionSteps(benchmark::State& state) {
  const kalkora::Rational value = kalkora::ParseExact("123456789,012345");
  for (auto _ : state) {
    const std::vector<Converted> results = kalkora::ConvertExactly(0, 11, value);
    benchmark::DoNotOptimize(kalkora::ConversionSteps(0, 11, value, results));
  }
}
BENCHMARK(BM_ConversionSteps);

}  // namespace
