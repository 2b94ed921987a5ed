#include "numbers/Progressions.h"

#include <cmath>
#include <cstdlib>

#include "numtext/NumText.h"

namespace kalkora {

namespace {

__extension__ typedef __int128 Int128;

constexpr std::int64_t kCheckpointStep = 64;

std::string WholeText(Int128 value) {
  if (value == 0) return "0";
  const bool negative = value < 0;
  // Digit by digit from the remainders, which keep the sign of a negative value.
  std::string digits;
  for (; value != 0; value /= 10)
    digits.insert(digits.begin(), static_cast<char>('0' + std::abs(static_cast<int>(value % 10))));
  return negative ? "-" + digits : digits;
}

}  // namespace

Progression::Progression(ProgressionKind kind, std::int32_t first, std::int32_t step,
                         std::int64_t n)
    : kind_(kind), first_(first), step_(step), count_(n) {
  // A ratio of -1, 0 or 1, or a first term of 0, repeats its terms: they and their sums have a
  // closed form that is exact, as every value stays far below 2^64. Any other ratio overflows
  // within about 16,500 terms, which are multiplied out here.
  // Compared, not std::abs: the lowest 32-bit step has no absolute value in 32 bits.
  if (kind != ProgressionKind::Geometric || first == 0 || (step >= -1 && step <= 1)) return;
  const auto q = static_cast<Extended>(step);
  Extended term = first;
  Extended sum = first;
  checkpoints_.push_back(term);
  for (std::int64_t i = 2; i <= n; ++i) {
    term *= q;
    const Extended next = sum + term;
    if (std::isinf(term) || std::isinf(next)) {
      count_ = i - 1;
      overflowed_ = true;
      break;
    }
    sum = next;
    if ((i - 1) % kCheckpointStep == 0) checkpoints_.push_back(term);
  }
  geometricSum_ = sum;
}

Extended Progression::GeometricTerm(std::int64_t i) const {
  const auto q = static_cast<Extended>(step_);
  if (checkpoints_.empty()) {
    if (first_ == 0 || step_ == 1 || i == 1) return first_;
    if (step_ == 0) return first_ * q;  // 0, with the sign a multiplication gives it
    return (i % 2 == 1) ? first_ : -static_cast<Extended>(first_);
  }
  const std::int64_t index = (i - 1) / kCheckpointStep;
  Extended term = checkpoints_[static_cast<std::size_t>(index)];
  for (std::int64_t j = index * kCheckpointStep + 1; j < i; ++j)
    term *= q;
  return term;
}

std::string Progression::TermText(std::int64_t i) const {
  if (kind_ == ProgressionKind::Arithmetic) {
    return WholeText(static_cast<Int128>(first_) + static_cast<Int128>(i - 1) * step_);
  }
  return FormatGeneral15(GeometricTerm(i));
}

std::string Progression::SumText() const {
  const std::int64_t n = count_;
  if (kind_ == ProgressionKind::Arithmetic) {
    const Int128 pairs = static_cast<Int128>(n) * (n - 1) / 2;
    return WholeText(static_cast<Int128>(n) * first_ + pairs * step_);
  }
  if (!checkpoints_.empty()) return FormatGeneral15(geometricSum_);
  // The repeating terms: S = b1 for q = 0, alternately b1 and 0 for q = -1, n * b1 for q = 1.
  if (first_ == 0) return "0";
  if (step_ == 0) return FormatGeneral15(first_);
  if (step_ == -1) return n % 2 == 1 ? FormatGeneral15(first_) : "0";
  return FormatGeneral15(static_cast<Extended>(n) * first_);
}

bool Progression::SameTermsAs(const Progression& other) const {
  return kind_ == other.kind_ && first_ == other.first_ && step_ == other.step_;
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

std::string SumCaption(const Progression& progression, std::string_view nAsTyped) {
  // After an overflow the sum is that of the terms there are, and it says how many.
  const std::string count =
      progression.Overflowed() ? std::to_string(progression.Count()) : std::string(nAsTyped);
  return "Сумма " + count + " членов;\rS=" + progression.SumText();
}

}  // namespace kalkora
