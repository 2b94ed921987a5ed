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

SchoolSum& SchoolSum::Term(const std::string& number, const Formula& factor) {
  const bool negative = !number.empty() && number.front() == '-';
  if (sum_.empty()) {
    sum_ << number;
  } else {
    sum_ << (negative ? " − " : " + ") << (negative ? number.substr(1) : number);
  }
  sum_ << factor;
  return *this;
}

}  // namespace kalkora
