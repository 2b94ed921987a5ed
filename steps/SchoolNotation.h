// Pieces of school notation shared by the step functions: sums with their signs written as
// operations, and the sign between a value and the rounded text a page shows for it.
#pragma once

#include <string>

#include "common/Float.h"
#include "steps/Working.h"

namespace kalkora {

// " = " when `shown` reads back as `value` (both as doubles), " ≈ " when the text is rounded.
std::string EqualsShown(Extended value, const std::string& shown);

// A sum as a pupil writes it: 3x² − 4x + 1. After the first term a negative number's own minus
// becomes the operation; the caller leaves out the terms it does not want (zeros, say).
class SchoolSum {
 public:
  // Adds the term `number` followed by `factor` (x², say; nothing for a plain number).
  SchoolSum& Term(const std::string& number, const Formula& factor = {});
  // The sum, or 0 when it has no term.
  Formula Written() const { return sum_.empty() ? Formula("0") : sum_; }
  bool empty() const { return sum_.empty(); }

 private:
  Formula sum_;
};

}  // namespace kalkora
