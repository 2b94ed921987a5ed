// The worked solution of a quadratic equation: the discriminant, what its sign means, the roots.
#pragma once

#include "equations/Quadratic.h"
#include "steps/Working.h"

namespace kalkora {

// How SolveQuadratic(a, b, c) reached `solution`, as a model answer: D with its numbers (and D/4
// for an even b), the roots exactly and to six decimals, Vieta's check and the answer.
Working QuadraticSteps(const Rational& a, const Rational& b, const Rational& c,
                       const QuadraticSolution& solution);

}  // namespace kalkora
