// The converter's fixed catalogue: seven quantities in tab order, each with its units and the
// number of base units in one of them.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/Float.h"
#include "exact/Exact.h"

namespace kalkora {

struct TMeasureUnit {
  std::string Name;  // shown in the unit list and at the end of each result line
  Extended Factor;   // base units in one of this unit, to 80 bits; the base unit has 1
  // The same number exactly, for every factor that is rational (all but the parsec's).
  std::optional<Rational> Exact;
};

struct TQuantity {
  std::string Caption;              // the text of the quantity's tab
  std::vector<TMeasureUnit> Units;  // in display order; never empty
};

// The seven quantities, indexed by the tab index of the converter page; built once, never changed.
const std::vector<TQuantity>& QuantityCatalogue();

}  // namespace kalkora
