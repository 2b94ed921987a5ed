// The real roots of a·x² + b·x + c = 0, exactly.
#pragma once

#include "exact/Exact.h"

namespace kalkora {

struct QuadraticSolution {
  Rational D;
  bool HasRoots = false;
  // Written only when HasRoots: x1 takes +√D, whatever the sign of a.
  Surd x1;
  Surd x2;
};

// D = b² - 4ac and, for D >= 0, the roots (√D - b) / (2a) and (-b - √D) / (2a), all exact. An a
// of 0 throws FloatError as the division would: 0/0 is an invalid operation, anything else over 0
// a division by zero.
QuadraticSolution SolveQuadratic(const Rational& a, const Rational& b, const Rational& c);

}  // namespace kalkora
