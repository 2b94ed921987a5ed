// GCD, LCM, prime factors and prime lists: the fast methods against the definitions.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <numeric>
#include <primesieve.hpp>
#include <random>
#include <string>

#include "common/Errors.h"
#include "formulas/MoyModul.h"
#include "numbers/NaturalNumbers.h"
#include "numbers/PrimeCounts.h"

namespace kalkora {
namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

// The divisor functions by repeated subtraction, for positive numbers.
std::int64_t GcdBySubtraction(std::int32_t a, std::int32_t b) {
  while (a != b) {
    if (b < a)
      a -= b;
    else
      b -= a;
  }
  return a;
}

TEST(GcdTest, AgreesWithSubtractionForAllSmallPairs) {
  for (std::int32_t a = 1; a <= 300; ++a) {
    for (std::int32_t b = 1; b <= 300; ++b) {
      ASSERT_EQ(Gcd(a, b), GcdBySubtraction(a, b)) << a << "," << b;
      ASSERT_EQ(Lcm(a, b), std::int64_t{a} * b / GcdBySubtraction(a, b)) << a << "," << b;
    }
  }
}

TEST(GcdTest, EdgeArguments) {
  const struct {
    std::int32_t a, b;
    std::int64_t gcd, lcm;
  } cases[] = {
      {12, 18, 6, 36},
      {1, kMax, 1, kMax},
      {kMax, kMax, kMax, kMax},
      {kMax, kMax - 1, 1, std::int64_t{kMax} * (kMax - 1)},  // beyond 32 bits, not wrapped
      {65536, 65536 * 3, 65536, 65536 * 3},
      {0, 5, 5, 0},
      {7, 0, 7, 0},
      {-12, 18, 6, 36},
      {-12, -18, 6, 36},
      {kMin, 0, std::int64_t{1} << 31, 0},
      {kMin, kMin, std::int64_t{1} << 31, std::int64_t{1} << 31},
      {kMin, 3, 1, (std::int64_t{1} << 31) * 3},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Gcd(c.a, c.b), c.gcd) << c.a << "," << c.b;
    EXPECT_EQ(Lcm(c.a, c.b), c.lcm) << c.a << "," << c.b;
  }
}

TEST(GcdTest, BothZeroHaveNoLcm) {
  EXPECT_EQ(Gcd(0, 0), 0);
  try {
    Lcm(0, 0);
    FAIL() << "no error";
  } catch (const IntDivError& e) {
    EXPECT_STREQ(e.what(), "Division by zero");
  }
}

TEST(PrimeTest, DivisorCountDefinition) {
  const struct {
    std::int32_t p;
    bool prime;
  } cases[] = {{kMin, false}, {-7, false}, {0, false}, {1, false}, {2, true},
               {3, true},     {4, false},  {9, false}, {97, true}, {7919, true}};
  for (const auto& c : cases)
    EXPECT_EQ(IsPrimeByDivisorCount(c.p), c.prime) << c.p;
}

TEST(FactorTextTest, AgreesWithTheDefinition) {
  for (std::int32_t n = 3; n <= 600; ++n) {
    ASSERT_EQ(FactorText(n), FactorTextByDefinition(n)) << n;
  }
}

// The factors by definition from a sieve of smallest prime factors, for every N up to 10^6.
TEST(FactorTextTest, EveryNumberUpToAMillion) {
  constexpr std::int32_t kLimit = 1000000;
  std::vector<std::int32_t> smallest(kLimit + 1, 0);
  for (std::int32_t p = 2; p <= kLimit; ++p) {
    if (smallest[p] != 0) continue;
    for (std::int32_t m = p; m <= kLimit; m += p) {
      if (smallest[m] == 0) smallest[m] = p;
    }
  }
  for (std::int32_t n = 3; n <= kLimit; ++n) {
    std::string expected;
    for (std::int32_t rest = n; rest > 1; rest /= smallest[rest])
      expected += '*' + std::to_string(smallest[rest]);
    if (smallest[n] == n) expected.clear();  // a prime has no factor below itself
    ASSERT_EQ(FactorText(n), expected.empty() ? expected : expected.substr(1)) << n;
  }
}

