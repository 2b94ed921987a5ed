#include "equations/Quadratic.h"

#include "common/Errors.h"

namespace kalkora {

namespace {

// x written as a rational when it is one: its digits are then found without square roots.
Surd Plain(const Surd& x) {
  return x.IsRational() ? Surd(x.ToRational()) : x;
}

}  // namespace

QuadraticSolution SolveQuadratic(const Rational& a, const Rational& b, const Rational& c) {
  QuadraticSolution solution;
  solution.D = b * b - 4 * a * c;
  if (sgn(solution.D) < 0) return solution;
  if (sgn(a) == 0) {
    // √D - b is 0 exactly when b >= 0 (then √D = b).
    throw FloatError(sgn(b) >= 0 ? kInvalidOperationMessage : kDivisionByZeroMessage);
  }
  solution.HasRoots = true;
  // The same roots from x² + ux + v = 0, u = b/a and v = c/a: numbers of the size of the ratios
  // of the coefficients, however large or small the coefficients themselves. √D/(2a) is
  // sign(a)·√(u² - 4v)/2.
  const Rational u = b / a;
  const Rational reduced = u * u - 4 * (c / a);
  const Rational half(sgn(a), 2);
  solution.x1 = Plain(Surd(-u / 2, half, reduced));
  solution.x2 = Plain(Surd(-u / 2, -half, reduced));
  return solution;
}

}  // namespace kalkora
