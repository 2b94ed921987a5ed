// The points of a curve that a pupil looks for: its zeros, its minima and maxima, where it meets
// the y-axis, and where two curves cross. The build's points find them; the formula itself then
// refines each one as far as its 15-digit arithmetic can tell, and a rounder x is preferred
// wherever the formula cannot tell it apart (0, not 1E-19; 2, not 1,99999999999999).
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

#include "common/Float.h"

namespace kalkora {

// y at x, or nothing where the formula has no value there.
using CurveFunction = std::function<std::optional<Extended>(Extended)>;

struct CurvePoint {
  Extended x = 0;
  Extended y = 0;
};

struct CurveMarks {
  std::vector<CurvePoint> zeros;
  std::vector<CurvePoint> minima;
  std::vector<CurvePoint> maxima;
  std::optional<CurvePoint> yIntercept;
};

// A curve's built points, x ascending; two neighbours more than 1,5 steps apart have a gap
// between them, across which nothing is looked for.
struct SampledCurve {
  const std::vector<Extended>& xs;
  const std::vector<Extended>& ys;
  Extended step;
};

// No more than this many points of each kind are refined: a curve such as sin(1/x) has more
// than anyone can read, and each costs a hundred evaluations or so.
inline constexpr std::size_t kMostMarks = 50;

CurveMarks AnalyseCurve(const SampledCurve& curve, const CurveFunction& f);

// Where f and g take the same value between the points of f's curve, as (x, f(x)).
std::vector<CurvePoint> Crossings(const SampledCurve& curve, const CurveFunction& f,
                                  const CurveFunction& g);

// One row of a table of values: nothing in y where the formula has no value at x.
struct ValueRow {
  Extended x = 0;
  std::optional<Extended> y;
};

// A curve with no more built points than this is tabled point by point.
inline constexpr std::size_t kTabledPoints = 50;

// The table of values of a curve built from `low` to `high`: its own points when they are at
// most kTabledPoints, else about 20 round x across the range (values from `f`, or, without it,
// about 20 of the built points), with the marked points among them; x ascending, each once.
std::vector<ValueRow> ValueTable(const SampledCurve& curve, Extended low, Extended high,
                                 const CurveFunction& f, const CurveMarks* marks);

}  // namespace kalkora
