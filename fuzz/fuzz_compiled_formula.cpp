// The compiled plan against the text rewriter on the same formula and x, and the graph page's
// formula against the plan: any difference in value (to the bit) or in error aborts. The first byte
// picks x, or with its low bit set the next ten bytes are x itself; the rest is the formula.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "tests/core/PlanDifferential.h"

namespace {

using kalkora::Extended;

namespace check = kalkora::plancheck;

void Check(std::string_view formula, kalkora::FormulaPlan& plan,
           std::optional<kalkora::GraphFormula>& graph, Extended x) {
  const check::Outcome planned = check::Planned(plan, x);
  std::string difference = check::Difference(check::Reference(formula, x), planned);
  if (difference.empty())
    difference = check::GraphDifference(formula, plan, x, planned, check::Graphed(graph, x));
  if (difference.empty()) return;
  std::fprintf(stderr, "formula \"%.*s\" at x = %s: %s\n", static_cast<int>(formula.size()),
               formula.data(), kalkora::FormatGeneral15(x).c_str(), difference.c_str());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0 || size > 300) return 0;
  static constexpr Extended kX[] = {0, 1, -1, 2, -2, 0.5L, -2.5L, 3, 1e-7L, -1e-5L, 1e20L, 2000};
  Extended x = kX[(data[0] >> 1) % std::size(kX)];
  std::size_t skip = 1;
  if ((data[0] & 1) != 0 && size >= 11) {
    std::memcpy(&x, data + 1, 10);
    skip = 11;
    if (!std::isfinite(x)) return 0;
  }
  const std::string_view formula(reinterpret_cast<const char*>(data) + skip, size - skip);
  kalkora::FormulaPlan plan(formula);
  std::optional<kalkora::GraphFormula> graph = check::Graph(formula);
  Check(formula, plan, graph, x);
  Check(formula, plan, graph, -x);
  Check(formula, plan, graph, 3);
  return 0;
}
