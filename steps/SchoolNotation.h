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

// A number text of the formats as a textbook prints it: the minus sign "−", an integral part of
// more than four digits in groups of three with thin spaces, and 1,5E-7 as 1,5·10⁻⁷.
std::string SchoolNumber(const std::string& shown);

// (whole + coefficient·√radicand) / denominator: a surd over one denominator, the root simplified
// (√52 = 2√13), so that radicand is 1 exactly when the value is rational.
struct SimpleSurd {
  Integer whole = 0, coefficient = 0, radicand = 1, denominator = 1;
};
SimpleSurd Simplified(const Surd& x);

// The exact value as a pupil writes it: a whole number, a fraction in lowest terms, or a surd
// such as (5 + √13)/6, √73/2 and 2√13.
Formula ExactForm(const Rational& x);
Formula ExactForm(const Surd& x);
// Both values a ± b√r at once: (5 ± √13)/6, ±√2.
Formula PlusMinusForm(const Surd& x);
// The exact form, then the decimal with at most `decimals` digits after the comma: "24/5 = 4,8",
// "√73/2 ≈ 4,27", or only "6" when the value is whole.
Formula ExactThenDecimal(const Surd& x, int decimals);

// A sum as a pupil writes it: 3x² − 4x + 1. After the first term a negative number's own minus
// becomes the operation; the caller leaves out the terms it does not want (zeros, say). A sum of
// thousands of terms is written with its first and last ones around "…": it is there to be read.
class SchoolSum {
 public:
  // Adds the term `number` followed by `factor` (x², say; nothing for a plain number). The
  // number is written in school notation, and a 1 before a variable is left out.
  SchoolSum& Term(const std::string& number, const Formula& factor = {});
  // Adds a term already written, `magnitude`, after its sign: 2² for 1·2², where the 1 goes.
  SchoolSum& Signed(bool negative, const Formula& magnitude);
  // The sum, or 0 when it has no term.
  Formula Written() const;
  bool empty() const { return terms_.empty(); }

 private:
  std::vector<Formula> terms_;  // each after the first with its operation in front
};

// A sum longer than this many terms is written shortened.
inline constexpr std::size_t kLongestWrittenSum = 20;

// Whether x is a decimal of at most 15 significant digits (2,5; 814,2; 1E-400), as typed numbers
// and their sums are.
bool IsShortDecimal(const Rational& x);
// Such a decimal as it is written (814,2; 1·10⁻⁴⁰⁰), any other rational in its exact form.
Formula DecimalForm(const Rational& x);

// A number in school notation as an operand: in brackets when it has a sign or a power of ten,
// so that b² with b = −3 reads (−3)² and with b = 10²⁰ reads (1·10²⁰)².
std::string SchoolOperand(const std::string& school);

}  // namespace kalkora