// A million random int32: the factors ascend and multiply back to N, and each of them is one of
// the primes primesieve walks through in one pass.
TEST(FactorTextTest, AMillionRandomNumbers) {
  std::mt19937 random(31);
  std::uniform_int_distribution<std::int32_t> pick(3, kMax);
  std::vector<std::uint64_t> claimedPrimes;
  for (int i = 0; i < 1000000; ++i) {
    const std::int32_t n = pick(random);
    const std::string text = FactorText(n);
    if (text.empty()) {
      claimedPrimes.push_back(static_cast<std::uint64_t>(n));
      continue;
    }
    std::uint64_t product = 1;
    std::uint64_t previous = 0;
    for (std::size_t start = 0; start <= text.size();) {
      const std::size_t star = std::min(text.find('*', start), text.size());
      const std::uint64_t factor = std::stoull(text.substr(start, star - start));
      ASSERT_GE(factor, previous) << n;
      claimedPrimes.push_back(factor);
      previous = factor;
      product *= factor;
      start = star + 1;
    }
    ASSERT_EQ(product, static_cast<std::uint64_t>(n)) << n;
  }
  std::sort(claimedPrimes.begin(), claimedPrimes.end());
  claimedPrimes.erase(std::unique(claimedPrimes.begin(), claimedPrimes.end()), claimedPrimes.end());
  primesieve::iterator primes;
  std::uint64_t prime = primes.next_prime();
  for (const std::uint64_t claimed : claimedPrimes) {
    while (prime < claimed)
      prime = primes.next_prime();
    ASSERT_EQ(prime, claimed) << "not a prime";
  }
}

