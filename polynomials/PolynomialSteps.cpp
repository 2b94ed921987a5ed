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

// x raised to e as a pupil writes it: x for x¹, nothing for x⁰ (the term is a number then).
Formula Power(const Rational& e) {
  if (e == 0) return {};
  if (e == 1) return Var("x");
  return Formula() << Var("x") << Sup(SchoolNumber(WriteNumber(e)));
}

// One term c·x^e on its own: 3x², −x, 5.
Formula Monomial(const Rational& c, const Rational& e) {
  return SchoolSum().Term(WriteNumber(c), Power(e)).Written();
}

// The polynomial as the page reads it.
Formula Written(const std::vector<PolynomialTerm>& terms) {
  SchoolSum sum;
  for (const PolynomialTerm& term : terms)
    sum.Term(WriteNumber(term.coefficient), term.variable ? Power(term.exponent) : Formula());
  return sum.Written();
}

// Whether `shown`, the text the page writes for `x`, is the value itself.
bool WrittenExactly(const PolynomialNumber& x, const std::string& shown) {
  if (x.exact) return IsWrittenExactly(x.value);
  return EqualsShown(x.approximate, shown) == " = ";
}

// The value after its sign: " = 22", " = 2/3 ≈ 0,666666666666667" for a value that is no
// decimal, " ≈ 2,52415787501905" for one rounded to the page's fifteen digits.
Formula Value(const PolynomialNumber& x) {
  const std::string shown = WriteNumber(x);
  if (WrittenExactly(x, shown)) return Formula(" = ") << SchoolNumber(shown);
  constexpr size_t kLongestFraction = 64;  // bits of a fraction still worth writing out
  if (x.exact &&
      mpz_sizeinbase(x.value.get_num_mpz_t(), 2) + mpz_sizeinbase(x.value.get_den_mpz_t(), 2) <=
          kLongestFraction) {
    Integer digits = x.value.get_den();
    while (mpz_divisible_ui_p(digits.get_mpz_t(), 2))
      digits /= 2;
    while (mpz_divisible_ui_p(digits.get_mpz_t(), 5))
      digits /= 5;
    // A fraction such as 2/3 that no decimal writes.
    if (digits != 1) return Formula(" = ") << ExactForm(x.value) << " ≈ " << SchoolNumber(shown);
  }
  return Formula(" ≈ ") << SchoolNumber(shown);
}

}  // namespace

Working DerivativeSteps(std::string_view polynomial) {
  Working working = SolvedWorking("Производная многочлена");
  const FormulaNode x = Var("x");
  if (IsSingleLetter(polynomial)) {
    working.Prose("Многочлен — одна переменная, её производная равна 1:");
    working.Math(Function(x, true) << "(" << Var(std::string(polynomial)) << ")′ = 1");
    working.Answer(Function(x, true) << "1");
    return working;
  }
  const std::vector<PolynomialTerm> terms =
      ReadPolynomialNumbers(polynomial).value_or(std::vector<PolynomialTerm>());
  const auto variable = [](const PolynomialTerm& term) {
    return term.variable && term.exponent != 0;
  };
  if (std::none_of(terms.begin(), terms.end(), variable)) {
    if (!terms.empty()) working.Math(Function(x) << Written(terms));
    working.Prose("В записи нет переменной: это число, а производная числа равна 0.");
    working.Math(Function(x, true) << "0");
    working.Answer(Function(x, true) << "0");
    return working;
  }

  working.Math(Function(x) << Written(terms));
  const bool numbers = !std::all_of(terms.begin(), terms.end(), variable);
  const FormulaNode n = Var("n");
  working.Prose(Formula("Производная каждого члена: (")
                << Var("c") << "·" << x << Sup(n) << ")′ = " << Var("c") << "·" << n << "·" << x
                << Sup(Formula() << n << "−1")
                << (numbers ? ", а производная числа равна 0:" : ":"));
  SchoolSum derivative;
  Rational product, lower;
  for (std::size_t i = 0; i < terms.size(); ++i) {
    const PolynomialTerm& term = terms[i];
    // Thousands of terms are all differentiated alike: the first ones show how.
    const bool shown = i < kLongestWrittenSum;
    if (i == kLongestWrittenSum) {
      working.Prose(Formula("… и так же каждый из остальных членов (всего их ")
                    << FormatInteger(static_cast<std::int32_t>(terms.size())) << ").");
    }
    if (!variable(term)) {
      if (shown) working.Math(Formula("(") << Monomial(term.coefficient, 0) << ")′ = 0");
      continue;
    }
    product = term.coefficient * term.exponent;
    lower = term.exponent - 1;
    Formula line;
    if (shown) {
      line << "(" << Monomial(term.coefficient, term.exponent) << ")′ = ";
      // c·n·xⁿ⁻¹ with the numbers put in, unless c is 1 or −1 and there is nothing to multiply.
      if (abs(term.coefficient) != 1 && sgn(term.coefficient) != 0) {
        line << SchoolNumber(WriteNumber(term.coefficient)) << "·"
             << SchoolOperand(SchoolNumber(WriteNumber(term.exponent)));
        if (lower != 0) line << "·" << Power(lower);
        line << " = ";
      }
    }
    // A zero coefficient leaves nothing of the term.
    if (sgn(product) == 0) {
      line << "0";
    } else {
      const std::string productText = WriteNumber(product);
      if (shown) line << Monomial(product, lower);
      derivative.Term(productText, Power(lower));
    }
    if (shown) working.Math(line);
  }
  const Formula result = Function(x, true) << derivative.Written();
  working.Math(result);
  working.Answer(result);
  return working;
}

