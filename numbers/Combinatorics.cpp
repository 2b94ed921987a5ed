#include "numbers/Combinatorics.h"

#include <cstdint>

#include "common/Float.h"
#include "formulas/MoyModul.h"
#include "numtext/NumText.h"

namespace kalkora {

namespace {

CountOutcome Message(const char* message) {
  return {{}, message};
}

CountOutcome Count(Extended count, std::int32_t n, std::int32_t k) {
  return {FormatGeneral15(count), {}, n, k};
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

CountOutcome Permutations(std::string_view nText) {
  if (nText.empty()) return Message(kEnterNaturalNumber);
  const std::int32_t n = ParseInteger(nText);
  if (n < 0) return Message(kNegativeNumber);
  return Count(Factorial(n), n, 0);
}

CountOutcome Combinations(std::string_view k, std::string_view n) {
  return OfKAndN(k, n, [](std::int32_t n, std::int32_t k) {
    const Extended f1 = Factorial(n);
    const Extended f2 = Factorial(k);
    const Extended f3 = Factorial(n - k);
    return Div(f1, Mul(f3, f2));
  });
}

CountOutcome Arrangements(std::string_view k, std::string_view n) {
  return OfKAndN(
      k, n, [](std::int32_t n, std::int32_t k) { return Div(Factorial(n), Factorial(n - k)); });
}

}  // namespace kalkora
