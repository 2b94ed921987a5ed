// The worked solution of the progressions page: the n-th term and the sum by their formulas.
#pragma once

#include <cstdint>

#include "numbers/Progressions.h"
#include "steps/Working.h"

namespace kalkora {

// The n-th term and the sum of the first n terms of `progression` (n = its Count()), made from
// `first` and `step` (the difference or the ratio), each formula ending in the page's own text.
Working ProgressionSteps(const Progression& progression, std::int32_t first, std::int32_t step);

}  // namespace kalkora
