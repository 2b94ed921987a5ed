// Polynomials as text: the numbers read from them, the derivative's text and the value.
#include "polynomials/Polynomial.h"

#include <gtest/gtest.h>

#include "common/Errors.h"
#include "numtext/NumText.h"

namespace kalkora {
namespace {

TEST(PolynomialTest, NumbersAreSignedWholeNumbersWithoutZeros) {
  EXPECT_EQ(ReadPolynomialNumbers("3*x^2+5*x^1-2*x^3"), (std::vector<double>{3, 2, 5, 1, -2, 3}));
  EXPECT_EQ(ReadPolynomialNumbers("2*x^-1"), (std::vector<double>{2, -1}));
  EXPECT_EQ(ReadPolynomialNumbers("0*x^5"), std::vector<double>{5});
  EXPECT_EQ(ReadPolynomialNumbers("2,5"), (std::vector<double>{2, 5}));  // no decimal comma
  // The one float reader: twenty digits are the nearest double, not an error.
  EXPECT_EQ(ReadPolynomialNumbers("12345678901234567890*x^1")[0], 12345678901234567890.0);
  for (const char* unreadable : {"3*x^2+x", "3*x^2+", "-ж"}) {
    EXPECT_THROW(ReadPolynomialNumbers(unreadable), ConvertError) << unreadable;
  }
}

TEST(PolynomialTest, TheTableOfDerivativesAndValues) {
  const struct {
    const char* polynomial;
    Extended x;
    const char* derivative;
    const char* value;
  } cases[] = {
      {"1*x^7", 2, "7x^6", "128"},
      {"3*x^2+5*x^1", 2, "6x^1+5x^0", "22"},
      {"3*x^2-4*x^1", 2, "6x^1-4x^0", "4"},
      {"-3*x^2", 1, "-6x^1", "-3"},
      {"-3*x^2+1*x^1", 1, "-6x^1+1x^0", "-2"},
      {"2*x^-1", 2, "-2x^-2", "1"},
      {"5", 3, "0", "5"},  // a lone number is a constant term
      {"-3+2", 2, "0", "-12"},
      {"", 2, "0", "0"},
      {"3*x^2+5", 2, "6x^1", "17"},
      {"0*x^5", 2, "", "5"},
  };
  for (const auto& c : cases) {
    const DerivativeOutcome derivative = Derivative(c.polynomial);
    EXPECT_EQ(derivative.text, c.derivative) << c.polynomial;
    EXPECT_EQ(derivative.message, "") << c.polynomial;
    EXPECT_EQ(FormatGeneral15(PolynomialValue(ReadPolynomialNumbers(c.polynomial), c.x)), c.value)
        << c.polynomial;
  }
  EXPECT_EQ(Derivative("x").text, "1");
  EXPECT_EQ(Derivative("3*x^2+x").message, kWrongPolynomial);
  EXPECT_EQ(Derivative("1" + std::string(400, '0') + "*x^2").message, kWrongPolynomial);
}

TEST(PolynomialTest, ZeroToANegativePowerDividesByZero) {
  try {
    PolynomialValue(ReadPolynomialNumbers("2*x^-1"), 0);
    FAIL() << "no error";
  } catch (const FloatError& e) {
    EXPECT_STREQ(e.what(), kDivisionByZeroMessage);
  }
}

}  // namespace
}  // namespace kalkora
