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
  EXPECT_EQ(SumCaption(arithmetic, "5"), "Сумма 5 членов:\rS=40");
  const Progression geometric(ProgressionKind::Geometric, 1, 2, 4);
  EXPECT_EQ(ProgressionRow(geometric, 4), "n=4:  8");
  EXPECT_EQ(TermCaption(geometric, 4, "1"), "b(4)=8");
  EXPECT_EQ(geometric.SumText(), "15");
  // The first term is shown as typed in the caption and as a number in its row.
  const Progression one(ProgressionKind::Arithmetic, 7, 0, 1);
  EXPECT_EQ(TermCaption(one, 1, "007"), "a(1)=007");
  EXPECT_EQ(ProgressionRow(one, 1), "n=1:   7");
  EXPECT_EQ(SumCaption(one, "01"), "Сумма 01 члена:\rS=7");
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
      {2, 16383, "2,97432873839308E4931", "Сумма 16383 членов:\rS=5,94865747678616E4931"},
      {-2, 16384, "-5,94865747678616E4931", "Сумма 16384 членов:\rS=-3,96577165119077E4931"},
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
Progression Read(ProgressionKind kind, const std::string& first, const std::string& step,
                 std::int64_t n) {
  return kind == ProgressionKind::Arithmetic
             ? Progression::Arithmetic(ParseExact(first), ParseExact(step), n)
             : Progression::Geometric(ParseFloat(first), ParseFloat(step), n);
}

TEST(ProgressionsTest, SignedAndDecimalInputs) {
  const auto a = ProgressionKind::Arithmetic;
  const auto g = ProgressionKind::Geometric;
  const struct {
    ProgressionKind kind;
    const char *first, *step;
    std::int64_t n;
    std::vector<std::string> rows;  // the first ones
    const char *last, *sum;         // the sum's caption, with the count of the terms there are
  } cases[] = {
      {a, "10", "-2", 6, {"10", "8", "6", "4", "2"}, "0", "6 членов:\rS=30"},
      // Exact: never 0,30000000000000004 or 0,699999999999999.
      {a, "0,1", "0,2", 5, {"0,1", "0,3", "0,5", "0,7"}, "0,9", "5 членов:\rS=2,5"},
      {a, "-0,5", "0,25", 4, {"-0,5", "-0,25", "0"}, "0,25", "4 членов:\rS=-0,5"},
      {a, "0,1", "0,2", kMax, {}, "429496729,3", "2147483647 членов:\rS=4,61168601413242E17"},
      // Whole values have every digit, fractional ones 15 at most, rounded half away from zero.
      {a, "1E20", "-1E20", 2, {"100000000000000000000"}, "0", "2 членов:\rS=100000000000000000000"},
      {a, "0,5", "2,5E14", 2, {"0,5"}, "250000000000001", "2 членов:\rS=250000000000001"},
      {a, "-999999999999999,5", "1E15", 2, {"-1E15"}, "0,5", "2 членов:\rS=-999999999999999"},
      {g, "1", "0,5", 4, {"1", "0,5", "0,25"}, "0,125", "4 членов:\rS=1,875"},
      {g, "3", "-0,5", 3, {"3", "-1,5"}, "0,75", "3 членов:\rS=2,25"},
      // Terms that reach 0, a constant or an alternating sign are known to the end; a constant
      // is added as the recurrence rounds each addition, and two billion of them drift.
      {g, "-3", "-0,25", kMax, {"-3", "0,75"}, "0", "2147483647 членов:\rS=-2,4"},
      {g, "0,1", "1", kMax, {"0,1"}, "0,1", "2147483647 членов:\rS=214748364,703309"},
      {g, "7", "-1", kMax, {"7", "-7"}, "7", "2147483647 членов:\rS=7"},
      // Terms that keep changing end at the most that are multiplied out.
      {g, "1", "1,0000001", kMax, {}, "1,02656091556193", "262144 членов:\rS=265610,182180385"},
      {g, "1", "-0,9999999", kMax, {}, "-0,974126310693566", "262144 членов:\rS=0,012936894006377"},
      // A sum beyond the range ends the terms before it, though the terms are far below it.
      {g, "1E4932", "0,5", 10, {}, "1E4932", "1 члена:\rS=1E4932"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.first) + " " + c.step);
    const Progression progression = Read(c.kind, c.first, c.step, c.n);
    for (std::size_t i = 0; i < c.rows.size(); ++i)
      EXPECT_EQ(progression.TermText(static_cast<std::int64_t>(i) + 1), c.rows[i]);
    EXPECT_EQ(progression.TermText(progression.Count()), c.last);
    EXPECT_EQ(SumCaption(progression, std::to_string(c.n)), std::string("Сумма ") + c.sum);
    EXPECT_EQ(progression.Cut() || progression.Overflowed(), progression.Count() < c.n);
  }
}

