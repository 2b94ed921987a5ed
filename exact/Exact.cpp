#include "exact/Exact.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <utility>

#include "common/Errors.h"
#include "numtext/NumText.h"

namespace kalkora {

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

Integer PowerOfTen(long long k) {
  Integer power;
  mpz_ui_pow_ui(power.get_mpz_t(), 10, static_cast<unsigned long>(k));
  return power;
}

// 10^k for any k.
Rational TenTo(long long k) {
  if (k >= 0) return Rational(PowerOfTen(k));
  return Rational(Integer(1), PowerOfTen(-k));
}

Integer Isqrt(const Integer& n) {
  Integer root;
  mpz_sqrt(root.get_mpz_t(), n.get_mpz_t());
  return root;
}

bool IsSquare(const Integer& n) {
  return mpz_perfect_square_p(n.get_mpz_t()) != 0;
}

// log10 of a positive whole number, to double precision whatever its size.
double Log10(const Integer& n) {
  long exponent = 0;
  const double mantissa = mpz_get_d_2exp(&exponent, n.get_mpz_t());
  return std::log10(mantissa) + static_cast<double>(exponent) * std::log10(2.0);
}

// log10 |q| for q != 0.
double Log10(const Rational& q) {
  return Log10(Integer(abs(q.get_num()))) - Log10(q.get_den());
}

// log10(10^u + 10^v).
double LogSum(double u, double v) {
  const double high = std::max(u, v), low = std::min(u, v);
  return high + std::log10(1 + std::pow(10.0, low - high));
}

int SignOf(const Rational& q) {
  return sgn(q);
}

// y = (i + s·√m) / d with whole i, m >= 0, d > 0 and s in {-1, 0, 1}: a value whose floor and
// rounding are whole-number arithmetic.
struct Quadratic {
  Integer i, m, d;
  int s = 0;
};

// y = a + b·√r as (i + s·√m) / d.
Quadratic Over(const Rational& a, const Rational& b, const Rational& r) {
  Quadratic y;
  const int bSign = SignOf(b);
  if (bSign == 0 || sgn(r) == 0) {
    y.i = a.get_num();
    y.d = a.get_den();
    return y;
  }
  // b·√r = ±√(P/Q) = ±√(P·Q)/Q with b²·r = P/Q in lowest terms.
  const Rational square = b * b * r;
  const Integer& p = square.get_num();
  const Integer& q = square.get_den();
  y.i = a.get_num() * q;
  y.m = a.get_den() * a.get_den() * p * q;
  y.d = a.get_den() * q;
  y.s = bSign;
  return y;
}

Integer Floor(const Quadratic& y) {
  Integer top = y.i, result;
  if (y.s != 0) {
    const Integer root = Isqrt(y.m);
    // Between two whole numbers, (i + √m) lies above i + ⌊√m⌋ and (i - √m) below i - ⌊√m⌋.
    if (y.s > 0) {
      top += root;
    } else {
      top -= root;
      if (root * root != y.m) top -= 1;
    }
  }
  mpz_fdiv_q(result.get_mpz_t(), top.get_mpz_t(), y.d.get_mpz_t());
  return result;
}

// ⌊y + ½⌋: y rounded half up, which is half away from zero for y >= 0.
Integer RoundHalfUp(const Quadratic& y) {
  return Floor({2 * y.i + y.d, 4 * y.m, 2 * y.d, y.s});
}

// |x| = 0.d1 d2 ... × 10^exponent: the smallest exponent with |x| < 10^exponent.
long long DecimalExponent(const Surd& x, int sign) {
  const Rational& a = x.A();
  const Rational& b = x.B();
  const Rational& r = x.R();
  double estimate;
  const bool surd = sgn(b) != 0 && sgn(r) != 0;
  if (!surd) {
    estimate = Log10(a);
  } else {
    const double root = Log10(b) + Log10(r) / 2;
    if (sgn(a) == 0) {
      estimate = root;
    } else if (sgn(a) == sgn(b)) {
      estimate = LogSum(Log10(a), root);
    } else {
      // The two parts cancel: x = (a² - b²r) / (a - b√r), whose denominator does not.
      estimate = Log10(Rational(a * a - b * b * r)) - LogSum(Log10(a), root);
    }
  }
  long long exponent = static_cast<long long>(std::floor(estimate)) + 1;
  // |x| compared with 10^k exactly: sign(|x| - 10^k).
  const Surd magnitude = sign < 0 ? Surd(-a, -b, r) : x;
  const auto above = [&](long long k) { return Compare(magnitude, TenTo(k)); };
  while (above(exponent) >= 0)
    ++exponent;
  while (above(exponent - 1) < 0)
    --exponent;
  return exponent;
}

// The most digits a format shows: FormatFixed's precision is never above this.
constexpr long long kMostShownDigits = 18;

// A rational rounded as Rounded below: one product and one division, however many digits its
// numerator and denominator have (values near 10^±4932 have thousands).
template <typename DigitsFor>
DecimalDigits RoundedRational(const Rational& x, DigitsFor digits) {
  DecimalDigits result;
  const int sign = sgn(x);
  if (sign == 0) return result;
  result.negative = sign < 0;
  std::string text;
  long long shift = 0;  // the digits of text are those of |x|·10^shift
  if (x.get_den() == 1 && mpz_fits_slong_p(x.get_num_mpz_t())) {
    // A whole number of a machine word: its digits, none of them to be rounded away yet.
    char word[24];
    const long whole = mpz_get_si(x.get_num_mpz_t());
    text.assign(word, std::to_chars(word, word + sizeof word, whole).ptr);
    if (text.front() == '-') text.erase(0, 1);
  } else {
    const Integer numerator = abs(x.get_num());
    const Integer& denominator = x.get_den();
    // Each digit count is exact or one too many, so |x|·10^shift has at least two digits more
    // than any format shows before the point: its floor's digits are |x|'s, and the digit
    // after the last one kept decides the rounding (half away from zero).
    const long long estimate = static_cast<long long>(mpz_sizeinbase(numerator.get_mpz_t(), 10)) -
                               static_cast<long long>(mpz_sizeinbase(denominator.get_mpz_t(), 10));
    shift = kMostShownDigits + 2 - estimate;
    const Integer top = shift > 0 ? Integer(numerator * PowerOfTen(shift)) : numerator;
    const Integer bottom = shift < 0 ? Integer(denominator * PowerOfTen(-shift)) : denominator;
    Integer whole;
    mpz_fdiv_q(whole.get_mpz_t(), top.get_mpz_t(), bottom.get_mpz_t());
    text = whole.get_str();
  }
  long long exponent = static_cast<long long>(text.size()) - shift;
  const long long keep = digits(exponent);
  if (keep < 0) return result;
  const bool up =
      keep < static_cast<long long>(text.size()) && text[static_cast<std::size_t>(keep)] >= '5';
  if (keep < static_cast<long long>(text.size())) text.resize(static_cast<std::size_t>(keep));
  long long i = keep - 1;
  for (; up && i >= 0 && text[static_cast<std::size_t>(i)] == '9'; --i)
    text[static_cast<std::size_t>(i)] = '0';
  if (up && i >= 0) ++text[static_cast<std::size_t>(i)];
  if (up && i < 0) {
    // All nines carried over, or nothing kept of a value that rounds up to one unit.
    text.assign(1, '1');  // not = "1": GCC 12 warns of a false overlap there
    ++exponent;
  }
  text.erase(text.find_last_not_of('0') + 1);
  if (text.empty()) return result;
  result.digits = std::move(text);
  result.exponent = exponent;
  return result;
}

// sign·√w (w > 0) rounded as Rounded below, with whole numbers of about the digits shown: a
// triangle's segments of sides near 10^±4932 have radicands of thousands of digits.
template <typename DigitsFor>
DecimalDigits RoundedRoot(const Rational& w, int sign, DigitsFor digits) {
  DecimalDigits result;
  result.negative = sign < 0;
  const Integer& p = w.get_num();
  const Integer& q = w.get_den();
  // √w < 10^e exactly when p < q·10^(2e); the digit counts put e within one of the estimate.
  const long long estimate = (static_cast<long long>(mpz_sizeinbase(p.get_mpz_t(), 10)) -
                              static_cast<long long>(mpz_sizeinbase(q.get_mpz_t(), 10))) /
                             2;
  const auto below = [&](long long e) {
    return e >= 0 ? p < q * PowerOfTen(2 * e) : p * PowerOfTen(-2 * e) < q;
  };
  long long exponent = estimate;
  while (!below(exponent))
    ++exponent;
  while (below(exponent - 1))
    --exponent;
  const long long keep = digits(exponent);
  if (keep < 0) return result;
  // ⌊√W + ½⌋ = ⌊(t + 1) / 2⌋ with t = ⌊√(4W)⌋ = ⌊√⌊4W⌋⌋, for W = w·10^(2(keep - exponent)).
  const long long shift = 2 * (keep - exponent);
  const Integer top = shift > 0 ? Integer(4 * p * PowerOfTen(shift)) : Integer(4 * p);
  const Integer bottom = shift < 0 ? Integer(q * PowerOfTen(-shift)) : q;
  Integer fourW, t, rounded;
  mpz_fdiv_q(fourW.get_mpz_t(), top.get_mpz_t(), bottom.get_mpz_t());
  mpz_sqrt(t.get_mpz_t(), fourW.get_mpz_t());
  t += 1;
  mpz_fdiv_q_2exp(rounded.get_mpz_t(), t.get_mpz_t(), 1);
  if (rounded == 0) return result;
  std::string text = rounded.get_str();
  if (static_cast<long long>(text.size()) > keep) {
    text.assign(1, '1');  // not = "1": GCC 12 warns of a false overlap there
    ++exponent;
  }
  text.erase(text.find_last_not_of('0') + 1);
  result.digits = std::move(text);
  result.exponent = exponent;
  return result;
}

// x rounded to the digits it shows: `digits(exponent)` significant digits for a value with that
// decimal exponent, half away from zero.
template <typename DigitsFor>
DecimalDigits Rounded(const Surd& x, DigitsFor digits) {
  if (sgn(x.B()) == 0 || sgn(x.R()) == 0) return RoundedRational(x.A(), digits);
  if (sgn(x.A()) == 0) return RoundedRoot(Rational(x.B() * x.B() * x.R()), sgn(x.B()), digits);
  DecimalDigits result;
  const int sign = Sign(x);
  if (sign == 0) return result;
  result.negative = sign < 0;
  long long exponent = DecimalExponent(x, sign);
  const long long keep = digits(exponent);
  if (keep < 0) return result;
  // |x|·10^(keep - exponent) lies in [10^(keep-1), 10^keep); rounded, it may reach 10^keep.
  const Rational scale = TenTo(keep - exponent) * sign;
  const Integer rounded = RoundHalfUp(Over(x.A() * scale, x.B() * scale, x.R()));
  if (rounded == 0) return result;
  std::string text = rounded.get_str();
  if (static_cast<long long>(text.size()) > keep) {
    text.assign(1, '1');  // not = "1": GCC 12 warns of a false overlap there
    ++exponent;
  }
  text.erase(text.find_last_not_of('0') + 1);
  result.digits = std::move(text);
  result.exponent = exponent;
  return result;
}

}  // namespace

