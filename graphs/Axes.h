// Ticks a pupil can read on an axis: a round step (1, 2 or 5 × 10^k) and its multiples.
#pragma once

#include <vector>

#include "common/Float.h"

namespace kalkora {

// The round step that puts about `wanted` ticks (at least 1) across `span`; 1 for a span that
// is 0 or not finite.
Extended TickStep(Extended span, int wanted);

// The multiples of `step` from `low` to `high`, each the decimal it stands for (0,3, not
// 0,30000000000000004); no more than `most`, so that a step too fine for the range ends early.
std::vector<Extended> Ticks(Extended low, Extended high, Extended step, int most = 1000);

}  // namespace kalkora