Working PolynomialValueSteps(const std::vector<PolynomialTerm>& terms, const Rational& x,
                             const PolynomialNumber& value) {
  const std::string X = SchoolNumber(WriteNumber(x));
  Working working = SolvedWorking("Значение многочлена");
  working.Math(Function(Var("x")) << Written(terms));
  // The terms with x put in, and the value of each, as PolynomialValue computes them.
  SchoolSum putIn;
  SchoolSum values;
  bool rounded = false;  // a term's value is written rounded
  bool variable = false;
  for (const PolynomialTerm& term : terms) {
    if (term.variable && term.exponent != 0) {
      Formula power = Formula() << SchoolOperand(X);
      if (term.exponent != 1) power << Sup(SchoolNumber(WriteNumber(term.exponent)));
      // 2², not 1·2².
      if (abs(term.coefficient) == 1) {
        putIn.Signed(sgn(term.coefficient) < 0, power);
      } else {
        putIn.Term(WriteNumber(term.coefficient), Formula() << "·" << power);
      }
      variable = true;
    } else {
      putIn.Term(WriteNumber(term.coefficient));
    }
    const PolynomialNumber termValue = TermValue(term, x, value.exact);
    const std::string termText = WriteNumber(termValue);
    rounded = rounded || !WrittenExactly(termValue, termText);
    values.Term(termText);
  }
  Formula line = Function(X);
  // A number alone is its own value; the values of the terms are written for two terms or
  // more of which one has x (numbers alone already are their values).
  const bool sum = variable || terms.size() >= 2;
  const Formula result = Value(value);
  if (sum) {
    line << putIn.Written();
    if (variable && terms.size() >= 2) line << (rounded ? " ≈ " : " = ") << values.Written();
    line << result;
  } else {
    line << SchoolNumber(WriteNumber(value));
  }
  working.Math(line);
  // f(2) = 22: the answer is the value after its sign.
  Formula answer = Formula() << Var("f") << "(" << X << ")";
  working.Answer(sum ? answer << result : answer << " = " << SchoolNumber(WriteNumber(value)));
  return working;
}

Working LetterValueSteps(std::string_view letter, const std::string& xText) {
  Working working = SolvedWorking("Значение многочлена");
  working.Math(Function(Var("x")) << Var(std::string(letter)));
  working.Prose("Многочлен — одна переменная, поэтому его значение равно x:");
  const std::string X = SchoolNumber(xText);
  working.Math(Function(X) << X);
  working.Answer(Function(X) << X);
  return working;
}

}  // namespace kalkora
