#include "equations/QuadraticSteps.h"

#include <string>

#include "exact/Exact.h"
#include "steps/SchoolNotation.h"

namespace kalkora {

namespace {

// The page's text of D and of the roots.
std::string Shown(const Surd& value) {
  return FormatFixed(value, 6, 2);
}

}  // namespace

Working QuadraticSteps(const Rational& a, const Rational& b, const Rational& c,
                       const QuadraticSolution& solution) {
  const std::string A = FormatGeneral15(a);
  const std::string B = FormatGeneral15(b);
  const std::string C = FormatGeneral15(c);
  const std::string D = Shown(solution.D);
  const FormulaNode x = Var("x");
  const FormulaNode d = Var("D");

  Working working = SolvedWorking("Квадратное уравнение");
  SchoolSum equation;
  equation.Term(A, Formula() << x << Sup("2"));
  if (sgn(b) != 0) equation.Term(B, Formula() << x);
  if (sgn(c) != 0) equation.Term(C);
  working.Math(equation.Written() << " = 0");

  working.Heading("Дискриминант");
  working.Math(Formula() << d << " = " << Var("b") << Sup("2") << " − 4" << Var("a") << Var("c"));
  working.Math(Formula() << d << " = " << Operand(B) << Sup("2") << " − 4·" << Operand(A) << "·"
                         << Operand(C) << EqualsShown(solution.D, D) << D);
  if (!solution.HasRoots) {
    working.Prose(Formula() << d << " < 0, поэтому уравнение не имеет действительных корней.");
    return working;
  }
  if (sgn(solution.D) > 0) {
    working.Prose(Formula() << d << " > 0, поэтому уравнение имеет два различных корня.");
  } else {
    working.Prose(Formula() << d << " = 0, поэтому уравнение имеет один корень: "
                            << Indexed("x", "1") << " = " << Indexed("x", "2") << ".");
  }

  working.Heading("Корни");
  working.Math(Formula() << x << Sub("1") << "," << Sub("2") << " = "
                         << Frac(Formula() << "−" << Var("b") << " ± " << Sqrt(d),
                                 Formula() << "2" << Var("a")));
  // −b is left out when b is 0, as a pupil would.
  const std::string minusB = sgn(b) != 0 ? "−" + Operand(B) : std::string();
  const Formula twiceA = "2·" + Operand(A);
  // The sign before √D on its own (when −b is left out) and after −b.
  const struct {
    const char* index;
    const char* alone;
    const char* after;
    const Surd& root;
  } roots[] = {{"1", "", " + ", solution.x1}, {"2", "−", " − ", solution.x2}};
  for (const auto& root : roots) {
    const std::string shown = Shown(root.root);
    working.Math(Formula() << Indexed("x", root.index) << " = "
                           << Frac(Formula() << minusB << (minusB.empty() ? root.alone : root.after)
                                             << Sqrt(D),
                                   twiceA)
                           << EqualsShown(root.root, shown) << shown);
  }
  return working;
}

}  // namespace kalkora
