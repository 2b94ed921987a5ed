#include "numbers/NaturalNumbers.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <numeric>
#include <primesieve.hpp>

#include "numbers/PrimeCounts.h"
#include "numtext/NumText.h"

namespace kalkora {

namespace {

// ---- factorisation of 32-bit numbers ----

// An odd prime with what divisibility by it takes: n is a multiple of p exactly when
// n·inverse (mod 2^32) <= limit, and the product is then n / p.
struct Divisor {
  std::uint32_t p;
  std::uint32_t inverse;
  std::uint32_t limit;
};

// Every odd prime below 1291: past them a cofactor below 2^31 has at most two prime factors,
// since 1291^3 > 2^31.
constexpr std::uint32_t kTrialBound = 1291;

constexpr std::uint32_t InverseMod2To32(std::uint32_t odd) {
  std::uint32_t x = odd;  // correct to 3 bits; each Newton step doubles them
  for (int i = 0; i < 4; ++i)
    x *= 2 - odd * x;
  return x;
}

const std::vector<Divisor>& TrialDivisors() {
  static const std::vector<Divisor> divisors = [] {
    std::vector<Divisor> list;
    for (std::uint32_t p = 3; p < kTrialBound; p += 2) {
      bool prime = true;
      for (std::uint32_t d = 3; d * d <= p && prime; d += 2)
        prime = p % d != 0;
      if (prime) list.push_back({p, InverseMod2To32(p), 0xFFFFFFFFu / p});
    }
    return list;
  }();
  return divisors;
}

// Arithmetic modulo an odd n < 2^31 in Montgomery form (R = 2^32).
class Montgomery {
 public:
  explicit Montgomery(std::uint32_t n) : n_(n), negInverse_(0u - InverseMod2To32(n)), one_(To(1)) {}

  std::uint32_t To(std::uint32_t a) const {
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(a) << 32) % n_);
  }
  std::uint32_t Mul(std::uint32_t a, std::uint32_t b) const {
    return Reduce(static_cast<std::uint64_t>(a) * b);
  }
  std::uint32_t One() const { return one_; }
  std::uint32_t MinusOne() const { return n_ - one_; }

 private:
  std::uint32_t Reduce(std::uint64_t t) const {
    const std::uint32_t m = static_cast<std::uint32_t>(t) * negInverse_;
    const auto r = static_cast<std::uint32_t>((t + static_cast<std::uint64_t>(m) * n_) >> 32);
    return r >= n_ ? r - n_ : r;
  }

  std::uint32_t n_;
  std::uint32_t negInverse_;
  std::uint32_t one_;
};

// Miller–Rabin with the bases 2, 7 and 61, which decide every n below 4,759,123,141; for odd
// n > 61.
bool IsPrime32(std::uint32_t n) {
  const Montgomery m(n);
  std::uint32_t d = n - 1;
  const int s = std::countr_zero(d);
  d >>= s;
  for (const std::uint32_t base : {2u, 7u, 61u}) {
    std::uint32_t x = m.One();
    std::uint32_t power = m.To(base);
    for (std::uint32_t e = d; e != 0; e >>= 1) {
      if ((e & 1u) != 0) x = m.Mul(x, power);
      power = m.Mul(power, power);
    }
    if (x == m.One() || x == m.MinusOne()) continue;
    bool witness = true;
    for (int i = 1; i < s && witness; ++i) {
      x = m.Mul(x, x);
      witness = x != m.MinusOne();
    }
    if (witness) return false;
  }
  return true;
}

