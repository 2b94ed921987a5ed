#include "common/Float.h"

#include <cmath>

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

}  // namespace kalkora
