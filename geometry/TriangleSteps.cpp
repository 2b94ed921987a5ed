#include "geometry/TriangleSteps.h"

#include <array>
#include <string>

#include "exact/Exact.h"
#include "steps/SchoolNotation.h"

namespace kalkora {

namespace {

// A result of the page: "= text" or "≈ text".
Formula Result(const Surd& value) {
  const std::string text = FormatFixed(value, 4, 2);
  return Formula() << EqualsShown(value, text) << text;
}

Formula Squared(const std::string& operand) {
  return Formula() << operand << Sup("2");
}

}  // namespace

Working TriangleSteps(const Rational& AB, const Rational& BC, const Rational& AC,
                      const TriangleSolution& solution) {
  const std::array<const char*, 3> side = {"AB", "BC", "AC"};
  const std::array<Rational, 3> read = {AB, BC, AC};
  std::array<std::string, 3> n;
  for (std::size_t i = 0; i < 3; ++i)
    n[i] = FormatGeneral15(read[i]);
  // The two other sides of each side, in the order the formulas take them.
  const std::size_t others[3][2] = {{1, 2}, {0, 2}, {0, 1}};
  const std::string all = n[0] + " + " + n[1] + " + " + n[2];

  Working working = SolvedWorking("Треугольник по трём сторонам");
  working.Math(Formula() << "AB = " << n[0] << ", BC = " << n[1] << ", AC = " << n[2]);

  working.Heading("Проверка сторон");
  // The page's test: no side longer than the other two together.
  bool degenerate = false;
  std::array<Formula, 3> comparisons;
  for (std::size_t i = 0; i < 3; ++i) {
    const auto [y, z] = others[i];
    const bool equal = read[i] == read[y] + read[z];
    degenerate = degenerate || equal;
    comparisons[i] = n[i] + (equal ? " = " : " < ") + n[y] + " + " + n[z];
  }
  working.Prose(degenerate ? "Ни одна сторона не больше суммы двух других:"
                           : "Каждая сторона меньше суммы двух других, значит, треугольник "
                             "существует:");
  for (const Formula& comparison : comparisons)
    working.Math(comparison);
  if (degenerate) {
    working.Prose("Одна сторона равна сумме двух других: треугольник вырожденный.");
  }

  const Rational p = HalfPerimeter(AB, BC, AC);
  const std::string pText = FormatGeneral15(p);
  const FormulaNode pVar = Var("p");
  working.Heading("Площадь по формуле Герона");
  working.Math(Formula() << pVar << " = " << Frac("AB + BC + AC", "2") << " = " << Frac(all, "2")
                         << EqualsShown(p, pText) << pText);
  working.Math(Formula() << Var("S") << " = "
                         << Sqrt(Formula() << pVar << "(" << pVar << " − AB)(" << pVar << " − BC)("
                                           << pVar << " − AC)")
                         << " = "
                         << Sqrt(pText + "·(" + pText + " − " + n[0] + ")·(" + pText + " − " +
                                 n[1] + ")·(" + pText + " − " + n[2] + ")")
                         << Result(solution.S));

  working.Heading("Периметр");
  working.Math(Formula() << Var("P") << " = AB + BC + AC = " << all << Result(solution.P));

  const std::string S = FormatFixed(solution.S, 4, 2);
  working.Heading("Высоты");
  for (std::size_t i = 0; i < 3; ++i) {
    working.Math(Formula() << Var("h") << Sub(side[i]) << " = "
                           << Frac(Formula() << "2" << Var("S"), side[i]) << " = "
                           << Frac("2·" + S, n[i]) << Result(solution.heights[i]));
  }

  working.Heading("Медианы");
  for (std::size_t i = 0; i < 3; ++i) {
    const auto [y, z] = others[i];
    working.Math(Formula() << Var("m") << Sub(side[i]) << " = ½"
                           << Sqrt(Formula() << "2" << Squared(side[y]) << " + 2"
                                             << Squared(side[z]) << " − " << Squared(side[i]))
                           << " = ½"
                           << Sqrt(Formula() << "2·" << Squared(n[y]) << " + 2·" << Squared(n[z])
                                             << " − " << Squared(n[i]))
                           << Result(solution.medians[i]));
  }

  working.Heading("Биссектрисы");
  for (std::size_t i = 0; i < 3; ++i) {
    const auto [y, z] = others[i];
    const std::string pair = std::string(side[y]) + " + " + side[z];
    const std::string pairText = n[y] + " + " + n[z];
    working.Math(Formula() << Var("l") << Sub(side[i]) << " = "
                           << Frac(Sqrt(std::string(side[y]) + "·" + side[z] + "·(AB + BC + AC)·(" +
                                        pair + " − " + side[i] + ")"),
                                   pair)
                           << " = "
                           << Frac(Sqrt(n[y] + "·" + n[z] + "·(" + all + ")·(" + pairText + " − " +
                                        n[i] + ")"),
                                   pairText)
                           << Result(solution.bisectors[i]));
  }
  return working;
}

}  // namespace kalkora