// A factor of an odd composite n < 2^31 whose prime factors are all above kTrialBound, by
// Pollard's rho in Brent's form: about √p steps for its smaller factor p.
std::uint32_t SplitComposite(std::uint32_t n) {
  const Montgomery m(n);
  for (std::uint32_t c = 1;; ++c) {
    const std::uint32_t add = m.To(c);
    const auto f = [&](std::uint32_t x) {
      const std::uint32_t y = m.Mul(x, x) + add;
      return y >= n ? y - n : y;
    };
    std::uint32_t y = m.To(2);
    std::uint32_t x = y;
    std::uint32_t ys = y;
    std::uint32_t product = m.One();
    std::uint32_t g = 1;
    constexpr std::uint32_t kBatch = 32;
    for (std::uint32_t r = 1; g == 1; r *= 2) {
      x = y;
      for (std::uint32_t i = 0; i < r; ++i)
        y = f(y);
      for (std::uint32_t k = 0; k < r && g == 1; k += kBatch) {
        ys = y;
        for (std::uint32_t i = 0; i < kBatch && i < r - k; ++i) {
          y = f(y);
          product = m.Mul(product, x > y ? x - y : y - x);
        }
        g = std::gcd(product, n);
      }
    }
    if (g == n) {
      // The batch overshot: step back one at a time from its start.
      do {
        ys = f(ys);
        g = std::gcd(x > ys ? x - ys : ys - x, n);
      } while (g == 1);
    }
    if (g != n) return g;
  }
}

// The prime factors of n >= 1, ascending, each as often as it divides n.
std::size_t PrimeFactors(std::uint32_t n, std::array<std::uint32_t, 32>& factors) {
  std::size_t count = 0;
  const int twos = std::countr_zero(n);
  for (int i = 0; i < twos; ++i)
    factors[count++] = 2;
  std::uint32_t rest = n >> twos;
  for (const Divisor& d : TrialDivisors()) {
    if (d.p * d.p > rest) break;
    for (std::uint32_t q = rest * d.inverse; q <= d.limit; q = rest * d.inverse) {
      rest = q;
      factors[count++] = d.p;
    }
  }
  if (rest == 1) return count;
  // What is left has no factor below kTrialBound: a prime, a prime's square or two primes.
  if (rest < kTrialBound * kTrialBound || IsPrime32(rest)) {
    factors[count++] = rest;
    return count;
  }
  const auto root = static_cast<std::uint32_t>(std::sqrt(static_cast<double>(rest)));
  const std::uint32_t p = root * root == rest ? root : SplitComposite(rest);
  factors[count++] = std::min(p, rest / p);
  factors[count++] = std::max(p, rest / p);
  return count;
}

// Appends "*digits" for a factor.
void AppendFactorText(std::string& text, std::uint32_t factor) {
  char digits[16];
  const auto end = std::to_chars(digits, digits + sizeof digits, factor).ptr;
  text += '*';
  text.append(digits, end);
}

// Segments of 2^21 numbers: counting or making one segment's primes (up to about 155,000 of
// them) takes well under a millisecond; PrimeCounts.h holds the counts of whole segments.
constexpr std::int64_t kSegmentSize = std::int64_t{1} << 21;

// Appends "*p" once for each time p divides n.
void AppendFactor(std::string& text, std::int32_t p, int times) {
  const std::string digits = FormatInteger(p);
  for (int i = 0; i < times; ++i) {
    text += '*';
    text += digits;
  }
}

}  // namespace

bool IsPrimeByDivisorCount(std::int32_t p) {
  int divisors = 0;
  for (std::int64_t d = 1; d <= p; ++d) {
    if (p % d == 0) ++divisors;
  }
  return divisors == 2;
}

std::string FactorText(std::int32_t n) {
  if (n < 2) return {};
  std::array<std::uint32_t, 32> factors{};
  const std::size_t count = PrimeFactors(static_cast<std::uint32_t>(n), factors);
  // N itself is no factor below N.
  if (count == 1) return {};
  std::string text;
  text.reserve(count * 6);
  for (std::size_t i = 0; i < count; ++i)
    AppendFactorText(text, factors[i]);
  return text.substr(1);
}

std::string FactorTextByDefinition(std::int32_t n) {
  std::string text;
  for (std::int32_t p = 2; p < n; ++p) {
    if (IsPrimeByDivisorCount(p) && n % p == 0) {
      text += '*' + FormatInteger(p);
      for (std::int32_t q = n / p; q % p == 0; q /= p)
        text += '*' + FormatInteger(p);
    }
  }
  return text.empty() ? text : text.substr(1);
}

