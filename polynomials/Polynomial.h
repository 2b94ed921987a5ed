// A polynomial typed as text: the sum of its terms, its derivative as text and its value at x,
// both from the exact numbers typed.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/Float.h"
#include "exact/Exact.h"

namespace kalkora {

inline constexpr const char* kWrongPolynomial = "Вы неправильно ввели многочлен";

// One term as typed: coefficient·x^exponent, or a number alone (exponent 0, no x).
struct PolynomialTerm {
  Rational coefficient;
  Rational exponent;
  bool variable = false;
};

// The terms of a sum of signed terms c·x^e, c·x, c, x^e and x, with or without "*", "x" or "X"
// for the variable, numbers with a decimal comma, an exponent with its own sign; blanks between
// the parts. An empty text is the sum of no terms. Nothing for a text that is no such sum.
std::optional<std::vector<PolynomialTerm>> ReadPolynomialNumbers(std::string_view text);

// What "f'(x)=?" shows: the derivative's text, or the page's message when the text cannot be
// read. Exactly one of the two is not empty.
struct DerivativeOutcome {
  std::string text;
  std::string message;
};
DerivativeOutcome Derivative(std::string_view polynomial);

// The value of a polynomial at x: exact when every exponent is whole and the powers are within
// reach, otherwise in 80-bit floating point.
struct PolynomialNumber {
  bool exact = true;
  Rational value;            // when exact
  Extended approximate = 0;  // when not
};
// The sum of c·x^e over the terms. x = 0 with a negative exponent, and the 80-bit route's float
// faults, throw FloatError.
PolynomialNumber PolynomialValue(const std::vector<PolynomialTerm>& terms, const Rational& x);
// One term of that sum, computed the way the sum is (`exact` as PolynomialValue decided).
PolynomialNumber TermValue(const PolynomialTerm& term, const Rational& x, bool exact);

// The number as the page writes it: FormatGeneral15.
std::string WriteNumber(const Rational& x);
std::string WriteNumber(const PolynomialNumber& x);
// Whether WriteNumber(x) is x itself: a decimal fraction of at most 15 significant digits.
bool IsWrittenExactly(const Rational& x);

// One Latin letter, A to Z or a to z: the polynomial x (or any other letter) on its own.
bool IsSingleLetter(std::string_view text);

}  // namespace kalkora
