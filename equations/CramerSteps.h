// The worked solution of a linear system by Cramer's rule, as a model answer: the determinants
// expanded, the unknowns, their check and the answer; for Δ = 0 the ranks that decide it.
#pragma once

#include <vector>

#include "equations/Cramer.h"
#include "exact/Exact.h"
#include "steps/Working.h"

namespace kalkora {

// How SolveCramer2 (6 values) or SolveCramer3 (12 values) reached `solution` from `values`, given
// column by column as the page reads them: the coefficients of x, of y (and of z), then the
// right-hand sides. Every number is written exactly: the decimals typed, their products and
// determinants in full, the unknowns in lowest terms with their decimals.
Working CramerSteps(const std::vector<Rational>& values, const CramerSolution& solution);

}  // namespace kalkora
