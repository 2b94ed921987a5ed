#include "geometry/Triangle.h"

#include "common/Errors.h"

namespace kalkora {

namespace {

// Every formula is homogeneous in the sides, so it is evaluated on the sides' ratios to the
// shortest side that is not 0, numbers of the size of those ratios, and that side carries the
// size back: side = unit·ratio.
struct Ratios {
  std::array<Rational, 3> side;  // X, Y, Z in the order the formula takes them
  Rational unit = 1;
};

Ratios Relative(const Rational& X, const Rational& Y, const Rational& Z) {
  const Rational* unit = nullptr;
  for (const Rational* side : {&X, &Y, &Z}) {
    if (sgn(*side) > 0 && (unit == nullptr || *side < *unit)) unit = side;
  }
  if (unit == nullptr) return {{X, Y, Z}, 1};
  return {{X / *unit, Y / *unit, Z / *unit}, *unit};
}

// factor·√radicand / divisor, failing as the page's division fails: 0/0 is invalid, x/0 divides
// by 0.
Surd RootOver(const Rational& factor, const Rational& radicand, const Rational& divisor) {
  if (sgn(divisor) == 0) {
    const bool zero = sgn(factor) == 0 || sgn(radicand) == 0;
    throw FloatError(zero ? kInvalidOperationMessage : kDivisionByZeroMessage);
  }
  const Surd root(0, factor / divisor, radicand);
  // A rational value is written as one: its digits are then found without square roots.
  return root.IsRational() ? Surd(root.ToRational()) : root;
}

// s·(s - X)·(s - Y)·(s - Z), s the half-perimeter: the square of the area.
Rational Heron(const std::array<Rational, 3>& side) {
  const Rational s = (side[0] + side[1] + side[2]) / 2;
  return s * (s - side[0]) * (s - side[1]) * (s - side[2]);
}

Surd Area(const Ratios& t) {
  return RootOver(t.unit * t.unit, Heron(t.side), 1);
}

Surd Median(const Ratios& t) {
  const auto& [X, Y, Z] = t.side;
  return RootOver(t.unit, 2 * (Y * Y + Z * Z) - X * X, 2);
}

Surd Bisector(const Ratios& t) {
  const auto& [X, Y, Z] = t.side;
  const Rational pair = Y + Z;
  return RootOver(t.unit, Y * Z * (X + Y + Z) * (pair - X), pair);
}

Surd Height(const Ratios& t) {
  return RootOver(2 * t.unit, Heron(t.side), t.side[0]);
}

// The same sides, X first.
Ratios Reordered(const Ratios& t, std::size_t x) {
  const std::size_t y = x == 0 ? 1 : 0, z = x == 2 ? 1 : 2;
  return {{t.side[x], t.side[y], t.side[z]}, t.unit};
}

}  // namespace

bool TriangleExists(const Rational& AB, const Rational& BC, const Rational& AC) {
  return !(AB > BC + AC || BC > AB + AC || AC > AB + BC);
}

Rational HalfPerimeter(const Rational& AB, const Rational& BC, const Rational& AC) {
  return (AB + BC + AC) / 2;
}

Surd TriangleArea(const Rational& AB, const Rational& BC, const Rational& AC) {
  return Area(Relative(AB, BC, AC));
}

Rational TrianglePerimeter(const Rational& AB, const Rational& BC, const Rational& AC) {
  return AB + BC + AC;
}

Surd TriangleMedian(const Rational& X, const Rational& Y, const Rational& Z) {
  return Median(Relative(X, Y, Z));
}

Surd TriangleBisector(const Rational& X, const Rational& Y, const Rational& Z) {
  return Bisector(Relative(X, Y, Z));
}

Surd TriangleHeight(const Rational& X, const Rational& Y, const Rational& Z) {
  return Height(Relative(X, Y, Z));
}

TriangleSolution SolveTriangle(const Rational& AB, const Rational& BC, const Rational& AC) {
  const Ratios t = Relative(AB, BC, AC);
  TriangleSolution solution;
  solution.S = Area(t);
  solution.P = TrianglePerimeter(AB, BC, AC);
  for (std::size_t v = 0; v < 3; ++v)
    solution.medians[v] = Median(Reordered(t, kOppositeSide[v]));
  for (std::size_t v = 0; v < 3; ++v)
    solution.bisectors[v] = Bisector(Reordered(t, kOppositeSide[v]));
  for (std::size_t v = 0; v < 3; ++v)
    solution.heights[v] = Height(Reordered(t, kOppositeSide[v]));
  return solution;
}

}  // namespace kalkora
