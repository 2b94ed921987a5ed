// Systems of two and three linear equations by Cramer's rule.
#pragma once

#include "exact/Exact.h"

namespace kalkora {

// The coefficients are the exact values of the typed decimals, and so are the determinants and
// the unknowns: only a determinant that is exactly 0 leaves the system without a single
// solution, and the unknowns are then not computed. Nothing overflows.
struct CramerSolution {
  bool Solvable = false;
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
