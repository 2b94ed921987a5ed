#include "equations/Cramer.h"

#include <bit>

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

// The minor of the whole system on these rows and columns (column N is the right-hand side),
// by expansion along its first row.
template <int N>
Integer Minor(const WholeSystem<N>& w, const int* rows, const int* columns, int order) {
  if (order == 1) return w.cell[rows[0]][columns[0]];
  Integer minor = 0;
  for (int c = 0; c < order; ++c) {
    int rest[N];
    for (int j = 0, k = 0; j < order; ++j) {
      if (j != c) rest[k++] = columns[j];
    }
    const Integer term = w.cell[rows[0]][columns[c]] * Minor(w, rows + 1, rest, order - 1);
    if (c % 2 == 0) {
      minor += term;
    } else {
      minor -= term;
    }
  }
  return minor;
}

std::vector<int> Members(unsigned mask) {
  std::vector<int> members;
  for (int i = 0; mask != 0; ++i, mask >>= 1) {
    if (mask & 1U) members.push_back(i);
  }
  return members;
}

// The rank of the first `columns` columns: the order of their largest nonzero minor, which goes
// to `rows` and `picked` (the first one found, preferring the first equations and unknowns).
// Each equation was multiplied by a nonzero number, which changes no minor's being 0.
template <int N>
int Rank(const WholeSystem<N>& w, int columns, std::vector<int>& rows, std::vector<int>& picked) {
  for (int order = N; order >= 1; --order) {
    for (unsigned r = 1; r < (1U << N); ++r) {
      if (std::popcount(r) != order) continue;
      for (unsigned c = 1; c < (1U << columns); ++c) {
        if (std::popcount(c) != order) continue;
        rows = Members(r);
        picked = Members(c);
        if (sgn(Minor(w, rows.data(), picked.data(), order)) != 0) return order;
      }
    }
  }
  rows.clear();
  picked.clear();
  return 0;
}

template <int N>
CramerSolution Solve(const WholeSystem<N>& w) {
  CramerSolution s;
  const Integer det = Det(w, -1);
  s.Det = Quotient(det, w.scale);
  if (sgn(det) == 0) {
    s.Rank = Rank(w, N, s.MinorRows, s.MinorColumns);
    std::vector<int> rows, columns;
    s.AugmentedRank = Rank(w, N + 1, rows, columns);
    s.Outcome = s.AugmentedRank > s.Rank ? CramerOutcome::NoSolution : CramerOutcome::Infinite;
    return s;
  }
  s.Solvable = true;
  s.Rank = s.AugmentedRank = N;
  for (int i = 0; i < N; ++i) {
    s.MinorRows.push_back(i);
    s.MinorColumns.push_back(i);
  }
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
