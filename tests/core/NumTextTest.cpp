#include "numtext/NumText.h"

#include <gtest/gtest.h>
#include <locale.h>
#include <stdlib.h>

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <ostream>
#include <random>
#include <string>

namespace kalkora {
namespace {

std::string Show(Extended x) {
  char text[64];
  return std::string(
      text, std::to_chars(text, text + sizeof text, x, std::chars_format::scientific, 21).ptr);
}

std::string Repeat(char c, std::size_t n) {
  return std::string(n, c);
}

std::string IntegerMessage(const std::string& text) {
  return "'" + text + "' is not a valid integer value";
}
std::string FloatMessage(const std::string& text) {
  return "'" + text + "' is not a valid floating point value";
}

// ---- ParseInteger ----

struct IntegerCase {
  std::string text;
  std::int32_t value;
};
void PrintTo(const IntegerCase& c, std::ostream* os) {
  *os << '"' << c.text << '"';
}

class ParseIntegerAccepts : public testing::TestWithParam<IntegerCase> {};

TEST_P(ParseIntegerAccepts, ReadsTheValue) {
  EXPECT_EQ(ParseInteger(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseIntegerAccepts,
    testing::Values(IntegerCase{"0", 0}, IntegerCase{"-0", 0}, IntegerCase{"12", 12},
                    IntegerCase{"+7", 7}, IntegerCase{"   -45", -45},
                    IntegerCase{"2147483647", 2147483647},
                    IntegerCase{"-2147483648", std::numeric_limits<std::int32_t>::min()},
                    IntegerCase{Repeat('0', 40) + "2147483647", 2147483647},
                    IntegerCase{"-" + Repeat('0', 30) + "9", -9}));

class ParseIntegerRejects : public testing::TestWithParam<std::string> {};

TEST_P(ParseIntegerRejects, FailsQuotingTheTextExactly) {
  const std::string& text = GetParam();
  try {
    const std::int32_t value = ParseInteger(text);
    ADD_FAILURE() << "read as " << value;
  } catch (const ConvertError& e) {
    EXPECT_EQ(e.what(), IntegerMessage(text));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseIntegerRejects,
    testing::Values("", " ", "+", "-", "12a", "12 ", " 12 ", "\t12", "1 2", "+-1", "--1", "1,0",
                    "1.0", "1e3", "0x10", "$10", "１２", "двенадцать", "2147483648", "-2147483649",
                    // Wrap-around values of 32 and 64 bits must not slip through.
                    "4294967296", "4294967297", "18446744073709551617", Repeat('9', 5000)));

// ---- ParseFloat ----

struct FloatCase {
  std::string text;
  Extended value;
};
void PrintTo(const FloatCase& c, std::ostream* os) {
  *os << '"' << (c.text.size() > 60 ? c.text.substr(0, 60) + "..." : c.text) << "\" -> "
      << Show(c.value);
}

class ParseFloatAccepts : public testing::TestWithParam<FloatCase> {};

TEST_P(ParseFloatAccepts, ReadsTheNearestValue) {
  const Extended read = ParseFloat(GetParam().text);
  EXPECT_EQ(read, GetParam().value) << Show(read);
  EXPECT_EQ(std::signbit(read), std::signbit(GetParam().value));
}

const std::string kHalfWayAbove2To64 = "18446744073709551617";  // 2^64 + 1

INSTANTIATE_TEST_SUITE_P(
    Syntax, ParseFloatAccepts,
    testing::Values(FloatCase{"2,5", 2.5L}, FloatCase{"  -2,5  ", -2.5L}, FloatCase{"+3", 3},
                    FloatCase{",", 0}, FloatCase{"-,", -0.0L}, FloatCase{"-0", -0.0L},
                    FloatCase{",5", 0.5L}, FloatCase{"5,", 5}, FloatCase{"1E", 1},
                    FloatCase{"1E+", 1}, FloatCase{"1e-", 1}, FloatCase{"1,5E3", 1500},
                    FloatCase{"1,5e+3 ", 1500}, FloatCase{"25e-1", 2.5L}, FloatCase{",e7", 0},
                    FloatCase{"1E" + Repeat('0', 40) + "5", 1e5L}));

INSTANTIATE_TEST_SUITE_P(
    Nearest, ParseFloatAccepts,
    testing::Values(
        FloatCase{"0,1", 0.1L}, FloatCase{"0,3", 0.3L}, FloatCase{"-7,77E-300", -7.77e-300L},
        FloatCase{"3,14159265358979323846264338327950288", 3.14159265358979323846264338327950288L},
        FloatCase{"0,1000000000000000000000000000001", 0.1L},
        FloatCase{"123456789012345678901234567890", 123456789012345678901234567890.0L},
        FloatCase{"1e4932", 1e4932L}, FloatCase{"1E-4940", 1e-4940L},
        FloatCase{"9007199254740993", 9007199254740993.0L},
        // 10^28 is the first power of ten an Extended cannot hold: no shortcut through it.
        FloatCase{"9e28", 9e28L}, FloatCase{"3e-28", 3e-28L},
        FloatCase{"1234567890123456789e30", 1234567890123456789e30L},
        FloatCase{"9999999999999999999e28", 9999999999999999999e28L},
        // Halfway between 2^64 and its successor 2^64+2: ties go to the even one...
        FloatCase{kHalfWayAbove2To64, 18446744073709551616.0L},
        // ...but a single non-zero digit thousands of places later decides upwards.
        FloatCase{kHalfWayAbove2To64 + "," + Repeat('0', 3000) + "1", 18446744073709551618.0L},
        FloatCase{"1" + Repeat('0', 5000) + "e-5000", 1},
        FloatCase{"0," + Repeat('0', 5000) + "1e5001", 1},
        FloatCase{"1,18973149535723176502e4932", LDBL_MAX},
        FloatCase{"-1,18973149535723176505E4932", -LDBL_MAX},  // just under halfway to 2^16384
        FloatCase{"3,6451995318824746025e-4951", LDBL_TRUE_MIN},
        FloatCase{"1,9e-4951", LDBL_TRUE_MIN},  // more than half the smallest subnormal
        FloatCase{"1,7e-4951", 0},              // less than half: underflows to zero
        FloatCase{"-1e-5000", -0.0L}, FloatCase{"1E-999999999999999999", 0},
        FloatCase{"0E999999999999999999", 0}, FloatCase{"0,000E99999", 0}));

class ParseFloatRejects : public testing::TestWithParam<std::string> {};

TEST_P(ParseFloatRejects, FailsQuotingTheTextExactly) {
  const std::string& text = GetParam();
  try {
    const Extended value = ParseFloat(text);
    ADD_FAILURE() << "read as " << Show(value);
  } catch (const ConvertError& e) {
    EXPECT_EQ(e.what(), FloatMessage(text));
  }
}

INSTANTIATE_TEST_SUITE_P(Texts, ParseFloatRejects,
                         testing::Values("", "   ", "+", "-", "E5", "e", "+E1", "2.5", "1,2,3",
                                         ",,", "1e5,", "1 e5", "1 ,5", "- 1", "\t1", "1\t", "1e+-5",
                                         "--1", "1E5E5", "1e2,5", "0x1p3", "inf", "nan", "1ee5",
                                         "пять", "5 рублей", "1e4933", "-1e4933",
                                         "1,18973149535723176506e4932", "1E999999999999999999",
                                         "0,0000001E99999999999999999999999999",
                                         "1" + Repeat('0', 5000)));

// ---- FormatGeneral15 ----

struct FormatCase {
  Extended value;
  std::string text;
};
void PrintTo(const FormatCase& c, std::ostream* os) {
  *os << Show(c.value) << " -> " << c.text;
}

class FormatGeneral15Writes : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatGeneral15Writes, TheExpectedText) {
  EXPECT_EQ(FormatGeneral15(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    PlainAndExponent, FormatGeneral15Writes,
    testing::Values(
        FormatCase{0, "0"}, FormatCase{-0.0L, "0"}, FormatCase{1, "1"}, FormatCase{-1, "-1"},
        FormatCase{6.28L, "6,28"}, FormatCase{100, "100"}, FormatCase{0.05L, "0,05"},
        FormatCase{-123.456L, "-123,456"}, FormatCase{0.0001L, "0,0001"},
        FormatCase{0.00012345L, "0,00012345"}, FormatCase{0.00001L, "1E-5"},
        FormatCase{-0.000099L, "-9,9E-5"}, FormatCase{999999999999999.0L, "999999999999999"},
        FormatCase{1e15L, "1E15"}, FormatCase{-1234567890123456.0L, "-1,23456789012346E15"},
        FormatCase{1e20L, "1E20"}, FormatCase{2.5e18L, "2,5E18"}, FormatCase{1e-10L, "1E-10"},
        FormatCase{1e18L, "1E18"}, FormatCase{0x1p100L, "1,26765060022823E30"},
        FormatCase{0x1p-100L, "7,88860905221012E-31"}, FormatCase{1.0L / 3, "0,333333333333333"},
        FormatCase{2.0L / 3, "0,666666666666667"}, FormatCase{-2.0L / 3e7L, "-6,66666666666667E-8"},
        FormatCase{LDBL_MAX, "1,18973149535723E4932"},
        FormatCase{-LDBL_MAX, "-1,18973149535723E4932"},
        FormatCase{LDBL_MIN, "3,36210314311209E-4932"},
        FormatCase{LDBL_TRUE_MIN, "3,64519953188247E-4951"},
        FormatCase{std::numeric_limits<Extended>::infinity(), "INF"},
        FormatCase{-std::numeric_limits<Extended>::infinity(), "-INF"},
        FormatCase{std::numeric_limits<Extended>::quiet_NaN(), "NAN"}));

INSTANTIATE_TEST_SUITE_P(
    RoundingAtTheFifteenthDigit, FormatGeneral15Writes,
    testing::Values(
        FormatCase{0.999999999999999L, "0,999999999999999"}, FormatCase{0.9999999999999995L, "1"},
        FormatCase{0.9999999999999994L, "0,999999999999999"},
        FormatCase{-0.9999999999999995L, "-1"}, FormatCase{999999999999999.5L, "1E15"},
        FormatCase{999999999999999.4L, "999999999999999"}, FormatCase{9999999999999995.0L, "1E16"},
        FormatCase{0.00099999999999999951L, "0,001"},
        FormatCase{0.000099999999999999951L, "0,0001"},
        // The 18-digit form ends ...4999|99 -> ...500, so the 16th digit becomes 5 and rounds up.
        FormatCase{0.12345678901234549999L, "0,123456789012346"},
        FormatCase{0.1234567890123454L, "0,123456789012345"},
        // Exact ties at the 18th digit go to the even neighbour: ...499|.5 -> ...500 (odd 9 up).
        FormatCase{123456789012345499.5L, "1,23456789012346E17"},
        FormatCase{1234567890123454995.0L, "1,23456789012346E18"},
        FormatCase{1234567890123454985.0L, "1,23456789012345E18"}));

// 18 significant digits of |x| as FormatFixed shows them with precision 18, against to_chars.
struct Digits18 {
  std::string digits;
  int exponent;
};

Digits18 DigitsOfFixed(const std::string& text) {
  Digits18 result{"", 0};
  bool beforeSeparator = true;
  int integerDigits = 0;
  int leadingZeroDecimals = 0;
  for (char c : text) {
    if (c == ',') {
      beforeSeparator = false;
    } else if (c >= '0' && c <= '9') {
      if (result.digits.empty() && c == '0') {
        if (!beforeSeparator) ++leadingZeroDecimals;
        continue;
      }
      if (beforeSeparator) ++integerDigits;
      if (result.digits.size() < 18) result.digits += c;
    }
  }
  result.exponent = integerDigits > 0 ? integerDigits : -leadingZeroDecimals;
  return result;
}

Digits18 DigitsOfToChars(Extended x) {
  char text[64];
  const char* end =
      std::to_chars(text, text + sizeof text, std::fabs(x), std::chars_format::scientific, 17).ptr;
  Digits18 result{"", 0};
  const char* p = text;
  for (; *p != 'e'; ++p) {
    if (*p != '.') result.digits += *p;
  }
  ++p;
  if (*p == '+') ++p;
  std::from_chars(p, end, result.exponent);
  ++result.exponent;
  return result;
}

TEST(FormatDigits, AgreeWithCorrectlyRoundedToCharsAcrossTheCommonRange) {
  std::mt19937_64 random(20240611);
  std::uniform_int_distribution<int> binaryExponent(-140, 140);
  for (int i = 0; i < 20000; ++i) {
    const std::uint64_t significand = random() | (std::uint64_t{1} << 63);
    const Extended x = std::ldexp(static_cast<Extended>(significand), binaryExponent(random) - 63);
    const Digits18 expected = DigitsOfToChars(x);
    const std::string text = FormatFixed(x, 50, 60);
    ASSERT_EQ(text.find('E'), std::string::npos) << text;
    const Digits18 actual = DigitsOfFixed(text);
    ASSERT_EQ(actual.digits, expected.digits) << Show(x) << " -> " << text;
    ASSERT_EQ(actual.exponent, expected.exponent) << Show(x) << " -> " << text;
  }
}

class FormatGeneral15RoundTrip : public testing::TestWithParam<std::string> {};

TEST_P(FormatGeneral15RoundTrip, GivesBackTheText) {
  EXPECT_EQ(FormatGeneral15(ParseFloat(GetParam())), GetParam());
}

INSTANTIATE_TEST_SUITE_P(Texts, FormatGeneral15RoundTrip,
                         testing::Values("0", "1", "-1", "6,28", "0,1", "-0,3", "0,0001",
                                         "0,00098765", "1E-5", "123456789012345", "999999999999999",
                                         "1E15", "2,5E18", "-3,14159265358979", "0,333333333333333",
                                         "1,18973149535723E4932", "3,64519953188247E-4951",
                                         "1E4932", "-7,77E-300", "1E-4900", "271828,182845905"));

// ---- FormatFixed ----

struct FixedCase {
  Extended value;
  int precision;
  int decimals;
  std::string text;
};
void PrintTo(const FixedCase& c, std::ostream* os) {
  *os << Show(c.value) << " P=" << c.precision << " D=" << c.decimals << " -> " << c.text;
}

class FormatFixedWrites : public testing::TestWithParam<FixedCase> {};

TEST_P(FormatFixedWrites, TheExpectedText) {
  const FixedCase& c = GetParam();
  EXPECT_EQ(FormatFixed(c.value, c.precision, c.decimals), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Decimals, FormatFixedWrites,
    testing::Values(FixedCase{6.28L, 4, 2, "6,28"}, FixedCase{62.8L, 4, 2, "62,80"},
                    FixedCase{123.456L, 4, 2, "123,50"}, FixedCase{-123.456L, 4, 2, "-123,50"},
                    FixedCase{0, 4, 2, "0,00"}, FixedCase{-0.0L, 4, 2, "0,00"},
                    FixedCase{-0.004L, 4, 2, "0,00"}, FixedCase{-0.005L, 4, 2, "-0,01"},
                    FixedCase{0.005L, 4, 2, "0,01"}, FixedCase{0.0049L, 4, 2, "0,00"},
                    FixedCase{1e-300L, 4, 2, "0,00"}, FixedCase{0.995L, 4, 2, "1,00"},
                    FixedCase{99.995L, 4, 2, "100,00"}, FixedCase{999.996L, 4, 2, "1000,00"},
                    FixedCase{9999.4L, 4, 2, "9999,00"}, FixedCase{0.123456L, 4, 2, "0,12"},
                    FixedCase{1.5L, 4, 0, "2"}, FixedCase{123456.7L, 6, 2, "123457,00"},
                    FixedCase{-2.5L, 6, 2, "-2,50"}, FixedCase{0.5L, 6, 5, "0,50000"},
                    // All 18 digits, with exact ties at the 18th going to the even neighbour.
                    FixedCase{123456789012345498.5L, 18, 2, "123456789012345498,00"},
                    FixedCase{123456789012345499.5L, 18, 2, "123456789012345500,00"},
                    FixedCase{12345678901234567850.0L, 20, 2, "12345678901234567800,00"},
                    FixedCase{12345678901234567950.0L, 20, 2, "12345678901234568000,00"},
                    FixedCase{524285.0L / 524288, 18, 20, "0,99999427795410156200"},
                    FixedCase{524287.0L / 524288, 18, 20, "0,99999809265136718800"}));

INSTANTIATE_TEST_SUITE_P(
    ExponentForm, FormatFixedWrites,
    testing::Values(FixedCase{31400, 4, 2, "3,14E04"}, FixedCase{-31400, 4, 2, "-3,14E04"},
                    FixedCase{12345, 4, 2, "1,235E04"}, FixedCase{9999.6L, 4, 2, "1E04"},
                    FixedCase{9999.5L, 4, 2, "1E04"}, FixedCase{1e10L, 4, 2, "1E10"},
                    FixedCase{1e100L, 4, 2, "1E100"}, FixedCase{LDBL_MAX, 4, 2, "1,19E4932"},
                    FixedCase{1234567, 6, 2, "1,23457E06"}, FixedCase{999999.5L, 6, 2, "1E06"},
                    FixedCase{999999.4L, 6, 2, "999999,00"}, FixedCase{31400, 4, 3, "3,14E004"},
                    FixedCase{std::numeric_limits<Extended>::infinity(), 4, 2, "INF"},
                    FixedCase{std::numeric_limits<Extended>::quiet_NaN(), 4, 2, "NAN"}));

// ---- FormatInteger ----

TEST(FormatInteger, WritesPlainDigitsAcrossTheRange) {
  const struct {
    std::int32_t value;
    const char* text;
  } cases[] = {{0, "0"},
               {7, "7"},
               {-7, "-7"},
               {1234567, "1234567"},
               {2147483647, "2147483647"},
               {std::numeric_limits<std::int32_t>::min(), "-2147483648"}};
  for (const auto& c : cases)
    EXPECT_EQ(FormatInteger(c.value), c.text);
}

// ---- Locale independence ----

// Russian number formatting uses a decimal comma and a space grouping: if any of the functions
// fell back on the process locale, the texts below would change.
class UnderRussianLocale : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (setlocale(LC_ALL, "ru_RU.UTF-8") != nullptr) return;
    char pattern[] = "/tmp/kalkora-locale-XXXXXX";
    if (mkdtemp(pattern) == nullptr) return;
    generated_ = pattern;
    const std::string command =
        "localedef -i ru_RU -f UTF-8 '" + generated_ + "/ru_RU.UTF-8' >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0) return;
    setenv("LOCPATH", generated_.c_str(), 1);
    setlocale(LC_ALL, "ru_RU.UTF-8");
  }

  static void TearDownTestSuite() {
    setlocale(LC_ALL, "C");
    if (!generated_.empty()) {
      unsetenv("LOCPATH");
      std::filesystem::remove_all(generated_);
    }
  }

  static inline std::string generated_;
};

TEST_F(UnderRussianLocale, NumberTextIsUnchanged) {
  const char* current = setlocale(LC_NUMERIC, nullptr);
  ASSERT_STREQ(current, "ru_RU.UTF-8") << "could not switch to the Russian locale";
  ASSERT_STREQ(localeconv()->decimal_point, ",");
  ASSERT_EQ(strtold("2.5", nullptr), 2) << "the locale does not affect strtold as expected";

  EXPECT_EQ(ParseFloat("2,5"), 2.5L);
  EXPECT_EQ(ParseFloat("0,1000000000000000000000000000001"), 0.1L);
  EXPECT_EQ(ParseFloat(kHalfWayAbove2To64 + ",5"), 18446744073709551618.0L);
  EXPECT_THROW(ParseFloat("2.5"), ConvertError);
  EXPECT_EQ(ParseInteger("-1234567"), -1234567);
  EXPECT_EQ(FormatInteger(-1234567), "-1234567");
  EXPECT_EQ(FormatGeneral15(6.28L), "6,28");
  EXPECT_EQ(FormatGeneral15(1234567.5L), "1234567,5");
  EXPECT_EQ(FormatGeneral15(1e20L), "1E20");
  EXPECT_EQ(FormatGeneral15(LDBL_MAX), "1,18973149535723E4932");
  EXPECT_EQ(FormatGeneral15(1.5e-12L), "1,5E-12");
  EXPECT_EQ(FormatGeneral15(-2.5e-300L), "-2,5E-300");
  EXPECT_EQ(FormatFixed(31400, 4, 2), "3,14E04");
  EXPECT_EQ(FormatFixed(123456789e20L, 30, 2), "12345678900000000000000000000,00");
  EXPECT_EQ(FormatFixed(-6.5e100L, 4, 2), "-6,5E100");
}

}  // namespace
}  // namespace kalkora
