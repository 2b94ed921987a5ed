// The characters that each kind of filtered entry field lets through; everything else is dropped.
#pragma once

#include <cstdint>
#include <string_view>

namespace kalkora {

// A set of characters below 128: single characters plus ranges added with Range.
class KeySet {
 public:
  constexpr explicit KeySet(std::string_view singles) {
    for (char c : singles)
      Add(c);
  }

  constexpr KeySet Range(char first, char last) const {
    KeySet result = *this;
    for (int c = first; c <= last; ++c)
      result.Add(c);
    return result;
  }

  constexpr bool Contains(char32_t c) const {
    return c < 128 && (bits_[c / 64] >> (c % 64) & 1u) != 0;
  }

 private:
  constexpr void Add(int c) { bits_[c / 64] |= std::uint64_t{1} << (c % 64); }
  std::uint64_t bits_[2] = {0, 0};
};

// Backspace is code 8 and Enter code 13: the characters the key handlers receive for them.
inline constexpr KeySet DigitKeys = KeySet("\b\r").Range('0', '9');
inline constexpr KeySet SignedNumberKeys = KeySet("\b\r,-.").Range('0', '9');
inline constexpr KeySet UnsignedNumberKeys = KeySet("\b\r,.").Range('0', '9');
inline constexpr KeySet SignedNumberNoEnterKeys = KeySet("\b,-.").Range('0', '9');
inline constexpr KeySet PolynomialKeys =
    KeySet("\b*+,-^").Range('0', '9').Range('A', 'Z').Range('a', 'z');

}  // namespace kalkora
