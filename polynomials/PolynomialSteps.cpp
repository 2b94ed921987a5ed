#include "polynomials/PolynomialSteps.h"

#include <algorithm>
#include <cstdint>

#include "numtext/NumText.h"
#include "steps/SchoolNotation.h"

namespace kalkora {

namespace {

// "f(at) = ", or "f′(at) = " for the derivative.
Formula Function(const Formula& at, bool derivative = false) {
  return Formula() << Var("f") << (derivative ? "′(" : "(") << at << ") = ";
}

// The polynomial as the page reads it: each term as c·x^e, a number alone as itself.
Formula Written(const std::vector<PolynomialTerm>& terms) {
  SchoolSum sum;
  for (const PolynomialTerm& term : terms) {
    if (term.variable) {
      sum.Term(WriteNumber(term.coefficient), Formula()
                                                  << Var("x") << Sup(WriteNumber(term.exponent)));
    } else {
      sum.Term(WriteNumber(term.coefficient));
    }
  }
  return sum.Written();
}

// Whether `shown`, the text the page writes for `x`, is the value itself.
bool WrittenExactly(const PolynomialNumber& x, const std::string& shown) {
  if (x.exact) return IsWrittenExactly(x.value);
  return EqualsShown(x.approximate, shown) == " = ";
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
  const std::vector<PolynomialTerm> terms =
      ReadPolynomialNumbers(polynomial).value_or(std::vector<PolynomialTerm>());
  const auto variable = [](const PolynomialTerm& term) { return term.variable; };
  if (std::none_of(terms.begin(), terms.end(), variable)) {
    if (!terms.empty()) working.Math(Function(x) << Written(terms));
    working.Prose("В записи нет переменной: это число, а производная числа равна 0.");
    working.Math(Function(x, true) << "0");
    return working;
  }

  working.Math(Function(x) << Written(terms));
  const bool numbers = !std::all_of(terms.begin(), terms.end(), variable);
  working.Prose(Formula("Производная каждого члена: (")
                << Var("c") << x << Sup(Var("e")) << ")′ = " << Var("c") << "·" << Var("e") << "·"
                << x << Sup(Formula() << Var("e") << "−1")
                << (numbers ? ", а производная числа равна 0:" : ":"));
  SchoolSum derivative;
  Rational product;
  for (std::size_t i = 0; i < terms.size(); ++i) {
    const PolynomialTerm& term = terms[i];
    // Thousands of terms are all differentiated alike: the first ones show how.
    const bool shown = i < kLongestWrittenSum;
    if (i == kLongestWrittenSum) {
      working.Prose(Formula("… и так же каждый из остальных членов (всего их ")
                    << FormatInteger(static_cast<std::int32_t>(terms.size())) << ").");
    }
    if (!term.variable) {
      if (shown) working.Math(Formula("(") << WriteNumber(term.coefficient) << ")′ = 0");
      continue;
    }
    product = term.coefficient * term.exponent;
    Formula line;
    if (shown) {
      const std::string c = WriteNumber(term.coefficient);
      const std::string e = WriteNumber(term.exponent);
      line << "(" << c << x << Sup(e) << ")′ = " << c << "·" << Operand(e) << "·" << x
           << Sup(Operand(e) + "−1") << " = ";
    }
    // A zero product (x^0, a zero coefficient) leaves nothing of the term.
    if (sgn(product) == 0) {
      line << "0";
    } else {
      const std::string productText = WriteNumber(product);
      const Formula power = Formula() << x << Sup(WriteNumber(term.exponent - 1));
      if (shown) line << productText << power;
      derivative.Term(productText, power);
    }
    if (shown) working.Math(line);
  }
  working.Math(Function(x, true) << derivative.Written());
  return working;
}

Working PolynomialValueSteps(const std::vector<PolynomialTerm>& terms, const Rational& x,
                             const PolynomialNumber& value) {
  const std::string X = WriteNumber(x);
  Working working = SolvedWorking("Значение многочлена");
  working.Math(Function(Var("x")) << Written(terms));
  // The terms with x put in, and the value of each, as PolynomialValue computes them.
  SchoolSum putIn;
  SchoolSum values;
  bool rounded = false;  // a term's value is written rounded
  bool variable = false;
  for (const PolynomialTerm& term : terms) {
    const std::string c = WriteNumber(term.coefficient);
    if (term.variable) {
      putIn.Term(c, Formula() << "·" << Operand(X) << Sup(WriteNumber(term.exponent)));
      variable = true;
    } else {
      putIn.Term(c);
    }
    const PolynomialNumber termValue = TermValue(term, x, value.exact);
    const std::string termText = WriteNumber(termValue);
    rounded = rounded || !WrittenExactly(termValue, termText);
    values.Term(termText);
  }
  Formula line = Function(X);
  const std::string shown = WriteNumber(value);
  // A number alone is its own value; the values of the terms are written for two terms or
  // more of which one has x (numbers alone already are their values).
  const bool sum = variable || terms.size() >= 2;
  if (sum) line << putIn.Written();
  if (variable && terms.size() >= 2) line << (rounded ? " ≈ " : " = ") << values.Written();
  if (sum) line << (WrittenExactly(value, shown) ? " = " : " ≈ ");
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
