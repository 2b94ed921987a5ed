#include "polynomials/Polynomial.h"

#include <algorithm>

#include "common/Errors.h"
#include "numtext/NumText.h"

namespace kalkora {

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool IsSign(char c) {
  return c == '+' || c == '-';
}

// The length of the UTF-8 character that starts with `lead`, so that "the character after a
// sign" is never half a letter.
std::size_t CharacterLength(char lead) {
  const auto byte = static_cast<unsigned char>(lead);
  if (byte >= 0xF0) return 4;
  if (byte >= 0xE0) return 3;
  if (byte >= 0xC0) return 2;
  return 1;
}

}  // namespace

bool IsSingleLetter(std::string_view text) {
  return text.size() == 1 &&
         ((text[0] >= 'A' && text[0] <= 'Z') || (text[0] >= 'a' && text[0] <= 'z'));
}

std::vector<double> ReadPolynomialNumbers(std::string_view text) {
  std::vector<double> numbers;
  std::size_t a = 0;
  while (a < text.size()) {
    const char ch = text[a];
    if (!IsSign(ch) && !IsDigit(ch)) {
      ++a;
      continue;
    }
    const std::size_t start = IsSign(ch) ? a + 1 : a;
    // The character at the start, whatever it is (none after a final sign), then its digits.
    std::size_t end =
        std::min(text.size(), start + (start < text.size() ? CharacterLength(text[start]) : 0));
    while (end < text.size() && IsDigit(text[end]))
      ++end;
    numbers.push_back(ToDouble(ParseFloat(text.substr(a, end - a))));
    a = end;
  }
  std::erase(numbers, 0.0);
  return numbers;
}

DerivativeOutcome Derivative(std::string_view polynomial) {
  if (IsSingleLetter(polynomial)) return {"1", {}};
  if (std::all_of(polynomial.begin(), polynomial.end(),
                  [](char c) { return IsSign(c) || IsDigit(c); })) {
    return {"0", {}};
  }
  try {
    const std::vector<double> numbers = ReadPolynomialNumbers(polynomial);
    std::string text;
    // A last number without its exponent is no term of the derivative.
    for (std::size_t i = 0; i + 1 < numbers.size(); i += 2) {
      const Extended c = numbers[i];
      const Extended e = numbers[i + 1];
      const Extended product = Mul(c, e);
      if (product > 0) text += '+';
      text += FormatGeneral15(product) + "x^" + FormatGeneral15(Sub(e, 1));
    }
    if (!text.empty() && text.front() == '+') text.erase(0, 1);
    return {text, {}};
  } catch (const Error&) {
    return {{}, kWrongPolynomial};
  }
}

Extended PolynomialTerm(double c, double e, Extended x) {
  return Mul(c, Power(x, e));
}

Extended PolynomialValue(const std::vector<double>& numbers, Extended x) {
  Extended sum = 0;
  std::size_t i = 0;
  for (; i + 1 < numbers.size(); i += 2)
    sum = Add(sum, PolynomialTerm(numbers[i], numbers[i + 1], x));
  if (i < numbers.size()) sum = Add(sum, numbers[i]);
  return sum;
}

}  // namespace kalkora
