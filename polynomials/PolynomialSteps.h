// The worked solutions of the polynomial page: the derivative term by term and the value as the
// sum of its terms, both from the terms the page reads out of the typed text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "polynomials/Polynomial.h"
#include "steps/Working.h"

namespace kalkora {

// How Derivative(polynomial) reached its text: each term c·xⁿ becomes c·n·xⁿ⁻¹, written as a
// pupil writes it (x for x¹, a number for x⁰). Only for a text that Derivative reads without a
// message.
Working DerivativeSteps(std::string_view polynomial);

// The value at `x` of the polynomial read as `terms` (ReadPolynomialNumbers): each term with x
// put in, then their sum, `value` (PolynomialValue): exactly, then as the page writes it.
Working PolynomialValueSteps(const std::vector<PolynomialTerm>& terms, const Rational& x,
                             const PolynomialNumber& value);

// The value of a polynomial that is one letter: x itself, `xText` exactly as typed.
Working LetterValueSteps(std::string_view letter, const std::string& xText);

}  // namespace kalkora
