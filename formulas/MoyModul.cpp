#include "formulas/MoyModul.h"

#include <cstdlib>
#include <numeric>

#include "common/Errors.h"

namespace kalkora {

std::int64_t Gcd(std::int32_t a, std::int32_t b) {
  // Euclid's remainders give what repeated subtraction gives, in logarithmic time.
  return std::gcd(std::llabs(a), std::llabs(b));
}

std::int64_t Lcm(std::int32_t a, std::int32_t b) {
  const std::int64_t divisor = Gcd(a, b);
  if (divisor == 0) throw IntDivError();
  return std::llabs(a) / divisor * std::llabs(b);
}

Extended Factorial(std::int32_t n) {
  Extended product = 1;
  for (std::int32_t i = 2; i <= n; ++i)
    product = Mul(product, static_cast<Extended>(i));
  return product;
}

}  // namespace kalkora
