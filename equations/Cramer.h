// Systems of two and three linear equations by Cramer's rule.
#pragma once

namespace kalkora {

// Each determinant is accumulated in 80-bit arithmetic and rounded to a double; each unknown
// is the 80-bit quotient of two such doubles, rounded to a double. Only a determinant of
// exactly 0 leaves the system unsolvable; the unknowns are then not computed. A value beyond
// the double range throws FloatError (overflow).
struct CramerSolution {
  bool Solvable = false;
  // The main determinant, and (when Solvable) those of the unknowns, as the quotients use them.
  double Det = 0;
  double DetX = 0;
  double DetY = 0;
  double DetZ = 0;
  double x = 0;
  double y = 0;
  double z = 0;
};

CramerSolution SolveCramer2(double a11, double a21, double a12, double a22, double b1, double b2);

// Every determinant by the rule of Sarrus, each product of three formed left to right and the
// six products added and subtracted left to right, in that order.
CramerSolution SolveCramer3(double a11, double a21, double a31, double a12, double a22, double a32,
                            double a13, double a23, double a33, double b1, double b2, double b3);

}  // namespace kalkora
