// The worked solution of a triangle from its three sides: the test of the sides, the area by
// Heron's formula, the perimeter and each height, median and bisector.
#pragma once

#include "geometry/Triangle.h"
#include "steps/Working.h"

namespace kalkora {

// How SolveTriangle(AB, BC, AC) reached `solution` for sides that passed TriangleExists; every
// result written as the page writes it (FormatFixed, precision 4).
Working TriangleSteps(const Rational& AB, const Rational& BC, const Rational& AC,
                      const TriangleSolution& solution);

}  // namespace kalkora
