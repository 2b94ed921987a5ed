// Extended (x87 80-bit) arithmetic with faults found from values, and wrap-around 32-bit integers.
//
// GCC may move floating point work past fetestexcept, so the checked operations below look at
// their operands and results instead: a NaN is an invalid operation, an infinity from finite
// operands an overflow, a zero divisor a division by zero. Underflow and inexact are no error.
#pragma once

#include <cstdint>
#include <limits>

#include "common/Errors.h"

namespace kalkora {

using Extended = long double;
static_assert(std::numeric_limits<Extended>::digits == 64,
              "Extended must be the x87 80-bit type with a 64-bit significand");

[[noreturn]] void ThrowInvalidOperation();
[[noreturn]] void ThrowDivisionByZero();
[[noreturn]] void ThrowOverflow();

// Checks the result of an operation whose operands were finite.
Extended Checked(Extended result);

Extended Add(Extended a, Extended b);
Extended Sub(Extended a, Extended b);
Extended Mul(Extended a, Extended b);
// 0/0 is invalid, any other x/0 a division by zero.
Extended Div(Extended a, Extended b);
// The square root of a negative number is invalid.
Extended Sqrt(Extended x);
// ln of a negative number is invalid, ln 0 a division by zero.
Extended Ln(Extended x);
Extended Exp(Extended x);
// Rounds to a 64-bit double; a finite value beyond the double range is an overflow.
double ToDouble(Extended x);

// base^exponent as the formulas compute it: an exponent of 0 gives 1, a base of 0 with a
// positive exponent 0; an integral exponent up to 2^31 - 1 in magnitude by square-and-multiply
// (a negative one as the reciprocal), any other as e^(exponent·ln base), so that a negative
// base is then an invalid operation.
Extended Power(Extended base, Extended exponent);

// 32-bit integer arithmetic that wraps around, done in unsigned so that it is defined behaviour.
constexpr std::int32_t WrapAdd(std::int32_t a, std::int32_t b) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}
constexpr std::int32_t WrapSub(std::int32_t a, std::int32_t b) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b));
}
constexpr std::int32_t WrapMul(std::int32_t a, std::int32_t b) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) * static_cast<std::uint32_t>(b));
}
constexpr std::int32_t WrapNeg(std::int32_t a) {
  return static_cast<std::int32_t>(0u - static_cast<std::uint32_t>(a));
}

}  // namespace kalkora
