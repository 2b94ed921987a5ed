// How the graph was built: the formula, the range and step, the points and their extremes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "graphs/CurveAnalysis.h"
#include "graphs/Plot.h"
#include "steps/Working.h"

namespace kalkora {

// The working of the build whose points `state` holds; `formula` is the text as typed (UTF-8).
// With `marks`, the curve's points that matter are listed too, with `crossings` where the
// curves drawn together cross, and with `table`, its table of values.
Working GraphSteps(std::string_view formula, const GraphState& state,
                   const CurveMarks* marks = nullptr, const std::vector<ValueRow>* table = nullptr,
                   const std::vector<CurvePoint>* crossings = nullptr);

// A point as the working writes it: "(−1,16; −1,32)".
std::string PointText(const CurvePoint& point);

}  // namespace kalkora
