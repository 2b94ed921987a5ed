#include "geometry/CircleSteps.h"

#include <string>

#include "exact/Exact.h"
#include "steps/SchoolNotation.h"

namespace kalkora {

namespace {

// "= text" or "≈ text", the text as the page writes the result.
Formula Result(const Rational& value) {
  const std::string text = FormatFixed(value, 4, 2);
  return Formula() << EqualsShown(value, text) << text;
}

}  // namespace

Working CircleLengthSteps(const Rational& r, const Rational& length) {
  const FormulaNode c = Var("C");
  const FormulaNode rVar = Var("r");
  Working working = SolvedWorking("Длина окружности");
  working.Math(Formula() << c << " = 2π" << rVar << " ≈ 6,28·" << rVar);
  working.Math(Formula() << c << " ≈ 6,28·" << Operand(FormatGeneral15(r)) << Result(length));
  return working;
}

Working DiscAreaSteps(const Rational& r, const Rational& area) {
  const FormulaNode s = Var("S");
  const FormulaNode rVar = Var("r");
  Working working = SolvedWorking("Площадь круга");
  working.Math(Formula() << s << " = π" << rVar << Sup("2") << " ≈ 3,14·" << rVar << Sup("2"));
  working.Math(Formula() << s << " ≈ 3,14·" << Operand(FormatGeneral15(r)) << Sup("2")
                         << Result(area));
  return working;
}

}  // namespace kalkora
