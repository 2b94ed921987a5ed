#include "equations/Cramer.h"

namespace kalkora {

namespace {

// The system with each equation multiplied by the least common multiple of its denominators:
// the same unknowns, with determinants in whole numbers. Rational arithmetic would reduce every
// product and sum by a gcd, which for coefficients such as 1E4000 costs far more than the
// products themselves; here only the results are reduced.
template <int N>
struct WholeSystem {
  Integer cell[N][N + 1];  // equation i: the coefficients, then the right-hand side
  Integer scale = 1;       // the product of the multipliers, by which each determinant grew
};

template <int N>
WholeSystem<N> Whole(const Rational* const (&equations)[N][N + 1]) {
  WholeSystem<N> w;
  for (int i = 0; i < N; ++i) {
    Integer multiplier = 1;
    for (const Rational* q : equations[i])
      mpz_lcm(multiplier.get_mpz_t(), multiplier.get_mpz_t(), q->get_den_mpz_t());
    for (int j = 0; j <= N; ++j) {
      Integer& c = w.cell[i][j];
      mpz_divexact(c.get_mpz_t(), multiplier.get_mpz_t(), equations[i][j]->get_den_mpz_t());
      c *= equations[i][j]->get_num();
    }
    w.scale *= multiplier;
  }
  return w;
}

Rational Quotient(const Integer& numerator, const Integer& denominator) {
  Rational q(numerator, denominator);
  q.canonicalize();
  return q;
}

// The determinant with column `replaced` (if any) swapped for the right-hand sides.
Integer Det(const WholeSystem<2>& w, int replaced) {
  const auto a = [&](int i, int j) -> const Integer& { return w.cell[i][j == replaced ? 2 : j]; };
  return a(0, 0) * a(1, 1) - a(1, 0) * a(0, 1);
}

// By the rule of Sarrus.
Integer Det(const WholeSystem<3>& w, int replaced) {
  const auto a = [&](int i, int j) -> const Integer& { return w.cell[i][j == replaced ? 3 : j]; };
  Integer d = a(0, 0) * a(1, 1) * a(2, 2);
  d += a(2, 0) * a(0, 1) * a(1, 2);
  d += a(1, 0) * a(2, 1) * a(0, 2);
  d -= a(2, 0) * a(1, 1) * a(0, 2);
  d -= a(0, 0) * a(2, 1) * a(1, 2);
  d -= a(1, 0) * a(0, 1) * a(2, 2);
  return d;
}

template <int N>
CramerSolution Solve(const WholeSystem<N>& w) {
  CramerSolution s;
  const Integer det = Det(w, -1);
  s.Det = Quotient(det, w.scale);
  if (sgn(det) == 0) return s;
  s.Solvable = true;
  Rational* const dets[] = {&s.DetX, &s.DetY, &s.DetZ};
  Rational* const unknowns[] = {&s.x, &s.y, &s.z};
  for (int j = 0; j < N; ++j) {
    const Integer numerator = Det(w, j);
    *dets[j] = Quotient(numerator, w.scale);
    *unknowns[j] = Quotient(numerator, det);
  }
  return s;
}

}  // namespace

CramerSolution SolveCramer2(const Rational& a11, const Rational& a21, const Rational& a12,
                            const Rational& a22, const Rational& b1, const Rational& b2) {
  const Rational* const equations[2][3] = {{&a11, &a12, &b1}, {&a21, &a22, &b2}};
  return Solve(Whole(equations));
}

CramerSolution SolveCramer3(const Rational& a11, const Rational& a21, const Rational& a31,
                            const Rational& a12, const Rational& a22, const Rational& a32,
                            const Rational& a13, const Rational& a23, const Rational& a33,
                            const Rational& b1, const Rational& b2, const Rational& b3) {
  const Rational* const equations[3][4] = {
      {&a11, &a12, &a13, &b1}, {&a21, &a22, &a23, &b2}, {&a31, &a32, &a33, &b3}};
  return Solve(Whole(equations));
}

}  // namespace kalkora
