// Exact values: a typed decimal is the rational it writes, and the answers of the pages are
// rationals or a + b·√r with rational a, b and r. Signs, zeros and comparisons are exact, and a
// value is written in the page's number format rounded half away from zero at the last digit it
// shows, so every digit shown is right.
#pragma once

#include <gmpxx.h>

#include <string>
#include <string_view>

#include "common/Float.h"

namespace kalkora {

using Integer = mpz_class;
using Rational = mpq_class;

// Reads a field text as the exact rational it writes: exactly the texts ParseFloat accepts (a
// decimal comma, an exponent), failing with its errors. A value below the 80-bit range, which
// ParseFloat reads as 0, is 0 here too.
Rational ParseExact(std::string_view text);

// The exact value of a number text the formats write: a sign, digits with a decimal comma and an
// exponent of any size (a working can show 1E5000). For the workings' "=" where a shown text is
// the value itself and "≈" where it is rounded.
Rational ReadShown(std::string_view shown);

// a + b·√r, with r >= 0.
class Surd {
 public:
  Surd() = default;
  Surd(Rational a) : a_(std::move(a)) {}  // NOLINT: a rational is a surd with b = 0
  Surd(Rational a, Rational b, Rational r);

  const Rational& A() const { return a_; }
  const Rational& B() const { return b_; }
  const Rational& R() const { return r_; }
  // Whether the value is rational: b = 0, r = 0 or r a perfect square.
  bool IsRational() const;
  // The value, when it is rational.
  Rational ToRational() const;

 private:
  Rational a_ = 0, b_ = 0, r_ = 0;
};

// -1, 0 or 1, decided exactly.
int Sign(const Surd& x);
// The sign of x - y.
int Compare(const Surd& x, const Rational& y);

// The exact value in the layouts of FormatGeneral15 and FormatFixed (numtext/NumText.h), rounded
// half away from zero at the last digit shown.
std::string FormatGeneral15(const Surd& x);
std::string FormatGeneral15(const Rational& x);
std::string FormatFixed(const Surd& x, int precision, int decimals);
std::string FormatFixed(const Rational& x, int precision, int decimals);
// Every digit of a whole number, "-" before a negative one.
std::string FormatWhole(const Integer& x);

// The Extended nearest x (ties to even); FloatError "Floating point overflow" beyond its range.
Extended ToExtended(const Rational& x);

}  // namespace kalkora
