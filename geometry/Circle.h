// The length of a circle and the area of a disc, with the school's 3,14 for π.
#pragma once

#include "common/Float.h"

namespace kalkora {

// r·6,28 in 80 bits, rounded to a double.
double CircleLength(Extended r);
// (r·r)·3,14 in 80 bits, the square first, rounded to a double.
double DiscArea(Extended r);

}  // namespace kalkora
