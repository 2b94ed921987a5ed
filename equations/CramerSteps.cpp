#include "equations/CramerSteps.h"

#include <cstddef>
#include <string>

#include "steps/SchoolNotation.h"

namespace kalkora {

namespace {

// " = " when `shown` writes `value` exactly, " ≈ " when it is rounded.
std::string Relation(const Rational& value, const std::string& shown) {
  return EqualsShown(Surd(value), shown);
}

}  // namespace

Working CramerSteps(const std::vector<Rational>& values, const CramerSolution& solution) {
  const int n = values.size() == 6 ? 2 : 3;
  const char* const names[] = {"x", "y", "z"};
  // cell[i][j]: equation i, column j; column n is the right-hand side.
  std::string cell[3][4];
  for (int j = 0; j <= n; ++j) {
    for (int i = 0; i < n; ++i)
      cell[i][j] = FormatGeneral15(values[j * n + i]);
  }
  // The matrix of the system with column `replaced` (if any) swapped for the right-hand sides.
  const auto matrix = [&](int replaced) {
    std::vector<std::vector<Formula>> rows(n);
    for (int i = 0; i < n; ++i) {
      for (int j = 0; j < n; ++j)
        rows[i].push_back(cell[i][j == replaced ? n : j]);
    }
    return Det(rows);
  };
  const Rational* const d[] = {&solution.Det, &solution.DetX, &solution.DetY, &solution.DetZ};
  // Each determinant's text, which the page does not show, and "= text" or "≈ text".
  std::string dText[4];
  const auto value = [&](int k) {
    dText[k] = FormatGeneral15(*d[k]);
    return Formula() << Relation(*d[k], dText[k]) << dText[k];
  };

  Working working = SolvedWorking("Система линейных уравнений");
  for (int i = 0; i < n; ++i) {
    SchoolSum equation;
    for (int j = 0; j < n; ++j) {
      if (sgn(values[j * n + i]) != 0) equation.Term(cell[i][j], Formula() << Var(names[j]));
    }
    working.Math(equation.Written() << " = " << cell[i][n]);
  }

  working.Heading("Главный определитель");
  working.Math(Formula() << "Δ = " << matrix(-1) << value(0));
  if (!solution.Solvable) {
    working.Prose(
        "Δ = 0, поэтому система не имеет единственного решения: она либо несовместна, либо "
        "имеет бесконечно много решений.");
    return working;
  }
  working.Prose("Δ ≠ 0, поэтому система имеет единственное решение.");

  working.Heading("Определители неизвестных");
  for (int j = 0; j < n; ++j) {
    working.Math(Formula() << "Δ" << Var(names[j]) << " = " << matrix(j) << value(j + 1));
  }

  working.Heading("Неизвестные по формулам Крамера");
  const Rational* const unknowns[] = {&solution.x, &solution.y, &solution.z};
  for (int j = 0; j < n; ++j) {
    const std::string shown = FormatFixed(*unknowns[j], 4, 2);
    working.Math(Formula() << Var(names[j]) << " = " << Frac(Formula() << "Δ" << Var(names[j]), "Δ")
                           << " = " << Frac(dText[j + 1], dText[0]) << Relation(*unknowns[j], shown)
                           << shown);
  }
  return working;
}

}  // namespace kalkora
