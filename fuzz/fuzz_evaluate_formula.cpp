// EvaluateFormula on any formula text: a text, a ConvertError or a FloatError with one of the
// three arithmetic messages, never anything else; the same with a negative and a tiny x put in
// as the graph page puts it. Preparing twice must change nothing, since the evaluator prepares
// the text the graph page has already prepared.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "common/Errors.h"
#include "graphs/Plot.h"
#include "graphs/Qrafik.h"

namespace {

void Evaluate(std::string_view text) {
  try {
    (void)kalkora::EvaluateFormula(text);
  } catch (const kalkora::ConvertError&) {
  } catch (const kalkora::FloatError& e) {
    const char* message = e.what();
    if (std::strcmp(message, kalkora::kInvalidOperationMessage) != 0 &&
        std::strcmp(message, kalkora::kDivisionByZeroMessage) != 0 &&
        std::strcmp(message, kalkora::kOverflowMessage) != 0) {
      std::abort();
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 300) return 0;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::string prepared = kalkora::PrepareFormula(text);
  if (kalkora::PrepareFormula(prepared) != prepared) std::abort();
  Evaluate(text);
  Evaluate(kalkora::SubstituteX(prepared, -2.5L));
  Evaluate(kalkora::SubstituteX(prepared, -1e-7L));
  return 0;
}
