#include "polynomials/Polynomial.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <utility>

#include "common/Errors.h"
#include "numtext/NumText.h"

namespace kalkora {

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Digits with at most one decimal comma, at least one digit among them (no sign, no exponent):
// the value they write, exactly as ParseExact reads them, into `value`. A number beyond its range
// throws ConvertError.
bool ReadUnsigned(std::string_view text, std::size_t& at, Rational& value) {
  const std::size_t start = at;
  int digits = 0;
  while (at < text.size() && IsDigit(text[at])) {
    ++at;
    ++digits;
  }
  if (at < text.size() && text[at] == ',') {
    ++at;
    while (at < text.size() && IsDigit(text[at])) {
      ++at;
      ++digits;
    }
  }
  if (digits == 0) {
    at = start;
    return false;
  }
  const std::string_view written = text.substr(start, at - start);
  if (digits > 18) {
    // Long numbers keep ParseExact's range: beyond the 80-bit one it throws ConvertError.
    value = ParseExact(written);
    return true;
  }
  // Eighteen digits fit a 64-bit integer: the common short numbers skip the general reader.
  long whole = 0;
  unsigned long decimals = 0;
  bool fraction = false;
  for (char c : written) {
    if (c == ',') {
      fraction = true;
      continue;
    }
    whole = whole * 10 + (c - '0');
    if (fraction) ++decimals;
  }
  mpq_set_si(value.get_mpq_t(), whole, 1);
  if (decimals > 0) {
    mpz_ui_pow_ui(value.get_den_mpz_t(), 10, decimals);
    value.canonicalize();
  }
  return true;
}

// Reads the sum term by term; blanks may stand between the parts, not inside a number.
class SumReader {
 public:
  explicit SumReader(std::string_view text) : text_(text) {}

  std::optional<std::vector<PolynomialTerm>> Sum() {
    try {
      return Terms();
    } catch (const ConvertError&) {
      return std::nullopt;
    }
  }

 private:
  std::optional<std::vector<PolynomialTerm>> Terms() {
    std::vector<PolynomialTerm> terms;
    // Every term after the first starts with a sign: room for all of them at once, since a
    // rational is copied, not moved, when the list grows.
    terms.reserve(1 +
                  static_cast<std::size_t>(std::count_if(
                      text_.begin(), text_.end(), [](char c) { return c == '+' || c == '-'; })));
    while (!AtEnd()) {
      const bool negative = Take('-');
      if (!negative && !Take('+') && !terms.empty()) return std::nullopt;
      PolynomialTerm& term = terms.emplace_back();
      if (!Term(term)) return std::nullopt;
      if (negative) mpq_neg(term.coefficient.get_mpq_t(), term.coefficient.get_mpq_t());
    }
    return terms;
  }

  bool AtEnd() {
    while (at_ < text_.size() && text_[at_] == ' ')
      ++at_;
    return at_ == text_.size();
  }
  bool Take(char c) {
    if (AtEnd() || text_[at_] != c) return false;
    ++at_;
    return true;
  }
  bool Number(Rational& value) { return !AtEnd() && ReadUnsigned(text_, at_, value); }

  // c·x^e, c·x, c, x^e or x, the sign already taken.
  bool Term(PolynomialTerm& term) {
    const bool coefficient = Number(term.coefficient);
    const bool times = coefficient && Take('*');
    if (!coefficient) term.coefficient = 1;
    term.variable = Take('x') || Take('X');
    if (!term.variable) return coefficient && !times;
    if (!Take('^')) {
      term.exponent = 1;
      return true;
    }
    const bool negative = Take('-');
    if (!negative) Take('+');
    if (!Number(term.exponent)) return false;
    if (negative) mpq_neg(term.exponent.get_mpq_t(), term.exponent.get_mpq_t());
    return true;
  }

