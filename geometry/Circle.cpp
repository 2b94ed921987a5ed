#include "geometry/Circle.h"

namespace kalkora {

namespace {

// 6,28 and 3,14 as the decimals they are.
const Rational kTwoPi(157, 25);
const Rational kPi(157, 50);

}  // namespace

Rational CircleLength(const Rational& r) {
  return r * kTwoPi;
}

Rational DiscArea(const Rational& r) {
  return r * r * kPi;
}

}  // namespace kalkora
