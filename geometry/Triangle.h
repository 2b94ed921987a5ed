// A triangle from its three sides: area, perimeter, heights, medians and bisectors, each exact.
// The segments and the area are square roots of rationals, q·√r; the perimeter is rational.
#pragma once

#include <array>
#include <cstddef>

#include "exact/Exact.h"

namespace kalkora {

// False when one side is longer than the other two together. A degenerate triangle, a zero side
// included, passes; a negative side never does.
bool TriangleExists(const Rational& AB, const Rational& BC, const Rational& AC);

// Heron's formula: √(s·(s - AB)·(s - BC)·(s - AC)) with s the half-perimeter.
Surd TriangleArea(const Rational& AB, const Rational& BC, const Rational& AC);
// (AB + BC + AC) / 2, the s of Heron's formula.
Rational HalfPerimeter(const Rational& AB, const Rational& BC, const Rational& AC);
// AB + BC + AC.
Rational TrianglePerimeter(const Rational& AB, const Rational& BC, const Rational& AC);
// The median to side X, Y and Z the other two: ½·√(2·(Y² + Z²) - X²).
Surd TriangleMedian(const Rational& X, const Rational& Y, const Rational& Z);
// The bisector to side X from the vertex where Y and Z meet: √(Y·Z·P·(Y + Z - X)) / (Y + Z), P
// the perimeter.
Surd TriangleBisector(const Rational& X, const Rational& Y, const Rational& Z);
// The height to side X, Y and Z the other two: 2S / X, S the area.
Surd TriangleHeight(const Rational& X, const Rational& Y, const Rational& Z);

// The vertex each segment of a group is drawn from, A, B, C, and the side it is drawn to: AH1
// goes from A to BC, BH2 from B to AC, CH3 from C to AB, as the fields and the picture name them.
inline constexpr std::array<const char*, 3> kVertex = {"A", "B", "C"};
inline constexpr std::array<std::size_t, 3> kOppositeSide = {1, 2, 0};  // BC, AC, AB of AB, BC, AC

// The eleven values of the page, each group from A, B and C in this order.
struct TriangleSolution {
  Surd S;
  Rational P;
  std::array<Surd, 3> heights{};
  std::array<Surd, 3> medians{};
  std::array<Surd, 3> bisectors{};
};

// Computes, in this order, S, P, the medians, the bisectors and the heights. A division of 0 by 0
// (a height to a zero side, a bisector of three zero sides) throws FloatError "invalid operation".
TriangleSolution SolveTriangle(const Rational& AB, const Rational& BC, const Rational& AC);

}  // namespace kalkora
