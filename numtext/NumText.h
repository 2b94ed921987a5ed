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

// Writes exactly `decimals` decimals, or exponent form beyond `precision` integer digits.
std::string FormatFixed(Extended value, int precision, int decimals);

}  // namespace kalkora
