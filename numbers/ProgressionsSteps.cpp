#include "numbers/ProgressionsSteps.h"

#include <string>

namespace kalkora {

namespace {

// A value in exponent form shows 15 digits of a longer number: it is rounded.
std::string Equals(const std::string& value) {
  return value.find('E') == std::string::npos ? " = " : " ≈ ";
}

Formula Term(const char* name, const Formula& index) {
  return Formula() << Var(name) << Sub(index);
}

}  // namespace

Working ProgressionSteps(const Progression& progression) {
  const bool arithmetic = progression.Kind() == ProgressionKind::Arithmetic;
  const char* const term = arithmetic ? "a" : "b";
  const char* const stepName = arithmetic ? "d" : "q";
  const std::int64_t n = progression.Count();
  const std::string nText = std::to_string(n);
  const std::string firstText = progression.FirstText();
  const std::string stepText = progression.StepText();
  const std::string last = progression.TermText(n);
  const std::string sum = progression.SumText();
  const Formula an = Term(term, Var("n"));
  const Formula aN = Term(term, nText);
  const Formula a1 = Term(term, "1");
  const Formula sn = Term("S", Var("n"));
  const Formula sN = Term("S", nText);

  Working working =
      SolvedWorking(arithmetic ? "Арифметическая прогрессия" : "Геометрическая прогрессия");
  working.Prose(Formula("Дано: ") << a1 << " = " << firstText << ", " << Var(stepName) << " = "
                                  << stepText << ", " << Var("n") << " = " << nText << ".");
  if (n == 1) {
    working.Prose("Прогрессия из одного члена: сумма равна первому члену:");
    working.Math(Formula() << sN << " = " << a1 << Equals(sum) << sum);
    return working;
  }
  working.Prose(Formula("Формула ") << Var("n") << "-го члена:");
  const std::string stepOperand = Operand(stepText);
  if (arithmetic) {
    working.Math(Formula() << an << " = " << a1 << " + (" << Var("n") << " − 1)" << Var("d"));
    working.Math(Formula() << aN << " = " << firstText << " + (" << nText << " − 1)·" << stepOperand
                           << " = " << last);
  } else {
    working.Math(Formula() << an << " = " << a1 << "·" << Var("q")
                           << Sup(Formula() << Var("n") << "−1"));
    working.Math(Formula() << aN << " = " << firstText << "·" << stepOperand
                           << Sup(std::to_string(n - 1)) << Equals(last) << last);
  }
  working.Prose(Formula("Сумма первых ") << Var("n") << " членов:");
  if (arithmetic) {
    working.Math(Formula() << sn << " = " << Frac(Formula() << a1 << " + " << an, "2") << "·"
                           << Var("n"));
    working.Math(Formula() << sN << " = " << Frac(firstText + " + " + Operand(last), "2") << "·"
                           << nText << " = " << sum);
  } else if (progression.UnitRatio()) {
    working.Prose(Formula("При ") << Var("q") << " = 1 все члены равны " << a1 << ":");
    working.Math(Formula() << sn << " = " << Var("n") << "·" << a1);
    working.Math(Formula() << sN << " = " << nText << "·" << Operand(firstText) << Equals(sum)
                           << sum);
  } else {
    working.Math(Formula() << sn << " = "
                           << Frac(Formula() << a1 << "(" << Var("q") << Sup(Var("n")) << " − 1)",
                                   Formula() << Var("q") << " − 1"));
    working.Math(
        Formula() << sN << " = "
                  << Frac(Formula() << firstText << "·(" << stepOperand << Sup(nText) << " − 1)",
                          stepText + " − 1")
                  << Equals(sum) << sum);
  }
  return working;
}

}  // namespace kalkora
