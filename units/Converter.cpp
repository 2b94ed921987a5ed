#include "units/Converter.h"

#include "numtext/NumText.h"
#include "units/QuantityCatalogue.h"

namespace kalkora {

std::vector<Extended> ConvertToAllUnits(int quantity, std::int32_t unit, Extended value) {
  const std::vector<TQuantity>& catalogue = QuantityCatalogue();
  if (quantity < 0 || static_cast<std::size_t>(quantity) >= catalogue.size()) return {};
  const std::vector<TMeasureUnit>& units = catalogue[static_cast<std::size_t>(quantity)].Units;
  if (unit < 0 || static_cast<std::size_t>(unit) >= units.size()) return {};

  // Always multiply first and then divide, even for the selected unit itself, so that every
  // line is rounded the same way. Mul and Div turn an infinity into the overflow error.
  const Extended inBase = Mul(value, units[static_cast<std::size_t>(unit)].Factor);
  std::vector<Extended> results;
  results.reserve(units.size());
  for (const TMeasureUnit& target : units) {
    results.push_back(Div(inBase, target.Factor));
  }
  return results;
}

std::string FormatResultLine(Extended value, std::string_view unitName) {
  std::string line = FormatGeneral15(value);
  line += ' ';
  line += unitName;
  return line;
}

}  // namespace kalkora
