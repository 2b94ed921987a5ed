// The worked solutions of the circle page: the length of a circle and the area of a disc, with
// the page's 6,28 for 2π and 3,14 for π.
#pragma once

#include "exact/Exact.h"
#include "steps/Working.h"

namespace kalkora {

// C = 2πR with the true π, then with the page's 6,28 for 2π, ending in `length` = 6,28·r as the
// page writes it.
Working CircleLengthSteps(const Rational& r, const Rational& length);

// S = πR² with the true π, then with the page's 3,14, ending in `area` = 3,14·r² as the page
// writes it.
Working DiscAreaSteps(const Rational& r, const Rational& area);

}  // namespace kalkora
