#include "graphs/Qrafik.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>

#include "graphs/Plot.h"
#include "numtext/NumText.h"

namespace kalkora {
namespace {

// The graph page's road for one point: prepare, put x in, reduce.
std::string EvaluateAt(const std::string& formula, Extended x) {
  return EvaluateFormula(SubstituteX(PrepareFormula(formula), x));
}

std::string FloatMessage(const std::string& text) {
  return "'" + text + "' is not a valid floating point value";
}

// ---- whole evaluations ----

struct EvaluationCase {
  std::string formula;
  Extended x;
  std::string result;
};
void PrintTo(const EvaluationCase& c, std::ostream* os) {
  *os << c.formula << " at x = " << FormatGeneral15(c.x) << " -> " << c.result;
}

class EvaluatesTo : public testing::TestWithParam<EvaluationCase> {};

TEST_P(EvaluatesTo, TheExpectedText) {
  EXPECT_EQ(EvaluateAt(GetParam().formula, GetParam().x), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(
    TheFormulaTable, EvaluatesTo,
    testing::Values(EvaluationCase{"x^4-4*x^3", -2, "48"}, EvaluationCase{"x^4-4*x^3", 0, "0"},
                    EvaluationCase{"x^4-4*x^3", 3, "-27"}, EvaluationCase{"2^3^2", 1, "64"},
                    EvaluationCase{"8/2*2", 1, "8"}, EvaluationCase{"2-3-4", 1, "-5"},
                    EvaluationCase{"-x^2", 3, "9"}, EvaluationCase{"0-x^2", 3, "-9"},
                    EvaluationCase{"2-x^2", 3, "-7"},
                    EvaluationCase{"2x/3x", 0.5L, "0,666666666666667"},
                    EvaluationCase{"sin x", 0.5L, "0,479425538604203"},
                    EvaluationCase{"x^(-1)", 4, "0,25"}, EvaluationCase{"2^(x)", -1, "0,5"},
                    EvaluationCase{"(x+1", 5, "0"}, EvaluationCase{"x)+1)-(x", 5, "0"},
                    EvaluationCase{"1/3*3", 1, "0,999999999999999"},
                    EvaluationCase{"cosh x", 0, "1"}, EvaluationCase{"sinh x", 0, "0"}));

INSTANTIATE_TEST_SUITE_P(
    LevelsAndAssociativity, EvaluatesTo,
    testing::Values(
        EvaluationCase{"2\\4\\2", 0, "0,25"}, EvaluationCase{"6/3/2", 0, "1"},
        EvaluationCase{"1-2+3", 0, "2"}, EvaluationCase{"2+3*4", 0, "14"},
        EvaluationCase{"2*3^2", 0, "18"}, EvaluationCase{"2\\4^2", 0, "0,125"},
        // Implicit products and "\" come before functions, "*" and "/".
        EvaluationCase{"12/2x", 3, "2"}, EvaluationCase{"2*3\\6", 0, "1"},
        EvaluationCase{"12\\2*3", 0, "18"}, EvaluationCase{"sin 2x", 1, "0,909297426825682"},
        // A function takes the number right after it, once powers and products are done.
        EvaluationCase{"sin x^2", 2, "-0,756802495307928"},
        EvaluationCase{"sin x*2", 1, "1,68294196961579"}, EvaluationCase{"log x+1", 100, "3"},
        EvaluationCase{"log (x+1)", 99, "2"}, EvaluationCase{"sin( x)", 3, "0,141120008059867"},
        EvaluationCase{"sin x+cos x", 0, "1"}, EvaluationCase{"2^x\\4", 3, "2"},
        // A finished group loses its parentheses before an operator sees it...
        EvaluationCase{"(x)+1", 3, "4"}, EvaluationCase{"((1+2)*(3+4))", 0, "21"},
        // ...but a finished text only loses one pair.
        EvaluationCase{"(x)", 3, "(3)"}, EvaluationCase{"((1+2))", 0, "(3)"}));

INSTANTIATE_TEST_SUITE_P(
    Signs, EvaluatesTo,
    testing::Values(EvaluationCase{"2*-x", 3, "-6"}, EvaluationCase{"6/-x", 3, "-2"},
                    EvaluationCase{"2+-x", 3, "-1"}, EvaluationCase{"2--x", 3, "5"},
                    EvaluationCase{"2x", -3, "-6"}, EvaluationCase{"(-x)*2", 3, "-6"},
                    EvaluationCase{"sin -x", 1, "-0,841470984807897"},
                    EvaluationCase{"x*x", -3, "9"}, EvaluationCase{"x-x", -3, "0"},
                    EvaluationCase{"2^(-x)", 2, "0,25"}));

// x is one operand holding its value, as if it stood in parentheses: its sign is never read as
// a subtraction, and it is never written in exponent form.
INSTANTIATE_TEST_SUITE_P(
    XIsOneOperand, EvaluatesTo,
    testing::Values(EvaluationCase{"2^x", -2, "0,25"}, EvaluationCase{"2\\x", -2, "-1"},
                    EvaluationCase{"-x", -2, "2"}, EvaluationCase{"-x^2", -2, "4"},
                    EvaluationCase{"0-x^2", -2, "-4"}, EvaluationCase{"3--x", -2, "1"},
                    EvaluationCase{"x", 0.000001L, "0,000001"},
                    EvaluationCase{"x", -1e-20L, "-0,00000000000000000001"},
                    EvaluationCase{"x+1", 1e20L, "100000000000000000000"},
                    // Results keep their own rule: beyond 30 in the exponent they are 0.
                    EvaluationCase{"x*x", 1e-20L, "0"}));

INSTANTIATE_TEST_SUITE_P(
    ImplicitProducts, EvaluatesTo,
    testing::Values(EvaluationCase{"2(x+1)", 2, "6"}, EvaluationCase{"(x+1)(x-1)", 3, "8"},
                    EvaluationCase{"(1+1)x", 3, "6"}, EvaluationCase{"2x^2", 3, "18"},
                    EvaluationCase{"2sin x", 1, "1,68294196961579"},
                    EvaluationCase{"(1)cos x", 0, "1"}, EvaluationCase{"3log x", 100, "6"},
                    EvaluationCase{"2sinh x", 1, "2,3504023872876"}, EvaluationCase{"x^,5", 4, "2"},
                    EvaluationCase{",5x", 4, "2"}));

INSTANTIATE_TEST_SUITE_P(
    PowersAndFunctions, EvaluatesTo,
    testing::Values(EvaluationCase{"x^0", 0, "1"}, EvaluationCase{"(-2)^0", 0, "1"},
                    EvaluationCase{"0^3", 0, "0"}, EvaluationCase{"x^3", -2, "-8"},
                    EvaluationCase{"x^(-3)", -2, "-0,125"}, EvaluationCase{"4^0,5", 0, "2"},
                    EvaluationCase{"2^0,5", 0, "1,4142135623731"},
                    EvaluationCase{"1^3000000000", 0, "1"},
                    EvaluationCase{"tan x", 1, "1,5574077246549"},
                    EvaluationCase{"ctg x", 1, "0,642092615934331"},
                    EvaluationCase{"cosh x", 1, "1,54308063481524"},
                    EvaluationCase{"sinh x", -1, "-1,1752011936438"},
                    // The small-argument rule: 10^-16 and below are exactly 0 and 1.
                    EvaluationCase{"sinh 0,0000000000000001", 0, "0"},
                    EvaluationCase{"cosh 0,0000000000000001", 0, "1"},
                    EvaluationCase{"sinh 0,0000000000000002", 0, "0,0000000000000002"},
                    // Above it sinh keeps all its digits instead of losing them to e^a - e^-a.
                    EvaluationCase{"sinh 0,000000000001", 0, "0,000000000001"},
                    EvaluationCase{"sinh 0,00001", 0, "0,0000100000000001667"}));

INSTANTIATE_TEST_SUITE_P(
    FifteenDigitsAndExponentForms, EvaluatesTo,
    testing::Values(
        // Rounded to 15 digits after every operation, and carried in plain digits.
        EvaluationCase{"2^50", 0, "1125899906842620"},
        EvaluationCase{"2^50-1125899906842624", 0, "-4"},
        EvaluationCase{"3^40", 0, "12157665459056900000"},
        EvaluationCase{"10^20", 0, "100000000000000000000"}, EvaluationCase{"10^20/10^19", 0, "10"},
        EvaluationCase{"10^30", 0, "1" + std::string(30, '0')},
        EvaluationCase{"1\\3000", 0, "0,000333333333333333"},
        EvaluationCase{"1,5\\10000000", 0, "0,00000015"},
        EvaluationCase{"-1,5\\10000000", 0, "-0,00000015"},
        EvaluationCase{"0,1^30", 0, "0," + std::string(29, '0') + "1"},
        EvaluationCase{"(1\\10^20)*10^20", 0, "1"},
        // Beyond 30 in the exponent both ways: zero, without a sign.
        EvaluationCase{"10^31", 0, "0"}, EvaluationCase{"-10^31", 0, "0"},
        EvaluationCase{"0,1^31", 0, "0"}, EvaluationCase{"10^31+5", 0, "5"},
        // A power whose reciprocal is beyond the range underflows to zero.
        EvaluationCase{"10^(-5000)", 0, "0"},
        // Beyond 32 bits the exponent goes through the logarithm: a positive base is fine.
        EvaluationCase{"1^3000000000", 0, "1"}, EvaluationCase{"0,5^3000000000", 0, "0"}));

// A long formula against the same formula computed directly: the rewriting rounds to 15 digits
// after each step, so the two agree to about 13 digits.
TEST(EvaluateFormula, LongFormulaMatchesDirectComputation) {
  const std::string formula =
      "sin (x+1)*cos (2x-1)+log (x^2+1)/(1+x^2)-tan (x/3)+2sinh (x/4)-cosh (x/5)+"
      "(x-1)(x+2)(x-3)/(x^2+4)+((x+1)^2-(x-1)^2)/4+3x^3-2x^2+x-7+ctg (x+10)*(x^4-4*x^3)/"
      "(1+x^2)^2-(2x+1)/(x^2+1)+sin (x^2)*(x-5)/10+1";
  for (const Extended x : {-1.75L, 0.5L, 1.5L, 3.25L}) {
    const Extended x2 = x * x;
    const Extended expected =
        std::sin(x + 1) * std::cos(2 * x - 1) + std::log10(x2 + 1) / (1 + x2) - std::tan(x / 3) +
        2 * std::sinh(x / 4) - std::cosh(x / 5) + (x - 1) * (x + 2) * (x - 3) / (x2 + 4) +
        ((x + 1) * (x + 1) - (x - 1) * (x - 1)) / 4 + 3 * x2 * x - 2 * x2 + x - 7 +
        std::cos(x + 10) / std::sin(x + 10) * (x2 * x2 - 4 * x2 * x) / ((1 + x2) * (1 + x2)) -
        (2 * x + 1) / (x2 + 1) + std::sin(x2) * (x - 5) / 10 + 1;
    EXPECT_NEAR(ParseFloat(EvaluateAt(formula, x)), expected, 1e-12L * std::fabs(expected))
        << "x = " << FormatGeneral15(x);
  }
}

// Where x put in as its number text gave a value, x as one operand gives the very same text.
TEST(EvaluateFormula, XAsOneOperandKeepsEveryValueOfXAsText) {
  const char* const formulas[] = {
      "x^4-4*x^3", "-x^2",   "0-x^2",  "2-x^2",  "2x/3x", "sin x",  "x^(-1)", "2^(x)",  "-x",
      "2X",        "xx",     "x,5",    "3--x",   "2*-x",  "6/-x",   "(-x)*2", "sin -x", "x*x",
      "x-x",       "2^(-x)", "x^3",    "cosh x", "~x",    "x~x",    "(x)+1",  "12/2x",  "x\\2",
      "x^2^x",     "2(x)",   "-(x)*1", "x(1)",   "1-x",   "(x-1)x", "log -x", "x+-x"};
  const Extended xs[] = {-2, -0.5L, -0.0001L, 0, 0.0001L, 0.5L, 3, -123456.789L, 1e14L, -1e14L};
  int values = 0;
  for (const char* formula : formulas) {
    for (const Extended x : xs) {
      std::string asText;
      for (const char c : PrepareFormula(formula))
        asText += c == 'x' || c == 'X' ? FormatGeneral15(x) : std::string(1, c);
      std::string before;
      try {
        before = EvaluateFormula(asText);
        (void)ParseFloat(before);
      } catch (const Error&) {
        continue;
      }
      ++values;
      EXPECT_EQ(EvaluateAt(formula, x), before) << formula << " at x = " << FormatGeneral15(x);
    }
  }
  EXPECT_GT(values, 200);
}

// ---- texts that are no number ----

TEST(EvaluateFormula, UnreducibleTextsComeBackAsTheyAre) {
  // No space after the name: the function is not recognised.
  EXPECT_EQ(EvaluateAt("sin(x)", 1), "sin1");
  // Capitals make no product.
  EXPECT_EQ(EvaluateFormula("2A"), "2A");
  // A ")" before its "(" cannot be grouped, even where wrapping would pair it.
  EXPECT_EQ(EvaluateFormula(")1+2("), ")1+2(");
  EXPECT_EQ(EvaluateFormula("3)+(3"), "3)+(3");
  // An empty formula leaves an empty text; empty parentheses are a finished text, one pair
  // of which is removed.
  EXPECT_EQ(EvaluateFormula(""), "");
  EXPECT_EQ(EvaluateFormula("()"), "()");
}

// ---- failures ----

struct FailureCase {
  std::string formula;
  Extended x;
  std::string message;
};
void PrintTo(const FailureCase& c, std::ostream* os) {
  *os << c.formula << " at x = " << FormatGeneral15(c.x) << " -> " << c.message;
}

// The graph page reads the result back, so a text that is no number fails there.
class Fails : public testing::TestWithParam<FailureCase> {};

TEST_P(Fails, WithTheMessage) {
  try {
    const std::string result = EvaluateAt(GetParam().formula, GetParam().x);
    (void)ParseFloat(result);
    ADD_FAILURE() << "gave " << result;
  } catch (const Error& e) {
    EXPECT_EQ(e.what(), GetParam().message);
  }
}

INSTANTIATE_TEST_SUITE_P(
    ConversionErrors, Fails,
    testing::Values(
        FailureCase{"sin(x)", 1, FloatMessage("sin1")}, FailureCase{"x^-1", 4, FloatMessage("")},
        FailureCase{"2^-1", 0, FloatMessage("")}, FailureCase{"2\\-1", 0, FloatMessage("")},
        FailureCase{"(x)", 3, FloatMessage("(3)")}, FailureCase{"x + 1", 1, FloatMessage("")},
        FailureCase{"sin cos x", 1, FloatMessage("")}, FailureCase{"a+x", 1, FloatMessage("")},
        FailureCase{"1,2,3+x", 1, FloatMessage("1,2,3")},
        FailureCase{"2---x", 3, FloatMessage("-")}, FailureCase{"", 1, FloatMessage("")},
        FailureCase{"x)-(x", 3, FloatMessage("3)-(3")},
        // Two signs before x fail whatever its sign.
        FailureCase{"--x", 2, FloatMessage("-~2")}, FailureCase{"--x", -2, FloatMessage("--")},
        // An exponent letter would read as a number the rewriting never computed.
        FailureCase{"1E20", 0, FloatMessage("1E20")},
        FailureCase{"2,e3", 0, FloatMessage("2,e3")}));

INSTANTIATE_TEST_SUITE_P(
    ArithmeticErrors, Fails,
    testing::Values(
        FailureCase{"1/x", 0, kDivisionByZeroMessage},
        FailureCase{"1\\x", 0, kDivisionByZeroMessage},
        FailureCase{"ctg x", 0, kDivisionByZeroMessage},
        FailureCase{"log x", 0, kDivisionByZeroMessage},
        FailureCase{"x^(-1)", 0, kDivisionByZeroMessage},
        FailureCase{"x^(-0,5)", 0, kDivisionByZeroMessage},
        FailureCase{"x/x", 0, kInvalidOperationMessage},
        FailureCase{"log x", -1, kInvalidOperationMessage},
        FailureCase{"x^0,5", -4, kInvalidOperationMessage},
        FailureCase{"9^(9^9)", 0, kOverflowMessage}, FailureCase{"cosh x", 20000, kOverflowMessage},
        FailureCase{"sinh x", -20000, kOverflowMessage},
        FailureCase{"(-2)^3000000001", 0, kInvalidOperationMessage},
        FailureCase{"(-1)^3000000000", 0, kInvalidOperationMessage},
        FailureCase{"x^3000000000", -1, kInvalidOperationMessage},
        // The reciprocal of a power that underflowed is beyond the range, not a division by zero.
        FailureCase{"0,5^(-20000)", 0, kOverflowMessage}));

// ---- the text rules on their own ----

struct TextCase {
  std::string text;
  std::string result;
};
void PrintTo(const TextCase& c, std::ostream* os) {
  *os << '"' << c.text << "\" -> \"" << c.result << '"';
}

class PrepareFormulaWrites : public testing::TestWithParam<TextCase> {};

TEST_P(PrepareFormulaWrites, TheNormalisedText) {
  EXPECT_EQ(PrepareFormula(GetParam().text), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, PrepareFormulaWrites,
    testing::Values(TextCase{"2sin x", "2*sin x"}, TextCase{"2sinh x", "2*sinh x"},
                    TextCase{"(1)log x", "(1)*log x"}, TextCase{"xsin x", "xsin x"},
                    TextCase{"2x", "2&x"}, TextCase{"2(x)", "2&(x)"}, TextCase{"(x)(x)", "(x)&(x)"},
                    TextCase{"(x)x", "(x)&x"}, TextCase{"2X", "2X"}, TextCase{"2\xe0", "2\xe0"},
                    TextCase{"-x", "-x"}, TextCase{"(-x)", "(~x)"},
                    TextCase{"x*-1&-1/-1+-1--1 -1", "x*~1&~1/~1+~1-~1 ~1"},
                    TextCase{"x^-1\\-1", "x^-1\\-1"}, TextCase{"x---1", "x-~-1"},
                    TextCase{"x^,5", "x^0,5"}, TextCase{",5", ",5"}, TextCase{"(),5", "()0,5"},
                    TextCase{"(x+1", "0"}, TextCase{"x)", "0"}, TextCase{"", ""},
                    // The worked example's first step: the wrapped text with its signs.
                    TextCase{"(-2^4-4*-2^3)", "(~2^4-4*~2^3)"}, TextCase{"sin", "sin"}));

class NormalizeNumberTextWrites : public testing::TestWithParam<TextCase> {};

TEST_P(NormalizeNumberTextWrites, TheShortForm) {
  EXPECT_EQ(NormalizeNumberText(GetParam().text), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(Texts, NormalizeNumberTextWrites,
                         testing::Values(TextCase{"", "0"}, TextCase{"-", "0"},
                                         TextCase{"000", "0"}, TextCase{"-0", "0"},
                                         TextCase{"-0,0", "0"}, TextCase{"0012,500", "12,5"},
                                         TextCase{",500", "0,5"}, TextCase{"5,", "5"},
                                         TextCase{"100", "100"}, TextCase{"-,25", "-0,25"},
                                         TextCase{"0,0001000", "0,0001"}));

struct ExpandCase {
  std::string text;
  std::size_t position;
  std::string result;
};
void PrintTo(const ExpandCase& c, std::ostream* os) {
  *os << '"' << c.text << "\" at " << c.position << " -> \"" << c.result << '"';
}

class ExpandExponentWrites : public testing::TestWithParam<ExpandCase> {};

TEST_P(ExpandExponentWrites, PlainNumberText) {
  EXPECT_EQ(ExpandExponent(GetParam().text, GetParam().position), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(
    BothWaysAndTheLimit, ExpandExponentWrites,
    testing::Values(ExpandCase{"1,5E-7", 3, "0,00000015"}, ExpandCase{"1,5E~7", 3, "0,00000015"},
                    ExpandCase{"~2,5E18", 4, "~2500000000000000000"},
                    ExpandCase{"1,23456789012345E15", 16, "1234567890123450"},
                    ExpandCase{"1E30", 1, "1" + std::string(30, '0')},
                    ExpandCase{"~1E-30", 2, "~0," + std::string(29, '0') + "1"},
                    ExpandCase{"1E31", 1, "0"}, ExpandCase{"~9,9E-31", 4, "0"},
                    ExpandCase{"1,5E-7", 2, "1,5E-7"}, ExpandCase{"1E5", 9, "1E5"}));

// x's plain text reads back as the same number as its exponent form, to the smallest values.
TEST(PlainNumberText, ReadsBackAsTheFifteenDigitValue) {
  const Extended values[] = {0.000001L,
                             -1.5e-7L,
                             1e20L,
                             -2.5e18L,
                             1e-40L,
                             1e4000L,
                             std::numeric_limits<Extended>::denorm_min(),
                             0.5L,
                             -0.0L};
  for (const Extended value : values) {
    const std::string plain = PlainNumberText(value);
    EXPECT_EQ(plain.find('E'), std::string::npos) << plain;
    EXPECT_EQ(ParseFloat(plain), ParseFloat(FormatGeneral15(value))) << FormatGeneral15(value);
  }
  EXPECT_EQ(PlainNumberText(-1.5e-7L), "-0,00000015");
  EXPECT_EQ(PlainNumberText(-0.0L), "0");
}

}  // namespace
}  // namespace kalkora
