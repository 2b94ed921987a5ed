// The formula evaluator at the graph page's pace: every point prepares the formula, puts x in
// as text, reduces the text and reads the result back. Items per second are points per second.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>

#include <string>
#include <string_view>

#include "graphs/CompiledFormula.h"
#include "graphs/FormulaPlan.h"
#include "graphs/GraphFormula.h"
#include "graphs/Plot.h"
#include "graphs/Qrafik.h"
#include "numtext/NumText.h"

namespace {

using kalkora::Extended;

constexpr std::string_view kDefaultFormula = "x^4-4*x^3";

// 200 characters: functions, nested and implicit products, powers.
constexpr std::string_view kLongFormula =
    "sin (x+1)*cos (2x-1)+log (x^2+1)/(1+x^2)-tan (x/3)+2sinh (x/4)-cosh (x/5)+(x-1)(x+2)(x-3)/"
    "(x^2+4)+((x+1)^2-(x-1)^2)/4+3x^3-2x^2+x-7+ctg (x+10)*(x^4-4*x^3)/(1+x^2)^2-(2x+1)/(x^2+1)+"
    "sin (x^2)*(x-5)/10+1";
static_assert(kLongFormula.size() == 200);

// The default graph: -2 to 4,5 with step 0,01.
constexpr int kPoints = 651;

// One whole graph per iteration, as the page computes it.
void Graph(benchmark::State& state, std::string_view formula) {
  const Extended start = kalkora::ParseFloat("-2");
  const Extended step = kalkora::ParseFloat("0,01");
  for (auto _ : state) {
    for (int i = 0; i < kPoints; ++i) {
      const Extended x = i * step + start;
      const std::string text = kalkora::SubstituteX(kalkora::PrepareFormula(formula), x);
      benchmark::DoNotOptimize(kalkora::ParseFloat(kalkora::EvaluateFormula(text)));
    }
  }
  state.SetItemsProcessed(state.iterations() * kPoints);
}

// The same graph through the compiled plan: compiled once per graph, as a build does.
void PlanGraph(benchmark::State& state, std::string_view formula) {
  const Extended start = kalkora::ParseFloat("-2");
  const Extended step = kalkora::ParseFloat("0,01");
  for (auto _ : state) {
    kalkora::FormulaPlan plan(formula);
    for (int i = 0; i < kPoints; ++i)
      benchmark::DoNotOptimize(plan.Evaluate(i * step + start));
  }
  state.SetItemsProcessed(state.iterations() * kPoints);
}

// The same graph through the school language's program, which reads the long formula alike.
void SchoolGraph(benchmark::State& state, std::string_view formula) {
  const Extended start = kalkora::ParseFloat("-2");
  const Extended step = kalkora::ParseFloat("0,01");
  for (auto _ : state) {
    const kalkora::CompiledFormula school(formula);
    for (int i = 0; i < kPoints; ++i)
      benchmark::DoNotOptimize(school.Evaluate(i * step + start));
  }
  state.SetItemsProcessed(state.iterations() * kPoints);
}

// The yardstick the figures are given in: one 18-digit long double snprintf.
void BM_Snprintf18Digits(benchmark::State& state) {
  char text[64];
  Extended x = -2;
  for (auto _ : state) {
    benchmark::DoNotOptimize(std::snprintf(text, sizeof text, "%.18Lg", x));
    x += 0.01L;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Snprintf18Digits);

void BM_PlanDefaultGraph(benchmark::State& state) {
  PlanGraph(state, kDefaultFormula);
}
BENCHMARK(BM_PlanDefaultGraph)->Unit(benchmark::kMicrosecond);

void BM_PlanLongFormulaGraph(benchmark::State& state) {
  PlanGraph(state, kLongFormula);
}
BENCHMARK(BM_PlanLongFormulaGraph)->Unit(benchmark::kMicrosecond);

void BM_SchoolDefaultGraph(benchmark::State& state) {
  SchoolGraph(state, kDefaultFormula);
}
BENCHMARK(BM_SchoolDefaultGraph)->Unit(benchmark::kMicrosecond);

void BM_SchoolLongFormulaGraph(benchmark::State& state) {
  SchoolGraph(state, kLongFormula);
}
BENCHMARK(BM_SchoolLongFormulaGraph)->Unit(benchmark::kMicrosecond);

// The graph page's formula: the plan behind the choice of language, as a build uses it.
void BM_GraphFormulaDefaultGraph(benchmark::State& state) {
  const Extended start = kalkora::ParseFloat("-2");
  const Extended step = kalkora::ParseFloat("0,01");
  for (auto _ : state) {
    kalkora::GraphFormula graph(kDefaultFormula);
    for (int i = 0; i < kPoints; ++i)
      benchmark::DoNotOptimize(graph.Evaluate(i * step + start));
  }
  state.SetItemsProcessed(state.iterations() * kPoints);
}
BENCHMARK(BM_GraphFormulaDefaultGraph)->Unit(benchmark::kMicrosecond);

// A graph of 1,000,001 points of the default formula, as a build computes it, and the same
// points through the text path.
kalkora::GraphState MillionPointRange() {
  kalkora::GraphState graph;
  graph.RangeStart = -2;
  graph.RangeEnd = kalkora::ParseFloat("4,5");
  graph.StepValue = kalkora::ParseFloat("0,0000065");
  return graph;
}

void BM_MillionPointsPlan(benchmark::State& state) {
  kalkora::GraphState graph = MillionPointRange();
  for (auto _ : state)
    kalkora::ComputePoints(graph, kDefaultFormula);
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(graph.PointsX.size()));
}
BENCHMARK(BM_MillionPointsPlan)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_MillionPointsText(benchmark::State& state) {
  const kalkora::GraphState graph = MillionPointRange();
  const std::int64_t n = kalkora::PointCount(graph);
  const std::string prepared = kalkora::PrepareFormula(kDefaultFormula);
  for (auto _ : state) {
    for (std::int64_t i = 0; i < n; ++i) {
      const Extended x = static_cast<Extended>(i) * graph.StepValue + graph.RangeStart;
      benchmark::DoNotOptimize(
          kalkora::ParseFloat(kalkora::EvaluateFormula(kalkora::SubstituteX(prepared, x))));
    }
  }
  state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_MillionPointsText)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_DefaultGraph(benchmark::State& state) {
  Graph(state, kDefaultFormula);
}
BENCHMARK(BM_DefaultGraph)->Unit(benchmark::kMillisecond);

void BM_LongFormulaGraph(benchmark::State& state) {
  Graph(state, kLongFormula);
}
BENCHMARK(BM_LongFormulaGraph)->Unit(benchmark::kMillisecond);

// The reduction alone, on a text with x already in.
void BM_EvaluateDefaultAtMinusTwo(benchmark::State& state) {
  const std::string text = kalkora::SubstituteX(kalkora::PrepareFormula(kDefaultFormula), -2);
  for (auto _ : state)
    benchmark::DoNotOptimize(kalkora::EvaluateFormula(text));
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_EvaluateDefaultAtMinusTwo);

void BM_EvaluateLongAtOneAndAHalf(benchmark::State& state) {
  const std::string text = kalkora::SubstituteX(kalkora::PrepareFormula(kLongFormula), 1.5L);
  for (auto _ : state)
    benchmark::DoNotOptimize(kalkora::EvaluateFormula(text));
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_EvaluateLongAtOneAndAHalf);

// Results of 10^15 and above or below 10^-4 are carried in plain digits.
void BM_EvaluateExponentResults(benchmark::State& state) {
  const std::string text = "7^30/3^20+1\\7^9";
  for (auto _ : state)
    benchmark::DoNotOptimize(kalkora::EvaluateFormula(text));
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_EvaluateExponentResults);

}  // namespace
