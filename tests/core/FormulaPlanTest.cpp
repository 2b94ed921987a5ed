#include "graphs/FormulaPlan.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <ostream>
#include <random>

#include "tests/core/PlanDifferential.h"

namespace kalkora {
namespace {

using plancheck::Planned;
using plancheck::Reference;

// ---- the language's own rules, and results the rewriter's text cannot hold ----

struct PlanCase {
  std::string formula;
  Extended x;
  std::string value;     // as ParseFloat reads it
  bool rewriterDropped;  // the rewriter turned some result into 0 on the way
};
void PrintTo(const PlanCase& c, std::ostream* os) {
  *os << c.formula << " at x = " << FormatGeneral15(c.x);
}

class PlanEvaluates : public testing::TestWithParam<PlanCase> {};

TEST_P(PlanEvaluates, ToTheValueAndTellsWhereTheRewriterDropped) {
  const PlanCase& c = GetParam();
  FormulaPlan plan(c.formula);
  EXPECT_EQ(FormatGeneral15(plan.Evaluate(c.x)), FormatGeneral15(ParseFloat(c.value)));
  EXPECT_EQ(Reference(c.formula, c.x).dropped, c.rewriterDropped);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PlanEvaluates,
    testing::Values(PlanCase{"x^4-4*x^3", -2, "48", false}, PlanCase{"2^3^2", 0, "64", false},
                    PlanCase{"-x^2", 3, "9", false}, PlanCase{"0-x^2", 3, "-9", false},
                    PlanCase{"2--3", 0, "5", false}, PlanCase{"8/2*2", 0, "8", false},
                    PlanCase{"2x/3x", 0.5L, "0,666666666666667", false},
                    PlanCase{"sin x^2", 2, "-0,756802495307928", false},
                    PlanCase{"sin x*2", 2, "1,81859485365136", false},
                    PlanCase{"2sin (x+1)", 0, "1,68294196961579", false},
                    PlanCase{"1/3*3", 0, "0,999999999999999", false},
                    PlanCase{"-(x+1)", 2, "-3", false}, PlanCase{"2^x", -1, "0,5", false},
                    PlanCase{"(x+1", 5, "0", false}, PlanCase{"10^31/10^30", 0, "10", true},
                    PlanCase{"10^31+5", 0, "10000000000000000000000000000000", true},
                    PlanCase{"x^10", 2000, "1024000000000000000000000000000000", true},
                    PlanCase{"1/x^40", 10, "1E-40", true}));

struct FailCase {
  std::string formula;
  Extended x;
  std::string message;
};

TEST(FormulaPlan, FailsWhereTheRewriterFails) {
  const FailCase cases[] = {
      {"sin(x)", -3, "'sin~3' is not a valid floating point value"},
      {"x + 1", 1, "'' is not a valid floating point value"},
      {"x^-1", 4, "'' is not a valid floating point value"},
      {"-sin x", 4, "'-~0,756802495307928' is not a valid floating point value"},
      {"1/x", 0, kDivisionByZeroMessage},
      {"log x", -1, kInvalidOperationMessage},
      {"x^x", 2000, kOverflowMessage}};
  for (const FailCase& c : cases) {
    FormulaPlan plan(c.formula);
    const plancheck::Outcome planned = Planned(plan, c.x);
    EXPECT_NE(planned.kind, 0) << c.formula;
    EXPECT_EQ(planned.message, c.message) << c.formula;
    EXPECT_EQ(Reference(c.formula, c.x).message, c.message) << c.formula;
  }
}

// Where the rewriter carried 10^4000 on as 0, the plan carries it and so reaches an overflow.
TEST(FormulaPlan, RefusesWhatTheRewriterTurnedIntoZero) {
  FormulaPlan plan("10^4000*10^1000");
  EXPECT_EQ(Planned(plan, 0).message, kOverflowMessage);
  const plancheck::Outcome reference = Reference("10^4000*10^1000", 0);
  EXPECT_TRUE(reference.dropped);
  EXPECT_EQ(reference.value, 0);
}

// The rounding of every step is what writing the number and reading it back gives.
TEST(RoundGeneral15, IsFormatGeneral15ReadBackAtEveryMagnitude) {
  std::mt19937_64 random(15);
  for (int i = 0; i < 200'000; ++i) {
    const int exponent = static_cast<int>(random() % 32700) - 16350;
    const Extended v = std::ldexp(static_cast<Extended>(random()) / 18446744073709551616.0L,
                                  i % 2 == 0 ? exponent : exponent % 200);
    const Extended expected = ParseFloat(FormatGeneral15(v));
    const Extended rounded = RoundGeneral15(v);
    ASSERT_EQ(std::memcmp(&expected, &rounded, 10), 0) << FormatFixed(v, 40, 40);
  }
}

}  // namespace
}  // namespace kalkora
