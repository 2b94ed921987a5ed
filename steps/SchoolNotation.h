// Pieces of school notation shared by the step functions: sums with their signs written as
// operations, and the sign between a value and the rounded text a page shows for it.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "common/Float.h"
#include "exact/Exact.h"
#include "steps/Working.h"

namespace kalkora {

// " = " when `shown` reads back as `value` (both as doubles), " ≈ " when the text is rounded.
std::string EqualsShown(Extended value, const std::string& shown);
// " = " when `shown`, a text of FormatFixed or FormatGeneral15, is exactly `value`, else " ≈ ".
std::string EqualsShown(const Surd& value, const std::string& shown);

// A sum as a pupil writes it: 3x² − 4x + 1. After the first term a negative number's own minus
// becomes the operation; the caller leaves out the terms it does not want (zeros, say). A sum of
// thousands of terms is written with its first and last ones around "…": it is there to be read.
class SchoolSum {
 public:
  // Adds the term `number` followed by `factor` (x², say; nothing for a plain number).
  SchoolSum& Term(const std::string& number, const Formula& factor = {});
  // The sum, or 0 when it has no term.
  Formula Written() const;
  bool empty() const { return terms_.empty(); }

 private:
  std::vector<Formula> terms_;  // each after the first with its operation in front
};

// A sum longer than this many terms is written shortened.
inline constexpr std::size_t kLongestWrittenSum = 20;

}  // namespace kalkora
