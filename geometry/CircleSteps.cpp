#include "geometry/CircleSteps.h"

#include <string>

#include "exact/Exact.h"
#include "steps/SchoolNotation.h"

namespace kalkora {

namespace {

// π to fifty decimals: far more than any decimal of kπ written here needs.
const Rational& Pi() {
  static const Rational pi = [] {
    Rational x(
        "31415926535897932384626433832795028841971693993751/"
        "10000000000000000000000000000000000000000000000000");
    x.canonicalize();
    return x;
  }();
  return pi;
}

// A number as the operand of a power: a negative number or a fraction goes in brackets.
Formula Squared(const Rational& x) {
  const Formula written = DecimalForm(x);
  Formula out;
  if (sgn(x) < 0 || !IsShortDecimal(x)) {
    out << "(" << written << ")";
  } else {
    out << written;
  }
  return out << Sup("2");
}

// kπ as a pupil writes it: π, 10π, 0,75π.
Formula TimesPi(const Rational& k) {
  Formula out;
  if (k == 1) return out << "π";
  if (IsShortDecimal(k)) return out << DecimalForm(k) << "π";
  return out << "(" << ExactForm(k) << ")π";
}

// The digits after the comma of the page's exact value, at most two: the value with the true π
// is given as precisely as the one with 3,14 (31,4 beside 31,4; 6,28 beside 6,28).
int DecimalsOf(const Rational& value) {
  Rational scaled = value;
  for (int decimals = 0; decimals < 2; ++decimals, scaled *= 10) {
    if (scaled.get_den() == 1) return decimals;
  }
  return 2;
}

// " = kπ ≈ decimal", the exact value with the true π; just " = 0" for a zero radius.
Formula WithTruePi(const Rational& k, const Rational& approximate) {
  Formula out;
  if (sgn(k) == 0) return out << " = 0";
  const std::string decimal = FormatFixed(Rational(k * Pi()), 18, DecimalsOf(approximate));
  return out << " = " << TimesPi(k) << " ≈ " << SchoolNumber(decimal);
}

// The page's value with 3,14 exactly: a short decimal as it is, any other exact, then rounded.
Formula Computed(const Rational& value) {
  return IsShortDecimal(value) ? DecimalForm(value) : ExactThenDecimal(value, 2);
}

// "C ≈ 31,40": the page's result, which stands for the true value only roughly unless it is 0.
Formula Answered(const char* name, const Rational& value) {
  return Formula() << Var(name) << (sgn(value) == 0 ? " = " : " ≈ ")
                   << SchoolNumber(FormatFixed(value, 4, 2));
}

const char* const kWithSixTwentyEight = "Программа считает с π ≈ 3,14, то есть с 6,28 вместо 2π:";
const char* const kWithThreeFourteen = "Программа считает с π ≈ 3,14:";

}  // namespace

Working CircleLengthSteps(const Rational& r, const Rational& length) {
  const FormulaNode c = Var("C");
  const FormulaNode R = Var("R");
  Working working = SolvedWorking("Длина окружности");
  working.Math(Formula() << c << " = 2π" << R << " = 2π·" << DecimalForm(r)
                         << WithTruePi(2 * r, length));
  working.Prose(kWithSixTwentyEight);
  working.Math(Formula() << c << " = 6,28·" << DecimalForm(r) << " = " << Computed(length));
  working.Answer(Answered("C", length));
  return working;
}

Working DiscAreaSteps(const Rational& r, const Rational& area) {
  const FormulaNode s = Var("S");
  const FormulaNode R = Var("R");
  Working working = SolvedWorking("Площадь круга");
  working.Math(Formula() << s << " = π" << R << Sup("2") << " = π·" << Squared(r)
                         << WithTruePi(r * r, area));
  working.Prose(kWithThreeFourteen);
  working.Math(Formula() << s << " = 3,14·" << Squared(r) << " = " << Computed(area));
  working.Answer(Answered("S", area));
  return working;
}

}  // namespace kalkora
