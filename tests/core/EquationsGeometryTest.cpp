// The quadratic equation, the triangle and the circle, as their pages write them: each value
// with FormatFixed (6 digits for the equation, 4 for the figures) and 2 decimals.
#include <gtest/gtest.h>

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

TEST(TriangleTest, ElevenValuesAsThePageShowsThem) {
  const struct {
    Rational AB, BC, AC;
    const char* values;  // S P, heights, medians, bisectors (each AB, BC, AC)
  } cases[] = {
      {3, 4, 5, "6,00 12,00 4,00 3,00 2,40 4,27 3,61 2,50 4,22 3,35 2,42"},
      {5, 5, 6, "12,00 16,00 4,80 4,80 4,00 4,92 4,92 4,00 4,88 4,88 4,00"},
      {1, 1, 1, "0,43 3,00 0,87 0,87 0,87 0,87 0,87 0,87 0,87 0,87 0,87"},
      {1000, 1000, 1000,
       "4,33E05 3000,00 866,00 866,00 866,00 866,00 866,00 866,00 866,00 866,00 866,00"},
      {1, 2, 3, "0,00 6,00 0,00 0,00 0,00 2,50 2,00 0,50 2,40 1,50 0,00"},
      // Degenerate with decimal sides, exactly so; the medians' ties 235,15, 140,35, 288,65 and
      // 123,35 go up.
      {ParseExact("343,9"), ParseExact("407,1"), ParseExact("63,2"),
       "0,00 814,20 0,00 0,00 0,00 235,20 140,40 375,50 109,40 0,00 372,80"},
      {ParseExact("110,2"), ParseExact("356,9"), ParseExact("467,1"),
       "0,00 934,20 0,00 0,00 0,00 412,00 288,70 123,40 404,60 178,30 0,00"},
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

}  // namespace
}  // namespace kalkora
