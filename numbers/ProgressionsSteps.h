// The worked solution of the progressions page: the n-th term and the sum by their formulas.
#pragma once

#include "numbers/Progressions.h"
#include "steps/Working.h"

namespace kalkora {

// The n-th term and the sum of the first n terms of `progression` (n = its Count()), from its
// first term and its difference or ratio, each formula ending in the page's own number in school
// notation, and the answer naming both.
Working ProgressionSteps(const Progression& progression);

}  // namespace kalkora
