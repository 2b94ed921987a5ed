#include "common/Cp1251.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <cerrno>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace kalkora {
namespace {

// glibc's converter, the reference the codec is checked against.
class Iconv {
 public:
  Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Iconv() {
    if (Valid()) iconv_close(cd_);
  }
  Iconv(const Iconv&) = delete;
  Iconv& operator=(const Iconv&) = delete;

  bool Valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  // The whole input converted, or nothing if iconv rejects any of it.
  std::optional<std::string> Convert(std::string_view input) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    std::string in(input);
    std::string out(in.size() * 4 + 4, '\0');
    char* in_ptr = in.data();
    std::size_t in_left = in.size();
    char* out_ptr = out.data();
    std::size_t out_left = out.size();
    if (iconv(cd_, &in_ptr, &in_left, &out_ptr, &out_left) == static_cast<std::size_t>(-1)) {
      return std::nullopt;
    }
    out.resize(out.size() - out_left);
    return out;
  }

 private:
  iconv_t cd_;
};

std::string Utf8Of(char32_t cp) {
  std::string s;
  if (cp < 0x80) {
    s += static_cast<char>(cp);
  } else if (cp < 0x800) {
    s += static_cast<char>(0xC0 | (cp >> 6));
    s += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    s += static_cast<char>(0xE0 | (cp >> 12));
    s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    s += static_cast<char>(0xF0 | (cp >> 18));
    s += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (cp & 0x3F));
  }
  return s;
}

std::string Hex(std::string_view bytes) {
  std::string out;
  char buf[4];
  for (const char c : bytes) {
    std::snprintf(buf, sizeof buf, "%02X ", static_cast<unsigned char>(c));
    out += buf;
  }
  return out;
}

TEST(Cp1251Test, EveryByteDecodesAsIconvDoes) {
  Iconv decoder("UTF-8", "CP1251");
  ASSERT_TRUE(decoder.Valid());
  for (int b = 0; b < 256; ++b) {
    const std::string byte(1, static_cast<char>(b));
    const std::optional<std::string> expected = decoder.Convert(byte);
    SCOPED_TRACE(b);
    if (expected) {
      EXPECT_EQ(Hex(Cp1251ToUtf8(byte)), Hex(*expected));
    } else {
      EXPECT_EQ(b, 0x98) << "iconv rejects a byte other than 0x98";
      EXPECT_EQ(Cp1251ToUtf8(byte), "\uFFFD");
    }
  }
}

TEST(Cp1251Test, EveryCodePointEncodesAsIconvDoes) {
  Iconv encoder("CP1251", "UTF-8");
  ASSERT_TRUE(encoder.Valid());
  int encodable = 0;
  int mismatches = 0;
  for (char32_t cp = 0; cp <= 0x10FFFF; ++cp) {
    if (cp >= 0xD800 && cp <= 0xDFFF) continue;
    const std::string utf8 = Utf8Of(cp);
    std::optional<std::string> converted = encoder.Convert(utf8);
    if (converted && converted->empty()) {
      // glibc drops the language tags U+E0000..U+E007F without a byte; the code page has none.
      EXPECT_TRUE(cp >= 0xE0000 && cp <= 0xE007F) << std::hex << static_cast<unsigned>(cp);
      converted.reset();
    }
    if (converted) ++encodable;
    const std::string expected = converted ? *converted : "?";
    const std::string actual = Utf8ToCp1251(utf8);
    if (actual != expected && ++mismatches <= 10) {
      ADD_FAILURE() << "U+" << std::hex << static_cast<unsigned>(cp) << ": got " << Hex(actual)
                    << "expected " << Hex(expected);
    }
  }
  EXPECT_EQ(mismatches, 0);
  // 128 ASCII characters and the 127 defined upper bytes.
  EXPECT_EQ(encodable, 255);
}

TEST(Cp1251Test, AllBytesRoundTripExceptTheUndefinedOne) {
  std::string all;
  for (int b = 0; b < 256; ++b)
    all += static_cast<char>(b);
  std::string expected = all;
  expected[0x98] = '?';
  EXPECT_EQ(Hex(Utf8ToCp1251(Cp1251ToUtf8(all))), Hex(expected));
}

