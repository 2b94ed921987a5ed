// Terms, rows and sums of both kinds of progression, at the 32-bit edges and beyond the 80-bit
// range, checked against the recurrence itself; signed and decimal inputs against references of
// their own.
#include "numbers/Progressions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "numtext/NumText.h"

namespace kalkora {
namespace {

constexpr std::int32_t kMax = 2147483647;
constexpr std::int32_t kMin = -2147483647 - 1;

TEST(ProgressionsTest, RowsAndCaptions) {
  const Progression arithmetic(ProgressionKind::Arithmetic, 2, 3, 5);
  EXPECT_EQ(ProgressionRow(arithmetic, 1), "n=1:   2");
  EXPECT_EQ(ProgressionRow(arithmetic, 5), "n=5:  14");
  EXPECT_EQ(TermCaption(arithmetic, 5, "2"), "a(5)=14");
  EXPECT_EQ(SumCaption(arithmetic, "5"), "Сумма 5 членов;\rS=40");
  const Progression geometric(ProgressionKind::Geometric, 1, 2, 4);
  EXPECT_EQ(ProgressionRow(geometric, 4), "n=4:  8");
  EXPECT_EQ(TermCaption(geometric, 4, "1"), "b(4)=8");
  EXPECT_EQ(geometric.SumText(), "15");
  // The first term is shown as typed in the caption and as a number in its row.
  const Progression one(ProgressionKind::Arithmetic, 7, 0, 1);
  EXPECT_EQ(TermCaption(one, 1, "007"), "a(1)=007");
  EXPECT_EQ(ProgressionRow(one, 1), "n=1:   7");
  EXPECT_EQ(SumCaption(one, "01"), "Сумма 01 членов;\rS=7");
}

TEST(ProgressionsTest, ArithmeticTermsAndSumsAreExactBeyond32Bits) {
  const Progression top(ProgressionKind::Arithmetic, kMax, kMax, kMax);
  EXPECT_EQ(top.TermText(kMax), "4611686014132420609");
  EXPECT_EQ(top.SumText(), "4951760152529835082242850816");
  const Progression bottom(ProgressionKind::Arithmetic, kMin, kMin, kMax);
  EXPECT_EQ(bottom.TermText(kMax), "-4611686016279904256");
  EXPECT_EQ(bottom.SumText(), "-4951760154835678090382802944");
  EXPECT_EQ(bottom.TermText(1), "-2147483648");
}

// Every term and sum against t(i) = t(i-1) * q and S(i) = S(i-1) + t(i) computed one by one:
// the repeating ratios by their closed form, the others from every 64th term.
TEST(ProgressionsTest, GeometricTermsFollowTheRecurrence) {
  // The lowest ratio has no 32-bit absolute value: it is no repeating ratio either.
  for (const std::int32_t q : {-1, 0, 1, 3, -2, 7, kMin, kMax}) {
    for (const std::int32_t b1 : {0, 5, -7, kMin}) {
      const Progression progression(ProgressionKind::Geometric, b1, q, 300);
      Extended term = b1;
      Extended sum = b1;
      for (std::int64_t i = 1; i <= progression.Count(); ++i) {
        if (i > 1) {
          term *= q;
          sum += term;
        }
        ASSERT_EQ(progression.TermText(i), FormatGeneral15(term)) << b1 << " " << q << " " << i;
      }
      if (!progression.Overflowed()) {
        EXPECT_EQ(progression.SumText(), FormatGeneral15(sum));
      }
    }
  }
}

TEST(ProgressionsTest, GeometricOverflowEndsTheTermsBeforeIt) {
  // 2^16383 is the largest power of two: for q = 2 the sum reaches 2^16384 - 1 one term
  // earlier, for q = -2 the term (-2)^16384 overflows while the sum is a third of it. The sum
  // shown is that of the terms there are, (2^16383 - 1) and (1 - 2^16384) / 3.
  const struct {
    std::int32_t q;
    std::int64_t count;
    const char* last;
    const char* caption;
  } cases[] = {
      {2, 16383, "2,97432873839308E4931", "Сумма 16383 членов;\rS=5,94865747678616E4931"},
      {-2, 16384, "-5,94865747678616E4931", "Сумма 16384 членов;\rS=-3,96577165119077E4931"},
  };
  for (const auto& c : cases) {
    const Progression overflowing(ProgressionKind::Geometric, 1, c.q, 20000);
    EXPECT_TRUE(overflowing.Overflowed()) << c.q;
    EXPECT_EQ(overflowing.Count(), c.count) << c.q;
    EXPECT_EQ(overflowing.TermText(c.count), c.last) << c.q;
    EXPECT_EQ(SumCaption(overflowing, "20000"), c.caption) << c.q;
  }
  // Two billion repeating terms cost nothing, and their sum is exact.
  const Progression same(ProgressionKind::Geometric, kMax, 1, kMax);
  EXPECT_FALSE(same.Overflowed());
  EXPECT_EQ(same.Count(), kMax);
  EXPECT_EQ(same.SumText(), "4,61168601413242E18");
  const Progression alternating(ProgressionKind::Geometric, 5, -1, kMax);
  EXPECT_EQ(alternating.TermText(kMax), "5");
  EXPECT_EQ(alternating.SumText(), "5");
}

// The fields' texts as the page reads them: exactly for the arithmetic kind, as the nearest
// 80-bit values for the geometric kind.
std::vector<std::string> Rows(ProgressionKind kind, const char* first, const char* step,
                              std::int64_t n, std::string* sum = nullptr) {
  const Progression progression =
      kind == ProgressionKind::Arithmetic
          ? Progression::Arithmetic(ParseExact(first), ParseExact(step), n)
          : Progression::Geometric(ParseFloat(first), ParseFloat(step), n);
  std::vector<std::string> rows;
  for (std::int64_t i = 1; i <= progression.Count(); ++i)
    rows.push_back(progression.TermText(i));
  if (sum != nullptr) *sum = SumCaption(progression, std::to_string(n));
  return rows;
}

TEST(ProgressionsTest, SignedAndDecimalInputs) {
  using Texts = std::vector<std::string>;
  const auto a = ProgressionKind::Arithmetic;
  const auto g = ProgressionKind::Geometric;
  const struct {
    ProgressionKind kind;
    const char* first;
    const char* step;
    std::int64_t n;
    Texts rows;
    const char* sum;
  } cases[] = {
      {a, "10", "-2", 6, {"10", "8", "6", "4", "2", "0"}, "30"},
      // Exact: never 0,30000000000000004 or 0,699999999999999.
      {a, "0,1", "0,2", 5, {"0,1", "0,3", "0,5", "0,7", "0,9"}, "2,5"},
      {a, "-0,5", "0,25", 4, {"-0,5", "-0,25", "0", "0,25"}, "-0,5"},
      // Whole terms of decimal inputs have every digit, fractional ones at most 15; exponent
      // forms are numbers too.
      {a, "0,5", "2,5E14", 3, {"0,5", "250000000000001", "500000000000001"}, "750000000000002"},
      {a, "0,5", "0,5", 3, {"0,5", "1", "1,5"}, "3"},
      {a, "1E20", "-1E20", 2, {"100000000000000000000", "0"}, "100000000000000000000"},
      {a, "-999999999999999,5", "1000000000000000", 2, {"-1E15", "0,5"}, "-999999999999999"},
      {g, "1", "0,5", 4, {"1", "0,5", "0,25", "0,125"}, "1,875"},
      {g, "3", "-0,5", 3, {"3", "-1,5", "0,75"}, "2,25"},
      {g, "-2", "-1", 3, {"-2", "2", "-2"}, "-2"},
      {g, "0,1", "1", 3, {"0,1", "0,1", "0,1"}, "0,3"},
  };
  for (const auto& c : cases) {
    std::string sum;
    EXPECT_EQ(Rows(c.kind, c.first, c.step, c.n, &sum), c.rows) << c.first << " " << c.step;
    EXPECT_EQ(sum, "Сумма " + std::to_string(c.n) + " членов;\rS=" + c.sum) << c.first;
  }
}

TEST(ProgressionsTest, TwoBillionDecimalTerms) {
  const auto arithmetic = Progression::Arithmetic(ParseExact("0,1"), ParseExact("0,2"), kMax);
  EXPECT_EQ(arithmetic.TermText(kMax), "429496729,3");
  EXPECT_EQ(arithmetic.SumText(), "4,61168601413242E17");  // 461168601413242060,9
  const struct {
    const char* first;
    const char* ratio;
    std::int64_t count;
    bool cut;
    const char* last;
    const char* sum;
  } cases[] = {
      // The terms reach 0 after about 16,400: the rest are known, and so is the sum.
      {"1", "0,5", kMax, false, "0", "2"},
      {"-3", "-0,25", kMax, false, "0", "-2,4"},
      // A constant term: each addition is rounded as the recurrence rounds it, so two billion
      // of them drift from 214748364,7.
      {"0,1", "1", kMax, false, "0,1", "214748364,703309"},
      {"7", "-1", kMax, false, "7", "7"},
      // Terms that keep changing end at the most that are multiplied out.
      {"1", "1,0000001", Progression::kGeometricSteps, true, "1,02656091556193",
       "265610,182180385"},
      {"1", "0,9999999", Progression::kGeometricSteps, true, "0,974126310693566",
       "258737,86719064"},
  };
  for (const auto& c : cases) {
    const auto geometric = Progression::Geometric(ParseFloat(c.first), ParseFloat(c.ratio), kMax);
    EXPECT_EQ(geometric.Count(), c.count) << c.ratio;
    EXPECT_EQ(geometric.Cut(), c.cut) << c.ratio;
    EXPECT_FALSE(geometric.Overflowed()) << c.ratio;
    EXPECT_EQ(geometric.TermText(geometric.Count()), c.last) << c.ratio;
    EXPECT_EQ(geometric.SumText(), c.sum) << c.ratio;
    EXPECT_EQ(SumCaption(geometric, "2147483647"),
              "Сумма " + std::to_string(c.count) + " членов;\rS=" + c.sum);
  }
}

// The leaps over a binade against additions one by one, bit for bit: sums and terms of all
// sizes and signs, ties, the subnormals, the top of the range.
TEST(ProgressionsTest, RepeatedAdditionsLeapAsTheyRound) {
  std::mt19937_64 random(64);
  for (int run = 0; run < 4000; ++run) {
    const int place = run % 10 == 0   ? -16445 + static_cast<int>(random() % 130)
                      : run % 10 == 1 ? 16383 - 64 - static_cast<int>(random() % 8)
                                      : static_cast<int>(random() % 400) - 200;
    Extended sum = std::ldexp(static_cast<Extended>(random() >> (random() % 8)), place);
    int binade = 0;
    std::frexp(sum, &binade);
    const int unit = std::max(binade - 64, -16445);
    // Half a spacing of the sum and an odd multiple of it ties; a few quarter spacings from near
    // an edge of the binade cross it; others anywhere near.
    Extended term = std::ldexp(static_cast<Extended>(random() | 1),
                               place + static_cast<int>(random() % 140) - 70);
    if (run % 5 == 0) {
      term = std::ldexp(static_cast<Extended>(2 * (random() % 1000) + 1), unit - 1);
    } else if (run % 5 <= 2) {
      const std::uint64_t offset = random() % (random() % 2 == 0 ? 8 : 5000);
      const bool bottom = random() % 2 == 0;
      sum = std::ldexp(bottom ? 0x1p63L + offset : 0x1p64L - offset, place);
      term = std::ldexp(static_cast<Extended>(1 + random() % 40), place - 2);
      if (bottom) term = -term;
    }
    const bool flip = random() % 2 == 0;
    const Extended signedSum = flip ? -sum : sum;
    const Extended signedTerm =
        (run % 5 == 1 || run % 5 == 2 ? flip : random() % 2 == 0) ? -term : term;
    const auto times = 1 + static_cast<std::int64_t>(random() % 3000);
    Extended plain = signedSum;
    std::int64_t added = 0;
    for (; added < times && !std::isinf(plain + signedTerm); ++added)
      plain += signedTerm;
    Extended leapt = signedSum;
    ASSERT_EQ(AddRepeatedly(leapt, signedTerm, times), added) << signedSum << " " << signedTerm;
    ASSERT_EQ(leapt, plain) << signedSum << " " << signedTerm << " " << times;
  }
  // Past 2^64 every addition of 10000000000003 is a tie, two million of them.
  Extended plain = 0, leapt = 0;
  for (int i = 0; i < 4'000'000; ++i)
    plain += 10000000000003.0L;
  EXPECT_EQ(AddRepeatedly(leapt, 10000000000003.0L, 4'000'000), 4'000'000);
  EXPECT_EQ(leapt, plain);
  EXPECT_EQ(FormatGeneral15(leapt), FormatGeneral15(plain));
}

__extension__ typedef __int128 Int128;

// A number of thousandths as the page writes it: every digit of a whole one, the decimals of
// any other without trailing zeros (the inputs keep these within 15 digits).
std::string Thousandths(Int128 value) {
  const bool negative = value < 0;
  if (negative) value = -value;
  std::string digits;
  for (; value != 0 || digits.size() < 4; value /= 10)
    digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(value % 10)));
  std::string text = digits.substr(0, digits.size() - 3);
  std::string decimals = digits.substr(digits.size() - 3);
  while (!decimals.empty() && decimals.back() == '0')
    decimals.pop_back();
  if (!decimals.empty()) text += "," + decimals;
  return (negative && text != "0" ? "-" : "") + text;
}

