#include "units/ConverterSteps.h"

#include "numtext/NumText.h"
#include "units/QuantityCatalogue.h"

namespace kalkora {

Working ConversionSteps(int quantity, std::int32_t unit, Extended value,
                        const std::vector<Extended>& results) {
  const std::vector<TQuantity>& catalogue = QuantityCatalogue();
  if (quantity < 0 || static_cast<std::size_t>(quantity) >= catalogue.size()) return {};
  const std::vector<TMeasureUnit>& units = catalogue[static_cast<std::size_t>(quantity)].Units;
  if (unit < 0 || static_cast<std::size_t>(unit) >= units.size() ||
      results.size() != units.size()) {
    return {};
  }
  const TMeasureUnit& from = units[static_cast<std::size_t>(unit)];
  std::string base = "основная единица";
  for (const TMeasureUnit& candidate : units) {
    if (candidate.Factor == 1) base = candidate.Name;
  }
  // The same product the conversion divides, so every quotient below is the line's own number.
  const std::string inBase = FormatGeneral15(Mul(value, from.Factor));

  Working working = SolvedWorking("Перевод единиц: " + catalogue[quantity].Caption);
  working.Prose("Значение переводится в основную единицу (" + base +
                "): умножается на число основных единиц в одной единице.");
  working.Math(Formula() << FormatGeneral15(value) << " " << from.Name << " = "
                         << FormatGeneral15(value) << " · " << FormatGeneral15(from.Factor) << " = "
                         << inBase);
  working.Prose("Затем делится на число основных единиц в каждой единице:");
  for (std::size_t j = 0; j < units.size(); ++j) {
    working.Math(Formula() << inBase << " : " << FormatGeneral15(units[j].Factor) << " = "
                           << FormatGeneral15(results[j]) << " " << units[j].Name);
  }
  return working;
}

}  // namespace kalkora
