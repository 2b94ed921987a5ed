// The worked solutions of the combinatorics page: each count's factorial formula with the
// numbers put in.
#pragma once

#include <cstdint>
#include <string>

#include "steps/Working.h"

namespace kalkora {

// Pₙ = n! for the page's n (n >= 0), ending in `result`, the text of its result field.
Working PermutationSteps(std::int32_t n, const std::string& result);
// Cₙᵏ = n!/(k!(n − k)!) and Aₙᵏ = n!/(n − k)! for the page's 0 <= k <= n, ending in `result`.
Working CombinationSteps(std::int32_t k, std::int32_t n, const std::string& result);
Working ArrangementSteps(std::int32_t k, std::int32_t n, const std::string& result);

}  // namespace kalkora
