#include "numbers/Progressions.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "numtext/NumText.h"

namespace kalkora {

namespace {

__extension__ typedef __int128 Int128;

// The terms between two checkpoints are multiplied out when their rows are shown. Every 64th term
// is one, or fewer where that would make more than 16384 of them (256 KB).
constexpr std::int64_t kMaxCheckpoints = 16384;
constexpr std::int64_t kMinSpacing = 64;

// The place of the smallest subnormal's bit: the spacing of every value below 2^-16381.
constexpr int kLeastExponent = -16445;

std::string ExactText(const Rational& x) {
  if (x.get_den() == 1) return FormatWhole(x.get_num());
  return FormatGeneral15(x);
}

// Takes as many steps s := s + c (rounded to 64 bits) as it can at once, at most `most`, and
// returns how many (0: the next one is to be taken as it is). Within one binade the values are
// the multiples of one spacing u, so while the exact sums stay inside it every step moves s by
// the same multiple of u: c/u rounded to nearest, a tie to the even multiple.
std::int64_t Leap(Extended& s, Extended c, std::int64_t most) {
  if (s == 0 || c == 0 || most <= 0) return 0;
  // Rounding to nearest is symmetric: work with a positive s.
  const bool negative = s < 0;
  const Extended x = negative ? -s : s;
  const Extended y = negative ? -c : c;
  int binade = 0;
  std::frexp(x, &binade);  // x in [2^(binade-1), 2^binade)
  const int unit = std::max(binade - 64, kLeastExponent);
  // In units of u, the binade holds [2^63, 2^64); below 2^-16381 the one spacing reaches down
  // to 0.
  const Int128 low = unit == kLeastExponent ? 0 : Int128{1} << 63;
  const Int128 high = (Int128{1} << 64) - 1;
  const int place = std::ilogb(y);
  // Beyond these c is a quarter of u or less (s + c rounds back to s, or crosses a binade's
  // edge) or so large that s leaves its binade at once.
  if (place < unit - 2 || place > unit + 61) return 0;
  const Extended r = std::ldexp(y, -unit);  // exact, 1/4 <= |r| < 2^62
  const Extended floor = std::floor(r);
  const Extended fraction = r - floor;
  const auto whole = static_cast<std::int64_t>(floor);
  const auto k = static_cast<Int128>(std::ldexp(x, -unit));  // exact, below 2^64
  std::int64_t delta = 0;
  if (fraction == 0.5L) {
    // A tie goes to the even multiple; from an even one that keeps it even.
    if ((k & 1) != 0) return 0;
    delta = whole % 2 == 0 ? whole : whole + 1;
  } else {
    delta = fraction < 0.5L ? whole : whole + 1;
  }
  // Every exact sum k + r, between k + floor(r) and k + ceil(r), must stay inside the binade.
  const Int128 below = whole;
  const Int128 above = fraction == 0 ? whole : whole + 1;
  std::int64_t steps = most;
  if (delta > 0) {
    const Int128 room = high - k - above;
    if (room < 0) return 0;
    steps = static_cast<std::int64_t>(std::min<Int128>(room / delta + 1, most));
  } else if (delta < 0) {
    const Int128 room = k + below - low;
    if (room < 0) return 0;
    steps = static_cast<std::int64_t>(std::min<Int128>(room / -delta + 1, most));
  } else if (k + below < low || k + above > high) {
    return 0;
  }
  // delta = 0 leaves s where it is, now and at every later step.
  const Int128 next = k + Int128{steps} * delta;
  const Extended moved = std::ldexp(static_cast<Extended>(next), unit);
  s = negative ? -moved : moved;
  return steps;
}

}  // namespace

std::int64_t AddRepeatedly(Extended& sum, Extended term, std::int64_t times) {
  std::int64_t done = 0;
  while (done < times) {
    const std::int64_t leap = Leap(sum, term, times - done);
    if (leap > 0) {
      done += leap;
      continue;
    }
    // Only a few additions a binade are taken one by one: where the sum crosses an edge, a tie
    // from an odd multiple, a sum far below the term.
    const Extended next = sum + term;
    if (std::isinf(next)) break;
    if (next == sum) return times;  // and so is every later sum
    sum = next;
    ++done;
  }
  return done;
}

Progression::Progression(ProgressionKind kind, std::int32_t first, std::int32_t step,
                         std::int64_t n)
    : Progression(kind == ProgressionKind::Arithmetic ? Arithmetic(first, step, n)
                                                      : Geometric(first, step, n)) {}

Progression Progression::Arithmetic(Rational first, Rational difference, std::int64_t n) {
  Progression progression(ProgressionKind::Arithmetic);
  progression.count_ = n;
  const Integer pairs = Integer(n) * Integer(n - 1) / 2;
  progression.sum_ = Rational(Integer(n) * first) + Rational(pairs * difference);
  progression.first_ = std::move(first);
  progression.difference_ = std::move(difference);
  return progression;
}

Progression Progression::Geometric(Extended first, Extended ratio, std::int64_t n) {
  Progression progression(ProgressionKind::Geometric);
  progression.b1_ = first;
  progression.ratio_ = ratio;
  progression.MultiplyOut(n);
  return progression;
}

void Progression::MultiplyOut(std::int64_t n) {
  const Extended q = ratio_;
  const std::int64_t limit = std::min(n, kGeometricSteps);
  spacing_ = std::max(kMinSpacing, (limit + kMaxCheckpoints - 1) / kMaxCheckpoints);
  Extended term = b1_;
  Extended sum = b1_;
  checkpoints_.push_back(term);
  std::int64_t i = 1;  // the terms and the sum so far are t(i) and S(i)
  const auto stop = [&](bool overflowed) {
    count_ = i;
    overflowed_ = overflowed;
    cut_ = !overflowed && i < n;
    geometricSum_ = sum;
  };
  // The terms from one checkpoint to the next at a time, until they repeat: as each term follows
  // from the last, a term whose next is itself (0, or a ratio of 1) or whose next but one is
  // itself (a ratio of -1) starts a cycle.
  while (i < n) {
    const Extended next = term * q;
    if (next == term || next * q == term) {
      cycleStart_ = i;
      period_ = next == term ? 1 : 2;
      cycle_[0] = term;
      cycle_[1] = next;
      break;
    }
    if (i == limit) return stop(false);
    const std::int64_t chunk = std::min(spacing_ - (i - 1) % spacing_, limit - i);
    const Extended termBefore = term;
    const Extended sumBefore = sum;
    for (std::int64_t k = 0; k < chunk; ++k) {
      term *= q;
      sum += term;
    }
    if (!std::isfinite(sum)) {
      // Once more one by one, to end before the term or sum that overflowed (an infinite term
      // makes the finite sum before it infinite too).
      term = termBefore;
      sum = sumBefore;
      for (;;) {
        term *= q;
        const Extended total = sum + term;
        if (std::isinf(total)) return stop(true);
        sum = total;
        ++i;
      }
    }
    i += chunk;
    if ((i - 1) % spacing_ == 0) checkpoints_.push_back(term);
  }
  // The sum of the repeating terms goes on the same way, with no multiplications left: a
  // constant term by leaps over each binade of the sum.
  if (i < n && period_ == 1) {
    i += AddRepeatedly(sum, cycle_[0], n - i);
    return stop(i < n);
  }
  // Two alternating terms one by one, until the sum repeats too.
  constexpr Extended kNone = std::numeric_limits<Extended>::quiet_NaN();
  std::int64_t steps = kGeometricSteps;
  Extended last = kNone;  // S(i - 1), S(i - 2)
  Extended lastButOne = kNone;
  while (i < n) {
    if (steps-- == 0) return stop(false);
    const Extended total = sum + cycle_[(i + 1 - cycleStart_) % 2];
    if (std::isinf(total)) return stop(true);
    lastButOne = last;
    last = sum;
    sum = total;
    ++i;
    // The sum and the next term are as two steps before: from here on they alternate.
    if (sum == lastButOne) {
      if ((n - i) % 2 != 0) sum = last;
      i = n;
    }
  }
  stop(false);
}

Extended Progression::GeometricTerm(std::int64_t i) const {
  if (cycleStart_ != 0 && i >= cycleStart_) return cycle_[(i - cycleStart_) % period_];
  const std::int64_t index = (i - 1) / spacing_;
  Extended term = checkpoints_[static_cast<std::size_t>(index)];
  for (std::int64_t j = index * spacing_ + 1; j < i; ++j)
    term *= ratio_;
  return term;
}

std::string Progression::TermText(std::int64_t i) const {
  if (kind_ == ProgressionKind::Arithmetic) {
    return ExactText(first_ + Rational(Integer(i - 1) * difference_));
  }
  return FormatGeneral15(GeometricTerm(i));
}

std::string Progression::SumText() const {
  return kind_ == ProgressionKind::Arithmetic ? ExactText(sum_) : FormatGeneral15(geometricSum_);
}

std::string Progression::FirstText() const {
  return kind_ == ProgressionKind::Arithmetic ? ExactText(first_) : FormatGeneral15(b1_);
}

std::string Progression::StepText() const {
  return kind_ == ProgressionKind::Arithmetic ? ExactText(difference_) : FormatGeneral15(ratio_);
}

bool Progression::SameTermsAs(const Progression& other) const {
  if (kind_ != other.kind_) return false;
  if (kind_ == ProgressionKind::Arithmetic) {
    return first_ == other.first_ && difference_ == other.difference_;
  }
  return b1_ == other.b1_ && ratio_ == other.ratio_;
}

std::string ProgressionRow(const Progression& progression, std::int64_t i) {
  return "n=" + std::to_string(i) + (i == 1 ? ":   " : ":  ") + progression.TermText(i);
}

std::string TermCaption(const Progression& progression, std::int64_t i,
                        std::string_view firstAsTyped) {
  const std::string head = progression.Kind() == ProgressionKind::Arithmetic ? "a(" : "b(";
  if (i == 1) return head + "1)=" + std::string(firstAsTyped);
  return head + std::to_string(i) + ")=" + progression.TermText(i);
}

namespace {

// "члена" after a count ending in 1 but not in 11 ("Сумма 21 члена", "Сумма 11 членов"),
// "членов" after any other.
const char* MembersAfter(std::string_view count) {
  const std::size_t size = count.size();
  const bool one = size >= 1 && count[size - 1] == '1' && (size < 2 || count[size - 2] != '1');
  return one ? " члена" : " членов";
}

}  // namespace

std::string SumCaption(const Progression& progression, std::string_view nAsTyped) {
  // After an overflow or a cut the sum is that of the terms there are, and it says how many.
  const std::string count = progression.Overflowed() || progression.Cut()
                                ? std::to_string(progression.Count())
                                : std::string(nAsTyped);
  return "Сумма " + count + MembersAfter(count) + ":\rS=" + progression.SumText();
}

}  // namespace kalkora
