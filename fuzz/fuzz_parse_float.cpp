// ParseFloat and ParseInteger on any text: a number or a ConvertError, never anything else.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "numtext/NumText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  try {
    const kalkora::Extended value = kalkora::ParseFloat(text);
    (void)kalkora::FormatGeneral15(value);
    (void)kalkora::FormatFixed(value, 4, 2);
  } catch (const kalkora::ConvertError&) {
  }
  try {
    (void)kalkora::FormatInteger(kalkora::ParseInteger(text));
  } catch (const kalkora::ConvertError&) {
  }
  return 0;
}
