// The worked solutions of the circle page: the length of a circle and the area of a disc, with
// the page's 6,28 for 2π and 3,14 for π.
#pragma once

#include "exact/Exact.h"
#include "steps/Working.h"

namespace kalkora {

// C = 2πr ≈ 6,28·r for the radius `r` read, ending in `length` as the page writes it.
Working CircleLengthSteps(const Rational& r, const Rational& length);

// S = πr² ≈ 3,14·r² for the radius `r` read, ending in `area` as the page writes it.
Working DiscAreaSteps(const Rational& r, const Rational& area);

}  // namespace kalkora