Surd::Surd(Rational a, Rational b, Rational r)
    : a_(std::move(a)), b_(std::move(b)), r_(std::move(r)) {
  if (sgn(r_) < 0) throw FloatError(kInvalidOperationMessage);
}

bool Surd::IsRational() const {
  return sgn(b_) == 0 || sgn(r_) == 0 || (IsSquare(r_.get_num()) && IsSquare(r_.get_den()));
}

Rational Surd::ToRational() const {
  if (sgn(b_) == 0 || sgn(r_) == 0) return a_;
  return a_ + b_ * Rational(Isqrt(r_.get_num()), Isqrt(r_.get_den()));
}

int Sign(const Surd& x) {
  const int a = SignOf(x.A());
  const int b = sgn(x.R()) == 0 ? 0 : SignOf(x.B());
  if (b == 0) return a;
  if (a == 0 || a == b) return b;
  // Opposite signs: the larger of a² and b²r wins.
  const int c = cmp(Rational(x.A() * x.A()), Rational(x.B() * x.B() * x.R()));
  return c > 0 ? a : c < 0 ? b : 0;
}

int Compare(const Surd& x, const Rational& y) {
  return Sign(Surd(x.A() - y, x.B(), x.R()));
}

std::string FormatGeneral15(const Surd& x) {
  return LayOutGeneral15(Rounded(x, [](long long) { return kGeneralDigits; }));
}

