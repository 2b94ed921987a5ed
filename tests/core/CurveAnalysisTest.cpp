#include "graphs/CurveAnalysis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "graphs/GraphFormula.h"
#include "graphs/GraphSteps.h"
#include "graphs/Plot.h"
#include "numtext/NumText.h"

namespace kalkora {
namespace {

// A formula's curve as a build samples it, with the points where it has no value left out.
struct Sampled {
  Sampled(const char* formula, Extended start, Extended end, Extended step)
      : graph(formula), step(step) {
    const auto n = static_cast<long>((end - start) / step);
    for (long i = 0; i <= n; ++i) {
      const Extended x = i * step + start;
      if (const std::optional<Extended> y = At(x)) {
        xs.push_back(x);
        ys.push_back(*y);
      }
    }
  }
  std::optional<Extended> At(Extended x) {
    try {
      return graph.Evaluate(x);
    } catch (const FormulaError&) {
      return std::nullopt;
    }
  }
  CurveFunction Function() {
    return [this](Extended x) { return At(x); };
  }
  SampledCurve Curve() const { return {xs, ys, step}; }

  GraphFormula graph;
  Extended step;
  std::vector<Extended> xs, ys;
};

// Round points must come out exactly (0, not 1E-19); others as close as 15 digits of a flat
// top allow.
void ExpectPoints(const std::vector<CurvePoint>& found, std::vector<CurvePoint> expected,
                  Extended tolerance, const std::string& what) {
  ASSERT_EQ(found.size(), expected.size()) << what;
  for (std::size_t i = 0; i < found.size(); ++i) {
    const CurvePoint& e = expected[i];
    if (e.x == std::round(e.x)) {
      EXPECT_EQ(found[i].x, e.x) << what << " #" << i;
    } else {
      EXPECT_NEAR(found[i].x, e.x, tolerance) << what << " #" << i;
    }
    EXPECT_NEAR(found[i].y, e.y, 1e-13L) << what << " #" << i;
  }
}

TEST(CurveAnalysis, FindsTheKnownPointsOfSchoolCurves) {
  const Extended pi = std::numbers::pi_v<long double>;
  const Extended third = 1 / std::sqrt(3.0L), top = 2 * third / 3;
  const struct {
    const char* formula;
    Extended start, end, step;
    std::vector<CurvePoint> zeros, minima, maxima;
  } cases[] = {
      {"x^2-4", -3, 3, 0.01L, {{-2, 0}, {2, 0}}, {{0, -4}}, {}},
      {"x^3-x", -2, 2, 0.01L, {{-1, 0}, {0, 0}, {1, 0}}, {{third, -top}}, {{-third, top}}},
      {"x^2", -1, 1, 0.03L, {{0, 0}}, {{0, 0}}, {}},  // touches the axis: a zero and a minimum
      {"1/x", -2, 4.5L, 0.01L, {}, {}, {}},           // the pole is no zero
      {"sin x",
       -7,
       7,
       0.01L,
       {{-2 * pi, 0}, {-pi, 0}, {0, 0}, {pi, 0}, {2 * pi, 0}},
       {{-pi / 2, -1}, {3 * pi / 2, -1}},
       {{-3 * pi / 2, 1}, {pi / 2, 1}}},
  };
  for (const auto& c : cases) {
    Sampled s(c.formula, c.start, c.end, c.step);
    const CurveMarks marks = AnalyseCurve(s.Curve(), s.Function());
    ExpectPoints(marks.zeros, c.zeros, 1e-13L, std::string(c.formula) + " zeros");
    ExpectPoints(marks.minima, c.minima, 1e-7L, std::string(c.formula) + " minima");
    ExpectPoints(marks.maxima, c.maxima, 1e-7L, std::string(c.formula) + " maxima");
  }
}

TEST(CurveAnalysis, FindsWhereTwoCurvesCrossAndTheYAxis) {
  Sampled square("x^2", -2, 4.5L, 0.01L), line("2x+1", -2, 4.5L, 0.01L);
  const Extended root2 = std::sqrt(2.0L);
  ExpectPoints(Crossings(square.Curve(), square.Function(), line.Function()),
               {{1 - root2, (1 - root2) * (1 - root2)}, {1 + root2, (1 + root2) * (1 + root2)}},
               1e-13L, "crossings");
  const CurveMarks marks = AnalyseCurve(line.Curve(), line.Function());
  ASSERT_TRUE(marks.yIntercept.has_value());
  EXPECT_EQ(marks.yIntercept->y, 1);
}

TEST(CurveAnalysis, StopsAtItsShareOfTheWork) {
  // Hundreds of zeros and extrema: at most kMostMarks of each, within a few thousand evaluations.
  Sampled wave("sin(50x)", -7, 7, 0.001L);
  std::size_t evaluations = 0;
  const CurveMarks marks = AnalyseCurve(wave.Curve(), [&](Extended x) {
    ++evaluations;
    return wave.At(x);
  });
  EXPECT_EQ(marks.zeros.size(), kMostMarks);
  EXPECT_LE(marks.minima.size(), kMostMarks);
  EXPECT_LE(evaluations, 4000u);
  for (const CurvePoint& p : marks.minima)
    EXPECT_NEAR(p.y, -1, 1e-12L);
}

TEST(CurveAnalysis, IsListedInTheWorking) {
  GraphState state;
  state.RangeStart = -3;
  state.RangeEnd = 3;
  state.StepValue = 0.01L;
  GraphFormula formula("x^2-4");
  ComputePoints(state, formula);
  const CurveMarks marks =
      AnalyseCurve({state.PointsX, state.PointsY, state.StepValue},
                   [&](Extended x) { return std::optional<Extended>(formula.Evaluate(x)); });
  const std::string text = PlainText(GraphSteps("x^2-4", state, &marks));
  EXPECT_NE(text.find("Нули: x = −2; x = 2.\nМинимум: (0; −4).\nПересечение с осью y: (0; −4).\n"),
            std::string::npos)
      << text;
}

// The table: every point of a small build; round x (and the marks) for a large one, valued by
// the formula; without a formula, points spread over the build, the last among them.
TEST(CurveAnalysis, TableOfValues) {
  Sampled few("x^2-4", -2, 2, 0.5L);
  std::vector<ValueRow> rows = ValueTable(few.Curve(), -2, 2, few.Function(), nullptr);
  ASSERT_EQ(rows.size(), 9u);
  EXPECT_EQ(rows[1].x, -1.5L);
  EXPECT_EQ(*rows[1].y, -1.75L);

  Sampled many("1/x-1", -3, 3, 0.001L);  // a gap at 0, a zero at 1
  const CurveMarks marks = AnalyseCurve(many.Curve(), many.Function());
  rows = ValueTable(many.Curve(), -3, 3, many.Function(), &marks);
  ASSERT_GE(rows.size(), 13u);
  ASSERT_LE(rows.size(), 40u);
  for (std::size_t i = 0; i + 1 < rows.size(); ++i)
    ASSERT_LT(rows[i].x, rows[i + 1].x);
  const auto at = [&](Extended x) {
    return std::find_if(rows.begin(), rows.end(), [x](const ValueRow& r) { return r.x == x; });
  };
  ASSERT_NE(at(0), rows.end());
  EXPECT_FALSE(at(0)->y) << "no value at 0";
  ASSERT_NE(at(1), rows.end()) << "the zero is a row";
  EXPECT_EQ(*at(1)->y, 0);
  ASSERT_NE(at(0.6L), rows.end()) << "a round x";
  EXPECT_EQ(*at(0.6L)->y, *many.At(0.6L));

  rows = ValueTable(many.Curve(), -3, 3, {}, nullptr);
  ASSERT_GE(rows.size(), 15u);
  ASSERT_LE(rows.size(), 25u);
  EXPECT_EQ(rows.front().x, many.xs.front());
  EXPECT_EQ(rows.back().x, many.xs.back());

  // In the working: a column per variable, copied tab-separated, unindented, with '-'.
  GraphState state;
  state.RangeStart = -1;
  state.RangeEnd = 1;
  state.StepValue = 0.5L;
  ComputePoints(state, "1/x");
  rows = ValueTable({state.PointsX, state.PointsY, state.StepValue}, -1, 1, {}, nullptr);
  rows.insert(rows.begin() + 2, ValueRow{0, std::nullopt});
  const std::string text = PlainText(GraphSteps("1/x", state, nullptr, &rows));
  EXPECT_NE(text.find("Таблица значений:\nx\ty\n-1\t-1\n-0,5\t-2\n0\t\n0,5\t2\n1\t1\n"),
            std::string::npos)
      << text;
}

}  // namespace
}  // namespace kalkora
