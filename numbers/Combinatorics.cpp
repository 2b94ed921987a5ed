#include "numbers/Combinatorics.h"

#include <cstdint>

#include "numtext/NumText.h"

namespace kalkora {

namespace {

CountOutcome Message(const char* message) {
  return {{}, message};
}

CountOutcome Count(const Integer& count, std::int32_t n, std::int32_t k) {
  return {FormatGeneral15(Rational(count)), {}, n, k, count};
}

// The checks C and A share, then the count of n and k.
template <typename CountOf>
CountOutcome OfKAndN(std::string_view kText, std::string_view nText, CountOf count) {
  if (kText.empty() || nText.empty()) return Message(kEnterNaturalNumber);
  const std::int32_t k = ParseInteger(kText);
  const std::int32_t n = ParseInteger(nText);
  // The factorial of a negative number is 1, which would make counts such as C(5, -1) = 1/6.
  if (n < 0 || k < 0) return Message(kNegativeNumber);
  if (k > n) return Message(kKAboveN);
  return Count(count(n, k), n, k);
}

}  // namespace

Integer ExactFactorial(std::int32_t n) {
  Integer product = 1;
  if (n > 1) mpz_fac_ui(product.get_mpz_t(), static_cast<unsigned long>(n));
  return product;
}

CountOutcome Permutations(std::string_view nText) {
  if (nText.empty()) return Message(kEnterNaturalNumber);
  const std::int32_t n = ParseInteger(nText);
  if (n < 0) return Message(kNegativeNumber);
  return Count(ExactFactorial(n), n, 0);
}

CountOutcome Combinations(std::string_view k, std::string_view n) {
  return OfKAndN(k, n, [](std::int32_t n, std::int32_t k) {
    Integer count;
    mpz_bin_uiui(count.get_mpz_t(), static_cast<unsigned long>(n), static_cast<unsigned long>(k));
    return count;
  });
}

CountOutcome Arrangements(std::string_view k, std::string_view n) {
  return OfKAndN(k, n, [](std::int32_t n, std::int32_t k) {
    Integer count;
    const Integer rest = ExactFactorial(n - k);
    const Integer all = ExactFactorial(n);
    mpz_divexact(count.get_mpz_t(), all.get_mpz_t(), rest.get_mpz_t());
    return count;
  });
}

}  // namespace kalkora
