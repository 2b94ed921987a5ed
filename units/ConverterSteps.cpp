#include "units/ConverterSteps.h"

#include <string>

#include "numtext/NumText.h"
#include "steps/SchoolNotation.h"
#include "units/QuantityCatalogue.h"

namespace kalkora {

namespace {

// " = " before a text that is the value itself, " ≈ " before a rounded one.
std::string Relation(const Converted& value, const std::string& shown) {
  if (const Rational* exact = std::get_if<Rational>(&value))
    return EqualsShown(Surd(*exact), shown);
  return EqualsShown(std::get<Extended>(value), shown);
}

std::string FactorText(const TMeasureUnit& unit) {
  return SchoolNumber(unit.Exact ? FormatGeneral15(*unit.Exact) : FormatGeneral15(unit.Factor));
}

}  // namespace

Working ConversionSteps(int quantity, std::int32_t unit, const Rational& value,
                        const std::vector<Converted>& results) {
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
  // The value in base units as the conversion had it: exact where the factor is rational.
  const Converted inBase = from.Exact ? Converted(Rational(value * *from.Exact))
                                      : Converted(Mul(ToExtended(value), from.Factor));
  const std::string inBaseShown = FormatConverted(inBase);
  const std::string inBaseText = SchoolNumber(inBaseShown);
  const std::string valueText = SchoolNumber(FormatGeneral15(value));

  Working working = SolvedWorking("Перевод единиц: " + catalogue[quantity].Caption);
  working.Prose("Значение переводится в основную единицу (" + base +
                "): умножается на число основных единиц в одной единице.");
  working.Math(Formula() << valueText << " " << from.Name << " = " << valueText << " · "
                         << FactorText(from) << Relation(inBase, inBaseShown) << inBaseText);
  working.Prose("Затем делится на число основных единиц в каждой единице:");
  // One chain, as the page lists it: 1 Миля = 1609,344 Метр = 1,609344 Километр …
  Formula answer = Formula() << valueText << " " << from.Name;
  for (std::size_t j = 0; j < units.size(); ++j) {
    const std::string shown = FormatConverted(results[j]);
    const std::string relation = Relation(results[j], shown);
    working.Math(Formula() << inBaseText << " : " << FactorText(units[j]) << relation
                           << SchoolNumber(shown) << " " << units[j].Name);
    if (j != static_cast<std::size_t>(unit))
      answer << relation << SchoolNumber(shown) << " " << units[j].Name;
  }
  working.Answer(answer << ".");
  return working;
}

}  // namespace kalkora
