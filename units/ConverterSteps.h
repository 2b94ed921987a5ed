// How the converter reached its lines: through the base unit of the quantity.
#pragma once

#include <cstdint>
#include <vector>

#include "common/Float.h"
#include "steps/Working.h"

namespace kalkora {

// The working of `value` in `unit` of `quantity` converted into `results` (what
// ConvertToAllUnits gave, in unit order); empty for a quantity or unit out of range.
Working ConversionSteps(int quantity, std::int32_t unit, Extended value,
                        const std::vector<Extended>& results);

}  // namespace kalkora
