// How the graph was built: the formula, the range and step, the points and their extremes.
#pragma once

#include <string_view>

#include "graphs/CurveAnalysis.h"
#include "graphs/Plot.h"
#include "steps/Working.h"

namespace kalkora {

// The working of the build whose points `state` holds; `formula` is the text as typed (UTF-8).
// With `marks`, the curve's points that matter are listed too, and with `table`, its table of
// values.
Working GraphSteps(std::string_view formula, const GraphState& state,
                   const CurveMarks* marks = nullptr, const std::vector<ValueRow>* table = nullptr);

}  // namespace kalkora
