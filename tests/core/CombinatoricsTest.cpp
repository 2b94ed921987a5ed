// Permutations, combinations and arrangements from the fields' texts, and the factorial.
#include "numbers/Combinatorics.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

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

TEST(CombinatoricsTest, LongCountsAreRoundedFromTheExactNumber) {
  // Multiplied up and divided in 80 bits, each of these came out one too high in the 15th digit.
  const CountCase cases[] = {
      {"", "473", "3,34677601154771E1061", ""}, {"48", "138", "3,75078849019374E37", ""},
      {"91", "139", "5,7292263751311E37", ""},  {"58", "90", "5,64630121575658E102", ""},
      {"59", "209", "8,8200268918226E132", ""},
  };
  Expect(Permutations(cases[0].n), cases[0]);
  for (const CountCase& c : {cases[1], cases[2]})
    Expect(Combinations(c.k, c.n), c);
  for (const CountCase& c : {cases[3], cases[4]})
    Expect(Arrangements(c.k, c.n), c);
}

std::string Shown(const Integer& count) {
  return FormatGeneral15(Rational(count));
}

TEST(CombinatoricsTest, AgreesWithProductsOfWholeNumbers) {
  std::mt19937 random(7321);
  Integer factorial = 1;
  for (int n = 0; n <= 999; ++n) {
    if (n > 1) factorial *= n;
    const std::string nText = std::to_string(n);
    EXPECT_EQ(Permutations(nText).result, Shown(factorial));
    for (int round = 0; round < 2; ++round) {
      const int k = std::uniform_int_distribution<int>(0, n)(random);
      // A(n, k) = (n − k + 1)···n, and C(n, k) = A(n, k) / k!.
      Integer arrangements = 1, kFactorial = 1;
      for (int i = n - k + 1; i <= n; ++i)
        arrangements *= i;
      for (int i = 2; i <= k; ++i)
        kFactorial *= i;
      const std::string kText = std::to_string(k);
      EXPECT_EQ(Arrangements(kText, nText).result, Shown(arrangements)) << n << " " << k;
      EXPECT_EQ(Combinations(kText, nText).result, Shown(arrangements / kFactorial))
          << n << " " << k;
    }
  }
}

}  // namespace
}  // namespace kalkora
