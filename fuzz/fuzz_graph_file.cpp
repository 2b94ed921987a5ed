// The graph file reader on any bytes: the state or "Read beyond end of file", nothing else, and
// never more memory than the bytes can hold points for. Whatever it reads must write back.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "common/Errors.h"
#include "graphs/GraphFile.h"
#include "numtext/NumText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  kalkora::GraphState state;
  try {
    const std::string formula = kalkora::DecodeGraphFile(bytes, state);
    if (state.PointsX.size() != state.PointsY.size()) __builtin_trap();
    if (2 * state.PointsX.size() * 10 > size) __builtin_trap();
    // The page writes the range into its fields with the general format.
    (void)kalkora::FormatGeneral15(state.RangeStart);
    (void)kalkora::FormatGeneral15(state.RangeEnd);
    (void)kalkora::FormatGeneral15(state.StepValue);
    (void)kalkora::EncodeGraphFile(formula, state);
  } catch (const kalkora::InOutError&) {
  }
  return 0;
}
