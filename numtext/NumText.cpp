#include "numtext/NumText.h"

#include <locale.h>
#include <stdlib.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>

namespace kalkora {
namespace {

// A GCC extension on every 64-bit target we build for; __extension__ keeps -Wpedantic quiet.
__extension__ typedef unsigned __int128 UInt128;

// base^0 ... base^(N-1), made at compile time.
template <typename T, std::size_t N>
constexpr std::array<T, N> Powers(T base) {
  std::array<T, N> table{};
  table[0] = 1;
  for (std::size_t i = 1; i < N; ++i)
    table[i] = table[i - 1] * base;
  return table;
}

constexpr auto kPow10 = Powers<std::uint64_t, 20>(10);

// 5^55 is the largest power of five below 2^128.
constexpr auto kPow5 = Powers<UInt128, 56>(5);

// Powers of ten that an Extended holds exactly (their odd part 5^k fits the 64-bit significand).
constexpr auto kExactPow10 = Powers<Extended, 28>(10);

constexpr int kMaxExponentDigits = 20;  // to_chars of any int fits

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

[[noreturn]] void FailInteger(std::string_view text, bool outOfRange = false) {
  throw ConvertError(NumberKind::Integer, text, outOfRange);
}

[[noreturn]] void FailFloat(std::string_view text, bool outOfRange = false) {
  throw ConvertError(NumberKind::Float, text, outOfRange);
}

// Made once and never freed: strtold_l needs it for every conversion of the run.
locale_t CLocale() {
  static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
  return locale;
}

// |x| = 0.d1 d2 ... d18 × 10^exponent, where `digits` holds d1 ... d18 (or 0 for zero).
struct Decimal18 {
  std::uint64_t digits = 0;
  int exponent = 0;
};

// |x| = m × 2^(log2 - 63) for a normal x87 value; anything else reports false.
bool SplitNormal(Extended x, std::uint64_t& significand, int& log2) {
  std::uint16_t signAndExponent;
  std::memcpy(&significand, &x, sizeof significand);
  std::memcpy(&signAndExponent, reinterpret_cast<const unsigned char*>(&x) + 8,
              sizeof signAndExponent);
  const int biased = signAndExponent & 0x7fff;
  if (biased == 0 || biased == 0x7fff || (significand >> 63) == 0) return false;
  log2 = biased - 16383;
  return true;
}

constexpr UInt128 kTopBit64 = UInt128{1} << 63;

// round(v / 2^shift), ties to even; false unless the result fits 64 bits.
bool ShiftRound(UInt128 v, int shift, std::uint64_t& result) {
  if (shift <= 0 || shift >= 128) return false;
  UInt128 q = v >> shift;
  const UInt128 rest = v - (q << shift);
  const UInt128 half = UInt128{1} << (shift - 1);
  if (rest > half || (rest == half && (q & 1) != 0)) ++q;
  if ((q >> 64) != 0) return false;
  result = static_cast<std::uint64_t>(q);
  return true;
}

// round(m·p / 2^shift) for a 192-bit product, ties to even; false unless it fits 64 bits.
bool MulShiftRound(std::uint64_t m, UInt128 p, int shift, std::uint64_t& result) {
  const UInt128 low = static_cast<UInt128>(m) * static_cast<std::uint64_t>(p);
  const UInt128 high = static_cast<UInt128>(m) * static_cast<std::uint64_t>(p >> 64);
  const UInt128 top = high + (low >> 64);  // the product is top·2^64 + bottom
  const auto bottom = static_cast<std::uint64_t>(low);
  if ((top >> 64) == 0) return ShiftRound(top << 64 | bottom, shift, result);
  const int t = shift - 64;  // the product needs more than 128 bits, so the shift exceeds 64
  if (t < 0 || t >= 128) return false;
  UInt128 q = top >> t;
  bool above;
  bool tie;
  if (t == 0) {
    above = bottom > kTopBit64;
    tie = bottom == kTopBit64;
  } else {
    const UInt128 rest = top - (q << t);
    const UInt128 half = UInt128{1} << (t - 1);
    above = rest > half || (rest == half && bottom != 0);
    tie = rest == half && bottom == 0;
  }
  if (above || (tie && (q & 1) != 0)) ++q;
  if ((q >> 64) != 0) return false;
  result = static_cast<std::uint64_t>(q);
  return true;
}

// round(|x|·10^k) exactly, with |x| = m·2^(log2-63); false where 128/192 bits do not suffice.
bool ScaleRound(std::uint64_t m, int log2, int k, std::uint64_t& result) {
  const int e = log2 - 63;
  if (k >= 0) {
    // m·2^e·10^k = m·5^k / 2^-(e+k)
    return k < static_cast<int>(kPow5.size()) && MulShiftRound(m, kPow5[k], -(e + k), result);
  }
  // m·2^e / 10^j = M / (5^j·2^(j+f)) with M = m·2^e or m / 2^f, an integer division.
  const int j = -k;
  const int f = std::max(-e, 0);
  if (e > 64 || f > 8 || j > 27) return false;  // keeps the denominator below 2^98
  const UInt128 numerator = static_cast<UInt128>(m) << std::max(e, 0);
  const UInt128 denominator = kPow5[j] << (j + f);
  UInt128 q = numerator / denominator;
  const UInt128 twiceRest = (numerator - q * denominator) * 2;
  if (twiceRest > denominator || (twiceRest == denominator && (q & 1) != 0)) ++q;
  if ((q >> 64) != 0) return false;
  result = static_cast<std::uint64_t>(q);
  return true;
}

// Exact digits for about 1e-38 <= |x| < 3.4e38, the magnitudes formulas and graphs produce:
// |x|·10^k is computed in 128 or 192 bits and rounded to nearest with ties to even.
bool FastDecimal18(Extended x, Decimal18& out) {
  std::uint64_t m;
  int log2;
  if (!SplitNormal(x, m, log2) || log2 < -127 || log2 > 127) return false;
  // floor(log2 · log10 2), exact over this range; floor(log10 |x|) is this or one more.
  const int estimate = (log2 * 78913) >> 18;
  const int firstK = 17 - estimate;
  for (int k = firstK; k >= firstK - 1; --k) {
    std::uint64_t q;
    if (!ScaleRound(m, log2, k, q) || q < kPow10[17]) return false;
    if (q < kPow10[18]) {
      out = {q, 18 - k};
      return true;
    }
    // 19 digits: the estimate was one short, so scale by one power less (rounding afresh).
  }
  return false;
}

// Any finite value, through to_chars: correctly rounded, locale-free, but ten times slower.
Decimal18 SlowDecimal18(Extended x) {
  char text[64];
  const auto end =
      std::to_chars(text, text + sizeof text, std::fabs(x), std::chars_format::scientific, 17).ptr;
  Decimal18 result;
  const char* p = text;
  for (; p != end && *p != 'e'; ++p) {
    if (IsDigit(*p)) result.digits = result.digits * 10 + static_cast<std::uint64_t>(*p - '0');
  }
  int exponent = 0;
  if (p != end) {
    ++p;
    if (p != end && *p == '+') ++p;
    std::from_chars(p, end, exponent);
  }
  result.exponent = exponent + 1;
  return result;
}

// |x| correctly rounded to 18 significant digits; x finite and non-zero.
Decimal18 ToDecimal18(Extended x) {
  Decimal18 result;
  if (FastDecimal18(x, result)) return result;
  return SlowDecimal18(x);
}

// The digits cut to at most `keep` significant ones, a half rounding up, trailing zeros
// dropped. count == 0 means the value rounded to zero.
struct Rounded {
  char digits[18];
  int count = 0;
  int exponent = 0;
};

Rounded RoundHalfUp(Decimal18 value, long long keep) {
  Rounded result;
  if (value.digits == 0 || keep < 0) return result;
  std::uint64_t q = value.digits;
  int count = 18;
  int exponent = value.exponent;
  if (keep < 18) {
    const std::uint64_t unit = kPow10[18 - keep];
    count = static_cast<int>(keep);
    q = value.digits / unit;
    if (value.digits % unit >= unit / 2) ++q;
    if (q == 0) return result;
    if (q == kPow10[count]) {  // all nines carried over
      q = 1;
      count = 1;
      ++exponent;
    }
  }
  while (q % 10 == 0) {
    q /= 10;
    --count;
  }
  for (int i = count - 1; i >= 0; --i) {
    result.digits[i] = static_cast<char>('0' + q % 10);
    q /= 10;
  }
  result.count = count;
  result.exponent = exponent;
  return result;
}

// Rounded digits as the layouts take them: d1 ... dcount, |x| = 0.d1...dcount × 10^exponent.
struct Digits {
  const char* digits;
  int count;
  long long exponent;
};

Digits Of(const Rounded& r) {
  return {r.digits, r.count, r.exponent};
}

// d1[,d2...dn]E[-]exponent, the exponent written with at least `minExponentDigits` digits.
void AppendScientific(std::string& out, const Digits& r, int minExponentDigits) {
  out += r.digits[0];
  if (r.count > 1) {
    out += ',';
    out.append(r.digits + 1, static_cast<std::size_t>(r.count - 1));
  }
  out += 'E';
  long long exponent = r.exponent - 1;
  if (exponent < 0) {
    out += '-';
    exponent = -exponent;
  }
  char text[kMaxExponentDigits];
  const auto end = std::to_chars(text, text + sizeof text, exponent).ptr;
  const int length = static_cast<int>(end - text);
  if (length < minExponentDigits)
    out.append(static_cast<std::size_t>(minExponentDigits - length), '0');
  out.append(text, end);
}

// The digits before the separator: at least "0", zero padded when the digits run out.
void AppendIntegerPart(std::string& out, const Digits& r) {
  if (r.exponent <= 0) {
    out += '0';
    return;
  }
  const long long shown = std::min<long long>(r.count, r.exponent);
  out.append(r.digits, static_cast<std::size_t>(shown));
  out.append(static_cast<std::size_t>(r.exponent - shown), '0');
}

// 15 significant digits at most, plain between 0,0001 and 999999999999999, else exponent form.
std::string General15(const Digits& r, bool negative) {
  if (r.count == 0) return "0";
  std::string out;
  out.reserve(24);
  if (negative) out += '-';
  if (r.exponent > 15 || r.exponent < -3) {
    AppendScientific(out, r, 1);
  } else if (r.exponent <= 0) {
    out += "0,";
    out.append(static_cast<std::size_t>(-r.exponent), '0');
    out.append(r.digits, static_cast<std::size_t>(r.count));
  } else {
    AppendIntegerPart(out, r);
    if (r.count > r.exponent) {
      out += ',';
      out.append(r.digits + r.exponent, static_cast<std::size_t>(r.count - r.exponent));
    }
  }
  return out;
}

// Exactly `decimals` decimals, or exponent form beyond `precision` integer digits.
std::string Fixed(const Digits& r, bool negative, int precision, int decimals) {
  std::string out;
  if (r.count != 0 && negative) out += '-';
  if (r.count != 0 && r.exponent > precision) {
    AppendScientific(out, r, decimals);
    return out;
  }
  AppendIntegerPart(out, r);
  if (decimals > 0) {
    out += ',';
    // Decimal n (counting from 1) is digit exponent + n - 1 (counting from 0) of the digits.
    for (long long i = r.exponent; i < r.exponent + decimals; ++i) {
      out += i >= 0 && i < r.count ? r.digits[i] : '0';
    }
  }
  return out;
}

const char* NonFiniteText(Extended value) {
  if (std::isnan(value)) return "NAN";
  return value < 0 ? "-INF" : "INF";
}

}  // namespace

std::int32_t ParseInteger(std::string_view text) {
  // Anything above 2^31 is out of range either way; stopping there keeps long texts defined.
  constexpr std::uint64_t kBeyondRange = std::uint64_t{1} << 32;
  std::size_t i = 0;
  const std::size_t n = text.size();
  while (i < n && text[i] == ' ')
    ++i;
  bool negative = false;
  if (i < n && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  if (i == n) FailInteger(text);
  std::uint64_t magnitude = 0;
  for (; i < n; ++i) {
    if (!IsDigit(text[i])) FailInteger(text);
    magnitude = std::min(magnitude * 10 + static_cast<std::uint64_t>(text[i] - '0'), kBeyondRange);
  }
  if (magnitude > (negative ? 2147483648u : 2147483647u)) FailInteger(text, true);
  const auto bits = static_cast<std::uint32_t>(magnitude);
  return static_cast<std::int32_t>(negative ? 0u - bits : bits);
}

Extended ParseFloat(std::string_view text) {
  // An exponent this large already puts any mantissa out of range or to zero, and stopping
  // here keeps the arithmetic below far from overflow however many digits follow.
  constexpr std::int64_t kExponentCap = 1'000'000'000;
  const char* p = text.data();
  const char* end = p + text.size();
  while (p != end && *p == ' ')
    ++p;
  while (end != p && end[-1] == ' ')
    --end;

  bool negative = false;
  if (p != end && (*p == '+' || *p == '-')) {
    negative = *p == '-';
    ++p;
  }
  const char* const intBegin = p;
  while (p != end && IsDigit(*p))
    ++p;
  const char* const intEnd = p;
  const char* fracBegin = p;
  bool separator = false;
  if (p != end && *p == ',') {
    separator = true;
    fracBegin = ++p;
    while (p != end && IsDigit(*p))
      ++p;
  }
  const char* const fracEnd = p;
  if (intBegin == intEnd && !separator) FailFloat(text);

  std::int64_t exponent = 0;
  if (p != end && (*p == 'E' || *p == 'e')) {
    ++p;
    bool negativeExponent = false;
    if (p != end && (*p == '+' || *p == '-')) {
      negativeExponent = *p == '-';
      ++p;
    }
    for (; p != end && IsDigit(*p); ++p) {
      exponent = std::min(exponent * 10 + (*p - '0'), kExponentCap);
    }
    if (negativeExponent) exponent = -exponent;
  }
  if (p != end) FailFloat(text);

  // The significant digits run from the first to the last non-zero digit, possibly across the
  // separator (which sits right between intEnd and fracBegin).
  const char* first = intBegin;
  while (first != intEnd && *first == '0')
    ++first;
  if (first == intEnd) {
    first = fracBegin;
    while (first != fracEnd && *first == '0')
      ++first;
    if (first == fracEnd) return negative ? -0.0L : 0.0L;
  }
  const char* last = fracEnd;  // one past the last non-zero digit
  while (last != fracBegin && last[-1] == '0')
    --last;
  if (last == fracBegin) {
    last = intEnd;
    while (last[-1] == '0')
      --last;
  }
  // Power of ten of the digit at q.
  const auto place = [&](const char* q) -> std::int64_t {
    return q < intEnd ? intEnd - q - 1 : -(q - fracBegin) - 1;
  };
  const std::int64_t topPlace = place(first) + exponent;
  const std::int64_t lowPlace = place(last - 1) + exponent;
  // LDBL_MAX is about 1.19e4932 and half the smallest subnormal about 1.8e-4951.
  if (topPlace > 4932) FailFloat(text, true);
  if (topPlace < -4952) return negative ? -0.0L : 0.0L;

  const std::int64_t count = topPlace - lowPlace + 1;
  if (count <= 19) {
    // An exact integer times an exact power of ten: one correctly rounded operation.
    std::uint64_t m = 0;
    for (const char* q = first; q != last; ++q) {
      if (*q != ',') m = m * 10 + static_cast<std::uint64_t>(*q - '0');
    }
    std::int64_t scale = lowPlace;
    if (scale > 27 && count + (scale - 27) <= 19) {
      m *= kPow10[scale - 27];
      scale = 27;
    }
    if (scale >= -27 && scale <= 27) {
      const Extended magnitude = scale >= 0 ? static_cast<Extended>(m) * kExactPow10[scale]
                                            : static_cast<Extended>(m) / kExactPow10[-scale];
      return negative ? -magnitude : magnitude;
    }
  }

  std::string normalised;
  normalised.reserve(static_cast<std::size_t>(last - first) + kMaxExponentDigits + 3);
  if (negative) normalised += '-';
  for (const char* q = first; q != last; ++q) {
    if (*q != ',') normalised += *q;
  }
  normalised += 'e';
  char exponentText[kMaxExponentDigits];
  normalised.append(exponentText,
                    std::to_chars(exponentText, exponentText + sizeof exponentText, lowPlace).ptr);
  const Extended value = strtold_l(normalised.c_str(), nullptr, CLocale());
  if (std::isinf(value)) FailFloat(text, true);
  return value;
}

std::string FormatInteger(std::int32_t value) {
  char text[12];
  return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

std::string FormatGeneral15(Extended value) {
  if (!std::isfinite(value)) return NonFiniteText(value);
  if (value == 0) return "0";
  return General15(Of(RoundHalfUp(ToDecimal18(value), 15)), std::signbit(value));
}

namespace {

// m·10^lowPlace with m of `count` digits (at most 19), correctly rounded as ParseFloat rounds
// such digits: one operation where both factors are exact, else strtold_l on the digits.
Extended ComposeDecimal(std::uint64_t m, int count, std::int64_t lowPlace, bool negative) {
  std::int64_t scale = lowPlace;
  std::uint64_t scaled = m;
  if (scale > 27 && count + (scale - 27) <= 19) {
    scaled *= kPow10[scale - 27];
    scale = 27;
  }
  if (scale >= -27 && scale <= 27) {
    const Extended magnitude = scale >= 0 ? static_cast<Extended>(scaled) * kExactPow10[scale]
                                          : static_cast<Extended>(scaled) / kExactPow10[-scale];
    return negative ? -magnitude : magnitude;
  }
  char text[48];
  char* p = text;
  if (negative) *p++ = '-';
  p = std::to_chars(p, text + 40, m).ptr;
  *p++ = 'e';
  p = std::to_chars(p, text + 47, lowPlace).ptr;
  *p = '\0';
  const Extended value = strtold_l(text, nullptr, CLocale());
  if (std::isinf(value)) ThrowOverflow();
  return value;
}

}  // namespace

Extended RoundGeneral15(Extended value) {
  if (!std::isfinite(value)) return value;
  if (value == 0) return 0.0L;
  // An integer below 2^49 (15 digits at most) is written and read back as it is.
  std::uint64_t m;
  int log2;
  if (SplitNormal(value, m, log2) && log2 >= 0 && log2 < 49 && (m << (log2 + 1)) == 0) return value;
  const Decimal18 exact = ToDecimal18(value);
  const std::uint64_t unit = kPow10[18 - kGeneralDigits];
  std::uint64_t q = exact.digits / unit;
  if (exact.digits % unit >= unit / 2) ++q;
  std::int64_t exponent = exact.exponent;
  if (q == kPow10[kGeneralDigits]) {  // all nines carried over
    q = kPow10[kGeneralDigits - 1];
    ++exponent;
  }
  // Trailing zeros stay: every route below rounds the same real number correctly once.
  return ComposeDecimal(q, kGeneralDigits, exponent - kGeneralDigits, std::signbit(value));
}

std::string FormatFixed(Extended value, int precision, int decimals) {
  if (!std::isfinite(value)) return NonFiniteText(value);
  precision = std::max(precision, 1);
  decimals = std::max(decimals, 0);
  Rounded r;
  if (value != 0) {
    const Decimal18 exact = ToDecimal18(value);
    // Digits down to the last decimal, but never more than the precision.
    r = RoundHalfUp(
        exact, std::min<long long>(precision, static_cast<long long>(exact.exponent) + decimals));
  }
  return Fixed(Of(r), std::signbit(value), precision, decimals);
}

int FixedDigits(long long exponent, int precision, int decimals) {
  return static_cast<int>(
      std::min<long long>(std::max(precision, 1), exponent + std::max(decimals, 0)));
}

std::string LayOutGeneral15(const DecimalDigits& value) {
  return General15({value.digits.data(), static_cast<int>(value.digits.size()), value.exponent},
                   value.negative);
}

std::string LayOutFixed(const DecimalDigits& value, int precision, int decimals) {
  return Fixed({value.digits.data(), static_cast<int>(value.digits.size()), value.exponent},
               value.negative, std::max(precision, 1), std::max(decimals, 0));
}

}  // namespace kalkora