  std::string_view text_;
  std::size_t at_ = 0;
};

// Powers are computed exactly while every exponent is whole and at most 2^31, and the powers of
// all terms together (|e| times the bits of x's numerator and denominator) take at most 2^15
// bits: up to 10^9864 for a whole x, past the 80-bit range, for a few hundred microseconds of
// work with the working. Beyond, the value takes the 80-bit route.
constexpr unsigned long kLongestExactExponent = 2147483648UL;
constexpr unsigned long long kExactPowerBits = 32768;

// The bits of |n|, none for 0 and 1, whose powers cost nothing.
unsigned long long Bits(const Integer& n) {
  return mpz_cmpabs_ui(n.get_mpz_t(), 1) <= 0 ? 0 : mpz_sizeinbase(n.get_mpz_t(), 2);
}

bool Whole(const Rational& e) {
  return mpz_cmp_ui(e.get_den_mpz_t(), 1) == 0;
}

bool ExactExponent(const Rational& e) {
  return Whole(e) && mpz_cmpabs_ui(e.get_num_mpz_t(), kLongestExactExponent) <= 0;
}

bool WithinReach(const std::vector<PolynomialTerm>& terms, const Rational& x) {
  const unsigned long long bits = Bits(x.get_num()) + Bits(x.get_den());
  unsigned long long total = 0;
  for (const PolynomialTerm& term : terms) {
    if (!ExactExponent(term.exponent)) return false;
    const unsigned long long e = mpz_get_ui(term.exponent.get_num_mpz_t());
    if (bits != 0 && e > (kExactPowerBits - total) / bits) return false;
    total += e * bits;
  }
  return true;
}

// x^e for a whole e that fits a long; 0^0 is 1, as in the 80-bit power.
Rational ExactPower(const Rational& x, long e) {
  if (e == 0) return 1;
  if (sgn(x) == 0) {
    if (e < 0) throw FloatError(kDivisionByZeroMessage);
    return 0;
  }
  const unsigned long n =
      e < 0 ? 0UL - static_cast<unsigned long>(e) : static_cast<unsigned long>(e);
  const Integer& top = e > 0 ? x.get_num() : x.get_den();
  const Integer& bottom = e > 0 ? x.get_den() : x.get_num();
  Rational power;
  mpz_pow_ui(power.get_num_mpz_t(), top.get_mpz_t(), n);
  mpz_pow_ui(power.get_den_mpz_t(), bottom.get_mpz_t(), n);
  // Powers of a fraction in lowest terms are in lowest terms: only the sign may need moving.
  if (sgn(power.get_den()) < 0) {
    power.get_num() = -power.get_num();
    power.get_den() = -power.get_den();
  }
  return power;
}

// The exact sum by Horner's rule over the exponents from the highest down, in whole numbers:
// with x = p/q and the coefficients over one denominator d, it keeps
// Σ c·d·p^(e − k)·q^(high − e) over the terms above the current exponent k, and divides once.
Rational ExactSum(const std::vector<PolynomialTerm>& terms, const Rational& x) {
  if (terms.empty()) return 0;
  std::vector<std::pair<long, const Rational*>> order;
  order.reserve(terms.size());
  for (const PolynomialTerm& term : terms)
    order.emplace_back(mpz_get_si(term.exponent.get_num_mpz_t()), &term.coefficient);
  std::stable_sort(order.begin(), order.end(),
                   [](const auto& a, const auto& b) { return a.first > b.first; });
  const Integer& p = x.get_num();
  const Integer& q = x.get_den();
  const long high = order.front().first;
  const long low = order.back().first;
  if (sgn(p) == 0 && low < 0) throw FloatError(kDivisionByZeroMessage);

  Integer common = 1;
  for (const auto& [e, c] : order)
    mpz_lcm(common.get_mpz_t(), common.get_mpz_t(), c->get_den_mpz_t());
  Integer sum = 0, qPower = 1, power, scaled;
  long current = high;
  for (const auto& [e, c] : order) {
    if (e != current) {
      const auto gap = static_cast<unsigned long>(current - e);
      mpz_pow_ui(power.get_mpz_t(), p.get_mpz_t(), gap);
      sum *= power;
      mpz_pow_ui(power.get_mpz_t(), q.get_mpz_t(), gap);
      qPower *= power;
      current = e;
    }
    mpz_divexact(scaled.get_mpz_t(), common.get_mpz_t(), c->get_den_mpz_t());
    scaled *= c->get_num();
    sum += scaled * qPower;
  }
  // sum · p^low / (d · q^high), the negative powers moved across the fraction bar.
  const auto raise = [&power](Integer& into, const Integer& base, long e) {
    if (e <= 0) return;
    mpz_pow_ui(power.get_mpz_t(), base.get_mpz_t(), static_cast<unsigned long>(e));
    into *= power;
  };
  Rational value;
  value.get_num() = std::move(sum);
  value.get_den() = std::move(common);
  raise(value.get_num(), p, low);
  raise(value.get_num(), q, -high);
  raise(value.get_den(), q, high);
  raise(value.get_den(), p, -low);
  if (sgn(value.get_den()) < 0) {
    value.get_num() = -value.get_num();
    value.get_den() = -value.get_den();
  }
  value.canonicalize();
  return value;
}

// x = digits / 10^scale with whole digits, when x is a decimal fraction (its denominator has no
// prime factor but 2 and 5).
bool AsDecimal(const Rational& x, Integer& digits, long long& scale) {
  Integer rest = x.get_den();
  const unsigned long twos = mpz_scan1(rest.get_mpz_t(), 0);
  rest >>= twos;
  unsigned long fives = 0;
  if (mpz_fits_ulong_p(rest.get_mpz_t())) {
    // The short denominators of typed numbers: no need for the general removal.
    unsigned long small = mpz_get_ui(rest.get_mpz_t());
    for (; small % 5 == 0; small /= 5)
      ++fives;
    if (small != 1) return false;
  } else {
    fives = mpz_remove(rest.get_mpz_t(), rest.get_mpz_t(), Integer(5).get_mpz_t());
    if (rest != 1) return false;
  }
  const unsigned long decimals = std::max(twos, fives);
  digits = x.get_num();
  Integer power;
  if (decimals > twos) {
    mpz_ui_pow_ui(power.get_mpz_t(), 2, decimals - twos);
    digits *= power;
  }
  if (decimals > fives) {
    mpz_ui_pow_ui(power.get_mpz_t(), 5, decimals - fives);
    digits *= power;
  }
  scale = static_cast<long long>(decimals);
  return true;
}

// The Extended nearest x; a whole number of 63 bits is one exactly.
Extended Extend(const Rational& x) {
  if (Whole(x) && mpz_fits_slong_p(x.get_num_mpz_t()))
    return static_cast<Extended>(mpz_get_si(x.get_num_mpz_t()));
  return ToExtended(x);
}

// x^e in 80 bits. A whole exponent takes its sign from its parity, which stays known where the
// power goes through the logarithm (beyond 32 bits).
Extended Power80(Extended x, const Rational& e) {
  const Extended exponent = Extend(e);
  if (!Whole(e)) return Power(x, exponent);
  const Extended magnitude = Power(std::fabs(x), exponent);
  return x < 0 && mpz_odd_p(e.get_num_mpz_t()) ? -magnitude : magnitude;
}

Extended Term80(const PolynomialTerm& term, Extended x) {
  return Mul(Extend(term.coefficient), Power80(x, term.exponent));
}

}  // namespace

