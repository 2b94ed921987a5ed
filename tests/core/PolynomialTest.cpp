// Polynomials as text: the terms read from them, the derivative's text and the exact value.
#include "polynomials/Polynomial.h"

#include <gtest/gtest.h>

#include <random>

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

// The terms read from `text`, each as c·x^e, or a number alone as c; "none" when unreadable.
std::string Read(std::string_view text) {
  const std::optional<std::vector<PolynomialTerm>> terms = ReadPolynomialNumbers(text);
  if (!terms) return "none";
  std::string read;
  for (const PolynomialTerm& t : *terms) {
    read += " " + WriteNumber(t.coefficient);
    if (t.variable) read += "·x^" + WriteNumber(t.exponent);
  }
  return read;
}

TEST(PolynomialTest, TermsAreReadAsTyped) {
  const std::pair<std::string, const char*> cases[] = {
      {"3*x^2+5*x^1-2*x^3", " 3·x^2 5·x^1 -2·x^3"},
      {"3x^2+2x-5", " 3·x^2 2·x^1 -5"},
      {"-x^3+X", " -1·x^3 1·x^1"},
      {"0*x^5+0,5x^0-2*x^-1", " 0·x^5 0,5·x^0 -2·x^-1"},
      {" 1,25 x ^ +2 - ,5 ", " 1,25·x^2 -0,5"},
      {"x^0,5", " 1·x^0,5"},
      {"", ""},
      {"1" + std::string(5000, '0') + "x", "none"},  // beyond the 80-bit range
  };
  for (const auto& [text, read] : cases)
    EXPECT_EQ(Read(text), read) << text;
  for (const char* unreadable : {"3*x^2+", "-ж", "3*y^2", "x^", "3*", "*x", "2x3", "x^2^3", "--3",
                                 "3 4", "1,2,3x", ",x", "x*3", "+"}) {
    EXPECT_EQ(Read(unreadable), "none") << unreadable;
  }
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
      {"0,00001234567890123455", "1,23456789012346E-5", false},
      {"0,0000123456789012345", "1,23456789012345E-5", true},
      {"100000000000000000000", "1E20", true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(WriteNumber(ParseExact(c.number)), c.written) << c.number;
    EXPECT_EQ(IsWrittenExactly(ParseExact(c.number)), c.exactly) << c.number;
  }
  EXPECT_FALSE(IsWrittenExactly(Rational(1, 3)));
  EXPECT_EQ(WriteNumber(Rational(-2, 3)), "-0,666666666666667");
}

// A random number with 0 to 3 decimals below `whole`, negative if asked, and its text as typed.
std::pair<Rational, std::string> RandomDecimal(std::mt19937& random, long whole, bool negative) {
  const auto decimals = static_cast<std::size_t>(random() % 4);
  const long scale = std::stol("1" + std::string(decimals, '0'));
  const long n = static_cast<long>(random() % static_cast<unsigned long>(whole * scale));
  std::string text = (negative ? "-" : "") + std::to_string(n / scale);
  if (decimals > 0) text += "," + std::to_string(scale + n % scale).substr(1);
  Rational value(negative ? -n : n, scale);
  value.canonicalize();
  return {value, text};
}

// A decimal of at most 3 decimals written out: the digits, the comma, no trailing zeros.
std::string Plain(const Rational& q) {
  const Integer thousandths = Integer(abs(q) * 1000);
  std::string text = (sgn(q) < 0 ? "-" : "") + Integer(thousandths / 1000).get_str();
  std::string fraction = std::to_string(1000 + Integer(thousandths % 1000).get_si()).substr(1);
  fraction.erase(fraction.find_last_not_of('0') + 1);
  return fraction.empty() ? text : text + "," + fraction;
}

TEST(PolynomialTest, RandomPolynomialsAgainstARationalReference) {
  // c·x^e with and without "*", c·x, c, x^e and x, for C, L and E.
  const std::string shapes[] = {"C*L^E", "CL^E", "C*L", "CL", "C", "L^E", "L"};
  std::mt19937 random(2021);
  for (int n = 0; n < 3000; ++n) {
    const auto [x, xText] = RandomDecimal(random, 20, random() % 2 == 0);
    std::string text, derivative;
    Rational value = 0;
    bool dividesByZero = false;
    for (int t = 0, count = 1 + static_cast<int>(random() % 6); t < count; ++t) {
      const std::string& shape = shapes[random() % 7];
      const bool negative = random() % 2 == 0;
      auto [c, cText] = RandomDecimal(random, random() % 5 == 0 ? 1 : 1000, false);
      if (shape.find('C') == std::string::npos) c = 1;
      if (negative) c = -c;
      text += negative ? "-" : t > 0 ? "+" : "";
      const int e = shape.find('E') != std::string::npos ? static_cast<int>(random() % 10) - 3
                                                         : shape.find('L') != std::string::npos;
      for (char part : shape) {
        text += part == 'C'   ? cText
                : part == 'L' ? (random() % 4 == 0 ? "X" : "x")
                : part == 'E' ? std::to_string(e)
                              : std::string(1, part);
      }
      const Rational product = c * e;
      if (sgn(product) != 0)
        derivative += (sgn(product) > 0 ? "+" : "") + Plain(product) + "x^" + std::to_string(e - 1);
      Rational power = 1;
      for (int i = 0; i < std::abs(e); ++i)
        power *= x;
      dividesByZero = dividesByZero || (e < 0 && sgn(x) == 0);
      if (!dividesByZero) value += e < 0 ? Rational(c / power) : Rational(c * power);
    }
    if (!derivative.empty() && derivative.front() == '+') derivative.erase(0, 1);
    if (text == "x" || text == "X") continue;  // the page's one-letter rule
    EXPECT_EQ(Derivative(text).text, derivative.empty() ? "0" : derivative) << text;
    if (dividesByZero) {
      EXPECT_EQ(Value(text, xText.c_str()), kDivisionByZeroMessage) << text << " at " << xText;
      continue;
    }
    const std::optional<std::vector<PolynomialTerm>> terms = ReadPolynomialNumbers(text);
    ASSERT_TRUE(terms) << text;
    const PolynomialNumber computed = PolynomialValue(*terms, x);
    ASSERT_TRUE(computed.exact) << text << " at " << xText;
    EXPECT_EQ(computed.value, value) << text << " at " << xText;
    EXPECT_EQ(WriteNumber(computed), FormatGeneral15(value)) << text << " at " << xText;
  }
}

}  // namespace
}  // namespace kalkora