TEST(FactorTextTest, LargeNumbers) {
  const struct {
    std::int32_t n;
    const char* text;
  } cases[] = {
      {kMax, ""},                      // the largest 32-bit prime
      {2147483629, ""},                // the prime below it
      {46337 * 46337, "46337*46337"},  // the largest prime square below 2^31
      {1 << 30, "2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2"},
      {kMax - 1, "2*3*3*7*11*31*151*331"},
      {2 * 1073741789, "2*1073741789"},  // a prime cofactor above the square root
      {1024, "2*2*2*2*2*2*2*2*2*2"},
      {12, "2*2*3"},
      {7, ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FactorText(c.n), c.text) << c.n;
}

TEST(PrimesUpToTest, AgreesWithTheDefinition) {
  std::vector<std::int32_t> expected;
  for (std::int32_t n = -3; n <= 2000; ++n) {
    if (IsPrimeByDivisorCount(n)) expected.push_back(n);
    ASSERT_EQ(PrimesUpTo(n), expected) << n;
  }
}

TEST(PrimeTableTest, MatchesThePrimeListAcrossSegments) {
  // 5,000,000 spans three segments of numbers: every row must be the same prime.
  const std::vector<std::int32_t> list = PrimesUpTo(5000000);
  PrimeTable table(5000000);
  ASSERT_EQ(table.Count(), static_cast<std::int64_t>(list.size()));
  for (std::size_t i = 0; i < list.size(); i += 7) {
    ASSERT_EQ(table.At(static_cast<std::int64_t>(i)), list[i]) << i;
  }
  // Jumping back and forth between segments.
  EXPECT_EQ(table.At(0), 2);
  EXPECT_EQ(table.At(table.Count() - 1), list.back());
  EXPECT_EQ(table.At(1), 3);
}

TEST(PrimeTableTest, FirstPrimeStartingWithTypedDigits) {
  // Against a scan of the text of every row, across three segments.
  const std::int32_t n = 5000000;
  const std::vector<std::int32_t> list = PrimesUpTo(n);
  PrimeTable table(n);
  const auto scan = [&](const std::string& digits) -> std::int64_t {
    for (std::size_t i = 0; i < list.size(); ++i) {
      if (std::to_string(list[i]).rfind(digits, 0) == 0) return static_cast<std::int64_t>(i);
    }
    return -1;
  };
  for (const std::string digits :
       {"1",       "2",       "4",       "9",    "10",   "20",    "24",
        "49",      "97",      "114",     "200",  "4999", "49999", "499999",
        "4999999", "5000000", "5000001", "2097", "4194", "6",     "8"}) {
    EXPECT_EQ(table.FirstStartingWith(digits), scan(digits)) << digits;
  }
  for (const std::string text : {"", "0", "07", "1a", "-1", "12345678901", "\xd9\xa3"}) {
    EXPECT_EQ(table.FirstStartingWith(text), -1) << text;
  }
  PrimeTable all(kMax);
  EXPECT_EQ(all.FirstStartingWith("2147483647"), all.Count() - 1);
  // A shorter number with the prefix comes before the longer ones.
  EXPECT_EQ(all.At(all.FirstStartingWith("2147483")), 214748329);
}

TEST(PrimeTableTest, TheProgramsSegmentCountsAreThePrimeCounts) {
  std::uint64_t below = 0;
  for (std::size_t k = 0; k < kPrimesBelowSegment.size(); ++k) {
    if (k > 0) below += primesieve::count_primes((k - 1) << 21, (k << 21) - 1);
    ASSERT_EQ(kPrimesBelowSegment[k], below) << k;
  }
}

TEST(PrimeTableTest, CountsAndEnds) {
  const struct {
    std::int32_t n;
    std::int64_t count;
    std::int32_t last;
  } cases[] = {
      {kMin, 0, 0},
      {0, 0, 0},
      {1, 0, 0},
      {2, 1, 2},
      {3, 2, 3},
      {10, 4, 7},
      {1000000, 78498, 999983},
      {kMax, 105097565, kMax},
  };
  for (const auto& c : cases) {
    PrimeTable table(c.n);
    EXPECT_EQ(table.Count(), c.count) << c.n;
    if (c.count > 0) {
      EXPECT_EQ(table.At(c.count - 1), c.last) << c.n;
    }
  }
}

TEST(FactoriseTest, ResultLines) {
  const struct {
    const char* typed;
    std::int32_t n;
    const char* caption;
    bool history, wide;
  } cases[] = {
      {"1", 1, "1 не простое и не составное число", false, false},
      {"01", 1, "1 не простое и не составное число", false, false},
      {"2", 2, "2=2", true, false},
      {"7", 7, "7=7", true, false},
      {"12", 12, "12=2*2*3", true, false},
      {"012", 12, "012=2*2*3", true, false},
      {"1024", 1024, "1024=2*2*2*2*2*2*2*2*2*2", true, false},
      {"2048", 2048, "2048=2*2*2*2*2*2*2*2*2*2*2", true, true},
      {"2147483647", kMax, "2147483647=2147483647", true, false},
      {"0", 0, "0 не раскладывается на простые множители", false, false},
      {"-12", -12, "-12=-1*2*2*3", true, false},
      {"-7", -7, "-7=-1*7", true, false},
      {"-2", -2, "-2=-1*2", true, false},
      {"-1", -1, "-1=-1", true, false},
      {"-2147483648", kMin,
       "-2147483648=-1*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2", true, true},
  };
  for (const auto& c : cases) {
    const Factorisation result = Factorise(c.typed, c.n);
    EXPECT_EQ(result.caption, c.caption) << c.typed;
    EXPECT_EQ(result.addToHistory, c.history) << c.typed;
    EXPECT_EQ(result.wide, c.wide) << c.typed;
  }
}

}  // namespace
}  // namespace kalkora
