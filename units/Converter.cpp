#include "units/Converter.h"

#include <optional>

#include "numtext/NumText.h"
#include "units/QuantityCatalogue.h"

namespace kalkora {

namespace {

const std::vector<TMeasureUnit>* UnitsOf(int quantity, std::int32_t unit) {
  const std::vector<TQuantity>& catalogue = QuantityCatalogue();
  if (quantity < 0 || static_cast<std::size_t>(quantity) >= catalogue.size()) return nullptr;
  const std::vector<TMeasureUnit>& units = catalogue[static_cast<std::size_t>(quantity)].Units;
  if (unit < 0 || static_cast<std::size_t>(unit) >= units.size()) return nullptr;
  return &units;
}

// Keeps an exact value within the 80-bit range the rest of the program has: beyond it an
// overflow, below it 0. Only values near either end (2^±16300) pay for the rounding.
Rational InRange(Rational x) {
  if (sgn(x) == 0) return x;
  const long long log2 = static_cast<long long>(mpz_sizeinbase(x.get_num_mpz_t(), 2)) -
                         static_cast<long long>(mpz_sizeinbase(x.get_den_mpz_t(), 2));
  if ((log2 > 16300 || log2 < -16300) && ToExtended(x) == 0) return 0;  // throws beyond the top
  return x;
}

}  // namespace

std::vector<Extended> ConvertToAllUnits(int quantity, std::int32_t unit, Extended value) {
  const std::vector<TMeasureUnit>* units = UnitsOf(quantity, unit);
  if (!units) return {};
  // Always multiply first and then divide, even for the selected unit itself, so that every
  // line is rounded the same way. Mul and Div turn an infinity into the overflow error.
  const Extended inBase = Mul(value, (*units)[static_cast<std::size_t>(unit)].Factor);
  std::vector<Extended> results;
  results.reserve(units->size());
  for (const TMeasureUnit& target : *units) {
    results.push_back(Div(inBase, target.Factor));
  }
  return results;
}

std::vector<Converted> ConvertExactly(int quantity, std::int32_t unit, const Rational& value) {
  const std::vector<TMeasureUnit>* units = UnitsOf(quantity, unit);
  if (!units) return {};
  const TMeasureUnit& from = (*units)[static_cast<std::size_t>(unit)];
  std::optional<Rational> inBase;
  if (from.Exact) inBase = value * *from.Exact;
  // The value in base units to 80 bits, for the lines whose factors are not both rational:
  // rounded once from the exact product where there is one.
  std::optional<Extended> inBaseFloat;
  std::vector<Converted> results;
  results.reserve(units->size());
  for (const TMeasureUnit& target : *units) {
    if (inBase && target.Exact) {
      results.emplace_back(InRange(*inBase / *target.Exact));
    } else {
      if (!inBaseFloat) {
        inBaseFloat = inBase ? ToExtended(*inBase) : Mul(ToExtended(value), from.Factor);
      }
      results.emplace_back(Div(*inBaseFloat, target.Factor));
    }
  }
  return results;
}

std::string FormatConverted(const Converted& value) {
  return std::visit([](const auto& v) { return FormatGeneral15(v); }, value);
}

std::string FormatResultLine(Extended value, std::string_view unitName) {
  std::string line = FormatGeneral15(value);
  line += ' ';
  line += unitName;
  return line;
}

std::string FormatResultLine(const Converted& value, std::string_view unitName) {
  std::string line = FormatConverted(value);
  line += ' ';
  line += unitName;
  return line;
}

}  // namespace kalkora
