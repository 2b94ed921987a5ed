// The worked solution of a triangle from its three sides: the test of the sides, the area by
// Heron's formula, the perimeter and each height, median and bisector, exact and then rounded.
#pragma once

#include <string>

#include "geometry/Triangle.h"
#include "steps/Working.h"

namespace kalkora {

// How SolveTriangle(AB, BC, AC) reached `solution` for sides that passed TriangleExists: each
// value exact, then its decimal; the answer lists the fields as the page writes them.
Working TriangleSteps(const Rational& AB, const Rational& BC, const Rational& AC,
                      const TriangleSolution& solution);

// Why sides that failed TriangleExists make no triangle: the working of a solve that failed with
// `message`, ending in that answer.
Working AbsentTriangleSteps(const Rational& AB, const Rational& BC, const Rational& AC,
                            const std::string& message);

}  // namespace kalkora