// A field text for `value` thousandths: plain, or with an exponent.
std::string FieldText(std::int64_t value, std::mt19937_64& random) {
  if (random() % 4 == 0) return std::to_string(value) + "E-3";
  return Thousandths(value);
}

// Random decimal inputs against thousandths added one by one in 128-bit integers, and against
// the plain 80-bit recurrence: every row, the n-th term and the sum.
TEST(ProgressionsTest, AgreesWithReferences) {
  std::mt19937_64 random(21);
  const auto draw = [&random](std::int64_t limit, bool whole) {
    auto value = static_cast<std::int64_t>(random() % (2 * limit + 1)) - limit;
    if (random() % 8 == 0) value = 0;
    return whole ? value / 1000 * 1000 : value;
  };
  for (int run = 0; run < 1000; ++run) {
    const bool whole = run % 4 == 0;
    const bool huge = run % 10 == 0;
    // Thousandths small enough that a fractional value keeps 15 digits.
    const std::int64_t limit = whole ? 1'000'000'000'000'000'000 : huge ? 100'000 : 100'000'000;
    const std::int64_t a1 = draw(limit, whole), d = draw(limit, whole);
    const std::string first = FieldText(a1, random), step = FieldText(d, random);
    const std::int64_t n = huge ? kMax - static_cast<std::int64_t>(random() % 1'000'000'000)
                                : 1 + static_cast<std::int64_t>(random() % 200);
    SCOPED_TRACE(first + " " + step + " " + std::to_string(n));
    const auto progression = Progression::Arithmetic(ParseExact(first), ParseExact(step), n);
    const std::string caption = std::to_string(n);
    if (huge) {
      const auto i = 1 + static_cast<std::int64_t>(random() % static_cast<std::uint64_t>(n));
      ASSERT_EQ(progression.TermText(i), Thousandths(a1 + Int128{i - 1} * d));
      if (whole) {
        const Int128 sum = Int128{n} * a1 + Int128{n} * (n - 1) / 2 * d;
        ASSERT_EQ(SumCaption(progression, caption),
                  "Сумма " + caption + " членов;\rS=" + Thousandths(sum));
      }
      continue;
    }
    Int128 term = a1, sum = a1;
    for (std::int64_t i = 1; i <= n; ++i) {
      if (i > 1) sum += term += d;
      ASSERT_EQ(ProgressionRow(progression, i),
                "n=" + std::to_string(i) + (i == 1 ? ":   " : ":  ") + Thousandths(term));
    }
    EXPECT_EQ(TermCaption(progression, n, first),
              n == 1 ? "a(1)=" + first : "a(" + caption + ")=" + Thousandths(term));
    ASSERT_EQ(SumCaption(progression, caption),
              "Сумма " + caption + " членов;\rS=" + Thousandths(sum));
  }
  // Exponent forms far apart: values of thousands of digits, written as the exact module writes
  // them.
  for (int run = 0; run < 200; ++run) {
    const auto text = [&random, run] {
      const int reach = run % 10 == 0 ? 4900 : 300;
      return std::to_string(static_cast<std::int64_t>(random() % 2'000'000) - 1'000'000) + "E" +
             std::to_string(static_cast<int>(random() % (2 * reach + 1)) - reach);
    };
    const std::string first = text(), step = text();
    const std::int64_t n = 1 + static_cast<std::int64_t>(random() % kMax);
    const auto i = 1 + static_cast<std::int64_t>(random() % static_cast<std::uint64_t>(n));
    SCOPED_TRACE(first + " " + step + " " + std::to_string(n) + " " + std::to_string(i));
    const Rational a1 = ParseExact(first), d = ParseExact(step);
    const auto written = [](const Rational& x) {
      return x.get_den() == 1 ? FormatWhole(x.get_num()) : FormatGeneral15(x);
    };
    const auto progression = Progression::Arithmetic(a1, d, n);
    ASSERT_EQ(progression.TermText(i), written(a1 + Rational(i - 1) * d));
    Rational sum = a1 * Rational(n) + Rational(n) * Rational(n - 1) / 2 * d;
    ASSERT_EQ(progression.SumText(), written(sum));
  }
  const char* const ratios[] = {"0,5", "-0,5", "1", "-1", "0", "2", "-3", "1,5", "0,1", "-0,999"};
  const char* const longRatios[] = {"1", "0,5", "-1", "0,99"};
  for (int run = 0; run < 1000; ++run) {
    const std::string first = FieldText(draw(1'000'000, run % 3 == 0), random);
    // Long runs reach the cycles: a ratio of 1 adds a constant, a small one reaches 0.
    const bool longRun = run % 25 == 0;
    const std::string ratio = longRun        ? longRatios[run / 25 % std::size(longRatios)]
                              : run % 2 == 0 ? ratios[run / 2 % std::size(ratios)]
                                             : FieldText(draw(3000, false), random);
    const std::int64_t n = 1 + static_cast<std::int64_t>(random() % (longRun ? 100'000 : 150));
    SCOPED_TRACE(first + " " + ratio + " " + std::to_string(n));
    const Extended b1 = ParseFloat(first), q = ParseFloat(ratio);
    const auto progression = Progression::Geometric(b1, q, n);
    Extended term = b1, sum = b1;
    std::int64_t i = 1;
    for (; i <= n; ++i) {
      if (i > 1) {
        const Extended next = term * q;
        if (std::isinf(next) || std::isinf(sum + next)) break;
        term = next;
        sum += term;
      }
      if (!longRun || i % 997 == 0) {
        ASSERT_EQ(progression.TermText(i), FormatGeneral15(term));
      }
    }
    ASSERT_EQ(progression.Count(), i - 1);
    ASSERT_EQ(progression.Overflowed(), i <= n);
    ASSERT_EQ(progression.TermText(i - 1), FormatGeneral15(term));
    ASSERT_EQ(progression.SumText(), FormatGeneral15(sum));
  }
}

}  // namespace
}  // namespace kalkora
