// Systems of two and three linear equations by Cramer's rule.
#pragma once

#include <vector>

#include "exact/Exact.h"

namespace kalkora {

// What a system has: one solution, none, or infinitely many.
enum class CramerOutcome { Unique, NoSolution, Infinite };

// The coefficients are the exact values of the typed decimals, and so are the determinants and
// the unknowns: only a determinant that is exactly 0 leaves the system without a single
// solution, and the unknowns are then not computed. Whether it then has none or infinitely many
// is decided by the ranks of its matrix and of the matrix with the right-hand sides (the system
// is solvable exactly when they are equal). Nothing overflows.
struct CramerSolution {
  bool Solvable = false;
  CramerOutcome Outcome = CramerOutcome::Unique;
  int Rank = 0;           // of the coefficients
  int AugmentedRank = 0;  // of the coefficients with the right-hand sides
  // A nonzero minor of the coefficients of order Rank: its equations and its unknowns, ascending.
  std::vector<int> MinorRows;
  std::vector<int> MinorColumns;
  // The main determinant, and (when Solvable) those of the unknowns.
  Rational Det;
  Rational DetX;
  Rational DetY;
  Rational DetZ;
  Rational x;
  Rational y;
  Rational z;
};

CramerSolution SolveCramer2(const Rational& a11, const Rational& a21, const Rational& a12,
                            const Rational& a22, const Rational& b1, const Rational& b2);

// Every determinant by the rule of Sarrus.
CramerSolution SolveCramer3(const Rational& a11, const Rational& a21, const Rational& a31,
                            const Rational& a12, const Rational& a22, const Rational& a32,
                            const Rational& a13, const Rational& a23, const Rational& a33,
                            const Rational& b1, const Rational& b2, const Rational& b3);

}  // namespace kalkora
