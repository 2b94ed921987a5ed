// Formulas shared by several pages: divisors, and (with their pages) the factorial, the
// quadratic roots and the triangle formulas.
#pragma once

#include <cstdint>

#include "common/Float.h"

namespace kalkora {

// The greatest common divisor of |a| and |b|; 0 only when both are 0. It is 64-bit because
// GCD(-2147483648, 0) is 2147483648.
std::int64_t Gcd(std::int32_t a, std::int32_t b);

// The least common multiple of |a| and |b|, in 64 bits so that it never wraps around; 0 when
// either is 0. Both 0 throws IntDivError, the division by their GCD of 0.
std::int64_t Lcm(std::int32_t a, std::int32_t b);

// n! in 80-bit arithmetic, multiplied up from 2 in that order; 1 for n < 2. A factorial beyond
// the 80-bit range (from 1755! on) throws FloatError (overflow).
Extended Factorial(std::int32_t n);

}  // namespace kalkora
