// The worked solutions of the natural numbers page: Euclid's algorithm with the LCM, the
// division ladder of a factorisation, and the sieve behind the primes list.
#pragma once

#include <cstdint>

#include "numbers/NaturalNumbers.h"
#include "steps/Working.h"

namespace kalkora {

// Euclid's divisions of |a| and |b| down to remainder 0, then LCM = |a|·|b| / GCD, ending in the
// `gcd` and `lcm` the page showed (not both a and b 0: the page fails before it has an LCM).
Working GcdLcmSteps(std::int32_t a, std::int32_t b, std::int64_t gcd, std::int64_t lcm);

// The division ladder of n by the very factors the page shows in `shown`, then n as a product of
// powers; for 0, 1 and primes, why there is nothing to divide.
Working FactorisationSteps(std::int32_t n, const Factorisation& shown);

// How the primes up to n were found, and how many there are (`count`, the rows of the list).
Working PrimesSteps(std::int32_t n, std::int64_t count);

}  // namespace kalkora
