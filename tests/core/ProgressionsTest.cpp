// Terms, rows and sums of both kinds of progression, at the 32-bit edges and beyond the 80-bit
// range, checked against the recurrence itself.
#include "numbers/Progressions.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace kalkora
