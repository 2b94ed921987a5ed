// Converting a value into every unit of its quantity, and the text of one result line.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/Float.h"

namespace kalkora {

// The value in each unit of the quantity, in unit order: (value x factor of `unit`) / factor;
// empty when the quantity or the unit index is out of range. Throws FloatError on overflow.
std::vector<Extended> ConvertToAllUnits(int quantity, std::int32_t unit, Extended value);

// The number text of `value`, one space and the unit's name.
std::string FormatResultLine(Extended value, std::string_view unitName);

}  // namespace kalkora
