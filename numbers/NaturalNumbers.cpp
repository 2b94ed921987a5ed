#include "numbers/NaturalNumbers.h"

#include <algorithm>
#include <primesieve.hpp>

#include "numtext/NumText.h"

namespace kalkora {

namespace {

// Every composite below 2^31 has a prime factor of at most 46340.
constexpr std::int32_t kLargestSmallPrime = 46349;

const std::vector<std::int32_t>& SmallPrimes() {
  static const std::vector<std::int32_t> primes = [] {
    std::vector<std::int32_t> list;
    primesieve::generate_primes(kLargestSmallPrime, &list);
    return list;
  }();
  return primes;
}

// Segments of 2^21 numbers: counting all of them below 2^31 costs about 0.3 s, making one
// segment's primes (up to about 155,000 of them) well under a millisecond.
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
  std::string text;
  std::int32_t rest = n;
  for (const std::int32_t p : SmallPrimes()) {
    if (static_cast<std::int64_t>(p) * p > rest) break;
    int times = 0;
    while (rest % p == 0) {
      rest /= p;
      ++times;
    }
    AppendFactor(text, p, times);
  }
  // What is left is 1 or a prime; N itself is no factor below N.
  if (rest > 1 && rest != n) AppendFactor(text, rest, 1);
  return text.empty() ? text : text.substr(1);
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
  if (n == 2) return {"2=1*2", true, false};
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
    if (factors.empty()) return {t + "=1*" + t, true, false};
  }
  // The long lines start further left so that they fit in the group.
  return {t + "=" + factors, true, factors.size() + 1 > 20};
}

PrimeTable::PrimeTable(std::int32_t n) : n_(n) {
  if (n < 2) return;
  for (std::int64_t start = 0; start <= n; start += kSegmentSize) {
    firstIndex_.push_back(count_);
    const std::int64_t stop = std::min<std::int64_t>(n, start + kSegmentSize - 1);
    count_ += static_cast<std::int64_t>(primesieve::count_primes(static_cast<std::uint64_t>(start),
                                                                 static_cast<std::uint64_t>(stop)));
  }
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
  const auto after = std::upper_bound(firstIndex_.begin(), firstIndex_.end(), index);
  const std::int64_t segment = (after - firstIndex_.begin()) - 1;
  return Segment(
      segment)[static_cast<std::size_t>(index - firstIndex_[static_cast<std::size_t>(segment)])];
}

std::int64_t PrimeTable::IndexOf(std::int32_t p) {
  const std::int64_t segment = p / kSegmentSize;
  const std::vector<std::int32_t>& primes = Segment(segment);
  return firstIndex_[static_cast<std::size_t>(segment)] +
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
