// The worked solutions of the combinatorics page: each count's factorial formula with the
// numbers put in.
#pragma once

#include <cstdint>
#include <string>

#include "exact/Exact.h"
#include "steps/Working.h"

namespace kalkora {

// Pₙ = n! for the page's n (n >= 0), ending in the exact `count` with every digit and, when the
// page rounds it, `result`, the text of its result field.
Working PermutationSteps(std::int32_t n, const Integer& count, const std::string& result);
// Cₙᵏ = n!/(k!(n − k)!) and Aₙᵏ = n!/(n − k)! for the page's 0 <= k <= n, likewise.
Working CombinationSteps(std::int32_t k, std::int32_t n, const Integer& count,
                         const std::string& result);
Working ArrangementSteps(std::int32_t k, std::int32_t n, const Integer& count,
                         const std::string& result);

}  // namespace kalkora
