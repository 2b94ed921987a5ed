// The quadratic equation, the triangle and the circle, as their pages write them: each value
// with FormatFixed (6 digits for the equation, 4 for the figures) and 2 decimals.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <string>

#include "common/Errors.h"
#include "equations/Quadratic.h"
#include "exact/Exact.h"
#include "geometry/Circle.h"
#include "geometry/Triangle.h"

namespace kalkora {
namespace {

std::string Fixed(const Surd& value, int precision) {
  return FormatFixed(value, precision, 2);
}

// ---- A reference written apart from the exact module: the sign of p + q·√r by squaring, and the
// text FormatFixed(x, precision, 2) must be for x = p + q·√r, found from the value it claims.

int SignOf(const Rational& p, const Rational& q, const Rational& r) {
  const int sp = sgn(p), sq = sgn(r) == 0 ? 0 : sgn(q);
  if (sq == 0) return sp;
  if (sp == 0 || sp == sq) return sq;
  const int c = cmp(Rational(p * p), Rational(q * q * r));
  return c > 0 ? sp : c < 0 ? sq : 0;
}

Rational Pow10(int k) {
  Rational power = 1;
  for (int i = 0; i < std::abs(k); ++i)
    power *= 10;
  return k < 0 ? Rational(1 / power) : power;
}

// The text is right when its value t is a multiple of the unit u of the last digit kept
// (`precision` significant digits, at most two decimals), |t| - u/2 <= |x| < |t| + u/2, and it is
// laid out with two decimals, or as d,ddE0n beyond `precision` digits before the comma.
::testing::AssertionResult Shows(const std::string& text, int precision, const Rational& p,
                                 const Rational& q = 0, const Rational& r = 0) {
  const int sign = SignOf(p, q, r) < 0 ? -1 : 1;
  const Rational mp = sign * p, mq = sign * q;  // |x| = mp + mq·√r
  int k = 0;                                    // the digits of |x| before the comma
  while (SignOf(mp - Pow10(k), mq, r) >= 0)
    ++k;
  const Rational unit = Pow10(k - std::min(precision, k + 2));
  const Rational t = ParseExact(text), size = abs(t);
  const Rational steps = size / unit;
  const bool nearest = SignOf(mp - (size - unit / 2), mq, r) >= 0 &&
                       SignOf(mp - (size + unit / 2), mq, r) < 0 && (sgn(t) == sign || sgn(t) == 0);
  std::string layout = sgn(t) < 0 ? "-" : "";
  if (size < Pow10(precision)) {
    const Rational hundredths = size * 100;
    std::string digits = Integer(hundredths.get_num() / hundredths.get_den()).get_str();
    digits.insert(0, std::max<int>(0, 3 - static_cast<int>(digits.size())), '0');
    layout += digits.substr(0, digits.size() - 2) + "," + digits.substr(digits.size() - 2);
  } else {
    std::string digits = Integer(size.get_num() / size.get_den()).get_str();
    const std::string exponent = std::to_string(digits.size() - 1);
    digits.erase(digits.find_last_not_of('0') + 1);
    layout += digits.substr(0, 1) + (digits.size() > 1 ? "," + digits.substr(1) : "") + "E" +
              (exponent.size() < 2 ? "0" : "") + exponent;
  }
  if (steps.get_den() == 1 && nearest && layout == text) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << text << " for " << p << " + " << q << "·√" << r;
}

// A random decimal: a whole number or one with 1 to 3 decimals, of up to `digits` digits.
Rational RandomDecimal(std::mt19937& random, int digits, bool mayBeNegative) {
  const long top = static_cast<long>(Pow10(digits).get_d());
  long m = std::uniform_int_distribution<long>(0, top - 1)(random);
  if (mayBeNegative && random() % 2 != 0) m = -m;
  return m / Pow10(std::uniform_int_distribution<int>(0, 3)(random));
}

// A decimal as it is typed into a field, with a decimal comma.
std::string Typed(const Rational& x) {
  int scale = 0;
  while (Rational(x * Pow10(scale)).get_den() != 1)
    ++scale;
  std::string digits = Rational(abs(x) * Pow10(scale)).get_num().get_str();
  digits.insert(0, std::max<int>(0, scale + 1 - static_cast<int>(digits.size())), '0');
  if (scale > 0) digits.insert(digits.size() - scale, ",");
  return (sgn(x) < 0 ? "-" : "") + digits;
}

TEST(SolveQuadraticTest, DiscriminantAndRootsAsThePageShowsThem) {
  const struct {
    Rational a, b, c;
    const char* D;
    const char* x1;  // nullptr: no real root
    const char* x2;
  } cases[] = {
      {1, -3, 2, "1,00", "2,00", "1,00"},
      {-1, 3, -2, "1,00", "1,00", "2,00"},  // for a < 0 the +√D root is the smaller one
      {1, 2, 1, "0,00", "-1,00", "-1,00"},
      {1, 0, 0, "0,00", "0,00", "0,00"},  // x2 is -0: no sign
      {1, 0, 1, "-4,00", nullptr, nullptr},
      {3, 1, 0, "1,00", "0,00", "-0,33"},
      {1, 2000, 0, "4E06", "0,00", "-2000,00"},
      {1, 0, -308641.75, "1,23457E06", "555,56", "-555,56"},
  };
  for (const auto& c : cases) {
    const QuadraticSolution s = SolveQuadratic(c.a, c.b, c.c);
    EXPECT_EQ(Fixed(s.D, 6), c.D) << c.a << " " << c.b << " " << c.c;
    ASSERT_EQ(s.HasRoots, c.x1 != nullptr);
    if (s.HasRoots) {
      EXPECT_EQ(Fixed(s.x1, 6), c.x1) << c.a << " " << c.b << " " << c.c;
      EXPECT_EQ(Fixed(s.x2, 6), c.x2) << c.a << " " << c.b << " " << c.c;
    }
  }
}

TEST(SolveQuadraticTest, AZeroADividesZeroByZero) {
  EXPECT_THROW(SolveQuadratic(0, 2, 0), FloatError);
}

TEST(SolveQuadraticTest, DecimalAndFarCoefficientsAreSolvedExactly) {
  const struct {
    const char *a, *b, *c, *D, *x1, *x2;  // x1 nullptr: no real root
  } cases[] = {
      {"1", "-0,6", "0,09", "0,00", "0,30", "0,30"},  // (x - 0,3)²: D is 0, not -1E-17
      {"1", "-0,6", "0,09000000000001", "0,00", nullptr, nullptr},           // D = -4E-14
      {"0,0000012", "737E9", "762E4", "5,43169E23", "0,00", "-6,14167E17"},  // x1 = -0,0000103
      {"0,0000012", "737E9", "762E10", "5,43169E23", "-10,34", "-6,14167E17"},
      {"1E-200", "0", "-1E-200", "0,00", "1,00", "-1,00"},
      {"1E160", "0", "-1E160", "4E320", "1,00", "-1,00"},
      {"1", "1E200", "0", "1E400", "0,00", "-1E200"},
  };
  for (const auto& c : cases) {
    const QuadraticSolution s = SolveQuadratic(ParseExact(c.a), ParseExact(c.b), ParseExact(c.c));
    EXPECT_EQ(Fixed(s.D, 6), c.D) << c.a << " " << c.b << " " << c.c;
    ASSERT_EQ(s.HasRoots, c.x1 != nullptr) << c.a << " " << c.b << " " << c.c;
    if (s.HasRoots) {
      EXPECT_EQ(Fixed(s.x1, 6), c.x1) << c.a << " " << c.b << " " << c.c;
      EXPECT_EQ(Fixed(s.x2, 6), c.x2) << c.a << " " << c.b << " " << c.c;
    }
  }
}

// Random decimal coefficients, products a(x - p)(x - q) with decimal roots (p = q among them) and
// equations without a root, against the reference.
TEST(SolveQuadraticTest, AgreesWithARationalReference) {
  std::mt19937 random(21);
  for (int i = 0; i < 3000; ++i) {
    Rational a = RandomDecimal(random, 4, true), b = RandomDecimal(random, 6, true),
             c = RandomDecimal(random, 6, true);
    if (sgn(a) == 0) a = 7;
    const Rational p = RandomDecimal(random, 3, true);
    const Rational q = i % 6 == 1 ? p : RandomDecimal(random, 3, true);
    if (i % 3 == 1) {  // a(x - p)(x - q)
      b = -a * (p + q);
      c = a * p * q;
    } else if (i % 3 == 2 && sgn(a) != sgn(c)) {
      c = -c;  // ac > 0: D < 0 about half the time
    }
    const std::string where = Typed(a) + "; " + Typed(b) + "; " + Typed(c);
    const QuadraticSolution s =
        SolveQuadratic(ParseExact(Typed(a)), ParseExact(Typed(b)), ParseExact(Typed(c)));
    const Rational D = b * b - 4 * a * c;
    ASSERT_EQ(s.HasRoots, sgn(D) >= 0) << where;
    EXPECT_TRUE(Shows(Fixed(s.D, 6), 6, D)) << where;
    if (!s.HasRoots) continue;
    const std::string x1 = Fixed(s.x1, 6), x2 = Fixed(s.x2, 6);
    EXPECT_TRUE(Shows(x1, 6, -b / (2 * a), 1 / (2 * a), D)) << where;
    EXPECT_TRUE(Shows(x2, 6, -b / (2 * a), -1 / (2 * a), D)) << where;
    if (i % 3 == 1) {  // x1, the +√D root, is the larger one for a > 0
      const Rational low = std::min(p, q), high = std::max(p, q);
      EXPECT_TRUE(Shows(x1, 6, sgn(a) > 0 ? high : low)) << where;
      EXPECT_TRUE(Shows(x2, 6, sgn(a) > 0 ? low : high)) << where;
    }
  }
}

TEST(TriangleTest, ElevenValuesAsThePageShowsThem) {
  const struct {
    Rational AB, BC, AC;
    const char* values;  // S P, heights, medians, bisectors (each from A to BC, B to AC, C to AB)
  } cases[] = {
      // The right angle at B: the height from A is the leg AB = 3, from C the leg BC = 4.
      {3, 4, 5, "6,00 12,00 3,00 2,40 4,00 3,61 2,50 4,27 3,35 2,42 4,22"},
      // By hand: S = 84, hₐ = 168/14, m_a = ½√592 = 2√37, lₐ = 3√65/2, l_b = 28√13/9, l_c =
      // 168√5/29.
      {13, 14, 15, "84,00 42,00 12,00 11,20 12,92 12,17 11,24 12,97 12,09 11,22 12,95"},
      {5, 5, 6, "12,00 16,00 4,80 4,00 4,80 4,92 4,00 4,92 4,88 4,00 4,88"},
      {1, 1, 1, "0,43 3,00 0,87 0,87 0,87 0,87 0,87 0,87 0,87 0,87 0,87"},
      {1000, 1000, 1000,
       "4,33E05 3000,00 866,00 866,00 866,00 866,00 866,00 866,00 866,00 866,00 866,00"},
      {1, 2, 3, "0,00 6,00 0,00 0,00 0,00 2,00 0,50 2,50 1,50 0,00 2,40"},
      // Degenerate with decimal sides, exactly so; the medians' ties 235,15, 140,35, 288,65 and
      // 123,35 go up.
      {ParseExact("343,9"), ParseExact("407,1"), ParseExact("63,2"),
       "0,00 814,20 0,00 0,00 0,00 140,40 375,50 235,20 0,00 372,80 109,40"},
      {ParseExact("110,2"), ParseExact("356,9"), ParseExact("467,1"),
       "0,00 934,20 0,00 0,00 0,00 288,70 123,40 412,00 178,30 0,00 404,60"},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(TriangleExists(c.AB, c.BC, c.AC));
    const TriangleSolution t = SolveTriangle(c.AB, c.BC, c.AC);
    std::string values = Fixed(t.S, 4) + " " + Fixed(t.P, 4);
    for (const auto* group : {&t.heights, &t.medians, &t.bisectors}) {
      for (const Surd& v : *group)
        values += " " + Fixed(v, 4);
    }
    EXPECT_EQ(values, c.values);
  }
}

TEST(TriangleTest, ImpossibleAndZeroSides) {
  EXPECT_FALSE(TriangleExists(1, 1, 3));
  EXPECT_FALSE(TriangleExists(3, 1, 1));
  EXPECT_FALSE(TriangleExists(-1, 5, 5));
  for (const int side : {0, 1}) {
    ASSERT_TRUE(TriangleExists(0, side, side));
    try {
      SolveTriangle(0, side, side);
      ADD_FAILURE() << "no error for 0, " << side;
    } catch (const FloatError& e) {
      EXPECT_STREQ(e.what(), kInvalidOperationMessage);
    }
  }
}

// Random decimal sides, degenerate ones (a + b = c) and right triangles, against the reference:
// each value is the root of a rational square, S² from 16S² = 2(a²b² + b²c² + c²a²) - a⁴ - b⁴ - c⁴.
TEST(TriangleTest, AgreesWithARationalReference) {
  std::mt19937 random(7);
  const int triples[][3] = {{3, 4, 5}, {5, 12, 13}, {8, 15, 17}, {7, 24, 25}};
  for (int i = 0; i < 3000; ++i) {
    std::array<Rational, 3> side = {RandomDecimal(random, 5, false),
                                    RandomDecimal(random, 5, false),
                                    RandomDecimal(random, 5, false)};
    if (i % 3 == 1) side[2] = side[0] + side[1];
    const Rational k = side[2];
    for (int j = 0; i % 3 == 2 && j < 3; ++j)
      side[j] = k * triples[i % 4][j];
    std::shuffle(side.begin(), side.end(), random);
    const auto [a, b, c] = side;
    const std::string where = Typed(a) + "; " + Typed(b) + "; " + Typed(c);
    const bool exists = 2 * std::max({a, b, c}) <= a + b + c;
    ASSERT_EQ(TriangleExists(ParseExact(Typed(a)), ParseExact(Typed(b)), ParseExact(Typed(c))),
              exists)
        << where;
    if (!exists) continue;
    if (sgn(a) == 0 || sgn(b) == 0 || sgn(c) == 0) {
      EXPECT_THROW(SolveTriangle(a, b, c), FloatError) << where;
      continue;
    }
    const TriangleSolution t =
        SolveTriangle(ParseExact(Typed(a)), ParseExact(Typed(b)), ParseExact(Typed(c)));
    const Rational S2 = (2 * (a * a * b * b + b * b * c * c + c * c * a * a) - a * a * a * a -
                         b * b * b * b - c * c * c * c) /
                        16;
    EXPECT_TRUE(Shows(Fixed(t.S, 4), 4, 0, 1, S2)) << where;
    EXPECT_TRUE(Shows(Fixed(t.P, 4), 4, a + b + c)) << where;
    // From A to BC, from B to AC, from C to AB; Y and Z meet at the vertex.
    const int opposite[] = {1, 2, 0};
    for (int v = 0; v < 3; ++v) {
      const int x = opposite[v];
      const Rational &X = side[x], &Y = side[x == 0 ? 1 : 0], &Z = side[x == 2 ? 1 : 2];
      const Rational pair = Y + Z;
      EXPECT_TRUE(Shows(Fixed(t.heights[v], 4), 4, 0, 1, 4 * S2 / (X * X))) << where;
      EXPECT_TRUE(Shows(Fixed(t.medians[v], 4), 4, 0, 1, (2 * Y * Y + 2 * Z * Z - X * X) / 4))
          << where;
      EXPECT_TRUE(
          Shows(Fixed(t.bisectors[v], 4), 4, 0, 1, Y * Z * (pair * pair - X * X) / (pair * pair)))
          << where;
    }
  }
}

TEST(CircleTest, LengthAndAreaWithThreeFourteen) {
  const struct {
    const char* r;
    const char* length;
    const char* area;
  } cases[] = {
      {"1", "6,28", "3,14"},
      {"2", "12,56", "12,56"},
      {"10", "62,80", "314,00"},
      {"100", "628,00", "3,14E04"},
      {"1000", "6280,00", "3,14E06"},
      {"10000", "6,28E04", "3,14E08"},
      {"0", "0,00", "0,00"},
      {"2,5", "15,70", "19,63"},
      {"-1", "-6,28", "3,14"},
      // Ties, half away from zero: 2,355, 3,925 and 94,985 exactly.
      {"0,375", "2,36", "0,44"},
      {"0,625", "3,93", "1,23"},
      {"5,5", "34,54", "94,99"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Fixed(CircleLength(ParseExact(c.r)), 4), c.length) << c.r;
    EXPECT_EQ(Fixed(DiscArea(ParseExact(c.r)), 4), c.area) << c.r;
  }
}

// Random decimal radii, small and large, against r·628/100 and r²·314/100.
TEST(CircleTest, AgreesWithARationalReference) {
  std::mt19937 random(8);
  for (int i = 0; i < 2000; ++i) {
    const Rational r = RandomDecimal(random, 1 + i % 9, false);
    const Rational typed = ParseExact(Typed(r));
    EXPECT_TRUE(Shows(Fixed(CircleLength(typed), 4), 4, r * 628 / 100)) << Typed(r);
    EXPECT_TRUE(Shows(Fixed(DiscArea(typed), 4), 4, r * r * 314 / 100)) << Typed(r);
  }
}

}  // namespace
}  // namespace kalkora
