#include "steps/SchoolNotation.h"

#include <cstdint>
#include <utility>

#include "common/Errors.h"
#include "numtext/NumText.h"

namespace kalkora {

std::string EqualsShown(Extended value, const std::string& shown) {
  try {
    return ToDouble(ParseFloat(shown)) == static_cast<double>(value) ? " = " : " ≈ ";
  } catch (const Error&) {
    return " ≈ ";
  }
}

std::string EqualsShown(const Surd& value, const std::string& shown) {
  return value.IsRational() && ReadShown(shown) == value.ToRational() ? " = " : " ≈ ";
}

std::string SchoolNumber(const std::string& shown) {
  std::string out;
  std::string_view text = shown;
  for (const std::string_view minus : {"-", "−"}) {
    if (text.starts_with(minus)) {
      out = "−";
      text.remove_prefix(minus.size());
    }
  }
  const size_t exponent = text.find('E');
  const std::string_view mantissa = text.substr(0, exponent);
  const size_t digits = std::min(mantissa.find(','), mantissa.size());
  // A text already grouped, or not a number, is left as it is.
  const bool grouped = digits > 4 && mantissa.substr(0, digits).find_first_not_of("0123456789") ==
                                         std::string_view::npos;
  for (size_t i = 0; i < digits; ++i) {
    if (grouped && i > 0 && (digits - i) % 3 == 0) out += "\u2009";
    out += mantissa[i];
  }
  out += mantissa.substr(digits);
  if (exponent != std::string_view::npos) {
    std::string power;
    bool leading = true;  // the formats' E04 is 10⁴
    const std::string_view written = text.substr(exponent + 1);
    for (size_t i = 0; i < written.size(); ++i) {
      static const char* const kRaised[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
      const char c = written[i];
      if (c == '-') power += "⁻";
      if (c < '0' || c > '9') continue;
      if (leading && c == '0' && i + 1 < written.size()) continue;
      leading = false;
      power += kRaised[c - '0'];
    }
    out += "·10" + power;
  }
  return out;
}

namespace {

// n = s²·m with m free of squares: every prime is divided out while the trial divisor's cube
// stays below what is left, which is then 1, a prime, a product of two primes or a square. A
// number with no factor below the divisors' bound may keep a square in m.
std::pair<Integer, Integer> SplitSquare(Integer n) {
  Integer s = 1, m = 1;
  constexpr unsigned long kLargestDivisor = 100000;
  for (unsigned long d = 2; d <= kLargestDivisor; d += d == 2 ? 1 : 2) {
    if (Integer(d) * d * d > n) break;
    bool odd = false;
    while (mpz_divisible_ui_p(n.get_mpz_t(), d)) {
      mpz_divexact_ui(n.get_mpz_t(), n.get_mpz_t(), d);
      if (odd) s *= d;
      odd = !odd;
    }
    if (odd) m *= d;
  }
  if (n > 1 && mpz_perfect_square_p(n.get_mpz_t())) {
    s *= sqrt(n);
  } else {
    m *= n;
  }
  return {s, m};
}

std::string Whole(const Integer& x) {
  return SchoolNumber(FormatWhole(x));
}

// c·√m with c > 0: √m when c is 1.
Formula RootTerm(const Integer& c, const Integer& m) {
  Formula term;
  if (c != 1) term << Whole(c);
  return term << Sqrt(Whole(m));
}

// The exact form of x, or of x's two values a ± b√r when `both`.
Formula SurdForm(const Surd& x, bool both) {
  const SimpleSurd v = Simplified(x);
  if (v.coefficient == 0 || v.radicand == 1) return ExactForm(x.ToRational());
  const Integer c = abs(v.coefficient);
  const char* sign = both ? "±" : v.coefficient < 0 ? "−" : "";
  Formula numerator;
  if (v.whole != 0) {
    numerator << Whole(v.whole) << " "
              << (both                ? "±"
                  : v.coefficient < 0 ? "−"
                                      : "+")
              << " " << RootTerm(c, v.radicand);
  } else {
    numerator << RootTerm(c, v.radicand);
  }
  Formula out;
  if (v.whole == 0) out << sign;
  if (v.denominator == 1) return out << numerator;
  return out << Frac(numerator, Whole(v.denominator));
}

}  // namespace

SimpleSurd Simplified(const Surd& x) {
  SimpleSurd v;
  const Rational a = x.A();
  Rational c = 0;
  if (sgn(x.B()) != 0 && sgn(x.R()) != 0) {
    // √(p/q) = √(pq)/q.
    auto [s, m] = SplitSquare(x.R().get_num() * x.R().get_den());
    c = x.B() * Rational(s, x.R().get_den());
    c.canonicalize();
    v.radicand = std::move(m);
  }
  if (v.radicand == 1) {
    const Rational sum = a + c;
    v.whole = sum.get_num();
    v.denominator = sum.get_den();
    return v;
  }
  Integer d;
  mpz_lcm(d.get_mpz_t(), a.get_den().get_mpz_t(), c.get_den().get_mpz_t());
  v.whole = a.get_num() * (d / a.get_den());
  v.coefficient = c.get_num() * (d / c.get_den());
  v.denominator = std::move(d);
  return v;
}

Formula ExactForm(const Rational& x) {
  if (x.get_den() == 1) return Whole(x.get_num());
  Formula out;
  if (sgn(x) < 0) out << "−";
  return out << Frac(Whole(abs(x.get_num())), Whole(x.get_den()));
}

Formula ExactForm(const Surd& x) {
  return SurdForm(x, false);
}

Formula PlusMinusForm(const Surd& x) {
  return SurdForm(x, true);
}

Formula ExactThenDecimal(const Surd& x, int decimals) {
  Formula out = ExactForm(x);
  if (x.IsRational() && x.ToRational().get_den() == 1) return out;
  std::string shown = FormatFixed(x, 18, decimals);
  const bool exact = EqualsShown(x, shown) == " = ";
  // An exact decimal is written without the zeros it ends in: 24/5 = 4,8.
  if (exact && shown.find(',') != std::string::npos && shown.find('E') == std::string::npos) {
    while (shown.back() == '0')
      shown.pop_back();
    if (shown.back() == ',') shown.pop_back();
  }
  return out << (exact ? " = " : " ≈ ") << SchoolNumber(shown);
}

SchoolSum& SchoolSum::Term(const std::string& number, const Formula& factor) {
  std::string magnitude = SchoolNumber(number);
  const bool negative = magnitude.starts_with("−");
  if (negative) magnitude.erase(0, std::string("−").size());
  // x, not 1x; but 1·2² keeps its 1.
  if (magnitude == "1" && !factor.empty() &&
      factor.nodes().front().kind == FormulaNode::Kind::Variable) {
    magnitude.clear();
  }
  Formula term;
  if (terms_.empty()) {
    term << (negative ? "−" : "") << magnitude;
  } else {
    term << (negative ? " − " : " + ") << magnitude;
  }
  terms_.push_back(term << factor);
  return *this;
}

Formula SchoolSum::Written() const {
  if (terms_.empty()) return "0";
  constexpr std::size_t kLast = 3;
  const bool shortened = terms_.size() > kLongestWrittenSum;
  const std::size_t first = shortened ? kLongestWrittenSum - kLast : terms_.size();
  Formula sum;
  for (std::size_t i = 0; i < first; ++i)
    sum << terms_[i];
  if (shortened) {
    sum << " + …";
    for (std::size_t i = terms_.size() - kLast; i < terms_.size(); ++i)
      sum << terms_[i];
  }
  return sum;
}

bool IsShortDecimal(const Rational& x) {
  return ReadShown(FormatGeneral15(x)) == x;
}

Formula DecimalForm(const Rational& x) {
  const std::string text = FormatGeneral15(x);
  if (ReadShown(text) == x) return SchoolNumber(text);
  return ExactForm(x);
}

SchoolSum& SchoolSum::Signed(bool negative, const Formula& magnitude) {
  Formula term;
  if (terms_.empty()) {
    term << (negative ? "−" : "");
  } else {
    term << (negative ? " − " : " + ");
  }
  terms_.push_back(term << magnitude);
  return *this;
}

std::string SchoolOperand(const std::string& school) {
  const bool bracket = school.starts_with("−") || school.find("·") != std::string::npos;
  return bracket ? "(" + school + ")" : school;
}

}  // namespace kalkora
