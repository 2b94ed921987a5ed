// Permutations, combinations and arrangements from the fields' texts, and the factorial.
#include "numbers/Combinatorics.h"

#include <gtest/gtest.h>

#include "common/Errors.h"
#include "formulas/MoyModul.h"

namespace kalkora {
namespace {

TEST(FactorialTest, MultipliesUpFromTwo) {
  EXPECT_EQ(Factorial(-5), 1);
  EXPECT_EQ(Factorial(0), 1);
  EXPECT_EQ(Factorial(1), 1);
  EXPECT_EQ(Factorial(20), 2432902008176640000.0L);
  EXPECT_THROW(Factorial(1755), FloatError);
}

struct CountCase {
  const char* k;  // unused for permutations
  const char* n;
  const char* result;
  const char* message;
};

void Expect(const CountOutcome& outcome, const CountCase& c) {
  EXPECT_EQ(outcome.result, c.result) << c.k << ", " << c.n;
  EXPECT_EQ(outcome.message, c.message) << c.k << ", " << c.n;
}

TEST(CombinatoricsTest, Permutations) {
  const CountCase cases[] = {
      {"", "0", "1", ""},
      {"", "5", "120", ""},
      {"", "20", "2,43290200817664E18", ""},
      {"", "", "", kEnterNaturalNumber},
      {"", "-1", "", kNegativeNumber},
  };
  for (const CountCase& c : cases)
    Expect(Permutations(c.n), c);
  EXPECT_TRUE(Permutations("999").result.ends_with("E2564"));
  EXPECT_THROW(Permutations("12a"), ConvertError);
}

TEST(CombinatoricsTest, CombinationsAndArrangements) {
  const CountCase combinations[] = {
      {"2", "5", "10", ""},
      {"5", "5", "1", ""},
      {"0", "5", "1", ""},
      {"3", "10", "120", ""},
      {"15", "30", "155117520", ""},
      {"6", "5", "", kKAboveN},
      {"", "5", "", kEnterNaturalNumber},
      {"2", "", "", kEnterNaturalNumber},
      // A negative number's factorial is 1: C(5, -1) would be 1/6.
      {"-1", "5", "", kNegativeNumber},
      {"1", "-5", "", kNegativeNumber},
  };
  for (const CountCase& c : combinations)
    Expect(Combinations(c.k, c.n), c);
  const CountCase arrangements[] = {
      {"2", "5", "20", ""},
      {"0", "5", "1", ""},
      {"6", "5", "", kKAboveN},
      {"-1", "5", "", kNegativeNumber},
  };
  for (const CountCase& c : arrangements)
    Expect(Arrangements(c.k, c.n), c);
  // The largest the fields allow stays finite.
  EXPECT_TRUE(Combinations("500", "999").result.find('E') != std::string::npos);
  EXPECT_TRUE(Arrangements("999", "999").result.ends_with("E2564"));
}

}  // namespace
}  // namespace kalkora
