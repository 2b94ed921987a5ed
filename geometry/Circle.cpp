#include "geometry/Circle.h"

namespace kalkora {

double CircleLength(Extended r) {
  return ToDouble(Mul(r, 6.28L));
}

double DiscArea(Extended r) {
  return ToDouble(Mul(Mul(r, r), 3.14L));
}

}  // namespace kalkora
