// The graph file reader on any bytes: the state with an account of what the file lacks,
// "Read beyond end of file", or an invalid operation for a range or step that is no number;
// nothing else, and never more memory than the bytes can hold points for. Whatever it reads
// writes back and reads again the same.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "common/Errors.h"
#include "graphs/GraphFile.h"
#include "numtext/NumText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  kalkora::GraphState state;
  try {
    kalkora::GraphFileDamage damage;
    const std::string formula = kalkora::DecodeGraphFile(bytes, state, &damage);
    if (state.PointsX.size() != state.PointsY.size()) __builtin_trap();
    if (damage.pointsRead != state.PointsX.size()) __builtin_trap();
    if (2 * state.PointsX.size() * 10 > size) __builtin_trap();
    if (damage.Damaged() && kalkora::DamageMessage(damage).empty()) __builtin_trap();
    // The page writes the range into its fields with the general format.
    (void)kalkora::FormatGeneral15(state.RangeStart);
    (void)kalkora::FormatGeneral15(state.RangeEnd);
    (void)kalkora::FormatGeneral15(state.StepValue);
    const std::string written = kalkora::EncodeGraphFile(formula, state);
    kalkora::GraphState again;
    kalkora::GraphFileDamage againDamage;
    const std::string formulaAgain = kalkora::DecodeGraphFile(written, again, &againDamage);
    if (formulaAgain != formula || againDamage.cutRecord) __builtin_trap();
    if (kalkora::EncodeGraphFile(formulaAgain, again) != written) __builtin_trap();
  } catch (const kalkora::InOutError& e) {
    if (std::strcmp(e.what(), kalkora::kReadBeyondEnd) != 0) __builtin_trap();
  } catch (const kalkora::FloatError& e) {
    if (std::strcmp(e.what(), kalkora::kInvalidOperationMessage) != 0) __builtin_trap();
  }
  return 0;
}