// The leaps over a binade against additions one by one, bit for bit: sums and terms of all sizes
// and signs, ties, crossings of a binade's edges, the subnormals and the top of the range.
TEST(ProgressionsTest, RepeatedAdditionsLeapAsTheyRound) {
  std::mt19937_64 random(64);
  const auto pick = [&random](int below) { return static_cast<int>(random() % below); };
  for (int run = 0; run < 4000; ++run) {
    const int place = run % 10 == 0   ? -16445 + pick(130)
                      : run % 10 == 1 ? 16383 - 64 - pick(8)
                                      : pick(400) - 200;
    Extended sum = std::ldexp(static_cast<Extended>(random() >> pick(8)), place);
    Extended term = std::ldexp(static_cast<Extended>(random() | 1), place + pick(140) - 70);
    const bool edge = run % 5 == 1 || run % 5 == 2;
    if (run % 5 == 0) {  // half the spacing of the sum, an odd number of times: a tie
      int binade = 0;
      std::frexp(sum, &binade);
      term =
          std::ldexp(static_cast<Extended>(2 * pick(1000) + 1), std::max(binade - 64, -16445) - 1);
    } else if (edge) {  // quarters of the spacing, from near an edge of the binade
      const bool bottom = pick(2) == 0;
      const auto offset = static_cast<Extended>(pick(pick(2) == 0 ? 8 : 5000));
      sum = std::ldexp(bottom ? 0x1p63L + offset : 0x1p64L - offset, place);
      const int quarters = 1 + pick(pick(2) == 0 ? 4 : 40);
      term = std::ldexp(static_cast<Extended>(bottom ? -quarters : quarters), place - 2);
    }
    if (pick(2) == 0) {
      sum = -sum;
      term = -term;
    }
    if (!edge && pick(2) == 0) term = -term;
    const std::int64_t times = 1 + pick(3000);
    Extended plain = sum, leapt = sum;
    std::int64_t added = 0;
    for (; added < times && !std::isinf(plain + term); ++added)
      plain += term;
    ASSERT_EQ(AddRepeatedly(leapt, term, times), added) << sum << " " << term;
    ASSERT_EQ(leapt, plain) << sum << " " << term << " " << times;
  }
}

// Random decimal inputs (whole, 1 to 3 decimals, exponent forms far apart) against a rational
// reference that adds the difference term by term, and against the plain 80-bit recurrence: the
// rows, the n-th term and the sum.
TEST(ProgressionsTest, AgreesWithReferences) {
  std::mt19937_64 random(21);
  const auto draw = [&random](std::int64_t limit) {
    return random() % 8 == 0 ? 0 : static_cast<std::int64_t>(random() % (2 * limit + 1)) - limit;
  };
  // A field text: a whole number, 1 to 3 decimals, or an exponent form.
  const auto field = [&](int run) {
    const std::string digits = std::to_string(draw(run % 2 == 0 ? 999'999'999 : 999'999));
    switch (run % 5) {
      case 0:
        return digits;
      case 1:
        return digits + "E" + std::to_string(draw(run % 10 == 1 ? 4900 : 300));
      default:
        return digits + "E-" + std::to_string(run % 5 - 1);
    }
  };
  const auto written = [](const Rational& x) {
    return x.get_den() == 1 ? FormatWhole(x.get_num()) : FormatGeneral15(x);
  };
  for (int run = 0; run < 1000; ++run) {
    const std::string first = field(run), step = field(run / 5);
    // A few hundred terms one by one, or one term of two billion.
    const bool huge = run % 3 == 0;
    const std::int64_t n = 1 + static_cast<std::int64_t>(random() % (huge ? kMax : 200));
    const std::string count = std::to_string(n);
    SCOPED_TRACE(first + " " + step + " " + count);
    const Rational a1 = ParseExact(first), d = ParseExact(step);
    const auto progression = Read(ProgressionKind::Arithmetic, first, step, n);
    Rational term = a1, sum = a1;
    for (std::int64_t i = 1; i <= (huge ? 0 : n); ++i) {
      if (i > 1) sum += term += d;
      ASSERT_EQ(ProgressionRow(progression, i),
                "n=" + std::to_string(i) + (i == 1 ? ":   " : ":  ") + written(term));
    }
    if (huge) {
      term = a1 + Rational(n - 1) * d;
      sum = a1 * n + Rational(n) * (n - 1) / 2 * d;
    }
    ASSERT_EQ(TermCaption(progression, n, first),
              n == 1 ? "a(1)=" + first : "a(" + count + ")=" + written(term));
    const std::string caption = SumCaption(progression, count);
    ASSERT_EQ(caption.rfind("Сумма " + count + " член", 0), 0u) << caption;
    ASSERT_EQ(caption.substr(caption.find(":\r")), ":\rS=" + written(sum));
  }
  const char* const ratios[] = {"0,5", "-0,5", "1", "-1", "0", "2", "-3", "1,5", "0,1", "-0,999"};
  const char* const longRatios[] = {"1", "0,5", "-1", "0,99"};
  for (int run = 0; run < 1000; ++run) {
    // Long runs reach the cycles: a ratio of 1 adds a constant, a small one reaches 0.
    const bool longRun = run % 25 == 0;
    const std::string first = std::to_string(draw(1'000'000)) + "E-" + std::to_string(run % 4);
    const std::string ratio = longRun        ? longRatios[run / 25 % std::size(longRatios)]
                              : run % 2 == 0 ? ratios[run / 2 % std::size(ratios)]
                                             : std::to_string(draw(3000)) + "E-3";
    const std::int64_t n = 1 + static_cast<std::int64_t>(random() % (longRun ? 100'000 : 150));
    SCOPED_TRACE(first + " " + ratio + " " + std::to_string(n));
    const auto progression = Read(ProgressionKind::Geometric, first, ratio, n);
    const Extended q = ParseFloat(ratio);
    Extended term = ParseFloat(first), sum = term;
    std::int64_t i = 1;
    for (; i <= n; ++i) {
      if (i > 1 && std::isinf(sum + term * q)) break;
      if (i > 1) sum += term *= q;
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
