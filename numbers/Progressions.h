// Arithmetic and geometric progressions: any one term and the sum of the first n. An arithmetic
// term is found exactly from its index; geometric terms are multiplied out once, and any one of
// them again from a checkpoint near it, so that showing two billion terms costs no more than a
// screenful.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/Float.h"
#include "exact/Exact.h"

namespace kalkora {

enum class ProgressionKind { Arithmetic, Geometric };

class Progression {
 public:
  // The most terms a geometric progression is multiplied out to, one by one (half a millisecond),
  // and the most additions of two alternating terms after them. Terms that settle into a cycle
  // (0, a ratio of 1 or -1) are known beyond it, and so is their sum.
  static constexpr std::int64_t kGeometricSteps = std::int64_t{1} << 18;

  // The first n terms (n >= 1) from a whole first term and a whole difference or ratio.
  Progression(ProgressionKind kind, std::int32_t first, std::int32_t step, std::int64_t n);
  // a(i) = a1 + (i - 1)·d and the sum n·a1 + n(n - 1)/2·d, exactly.
  static Progression Arithmetic(Rational first, Rational difference, std::int64_t n);
  // t(i) = t(i-1)·q and S(i) = S(i-1) + t(i) in 80-bit arithmetic. A term or running sum beyond
  // its range ends the terms before it, so the sum of the terms there are is always a number;
  // terms that are still changing after kGeometricSteps end there too (Cut()).
  static Progression Geometric(Extended first, Extended ratio, std::int64_t n);

  ProgressionKind Kind() const { return kind_; }
  // The terms there are: n, or fewer after an overflow or a cut.
  std::int64_t Count() const { return count_; }
  bool Overflowed() const { return overflowed_; }
  // The geometric terms ran on past kGeometricSteps without settling: Count() is that many.
  bool Cut() const { return cut_; }
  // Term i, 1 <= i <= Count(): a whole arithmetic term with every digit, any other one in the
  // general format.
  std::string TermText(std::int64_t i) const;
  // The sum of the first Count() terms, written the same way.
  std::string SumText() const;
  // The first term and the difference or ratio, written as the terms are.
  std::string FirstText() const;
  std::string StepText() const;
  // A geometric ratio of exactly 1.
  bool UnitRatio() const { return kind_ == ProgressionKind::Geometric && ratio_ == 1; }
  // Whether every term the two have in common is the same: same kind, first term and step.
  bool SameTermsAs(const Progression& other) const;

 private:
  explicit Progression(ProgressionKind kind) : kind_(kind) {}
  void MultiplyOut(std::int64_t n);
  Extended GeometricTerm(std::int64_t i) const;

  ProgressionKind kind_;
  std::int64_t count_ = 0;
  bool overflowed_ = false;
  bool cut_ = false;
  // Arithmetic: the exact first term, difference and sum.
  Rational first_, difference_, sum_;
  // Geometric: every `spacing_`-th term from the first, from which the others are multiplied
  // out as the recurrence does; from term `cycleStart_` on (0 when none) the terms repeat
  // `cycle_[0]`, `cycle_[1]` with period `period_`.
  Extended b1_ = 0, ratio_ = 0, geometricSum_ = 0;
  std::vector<Extended> checkpoints_;
  std::int64_t spacing_ = 1;
  std::int64_t cycleStart_ = 0;
  int period_ = 1;
  Extended cycle_[2] = {0, 0};
};

// Adds `term` to `sum` up to `times` times, each addition rounded to 80 bits as when added one by
// one, in a few steps for each binade the sum passes; stops before an addition that overflows.
// Returns how many were made.
std::int64_t AddRepeatedly(Extended& sum, Extended term, std::int64_t times);

// Row i of the terms list: "n=1:   " (three blanks) or "n=i:  " (two), then term i.
std::string ProgressionRow(const Progression& progression, std::int64_t i);
// The n-th term's line: "a(1)=" or "b(1)=" with the first term as typed, else "a(i)=" + term i.
std::string TermCaption(const Progression& progression, std::int64_t i,
                        std::string_view firstAsTyped);
// "Сумма " + n as typed + " членов:" (" члена:" after 1, 21, 31, ...), a carriage return,
// "S=" + the sum; after an overflow or a cut the count and the sum of the terms there are.
std::string SumCaption(const Progression& progression, std::string_view nAsTyped);

}  // namespace kalkora
