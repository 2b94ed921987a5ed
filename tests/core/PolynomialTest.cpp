// Polynomials as text: the terms read from them, the derivative's text and the exact value.
#include "polynomials/Polynomial.h"

#include <gtest/gtest.h>

#include <random>
#include <tuple>

#include "common/Errors.h"

namespace kalkora {
namespace {

// What "Вычислить" shows for `polynomial` at `x`: the value, the page's message or the error.
std::string Value(std::string_view polynomial, const char* x) {
  const std::optional<std::vector<PolynomialTerm>> terms = ReadPolynomialNumbers(polynomial);
  if (!terms) return kWrongPolynomial;
  try {
    return WriteNumber(PolynomialValue(*terms, ParseExact(x)));
  } catch (const FloatError& e) {
    return e.what();
  }
}

TEST(PolynomialTest, TermsAreReadAsTyped) {
  const struct {
    const char* text;
    std::vector<std::tuple<const char*, const char*, bool>> terms;  // c, e, written with x
  } cases[] = {
      {"3*x^2+5*x^1-2*x^3", {{"3", "2", true}, {"5", "1", true}, {"-2", "3", true}}},
      {"3x^2+2x-5", {{"3", "2", true}, {"2", "1", true}, {"-5", "0", false}}},
      {"-x^3+X", {{"-1", "3", true}, {"1", "1", true}}},
      {"2*x^-1", {{"2", "-1", true}}},
      {"0*x^5+0,5x^0", {{"0", "5", true}, {"0,5", "0", true}}},
      {" 1,25 x ^ +2 - ,5 ", {{"1,25", "2", true}, {"-0,5", "0", false}}},
      {"x^0,5", {{"1", "0,5", true}}},
      {"", {}},
  };
  for (const auto& c : cases) {
    const std::optional<std::vector<PolynomialTerm>> terms = ReadPolynomialNumbers(c.text);
    ASSERT_TRUE(terms) << c.text;
    ASSERT_EQ(terms->size(), c.terms.size()) << c.text;
    for (std::size_t i = 0; i < c.terms.size(); ++i) {
      const auto& [coefficient, exponent, variable] = c.terms[i];
      EXPECT_EQ((*terms)[i].coefficient, ParseExact(coefficient)) << c.text << " #" << i;
      EXPECT_EQ((*terms)[i].exponent, ParseExact(exponent)) << c.text << " #" << i;
      EXPECT_EQ((*terms)[i].variable, variable) << c.text << " #" << i;
    }
  }
  const std::string beyondTheRange = "1" + std::string(5000, '0') + "x";
  for (const std::string unreadable : {"3*x^2+", "-ж", "3*y^2", "x^", "3*", "*x", "2x3", "x^2^3",
                                       "--3", "3 4", "1,2,3x", ",x", "x*3", "+"}) {
    EXPECT_FALSE(ReadPolynomialNumbers(unreadable)) << unreadable;
  }
  EXPECT_FALSE(ReadPolynomialNumbers(beyondTheRange));
}

TEST(PolynomialTest, TheTableOfDerivativesAndValues) {
  const std::string big = "1" + std::string(400, '0') + "*x^2";
  const struct {
    std::string polynomial;
    const char* x;
    const char* derivative;
    const char* value;
  } cases[] = {
      {"1*x^7", "2", "7x^6", "128"},
      {"3*x^2+5*x^1", "2", "6x^1+5x^0", "22"},
      {"3*x^2-4*x^1", "2", "6x^1-4x^0", "4"},
      {"-3*x^2", "1", "-6x^1", "-3"},
      {"-3*x^2+1*x^1", "1", "-6x^1+1x^0", "-2"},
      {"2*x^-1", "2", "-2x^-2", "1"},
      {"5", "3", "0", "5"},
      {"", "2", "0", "0"},
      {"3*x^2+5", "2", "6x^1", "17"},
      // Zero coefficients and exponents, and numbers anywhere, are terms like the others.
      {"5*x^0+3*x^2", "2", "6x^1", "17"},
      {"3*x^2+0*x^1+5", "2", "6x^1", "17"},
      {"0*x^5", "2", "0", "0"},
      {"-3+2", "1", "0", "-1"},
      {"3*x^2+2*x-5", "2", "6x^1+2x^0", "11"},
      {"x^3-2x", "2", "3x^2-2x^0", "4"},
      // Decimals are the numbers they write; 80 bits would show 2753340,07481893.
      {"0,1x^3+0,2", "1", "0,3x^2", "0,3"},
      {"0,5X^2-x", "-1,5", "1x^1-1x^0", "2,625"},
      {"1,117x^4+387,387", "39,622", "4,468x^3", "2753340,07481892"},
      // A non-integral exponent: the derivative exact, the value in 80 bits.
      {"x^0,5", "4", "0,5x^-0,5", "2"},
      // Exact values beyond the 80-bit range and the doubles.
      {"x^5000", "10", "5000x^4999", "1E5000"},
      {big, "1", "2E400x^1", "1E400"},
      // Powers out of reach take the 80-bit route: its overflow, and the sign of a whole power.
      {"x^9000", "10", "9000x^8999", kOverflowMessage},
      {"x^999999999999", "-1", "999999999999x^999999999998", "-1"},
      {"x^999999999999", "1,5", "999999999999x^999999999998", kOverflowMessage},
      // x = 0 under a negative power divides by zero, whatever the coefficient.
      {"0*x^-1+1", "0", "0", kDivisionByZeroMessage},
  };
  for (const auto& c : cases) {
    const DerivativeOutcome derivative = Derivative(c.polynomial);
    EXPECT_EQ(derivative.text, c.derivative) << c.polynomial;
    EXPECT_EQ(derivative.message, "") << c.polynomial;
    EXPECT_EQ(Value(c.polynomial, c.x), c.value) << c.polynomial << " at " << c.x;
  }
  EXPECT_EQ(Derivative("x").text, "1");
  EXPECT_EQ(Derivative("3*x^2+y").message, kWrongPolynomial);
  EXPECT_EQ(Derivative("1" + std::string(5000, '0') + "*x^2").message, kWrongPolynomial);
  EXPECT_EQ(Value("3*x^2+", "1"), kWrongPolynomial);
}

TEST(PolynomialTest, NumbersAreWrittenRoundedHalfAwayFromZeroAndKnownExactOrNot) {
  const struct {
    const char* number;
    const char* written;
    bool exactly;
  } cases[] = {
      {"1,234567890123455", "1,23456789012346", false},
      {"-9,9999999999999995", "-10", false},
      {"999999999999999,5", "1E15", false},
      {"0,00001234567890123455", "1,23456789012346E-5", false},
      {"0,0000123456789012345", "1,23456789012345E-5", true},
      {"562949953421312", "562949953421312", true},
      {"100000000000000000000", "1E20", true},
      {"-0,5", "-0,5", true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(WriteNumber(ParseExact(c.number)), c.written) << c.number;
    EXPECT_EQ(IsWrittenExactly(ParseExact(c.number)), c.exactly) << c.number;
  }
  EXPECT_FALSE(IsWrittenExactly(Rational(1, 3)));
  EXPECT_EQ(WriteNumber(Rational(-2, 3)), "-0,666666666666667");
}

// A random number with 0 to 3 decimals below `whole`, and its text as typed.
std::pair<Rational, std::string> RandomDecimal(std::mt19937& random, int whole) {
  const int decimals = static_cast<int>(random() % 4);
  int scale = 1;
  for (int i = 0; i < decimals; ++i)
    scale *= 10;
  const long n = static_cast<long>(random() % static_cast<unsigned>(whole * scale));
  std::string text = std::to_string(n / scale);
  if (decimals > 0) {
    const std::string fraction = std::to_string(scale + n % scale).substr(1);
    text += "," + fraction;
  }
  Rational value(n, scale);
  value.canonicalize();
  return {value, text};
}

// A short decimal written out in full: sign, digits, the comma and the decimals without their
// trailing zeros.
std::string Plain(const Rational& q) {
  Rational scaled = abs(q) * 1000;
  const Integer thousandths = scaled.get_num() / scaled.get_den();
  std::string text = (sgn(q) < 0 ? "-" : "") + Integer(thousandths / 1000).get_str();
  std::string fraction = std::to_string(1000 + Integer(thousandths % 1000).get_si()).substr(1);
  fraction.erase(fraction.find_last_not_of('0') + 1);
  return fraction.empty() ? text : text + "," + fraction;
}

TEST(PolynomialTest, RandomPolynomialsAgainstARationalReference) {
  std::mt19937 random(2021);
  for (int n = 0; n < 3000; ++n) {
    std::string text;
    std::string derivative;
    Rational value = 0;
    const auto [x, xText] = RandomDecimal(random, 20);
    const bool negativeX = random() % 2 == 0;
    const Rational at = negativeX ? Rational(-x) : x;
    bool dividesByZero = false;
    const int count = 1 + static_cast<int>(random() % 6);
    for (int t = 0; t < count; ++t) {
      const bool negative = random() % 2 == 0;
      if (negative) {
        text += "-";
      } else if (t > 0) {
        text += "+";
      }
      // c·x^e with and without "*", c·x, c, x^e, x; zero coefficients and exponents included.
      const int shape = static_cast<int>(random() % 7);
      auto [c, cText] = random() % 5 == 0 ? std::pair<Rational, std::string>(0, "0")
                                          : RandomDecimal(random, 1000);
      int e = static_cast<int>(random() % 10) - 3;
      const char* letter = random() % 4 == 0 ? "X" : "x";
      if (shape >= 5) c = 1;
      if (shape == 2 || shape == 3 || shape == 6) e = 1;
      if (shape == 4) e = 0;
      switch (shape) {
        case 0:
          text += cText + "*" + letter + "^" + std::to_string(e);
          break;
        case 1:
          text += cText + letter + "^" + std::to_string(e);
          break;
        case 2:
          text += cText + "*" + letter;
          break;
        case 3:
          text += cText + letter;
          break;
        case 4:
          text += cText;
          break;
        case 5:
          text += std::string(letter) + "^" + std::to_string(e);
          break;
        default:
          text += letter;
          break;
      }
      if (negative) c = -c;
      const Rational product = c * e;
      if (sgn(product) != 0) {
        derivative += (sgn(product) > 0 ? "+" : "") + Plain(product) + "x^" + std::to_string(e - 1);
      }
      Rational power = 1;
      for (int i = 0; i < std::abs(e); ++i)
        power *= at;
      if (e < 0 && sgn(at) == 0) dividesByZero = true;
      if (!dividesByZero) value += e < 0 ? Rational(c / power) : Rational(c * power);
    }
    if (!derivative.empty() && derivative.front() == '+') derivative.erase(0, 1);
    if (derivative.empty()) derivative = "0";
    if (text == "x" || text == "X") continue;  // the one-letter rule of the page

    EXPECT_EQ(Derivative(text).text, derivative) << text;
    const std::string xTyped = (negativeX ? "-" : "") + xText;
    if (dividesByZero) {
      EXPECT_EQ(Value(text, xTyped.c_str()), kDivisionByZeroMessage) << text << " at " << xTyped;
      continue;
    }
    const PolynomialNumber computed = PolynomialValue(*ReadPolynomialNumbers(text), at);
    ASSERT_TRUE(computed.exact) << text << " at " << xTyped;
    EXPECT_EQ(computed.value, value) << text << " at " << xTyped;
    EXPECT_EQ(WriteNumber(computed), FormatGeneral15(value)) << text << " at " << xTyped;
  }
}

}  // namespace
}  // namespace kalkora
