// The length of a circle and the area of a disc, with the school's 3,14 for π.
#pragma once

#include "exact/Exact.h"

namespace kalkora {

// r·6,28, exactly.
Rational CircleLength(const Rational& r);
// r²·3,14, exactly.
Rational DiscArea(const Rational& r);

}  // namespace kalkora
