// Number text of the entry fields: reading field text into numbers and writing numbers as text.
// Decimal comma, no thousands separator, and never dependent on the process locale.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "common/Float.h"

namespace kalkora {

// Reads a 32-bit integer: leading blanks, optional sign, digits; throws ConvertError otherwise.
std::int32_t ParseInteger(std::string_view text);

// Reads the Extended nearest a decimal-comma number; throws ConvertError if invalid or too big.
Extended ParseFloat(std::string_view text);

// Writes plain decimal digits with "-" before a negative value.
std::string FormatInteger(std::int32_t value);

// Writes 15 significant digits, plain between 0,0001 and 999999999999999, else in exponent form.
std::string FormatGeneral15(Extended value);

// The number FormatGeneral15 writes, as ParseFloat reads it back, computed without the text:
// 15 significant digits rounded half up from the correctly rounded 18, then the nearest
// Extended. Zero of either sign gives +0, as the text "0" does; a non-finite value stays.
Extended RoundGeneral15(Extended value);

// Writes exactly `decimals` decimals, or exponent form beyond `precision` integer digits.
std::string FormatFixed(Extended value, int precision, int decimals);

// A number already rounded to the digits it shows: |x| = 0.d1 d2 ... dn × 10^exponent, with no
// trailing zeros (no digits at all for a value that rounded to zero). Exact values are written
// through these, in the same layouts as the 80-bit ones.
struct DecimalDigits {
  std::string digits;
  long long exponent = 0;
  bool negative = false;
};
// How many significant digits FormatGeneral15 shows: at most 15.
inline constexpr int kGeneralDigits = 15;
// How many significant digits FormatFixed shows of a value whose exponent is `exponent`: the
// digits down to the last decimal, but never more than the precision (zero or fewer: none).
int FixedDigits(long long exponent, int precision, int decimals);
std::string LayOutGeneral15(const DecimalDigits& value);
std::string LayOutFixed(const DecimalDigits& value, int precision, int decimals);

}  // namespace kalkora
