// Prime factors and prime lists of 32-bit numbers.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kalkora {

// True when exactly two of 1 ... p divide p: the definition of a prime, counted out in O(p).
bool IsPrimeByDivisorCount(std::int32_t p);

// N's prime factors below N, ascending, each as often as it divides N, joined by "*"; empty
// when N has none (N prime). For N >= 3: trial division by the odd primes below 1291 through
// their inverses modulo 2^32, then Miller–Rabin and Pollard's rho on what is left.
std::string FactorText(std::int32_t n);

// FactorText as the definition states it, testing every p < N with IsPrimeByDivisorCount.
// Quadratic in N: a reference for tests and benchmarks only.
std::string FactorTextByDefinition(std::int32_t n);

// The primes 2 ... N, ascending (none for N < 2).
std::vector<std::int32_t> PrimesUpTo(std::int32_t n);

// What the factorisation shows for N, typed as `typed`: the caption of the result line, whether
// it joins the history, and whether it is long enough to start further left.
struct Factorisation {
  std::string caption;
  bool addToHistory = false;
  bool wide = false;
};
Factorisation Factorise(std::string_view typed, std::int32_t n);

// The primes 2 ... N without holding them all: the counts of whole segments of numbers are
// kept in the program (PrimeCounts.h), so only N's own segment is counted, and a segment's
// primes are made only when one of its rows is asked for. Any N takes about a millisecond.
class PrimeTable {
 public:
  explicit PrimeTable(std::int32_t n);

  std::int64_t Count() const { return count_; }
  // The prime at `index` (0 is 2), for 0 <= index < Count().
  std::int32_t At(std::int64_t index);
  // The index of the first prime whose decimal text starts with `digits`, or -1 when there is
  // none or `digits` are no digits; it sieves no more than a segment or two.
  std::int64_t FirstStartingWith(std::string_view digits);

 private:
  // The index of the prime p <= N.
  std::int64_t IndexOf(std::int32_t p);
  // The primes of a segment, made once and kept until another segment is asked for.
  const std::vector<std::int32_t>& Segment(std::int64_t segment);

  std::int32_t n_;
  std::int64_t count_ = 0;
  std::int64_t lastSegment_ = 0;  // the segment that holds N
  std::int64_t cachedSegment_ = -1;
  std::vector<std::int32_t> cache_;
};

}  // namespace kalkora
