// Exact values: the typed decimal is the rational it writes, signs are decided exactly, and each
// digit shown is the exact value rounded half away from zero.
#include <gtest/gtest.h>

#include <cmath>

#include "common/Errors.h"
#include "exact/Exact.h"
#include "numtext/NumText.h"

namespace kalkora {
namespace {

Rational Q(long n, long d = 1) {
  Rational q(n, d);
  q.canonicalize();
  return q;
}

TEST(ExactTest, ReadsTheRationalATextWritesAndRefusesWhatParseFloatRefuses) {
  const struct {
    const char* text;
    Rational value;
  } read[] = {
      {"0,1", Q(1, 10)},  {"  -2,50 ", Q(-5, 2)}, {"+,5", Q(1, 2)}, {",", Q(0)},
      {"1,5E3", Q(1500)}, {"25e-2", Q(1, 4)},     {"7E", Q(7)},     {"-0", Q(0)},
      {"0,000", Q(0)},    {"1E-4960", Q(0)},  // below the 80-bit range: 0, as ParseFloat reads it
  };
  for (const auto& c : read)
    EXPECT_EQ(ParseExact(c.text), c.value) << c.text;
  EXPECT_EQ(ParseExact("1E4932"), Rational(Integer("1" + std::string(4932, '0'), 10)));
  for (const char* text : {"", " ", "1.5", "1,2,3", "--1", "1E5000", "abc", "1 2", "E5"}) {
    std::string expected = "(none)";
    try {
      ParseFloat(text);
    } catch (const ConvertError& e) {
      expected = e.what();
    }
    try {
      ParseExact(text);
      ADD_FAILURE() << "accepted: " << text;
    } catch (const ConvertError& e) {
      EXPECT_EQ(e.what(), expected);
    }
  }
}

TEST(ExactTest, AShownTextReadsBackAsItsValueWhateverItsExponent) {
  EXPECT_EQ(ReadShown("1E5000"), Rational(Integer("1" + std::string(5000, '0'), 10)));
  EXPECT_EQ(ReadShown("-2,5E-3"), Q(-1, 400));
  EXPECT_EQ(ReadShown("1,235E04"), Q(12350));
  EXPECT_EQ(ReadShown("0,00"), Q(0));
  EXPECT_EQ(ReadShown(FormatGeneral15(Q(1, 3))), Q(333333333333333, 1000000000000000));
}

TEST(ExactTest, SignsAndComparisonsAreExact) {
  EXPECT_EQ(Sign(Surd(3, -1, 9)), 0);  // 3 - √9
  EXPECT_EQ(Sign(Surd(Q(3, 10), -1, Q(9, 100))), 0);
  EXPECT_EQ(Sign(Surd(Q(141421356, 100000000), -1, 2)), -1);  // just below √2
  EXPECT_EQ(Sign(Surd(Q(141421357, 100000000), -1, 2)), 1);
  EXPECT_EQ(Sign(Surd(-1, 1, 2)), 1);
  EXPECT_EQ(Compare(Surd(0, 1, 2), Q(3, 2)), -1);
  EXPECT_TRUE(Surd(1, Q(1, 2), Q(9, 4)).IsRational());
  EXPECT_EQ(Surd(1, Q(1, 2), Q(9, 4)).ToRational(), Q(7, 4));
  EXPECT_FALSE(Surd(0, 1, 2).IsRational());
}

TEST(ExactTest, EveryDigitShownIsTheExactValueRoundedHalfAwayFromZero) {
  const struct {
    Surd value;
    int precision;  // 0: the general format
    const char* text;
  } cases[] = {
      {ParseExact("4,425"), 4, "4,43"},  // 4,425 as an 80-bit value is 4,42499...
      {ParseExact("-4,425"), 4, "-4,43"},
      {ParseExact("0,005"), 4, "0,01"},
      {ParseExact("-0,004"), 4, "0,00"},
      {ParseExact("9,995"), 4, "10,00"},
      {ParseExact("99999,5"), 4, "1E05"},
      {ParseExact("12345"), 4, "1,235E04"},
      {ParseExact("1234567"), 6, "1,23457E06"},
      {Q(1, 3), 4, "0,33"},
      {Q(0), 4, "0,00"},
      {Surd(0, 1, 2), 0, "1,4142135623731"},
      {Surd(0, -1, 2), 6, "-1,41"},
      {Surd(Q(1, 2), Q(1, 2), 5), 0, "1,61803398874989"},
      {ParseExact("1E-200"), 0, "1E-200"},
      {ParseExact("123456789012345,5"), 0, "123456789012346"},
      {ParseExact("999999999999999,5"), 0, "1E15"},
      {ParseExact("0,00012345678901234567"), 0, "0,000123456789012346"},
      {ParseExact("-2,5E-7"), 0, "-2,5E-7"},
      // The small root of 0,0000012x² + 737E9x + 762E4: the two parts of (-b + √D)/2a cancel.
      {Surd(Q(-737000000000L, 1) / (2 * ParseExact("0,0000012")), 1 / (2 * ParseExact("0,0000012")),
            ParseExact("737E9") * ParseExact("737E9") -
                4 * ParseExact("0,0000012") * ParseExact("762E4")),
       0, "-1,03392130257802E-5"},
  };
  for (const auto& c : cases) {
    const std::string text =
        c.precision == 0 ? FormatGeneral15(c.value) : FormatFixed(c.value, c.precision, 2);
    EXPECT_EQ(text, c.text);
  }
}

TEST(ExactTest, ARationalBecomesTheNearestExtended) {
  EXPECT_EQ(ToExtended(Q(1, 10)), 0.1L);
  EXPECT_EQ(ToExtended(Q(-1, 3)), -1.0L / 3);
  EXPECT_EQ(ToExtended(ParseExact("1,5E4930")), ParseFloat("1,5E4930"));
  EXPECT_EQ(ToExtended(ParseExact("3E-4950")), ParseFloat("3E-4950"));  // subnormal
  EXPECT_EQ(ToExtended(Rational(Integer(1) << 70) + 1), std::ldexp(1.0L, 70));
  EXPECT_THROW(ToExtended(Rational(Integer(1) << 16384)), FloatError);
}

}  // namespace
}  // namespace kalkora