std::string FormatGeneral15(const Rational& x) {
  return LayOutGeneral15(RoundedRational(x, [](long long) { return kGeneralDigits; }));
}

std::string FormatFixed(const Surd& x, int precision, int decimals) {
  return LayOutFixed(
      Rounded(x, [precision, decimals](
                     long long exponent) { return FixedDigits(exponent, precision, decimals); }),
      precision, decimals);
}

std::string FormatFixed(const Rational& x, int precision, int decimals) {
  return LayOutFixed(RoundedRational(x,
                                     [precision, decimals](long long exponent) {
                                       return FixedDigits(exponent, precision, decimals);
                                     }),
                     precision, decimals);
}

std::string FormatWhole(const Integer& x) {
  return x.get_str();
}

Rational ParseExact(std::string_view text) {
  // ParseFloat decides what is a number and what is beyond range; only the value is read here.
  const Extended nearest = ParseFloat(text);
  if (nearest == 0) return 0;
  std::size_t i = 0, n = text.size();
  while (i < n && text[i] == ' ')
    ++i;
  while (n > i && text[n - 1] == ' ')
    --n;
  bool negative = false;
  if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  std::string digits;
  long long scale = 0;  // the value is digits × 10^scale
  bool separator = false;
  for (; i < n && (IsDigit(text[i]) || text[i] == ','); ++i) {
    if (text[i] == ',') {
      separator = true;
    } else {
      digits += text[i];
      if (separator) --scale;
    }
  }
  if (i < n) {
    ++i;  // the "E"
    bool negativeExponent = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) negativeExponent = text[i++] == '-';
    // A number ParseFloat took has a small exponent once its digits are counted; a longer one
    // only shifts digits that are zeros.
    long long exponent = 0;
    for (; i < n; ++i)
      exponent = std::min<long long>(exponent * 10 + (text[i] - '0'), 1'000'000'000);
    scale += negativeExponent ? -exponent : exponent;
  }
  Integer whole(digits.empty() ? std::string("0") : digits, 10);
  Rational value = Rational(whole) * TenTo(scale);
  value.canonicalize();
  return negative ? Rational(-value) : value;
}

