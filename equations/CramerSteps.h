// The worked solution of a linear system by Cramer's rule: the determinants and the unknowns.
#pragma once

#include <vector>

#include "equations/Cramer.h"
#include "exact/Exact.h"
#include "steps/Working.h"

namespace kalkora {

// How SolveCramer2 (6 values) or SolveCramer3 (12 values) reached `solution` from `values`, given
// column by column as the page reads them: the coefficients of x, of y (and of z), then the
// right-hand sides. The unknowns are written as the page writes them (FormatFixed, precision 4).
Working CramerSteps(const std::vector<Rational>& values, const CramerSolution& solution);

}  // namespace kalkora
