// A polynomial typed as text: the signed whole numbers in it, paired as coefficient and
// exponent, its derivative as text and its value at x.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/Float.h"

namespace kalkora {

inline constexpr const char* kWrongPolynomial = "Вы не правильно ввели многочлена";

// Every signed whole number of the text, in order, as doubles, with the zeros dropped. A sign
// starts a number made of the character after it and the digits after that; a number that
// cannot be read throws ConvertError, one beyond the doubles FloatError.
std::vector<double> ReadPolynomialNumbers(std::string_view text);

// What "f'(x)=?" shows: the derivative's text, or the page's message when the text cannot be
// read. Exactly one of the two is not empty, except for a list without a whole term, whose
// derivative is the empty text.
struct DerivativeOutcome {
  std::string text;
  std::string message;
};
DerivativeOutcome Derivative(std::string_view polynomial);

// The sum of c·x^e over the pairs (c, e), with the formulas' power rule; a last number without
// its exponent counts as a constant term. Float faults throw FloatError.
Extended PolynomialValue(const std::vector<double>& numbers, Extended x);
// One term of that sum: c·x^e.
Extended PolynomialTerm(double c, double e, Extended x);

// One Latin letter, A to Z or a to z: the polynomial x (or any other letter) on its own.
bool IsSingleLetter(std::string_view text);

}  // namespace kalkora