Rational ReadShown(std::string_view shown) {
  const bool negative = !shown.empty() && shown.front() == '-';
  std::string digits = "0";
  long long scale = 0;
  bool fraction = false;
  std::size_t i = negative ? 1 : 0;
  for (; i < shown.size() && shown[i] != 'E'; ++i) {
    if (shown[i] == ',') {
      fraction = true;
    } else if (IsDigit(shown[i])) {
      digits += shown[i];
      if (fraction) --scale;
    }
  }
  if (i < shown.size()) {
    long long exponent = 0;
    std::from_chars(shown.data() + i + 1, shown.data() + shown.size(), exponent);
    scale += exponent;
  }
  Rational value = Rational(Integer(digits, 10)) * TenTo(scale);
  value.canonicalize();
  return negative ? Rational(-value) : value;
}

Extended ToExtended(const Rational& x) {
  const int sign = sgn(x);
  if (sign == 0) return 0;
  const Integer n = abs(x.get_num());
  const Integer& d = x.get_den();
  // |x| = q·2^shift with q of 64 bits, rounded to nearest even; fewer bits where the result is
  // subnormal.
  const long long log2 = static_cast<long long>(mpz_sizeinbase(n.get_mpz_t(), 2)) -
                         static_cast<long long>(mpz_sizeinbase(d.get_mpz_t(), 2));
  constexpr long long kMinExponent = -16382 - 63;  // the place of the smallest subnormal's bit
  auto round = [&](long long shift, Integer& q) {
    Integer top = n, bottom = d;
    if (shift < 0) {
      mpz_mul_2exp(top.get_mpz_t(), top.get_mpz_t(), static_cast<mp_bitcnt_t>(-shift));
    } else {
      mpz_mul_2exp(bottom.get_mpz_t(), bottom.get_mpz_t(), static_cast<mp_bitcnt_t>(shift));
    }
    Integer rest;
    mpz_fdiv_qr(q.get_mpz_t(), rest.get_mpz_t(), top.get_mpz_t(), bottom.get_mpz_t());
    const int half = cmp(Integer(2 * rest), bottom);
    if (half > 0 || (half == 0 && mpz_odd_p(q.get_mpz_t()))) ++q;
  };
  long long shift = std::max(log2 - 64, kMinExponent);
  Integer q;
  round(shift, q);
  // One bit too many: the quotient reached 2^64 (or had 65 bits); shift once more.
  while (mpz_sizeinbase(q.get_mpz_t(), 2) > 64) {
    ++shift;
    round(shift, q);
  }
  if (shift + 64 > 16384) throw FloatError(kOverflowMessage);
  const Extended magnitude = std::ldexp(static_cast<Extended>(q.get_ui()), static_cast<int>(shift));
  if (std::isinf(magnitude)) throw FloatError(kOverflowMessage);
  return sign < 0 ? -magnitude : magnitude;
}

}  // namespace kalkora