TEST(Cp1251Test, EncodesTexts) {
  Iconv encoder("CP1251", "UTF-8");
  ASSERT_TRUE(encoder.Valid());
  const struct {
    std::string_view utf8;
    std::string_view cp1251;
  } cases[] = {
      {"", ""},
      {"Калкора1.0",
       "\xCA\xE0\xEB\xEA\xEE\xF0\xE0"
       "1.0"},
      {"Решение СЛУ", "\xD0\xE5\xF8\xE5\xED\xE8\xE5 \xD1\xCB\xD3"},
      {"Ёж, ёлка, № 5", "\xA8\xE6, \xB8\xEB\xEA\xE0, \xB9 5"},
      {"«Ґ—ї» €", "\xAB\xA5\x97\xBF\xBB \x88"},
      {std::string_view("a\0b", 3), std::string_view("a\0b", 3)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.utf8);
    EXPECT_EQ(Hex(Utf8ToCp1251(c.utf8)), Hex(c.cp1251));
    EXPECT_EQ(encoder.Convert(c.utf8), std::string(c.cp1251));
    EXPECT_EQ(Cp1251ToUtf8(c.cp1251), c.utf8);
  }
}

TEST(Cp1251Test, CharactersOutsideTheCodePageBecomeQuestionMarks) {
  const struct {
    std::string_view utf8;
    std::string_view cp1251;
  } cases[] = {
      {"x ∑ y", "x ? y"},
      {"中文", "??"},
      {"😀!", "?!"},
      {"é", "?"},
      // U+FFFD stands in for byte 0x98 when decoding but does not encode back to it.
      {"\uFFFD", "?"},
      // Neighbours of mapped code points.
      {"\u03FF\u0400\u0450\u0460\u048F\u0492", "??????"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.utf8);
    EXPECT_EQ(Hex(Utf8ToCp1251(c.utf8)), Hex(c.cp1251));
  }
}

TEST(Cp1251Test, EachByteOfMalformedUtf8BecomesQuestionMark) {
  const struct {
    const char* name;
    std::string_view utf8;
    std::string_view cp1251;
  } cases[] = {
      {"stray continuation", "\x80x\xBF", "?x?"},
      {"truncated at end", "\xD0", "?"},
      {"truncated before ASCII", "\xD0z", "?z"},
      {"truncated before a letter", "\xD0\xD0\x90", "?\xC0"},
      {"truncated 3-byte", "\xE2\x82", "??"},
      {"truncated 3-byte before a letter", "\xE2\x82\xD0\x90", "??\xC0"},
      {"truncated 4-byte", "\xF0\x9F\x98", "???"},
      {"invalid leads", "\xC0\xC1\xF5\xF8\xFE\xFF", "??????"},
      {"overlong 2-byte", "\xC0\xAF", "??"},
      {"overlong 3-byte", "\xE0\x80\xAF", "???"},
      {"overlong U+07FF", "\xE0\x9F\xBF", "???"},
      {"overlong 4-byte", "\xF0\x8F\xBF\xBF", "????"},
      {"surrogate low end", "\xED\xA0\x80", "???"},
      {"surrogate high end", "\xED\xBF\xBF", "???"},
      {"last before surrogates", "\xED\x9F\xBF", "?"},
      {"beyond U+10FFFF", "\xF4\x90\x80\x80", "????"},
      {"U+10FFFF", "\xF4\x8F\xBF\xBF", "?"},
      {"smallest 3-byte", "\xE0\xA0\x80", "?"},
      {"overlong 3-byte А", "\xE0\x90\x90", "???"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Hex(Utf8ToCp1251(c.utf8)), Hex(c.cp1251));
  }
}

TEST(Cp1251Test, TruncatedSequenceNeverReadsPastTheInput) {
  // The view ends inside "А" and "€"; the bytes that would complete them lie just beyond it.
  for (const std::string_view full :
       {std::string_view("\xD0\x90"), std::string_view("\xE2\x82\xAC")}) {
    for (std::size_t size = 1; size < full.size(); ++size) {
      // An exact-size heap block, so that AddressSanitizer sees any read past the end.
      auto exact = std::make_unique<char[]>(size);
      full.copy(exact.get(), size);
      EXPECT_EQ(Utf8ToCp1251(std::string_view(exact.get(), size)), std::string(size, '?'));
      EXPECT_EQ(Utf8ToCp1251(full.substr(0, size)), std::string(size, '?'));
    }
  }
}

}  // namespace
}  // namespace kalkora
