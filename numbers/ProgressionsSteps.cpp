#include "numbers/ProgressionsSteps.h"

#include <string>

#include "steps/SchoolNotation.h"

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
  // The index as a subscript keeps its plain digits; every number on the line is in school
  // notation.
  const std::string index = std::to_string(n);
  const std::string nText = SchoolNumber(index);
  const std::string firstText = SchoolNumber(progression.FirstText());
  const std::string stepText = SchoolNumber(progression.StepText());
  const std::string lastShown = progression.TermText(n);
  const std::string sumShown = progression.SumText();
  const std::string last = SchoolNumber(lastShown);
  const std::string sum = SchoolNumber(sumShown);
  const Formula an = Term(term, Var("n"));
  const Formula aN = Term(term, index);
  const Formula a1 = Term(term, "1");
  const Formula sn = Term("S", Var("n"));
  const Formula sN = Term("S", index);

  Working working =
      SolvedWorking(arithmetic ? "Арифметическая прогрессия" : "Геометрическая прогрессия");
  // Semicolons between the data: a comma is the decimal separator.
  working.Prose(Formula("Дано: ") << a1 << " = " << firstText << "; " << Var(stepName) << " = "
                                  << stepText << "; " << Var("n") << " = " << nText << ".");
  // The answer names what the page shows: the n-th term and the sum.
  const Formula answer = Formula() << aN << Equals(lastShown) << last << "; " << sN
                                   << Equals(sumShown) << sum;
  if (n == 1) {
    working.Prose("Прогрессия из одного члена: сумма равна первому члену:");
    working.Math(Formula() << sN << " = " << a1 << Equals(sumShown) << sum);
    working.Answer(answer);
    return working;
  }
  working.Prose(Formula("Формула ") << Var("n") << "-го члена:");
  const std::string stepOperand = SchoolOperand(stepText);
  if (arithmetic) {
    working.Math(Formula() << an << " = " << a1 << " + (" << Var("n") << " − 1)" << Var("d"));
    working.Math(Formula() << aN << " = " << firstText << " + (" << nText << " − 1)·" << stepOperand
                           << " = " << last);
  } else {
    working.Math(Formula() << an << " = " << a1 << "·" << Var("q")
                           << Sup(Formula() << Var("n") << "−1"));
    working.Math(Formula() << aN << " = " << firstText << "·" << stepOperand
                           << Sup(std::to_string(n - 1)) << Equals(lastShown) << last);
  }
  working.Prose(Formula("Сумма первых ") << Var("n") << " членов:");
  if (arithmetic) {
    working.Math(Formula() << sn << " = " << Frac(Formula() << a1 << " + " << an, "2") << "·"
                           << Var("n"));
    working.Math(Formula() << sN << " = " << Frac(firstText + " + " + SchoolOperand(last), "2")
                           << "·" << nText << " = " << sum);
  } else if (progression.UnitRatio()) {
    working.Prose(Formula("При ") << Var("q") << " = 1 все члены равны " << a1 << ":");
    working.Math(Formula() << sn << " = " << Var("n") << "·" << a1);
    working.Math(Formula() << sN << " = " << nText << "·" << SchoolOperand(firstText)
                           << Equals(sumShown) << sum);
  } else {
    working.Math(Formula() << sn << " = "
                           << Frac(Formula() << a1 << "(" << Var("q") << Sup(Var("n")) << " − 1)",
                                   Formula() << Var("q") << " − 1"));
    working.Math(
        Formula() << sN << " = "
                  << Frac(Formula() << firstText << "·(" << stepOperand << Sup(index) << " − 1)",
                          stepText + " − 1")
                  << Equals(sumShown) << sum);
  }
  working.Answer(answer);
  return working;
}

}  // namespace kalkora