std::vector<std::int32_t> PrimesUpTo(std::int32_t n) {
  std::vector<std::int32_t> primes;
  if (n >= 2) primesieve::generate_primes(static_cast<std::uint64_t>(n), &primes);
  return primes;
}

Factorisation Factorise(std::string_view typed, std::int32_t n) {
  const std::string t(typed);
  if (n == 1) return {"1 не простое и не составное число", false, false};
  // A prime is its own factorisation: 2=2, 97=97.
  if (n == 2) return {"2=2", true, false};
  if (n == 0) return {"0 не раскладывается на простые множители", false, false};
  std::string factors;
  if (n < 0) {
    // A negative number is -1 times the factors of its magnitude: -12=-1*2*2*3.
    const std::int64_t magnitude = -static_cast<std::int64_t>(n);
    if (magnitude == 1) {
      factors = "-1";
    } else if (magnitude > 0x7fffffff) {
      factors = "-1";
      AppendFactor(factors, 2, 31);
    } else {
      const auto m = static_cast<std::int32_t>(magnitude);
      const std::string below = FactorText(m);
      factors = "-1*" + (below.empty() ? FormatInteger(m) : below);
    }
  } else {
    factors = FactorText(n);
    if (factors.empty()) return {t + "=" + t, true, false};
  }
  // The long lines start further left so that they fit in the group.
  return {t + "=" + factors, true, factors.size() + 1 > 20};
}

PrimeTable::PrimeTable(std::int32_t n) : n_(n) {
  if (n < 2) return;
  lastSegment_ = n / kSegmentSize;
  // The segments before the last are counted in the program already: only the last is sieved.
  count_ =
      kPrimesBelowSegment[static_cast<std::size_t>(lastSegment_)] +
      static_cast<std::int64_t>(primesieve::count_primes(
          static_cast<std::uint64_t>(lastSegment_ * kSegmentSize), static_cast<std::uint64_t>(n)));
}

const std::vector<std::int32_t>& PrimeTable::Segment(std::int64_t segment) {
  if (segment != cachedSegment_) {
    const std::int64_t start = segment * kSegmentSize;
    const std::int64_t stop = std::min<std::int64_t>(n_, start + kSegmentSize - 1);
    cache_.clear();
    primesieve::generate_primes(static_cast<std::uint64_t>(start), static_cast<std::uint64_t>(stop),
                                &cache_);
    cachedSegment_ = segment;
  }
  return cache_;
}

std::int32_t PrimeTable::At(std::int64_t index) {
  const auto first = kPrimesBelowSegment.begin();
  const auto after = std::upper_bound(first, first + lastSegment_ + 1, index);
  const std::int64_t segment = (after - first) - 1;
  return Segment(segment)[static_cast<std::size_t>(
      index - kPrimesBelowSegment[static_cast<std::size_t>(segment)])];
}

std::int64_t PrimeTable::IndexOf(std::int32_t p) {
  const std::int64_t segment = p / kSegmentSize;
  const std::vector<std::int32_t>& primes = Segment(segment);
  return kPrimesBelowSegment[static_cast<std::size_t>(segment)] +
         (std::lower_bound(primes.begin(), primes.end(), p) - primes.begin());
}

std::int64_t PrimeTable::FirstStartingWith(std::string_view digits) {
  if (digits.empty() || digits.size() > 10 || digits.front() == '0' ||
      !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return -1;
  }
  std::int64_t prefix = 0;
  for (const char c : digits)
    prefix = prefix * 10 + (c - '0');
  // The numbers written with the prefix: the prefix itself, then each next decade of them; the
  // first prime among them is the first row, as the list is in ascending order.
  for (std::int64_t scale = 1; prefix * scale <= n_; scale *= 10) {
    const std::int64_t low = prefix * scale;
    const std::int64_t high = std::min<std::int64_t>((prefix + 1) * scale - 1, n_);
    primesieve::iterator primes(static_cast<std::uint64_t>(low), static_cast<std::uint64_t>(high));
    const std::uint64_t p = primes.next_prime();
    if (p <= static_cast<std::uint64_t>(high)) return IndexOf(static_cast<std::int32_t>(p));
  }
  return -1;
}

}  // namespace kalkora
