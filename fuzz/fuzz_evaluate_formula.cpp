// EvaluateFormula on any formula text with x already in: a text, a ConvertError or a FloatError,
// never anything else. Preparing twice must change nothing, since the evaluator prepares the
// text the graph page has already prepared.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/Errors.h"
#include "graphs/Qrafik.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 300) return 0;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::string prepared = kalkora::PrepareFormula(text);
  if (kalkora::PrepareFormula(prepared) != prepared) std::abort();
  try {
    (void)kalkora::EvaluateFormula(text);
  } catch (const kalkora::ConvertError&) {
  } catch (const kalkora::FloatError&) {
  }
  return 0;
}
