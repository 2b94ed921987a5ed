// Converting a value into every unit of its quantity, and the text of one result line.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "common/Float.h"
#include "exact/Exact.h"

namespace kalkora {

// The value in each unit of the quantity, in unit order, in 80 bits: (value x factor of `unit`)
// / factor; empty when the quantity or the unit index is out of range. Throws FloatError on
// overflow.
std::vector<Extended> ConvertToAllUnits(int quantity, std::int32_t unit, Extended value);

// A value in one unit: exact where the factors of both units are rational, else 80 bits.
using Converted = std::variant<Rational, Extended>;

// The value in each unit of the quantity, in unit order: value x factor of `unit` / factor,
// exactly where both factors are rational and in 80 bits where one is not; empty when
// the quantity or the unit index is out of range. An exact value beyond the 80-bit range throws
// FloatError "Floating point overflow"; one that 80 bits would round to zero is 0.
std::vector<Converted> ConvertExactly(int quantity, std::int32_t unit, const Rational& value);

// The number text of `value`, one space and the unit's name.
std::string FormatResultLine(Extended value, std::string_view unitName);
std::string FormatResultLine(const Converted& value, std::string_view unitName);

// The number text of a converted value, as FormatGeneral15 writes it.
std::string FormatConverted(const Converted& value);

}  // namespace kalkora
