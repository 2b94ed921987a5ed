// A whole graph build as "Построить" does it: points, scale and drawing.
#include <benchmark/benchmark.h>

#include "graphs/Plot.h"
#include "graphs/Raster.h"

namespace {

void Build(benchmark::State& state, kalkora::Extended start, kalkora::Extended end,
           kalkora::Extended step) {
  kalkora::Raster raster(kalkora::kGraphWidth, kalkora::kGraphHeight);
  kalkora::ClearGraph(raster);
  int gauge = 0;
  const kalkora::Progress progress = [&gauge](int i) { gauge = i; };
  for (auto _ : state) {
    kalkora::GraphState graph;
    graph.RangeStart = start;
    graph.RangeEnd = end;
    graph.StepValue = step;
    kalkora::ComputePoints(graph, "x^4-4*x^3", progress);
    kalkora::ComputeScale(graph, true, progress);
    kalkora::DrawGraph(graph, raster, true, progress);
    benchmark::DoNotOptimize(raster.Data());
    state.counters["points"] = static_cast<double>(graph.PointsX.size());
  }
  benchmark::DoNotOptimize(gauge);
}

void BM_DefaultGraph(benchmark::State& state) {
  Build(state, -2, 4.5L, 0.01L);
}
BENCHMARK(BM_DefaultGraph)->Unit(benchmark::kMillisecond);

// From 0,5 to 7: 100,001 and 1,000,001 points.
void BM_HundredThousandPoints(benchmark::State& state) {
  Build(state, 0.5L, 7, 6.5L / 100000);
}
BENCHMARK(BM_HundredThousandPoints)->Unit(benchmark::kMillisecond);

void BM_MillionPoints(benchmark::State& state) {
  Build(state, 0.5L, 7, 6.5L / 1000000);
}
BENCHMARK(BM_MillionPoints)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
