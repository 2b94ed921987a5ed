// Arithmetic and geometric progressions: any one term and the sum of the first n, each found
// without computing every term before it, so that two billion terms cost no more than a few.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/Float.h"

namespace kalkora {

enum class ProgressionKind { Arithmetic, Geometric };

class Progression {
 public:
  // The first n terms (n >= 1) from the first term and the difference (arithmetic) or the ratio
  // (geometric). Arithmetic terms are exact (64-bit terms, 128-bit sums). Geometric terms follow
  // t(i) = t(i-1) * q and S(i) = S(i-1) + t(i) in 80-bit arithmetic; a term or running sum beyond
  // its range ends the terms before it, so the sum of the terms there are is always a number.
  Progression(ProgressionKind kind, std::int32_t first, std::int32_t step, std::int64_t n);

  ProgressionKind Kind() const { return kind_; }
  // The terms there are: n, or fewer when a geometric term or sum overflowed (Overflowed()).
  std::int64_t Count() const { return count_; }
  bool Overflowed() const { return overflowed_; }
  // Term i, 1 <= i <= Count(): whole digits for the arithmetic kind, the general format for the
  // geometric kind.
  std::string TermText(std::int64_t i) const;
  // The sum of the first Count() terms, written the same way.
  std::string SumText() const;
  // Whether every term the two have in common is the same: same kind, first term and step.
  bool SameTermsAs(const Progression& other) const;

 private:
  Extended GeometricTerm(std::int64_t i) const;

  ProgressionKind kind_;
  std::int32_t first_;
  std::int32_t step_;
  std::int64_t count_ = 0;
  bool overflowed_ = false;
  // Geometric terms with |q| >= 2 from a non-zero first term, which overflow within about 16,500
  // terms: every 64th term, from which the others are multiplied out as the recurrence does.
  std::vector<Extended> checkpoints_;
  Extended geometricSum_ = 0;
};

// Row i of the terms list: "n=1:   " (three blanks) or "n=i:  " (two), then term i.
std::string ProgressionRow(const Progression& progression, std::int64_t i);
// The n-th term's line: "a(1)=" or "b(1)=" with the first term as typed, else "a(i)=" + term i.
std::string TermCaption(const Progression& progression, std::int64_t i,
                        std::string_view firstAsTyped);
// "Сумма " + n as typed + " членов;", a carriage return, "S=" + the sum; after an overflow the
// count and the sum of the terms there are.
std::string SumCaption(const Progression& progression, std::string_view nAsTyped);

}  // namespace kalkora
