// How the converter reached its lines: through the base unit of the quantity.
#pragma once

#include <cstdint>
#include <vector>

#include "exact/Exact.h"
#include "steps/Working.h"
#include "units/Converter.h"

namespace kalkora {

// The working of `value` in `unit` of `quantity` converted into `results` (what ConvertExactly
// gave, in unit order); empty for a quantity or unit out of range.
Working ConversionSteps(int quantity, std::int32_t unit, const Rational& value,
                        const std::vector<Converted>& results);

}  // namespace kalkora
