#include "equations/CramerSteps.h"

#include <string>

#include "numtext/NumText.h"
#include "steps/SchoolNotation.h"

namespace kalkora {

namespace {

// "= value" or "≈ value" for a determinant, which the page does not show.
Formula Value(double value) {
  const std::string text = FormatGeneral15(value);
  return Formula() << EqualsShown(value, text) << text;
}

}  // namespace

Working CramerSteps(const std::vector<double>& values, const CramerSolution& solution) {
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
  const double d[] = {solution.Det, solution.DetX, solution.DetY, solution.DetZ};

  Working working = SolvedWorking("Система линейных уравнений");
  for (int i = 0; i < n; ++i) {
    SchoolSum equation;
    for (int j = 0; j < n; ++j) {
      if (values[j * n + i] != 0) equation.Term(cell[i][j], Formula() << Var(names[j]));
    }
    working.Math(equation.Written() << " = " << cell[i][n]);
  }

  working.Heading("Главный определитель");
  working.Math(Formula() << "Δ = " << matrix(-1) << Value(d[0]));
  if (!solution.Solvable) {
    working.Prose(
        "Δ = 0, поэтому система не имеет единственного решения: она либо несовместна, либо "
        "имеет бесконечно много решений.");
    return working;
  }
  working.Prose("Δ ≠ 0, поэтому система имеет единственное решение.");

  working.Heading("Определители неизвестных");
  for (int j = 0; j < n; ++j) {
    working.Math(Formula() << "Δ" << Var(names[j]) << " = " << matrix(j) << Value(d[j + 1]));
  }

  working.Heading("Неизвестные по формулам Крамера");
  const double unknowns[] = {solution.x, solution.y, solution.z};
  for (int j = 0; j < n; ++j) {
    const std::string shown = FormatFixed(unknowns[j], 4, 2);
    working.Math(Formula() << Var(names[j]) << " = " << Frac(Formula() << "Δ" << Var(names[j]), "Δ")
                           << " = " << Frac(FormatGeneral15(d[j + 1]), FormatGeneral15(d[0]))
                           << EqualsShown(unknowns[j], shown) << shown);
  }
  return working;
}

}  // namespace kalkora
