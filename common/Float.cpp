#include "common/Float.h"

#include <cmath>
#include <cstdint>

namespace kalkora {

void ThrowInvalidOperation() {
  throw FloatError(kInvalidOperationMessage);
}
void ThrowDivisionByZero() {
  throw FloatError(kDivisionByZeroMessage);
}
void ThrowOverflow() {
  throw FloatError(kOverflowMessage);
}

Extended Checked(Extended result) {
  if (std::isnan(result)) ThrowInvalidOperation();
  if (std::isinf(result)) ThrowOverflow();
  return result;
}

Extended Add(Extended a, Extended b) {
  return Checked(a + b);
}
Extended Sub(Extended a, Extended b) {
  return Checked(a - b);
}
Extended Mul(Extended a, Extended b) {
  return Checked(a * b);
}

Extended Div(Extended a, Extended b) {
  if (b == 0) {
    if (a == 0 || std::isnan(a)) ThrowInvalidOperation();
    ThrowDivisionByZero();
  }
  return Checked(a / b);
}

Extended Sqrt(Extended x) {
  if (x < 0) ThrowInvalidOperation();
  return Checked(std::sqrt(x));
}

Extended Ln(Extended x) {
  if (x < 0) ThrowInvalidOperation();
  if (x == 0) ThrowDivisionByZero();
  return Checked(std::log(x));
}

Extended Exp(Extended x) {
  return Checked(std::exp(x));
}

double ToDouble(Extended x) {
  const double d = static_cast<double>(x);
  if (std::isinf(d) && !std::isinf(x)) ThrowOverflow();
  if (std::isnan(d)) ThrowInvalidOperation();
  return d;
}

namespace {

// e^(a·b), where a product beyond the range decides the result by its sign: towards zero it
// underflows, which is no error.
Extended ExpOfProduct(Extended a, Extended b) {
  const Extended product = a * b;
  if (std::isinf(product)) {
    if (product < 0) return 0;
    ThrowOverflow();
  }
  return Exp(product);
}

}  // namespace

// base^exponent: square-and-multiply for 32-bit integral exponents, e^(exponent·ln base) else.
Extended Power(Extended base, Extended exponent) {
  if (exponent == 0) return 1;
  if (base == 0 && exponent > 0) return 0;
  const bool integral = std::trunc(exponent) == exponent;
  if (integral && std::fabs(exponent) <= 2147483647.0L) {
    auto bits = static_cast<std::uint32_t>(std::fabs(exponent));
    Extended result = 1;
    Extended square = base;
    for (;;) {
      if ((bits & 1u) != 0) result *= square;
      bits >>= 1;
      if (bits == 0) break;  // no square beyond the last bit: it could overflow for nothing
      square *= square;
    }
    if (exponent > 0) return Checked(result);
    // The reciprocal of a power beyond the range is below it (underflow, no error); the
    // reciprocal of a power that underflowed to zero is beyond the range.
    if (std::isinf(result)) return 0;
    if (result == 0 && base != 0) ThrowOverflow();
    return Div(1, result);
  }
  // Beyond 32 bits even an integral exponent goes through the logarithm, so a negative base
  // is an invalid operation there, as it is with a fractional exponent.
  return ExpOfProduct(exponent, Ln(base));
}

}  // namespace kalkora
