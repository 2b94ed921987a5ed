// A triangle from its three sides: area, perimeter, heights, medians and bisectors, each
// computed in 80-bit arithmetic in a fixed order and rounded to a double.
#pragma once

#include <array>

#include "common/Float.h"

namespace kalkora {

// False when one side is longer than the other two together (in 80 bits). A degenerate
// triangle, a zero side included, passes; a negative side never does.
bool TriangleExists(Extended AB, Extended BC, Extended AC);

// Heron's formula: s = ((AB + BC) + AC) / 2 rounded to a double, then
// √((((s - AB)·s)·(s - BC))·(s - AC)).
double TriangleArea(double AB, double BC, double AC);
// The half-perimeter Heron's formula takes: (AB + BC + AC) / 2 in 80 bits, rounded to a double.
double HalfPerimeter(double AB, double BC, double AC);
// (AB + BC) + AC.
double TrianglePerimeter(double AB, double BC, double AC);
// The median to side X, Y and Z the other two: ½·√(2·(Y² + Z²) - X²).
double TriangleMedian(double X, double Y, double Z);
// The bisector to side X from the vertex where Y and Z meet:
// √(((Y·Z)·sum)·((Y + Z) - X)) / (Y + Z), where sum is the 80-bit (AB + BC) + AC.
double TriangleBisector(double X, double Y, double Z, Extended sum);
// The height to side X of a triangle of area S: (2·S) / X.
double TriangleHeight(double S, double X);

// The eleven values of the page, each group in the order of the sides AB, BC, AC.
struct TriangleSolution {
  double S = 0;
  double P = 0;
  std::array<double, 3> heights{};
  std::array<double, 3> medians{};
  std::array<double, 3> bisectors{};
};

// Computes, in this order, S, P, the medians, the bisectors and the heights from the sides
// rounded to doubles. The first float fault throws FloatError (a zero side makes a height 0/0).
TriangleSolution SolveTriangle(Extended AB, Extended BC, Extended AC);

}  // namespace kalkora
