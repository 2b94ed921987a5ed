// The worked solution of a quadratic equation: the discriminant, what its sign means, the roots.
#pragma once

#include "equations/Quadratic.h"
#include "steps/Working.h"

namespace kalkora {

// How SolveQuadratic(a, b, c) reached `solution`, with D and the roots written as the page
// writes them (FormatFixed with precision 6 and two decimals).
Working QuadraticSteps(const Rational& a, const Rational& b, const Rational& c,
                       const QuadraticSolution& solution);

}  // namespace kalkora
