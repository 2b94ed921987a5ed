// The exact reader against ParseFloat on any text: the same texts accepted, the same errors, and
// the exact value rounded to 80 bits is the value ParseFloat reads (both round to nearest, so
// this holds for every text, and the value is equal outright when the text is representable).
// The exact value is also written in both number formats, as the pages write it.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "common/Errors.h"
#include "exact/Exact.h"
#include "numtext/NumText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::string floatError;
  kalkora::Extended nearest = 0;
  try {
    nearest = kalkora::ParseFloat(text);
  } catch (const kalkora::ConvertError& e) {
    floatError = e.what();
  }
  try {
    const kalkora::Rational exact = kalkora::ParseExact(text);
    if (!floatError.empty()) __builtin_trap();  // accepted what ParseFloat refuses
    const kalkora::Extended rounded = kalkora::ToExtended(exact);
    if (std::memcmp(&rounded, &nearest, 10) != 0 && !(rounded == 0 && nearest == 0)) {
      __builtin_trap();
    }
    (void)kalkora::FormatGeneral15(exact);
    (void)kalkora::FormatFixed(exact, 4, 2);
  } catch (const kalkora::ConvertError& e) {
    if (floatError != e.what()) __builtin_trap();  // refused otherwise, or with another error
  }
  return 0;
}
