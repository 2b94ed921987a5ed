#include "polynomials/PolynomialSteps.h"

#include <algorithm>
#include <cstdint>

#include "numtext/NumText.h"
#include "polynomials/Polynomial.h"
#include "steps/SchoolNotation.h"

namespace kalkora {

namespace {

// "f(at) = ", or "f′(at) = " for the derivative.
Formula Function(const Formula& at, bool derivative = false) {
  return Formula() << Var("f") << (derivative ? "′(" : "(") << at << ") = ";
}

// The polynomial as the page reads it: the pairs (c, e) as c·x^e, a last lone number as itself.
Formula Written(const std::vector<double>& numbers) {
  SchoolSum sum;
  std::size_t i = 0;
  for (; i + 1 < numbers.size(); i += 2) {
    sum.Term(FormatGeneral15(numbers[i]), Formula()
                                              << Var("x") << Sup(FormatGeneral15(numbers[i + 1])));
  }
  if (i < numbers.size()) sum.Term(FormatGeneral15(numbers[i]));
  return sum.Written();
}

}  // namespace

Working DerivativeSteps(std::string_view polynomial) {
  Working working = SolvedWorking("Производная многочлена");
  const FormulaNode x = Var("x");
  if (IsSingleLetter(polynomial)) {
    working.Prose("Многочлен — одна переменная, её производная равна 1:");
    working.Math(Function(x, true) << "(" << Var(std::string(polynomial)) << ")′ = 1");
    return working;
  }
  // Derivative takes a text of signs and digits alone for a number.
  if (std::all_of(polynomial.begin(), polynomial.end(),
                  [](char c) { return c == '+' || c == '-' || (c >= '0' && c <= '9'); })) {
    if (!polynomial.empty()) working.Math(Function(x) << std::string(polynomial));
    working.Prose("В записи нет переменной: это число, а производная числа равна 0.");
    working.Math(Function(x, true) << "0");
    return working;
  }

  const std::vector<double> numbers = ReadPolynomialNumbers(polynomial);
  working.Math(Function(x) << Written(numbers));
  if (numbers.size() >= 2) {
    working.Prose(Formula("Производная каждого члена: (")
                  << Var("c") << x << Sup(Var("e")) << ")′ = " << Var("c") << "·" << Var("e") << "·"
                  << x << Sup(Formula() << Var("e") << "−1") << ":");
  }
  SchoolSum derivative;
  std::size_t i = 0;
  for (; i + 1 < numbers.size(); i += 2) {
    const std::string c = FormatGeneral15(numbers[i]);
    const std::string e = FormatGeneral15(numbers[i + 1]);
    const std::string product = FormatGeneral15(Mul(numbers[i], numbers[i + 1]));
    const Formula power = Formula() << x << Sup(FormatGeneral15(Sub(numbers[i + 1], 1)));
    // Thousands of terms are all differentiated alike: the first ones show how.
    if (i / 2 < kLongestWrittenSum) {
      working.Math(Formula() << "(" << c << x << Sup(e) << ")′ = " << c << "·" << Operand(e) << "·"
                             << x << Sup(Operand(e) + "−1") << " = " << product << power);
    } else if (i / 2 == kLongestWrittenSum) {
      working.Prose(Formula("… и так же каждый из остальных членов (всего их ")
                    << FormatInteger(static_cast<std::int32_t>(numbers.size() / 2)) << ").");
    }
    derivative.Term(product, power);
  }
  if (i < numbers.size()) {
    working.Prose("Последнее число без показателя — свободный член, а производная числа равна 0:");
    working.Math(Formula("(") << FormatGeneral15(numbers[i]) << ")′ = 0");
  }
  working.Math(Function(x, true) << derivative.Written());
  return working;
}

Working PolynomialValueSteps(const std::vector<double>& numbers, Extended x, Extended value) {
  const std::string X = FormatGeneral15(x);
  Working working = SolvedWorking("Значение многочлена");
  working.Math(Function(Var("x")) << Written(numbers));
  // The terms with x put in, and the value of each, as PolynomialValue computes them.
  SchoolSum putIn;
  SchoolSum terms;
  bool rounded = false;  // a term's value is written rounded
  std::size_t i = 0;
  for (; i + 1 < numbers.size(); i += 2) {
    putIn.Term(FormatGeneral15(numbers[i]),
               Formula() << "·" << Operand(X) << Sup(FormatGeneral15(numbers[i + 1])));
    const Extended term = PolynomialTerm(numbers[i], numbers[i + 1], x);
    const std::string termText = FormatGeneral15(term);
    rounded = rounded || EqualsShown(term, termText) != " = ";
    terms.Term(termText);
  }
  if (i < numbers.size()) {
    putIn.Term(FormatGeneral15(numbers[i]));
    terms.Term(FormatGeneral15(numbers[i]));
  }
  Formula line = Function(X);
  const std::string shown = FormatGeneral15(value);
  // A lone number is its own value, and a single term needs no sum of the values.
  if (numbers.size() >= 2) line << putIn.Written();
  if (numbers.size() >= 3) line << (rounded ? " ≈ " : " = ") << terms.Written();
  if (numbers.size() >= 2) line << EqualsShown(value, shown);
  line << shown;
  working.Math(line);
  return working;
}

Working LetterValueSteps(std::string_view letter, const std::string& xText) {
  Working working = SolvedWorking("Значение многочлена");
  working.Math(Function(Var("x")) << Var(std::string(letter)));
  working.Prose("Многочлен — одна переменная, поэтому его значение равно x:");
  working.Math(Function(xText) << xText);
  return working;
}

}  // namespace kalkora
