// The Windows-1251 code page, used where the program stores single-byte Cyrillic text
// (the graph file's formula and the text report).
#pragma once

#include <string>
#include <string_view>

namespace kalkora {

// UTF-8 text to Windows-1251 bytes; a character the code page lacks becomes '?'.
std::string Utf8ToCp1251(std::string_view utf8);

// Windows-1251 bytes to UTF-8 text; the one undefined byte 0x98 becomes U+FFFD.
std::string Cp1251ToUtf8(std::string_view bytes);

}  // namespace kalkora
