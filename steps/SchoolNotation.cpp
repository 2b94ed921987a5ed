#include "steps/SchoolNotation.h"

#include "common/Errors.h"
#include "numtext/NumText.h"

namespace kalkora {

std::string EqualsShown(Extended value, const std::string& shown) {
  try {
    return ToDouble(ParseFloat(shown)) == static_cast<double>(value) ? " = " : " ≈ ";
  } catch (const Error&) {
    return " ≈ ";
  }
}

std::string EqualsShown(const Surd& value, const std::string& shown) {
  return value.IsRational() && ReadShown(shown) == value.ToRational() ? " = " : " ≈ ";
}

SchoolSum& SchoolSum::Term(const std::string& number, const Formula& factor) {
  const bool negative = !number.empty() && number.front() == '-';
  Formula term;
  if (terms_.empty()) {
    term << number;
  } else {
    term << (negative ? " − " : " + ") << (negative ? number.substr(1) : number);
  }
  terms_.push_back(term << factor);
  return *this;
}

Formula SchoolSum::Written() const {
  if (terms_.empty()) return "0";
  constexpr std::size_t kLast = 3;
  const bool shortened = terms_.size() > kLongestWrittenSum;
  const std::size_t first = shortened ? kLongestWrittenSum - kLast : terms_.size();
  Formula sum;
  for (std::size_t i = 0; i < first; ++i)
    sum << terms_[i];
  if (shortened) {
    sum << " + …";
    for (std::size_t i = terms_.size() - kLast; i < terms_.size(); ++i)
      sum << terms_[i];
  }
  return sum;
}

}  // namespace kalkora