bool IsSingleLetter(std::string_view text) {
  return text.size() == 1 &&
         ((text[0] >= 'A' && text[0] <= 'Z') || (text[0] >= 'a' && text[0] <= 'z'));
}

std::optional<std::vector<PolynomialTerm>> ReadPolynomialNumbers(std::string_view text) {
  return SumReader(text).Sum();
}

std::string WriteNumber(const Rational& x) {
  return FormatGeneral15(x);
}

bool IsWrittenExactly(const Rational& x) {
  Integer digits;
  long long scale = 0;
  if (!AsDecimal(x, digits, scale)) return false;
  if (sgn(digits) == 0) return true;
  mpz_remove(digits.get_mpz_t(), digits.get_mpz_t(), Integer(10).get_mpz_t());
  return mpz_cmpabs_ui(digits.get_mpz_t(), 999999999999999UL) <= 0;
}

std::string WriteNumber(const PolynomialNumber& x) {
  return x.exact ? WriteNumber(x.value) : FormatGeneral15(x.approximate);
}

DerivativeOutcome Derivative(std::string_view polynomial) {
  if (IsSingleLetter(polynomial)) return {"1", {}};
  const std::optional<std::vector<PolynomialTerm>> terms = ReadPolynomialNumbers(polynomial);
  if (!terms) return {{}, kWrongPolynomial};
  std::string text;
  Rational product, lower;
  for (const PolynomialTerm& term : *terms) {
    mpq_mul(product.get_mpq_t(), term.coefficient.get_mpq_t(), term.exponent.get_mpq_t());
    // A number alone, a zero coefficient or x^0: the term's derivative is 0 and is not written.
    if (sgn(product) == 0) continue;
    if (sgn(product) > 0) text += '+';
    text += WriteNumber(product);
    text += "x^";
    lower = term.exponent - 1;
    text += WriteNumber(lower);
  }
  if (!text.empty() && text.front() == '+') text.erase(0, 1);
  if (text.empty()) text.push_back('0');  // nothing left: the derivative is 0
  return {text, {}};
}

PolynomialNumber PolynomialValue(const std::vector<PolynomialTerm>& terms, const Rational& x) {
  if (WithinReach(terms, x)) return {true, ExactSum(terms, x), 0};
  const Extended at = Extend(x);
  Extended sum = 0;
  for (const PolynomialTerm& term : terms)
    sum = Add(sum, Term80(term, at));
  return {false, 0, sum};
}

PolynomialNumber TermValue(const PolynomialTerm& term, const Rational& x, bool exact) {
  if (exact && ExactExponent(term.exponent)) {
    return {true, term.coefficient * ExactPower(x, mpz_get_si(term.exponent.get_num_mpz_t())), 0};
  }
  return {false, 0, Term80(term, Extend(x))};
}

}  // namespace kalkora
