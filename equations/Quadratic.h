// The real roots of a·x² + b·x + c = 0.
#pragma once

namespace kalkora {

struct QuadraticSolution {
  double D = 0;
  bool HasRoots = false;
  // Written only when HasRoots: x1 takes +√D, whatever the sign of a.
  double x1 = 0;
  double x2 = 0;
};

// D = (b·b) - ((4·a)·c) in 80-bit arithmetic, rounded to a double; for D >= 0 the roots
// (√D - b) / (2·a) and (-b - √D) / (2·a), each computed in 80 bits and rounded to a double. A
// float fault (an a that is 0, a result beyond the double range) throws FloatError.
QuadraticSolution SolveQuadratic(double a, double b, double c);

}  // namespace kalkora
