#include "common/Cp1251.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace kalkora {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Code points of the bytes 0x80..0xFF; the bytes below are ASCII.
constexpr std::array<char32_t, 128> kUpperHalf = {
    // 0x80
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  //
    // 0x90; 0x98 is the one byte the code page leaves undefined
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,        //
    kReplacement, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  //
    // 0xA0
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  //
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  //
    // 0xB0
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  //
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  //
    // 0xC0..0xFF: А..я in alphabetical order
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,  //
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,  //
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,  //
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,  //
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,  //
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,  //
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,  //
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,  //
};

// --- decoding: each upper byte's UTF-8 form, ready to append ---

struct Utf8Form {
  char bytes[3];
  std::uint8_t size;
};

constexpr Utf8Form EncodeUtf8(char32_t cp) {
  // Every code point in the table is below U+10000.
  if (cp < 0x800) {
    return {{static_cast<char>(0xC0 | (cp >> 6)), static_cast<char>(0x80 | (cp & 0x3F)), 0}, 2};
  }
  return {{static_cast<char>(0xE0 | (cp >> 12)), static_cast<char>(0x80 | ((cp >> 6) & 0x3F)),
           static_cast<char>(0x80 | (cp & 0x3F))},
          3};
}

constexpr std::array<Utf8Form, 128> MakeUtf8Forms() {
  std::array<Utf8Form, 128> forms{};
  for (std::size_t i = 0; i < kUpperHalf.size(); ++i)
    forms[i] = EncodeUtf8(kUpperHalf[i]);
  return forms;
}

constexpr std::array<Utf8Form, 128> kUtf8Forms = MakeUtf8Forms();

// --- encoding: a two-level table over the Basic Multilingual Plane ---
// The upper half lives in only four 256-code-point pages (Latin-1, Cyrillic, two of punctuation),
// so the page index points every other page at an empty page 0.

constexpr std::size_t CountPages() {
  std::array<bool, 256> used{};
  std::size_t count = 1;  // the empty page
  for (char32_t cp : kUpperHalf) {
    if (cp == kReplacement || used[cp >> 8]) continue;
    used[cp >> 8] = true;
    ++count;
  }
  return count;
}

struct ReverseTable {
  std::array<std::uint8_t, 256> page_of{};
  std::array<std::array<std::uint8_t, 256>, CountPages()> pages{};
};

constexpr ReverseTable MakeReverseTable() {
  ReverseTable table{};
  std::uint8_t next_page = 1;
  for (std::size_t i = 0; i < kUpperHalf.size(); ++i) {
    const char32_t cp = kUpperHalf[i];
    // U+FFFD only stands in for the undefined byte; it has no byte of its own.
    if (cp == kReplacement) continue;
    std::uint8_t& page = table.page_of[cp >> 8];
    if (page == 0) page = next_page++;
    table.pages[page][cp & 0xFF] = static_cast<std::uint8_t>(0x80 + i);
  }
  return table;
}

constexpr ReverseTable kReverse = MakeReverseTable();

char EncodeCodePoint(char32_t cp) {
  if (cp < 0x80) return static_cast<char>(cp);
  if (cp > 0xFFFF) return '?';
  const std::uint8_t byte = kReverse.pages[kReverse.page_of[cp >> 8]][cp & 0xFF];
  return byte != 0 ? static_cast<char>(byte) : '?';
}

// Reads one well-formed multi-byte UTF-8 sequence at s, of at most `available` bytes.
// Returns its length, or 0 if the bytes there are not one (stray continuation, bad or
// truncated sequence, overlong form, surrogate, beyond U+10FFFF).
std::size_t DecodeSequence(const unsigned char* s, std::size_t available, char32_t& cp) {
  const unsigned lead = s[0];
  std::size_t length = 0;
  // Allowed range of the second byte; the narrower ones rule out overlong forms,
  // surrogates and code points past U+10FFFF.
  unsigned low = 0x80;
  unsigned high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    cp = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    cp = lead & 0x0F;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    cp = lead & 0x07;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (available < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    const unsigned c = s[i];
    if (c < low || c > high) return 0;
    low = 0x80;
    high = 0xBF;
    cp = (cp << 6) | (c & 0x3F);
  }
  return length;
}

}  // namespace

std::string Utf8ToCp1251(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  const auto* s = reinterpret_cast<const unsigned char*>(utf8.data());
  const std::size_t n = utf8.size();
  std::size_t i = 0;
  while (i < n) {
    if (s[i] < 0x80) {
      out.push_back(static_cast<char>(s[i]));
      ++i;
      continue;
    }
    char32_t cp = 0;
    const std::size_t length = DecodeSequence(s + i, n - i, cp);
    if (length == 0) {
      // Skip only the lead byte, so that each byte of a broken sequence gives one '?'.
      out.push_back('?');
      ++i;
    } else {
      out.push_back(EncodeCodePoint(cp));
      i += length;
    }
  }
  return out;
}

std::string Cp1251ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() * 2);
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      out.push_back(c);
    } else {
      const Utf8Form& form = kUtf8Forms[byte - 0x80];
      out.append(form.bytes, form.size);
    }
  }
  return out;
}

}  // namespace kalkora
