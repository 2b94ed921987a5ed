// The quadratic equation, the triangle and the circle, as their pages write them: each value
// with FormatFixed (6 digits for the equation, 4 for the figures) and 2 decimals.
#include <gtest/gtest.h>

#include <string>

#include "common/Errors.h"
#include "equations/Quadratic.h"
#include "geometry/Circle.h"
#include "geometry/Triangle.h"
#include "numtext/NumText.h"

namespace kalkora {
namespace {

std::string Fixed(double value, int precision) {
  return FormatFixed(value, precision, 2);
}

TEST(SolveQuadraticTest, DiscriminantAndRootsAsThePageShowsThem) {
  const struct {
    double a, b, c;
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

TEST(SolveQuadraticTest, FloatFaults) {
  // An a that became 0 as a double divides 0 by 0; a discriminant beyond the doubles overflows.
  EXPECT_THROW(SolveQuadratic(0, 2, 0), FloatError);
  try {
    SolveQuadratic(1, 1e200, 0);
    FAIL() << "no error";
  } catch (const FloatError& e) {
    EXPECT_STREQ(e.what(), kOverflowMessage);
  }
}

TEST(TriangleTest, ElevenValuesAsThePageShowsThem) {
  const struct {
    Extended AB, BC, AC;
    const char* values;  // S P, heights, medians, bisectors (each AB, BC, AC)
  } cases[] = {
      {3, 4, 5, "6,00 12,00 4,00 3,00 2,40 4,27 3,61 2,50 4,22 3,35 2,42"},
      {5, 5, 6, "12,00 16,00 4,80 4,80 4,00 4,92 4,92 4,00 4,88 4,88 4,00"},
      {1, 1, 1, "0,43 3,00 0,87 0,87 0,87 0,87 0,87 0,87 0,87 0,87 0,87"},
      {1000, 1000, 1000,
       "4,33E05 3000,00 866,00 866,00 866,00 866,00 866,00 866,00 866,00 866,00 866,00"},
      {1, 2, 3, "0,00 6,00 0,00 0,00 0,00 2,50 2,00 0,50 2,40 1,50 0,00"},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(TriangleExists(c.AB, c.BC, c.AC));
    const TriangleSolution t = SolveTriangle(c.AB, c.BC, c.AC);
    std::string values = Fixed(t.S, 4) + " " + Fixed(t.P, 4);
    for (const auto* group : {&t.heights, &t.medians, &t.bisectors}) {
      for (const double v : *group)
        values += " " + Fixed(v, 4);
    }
    EXPECT_EQ(values, c.values);
  }
}

TEST(TriangleTest, ImpossibleAndZeroSides) {
  EXPECT_FALSE(TriangleExists(1, 1, 3));
  EXPECT_FALSE(TriangleExists(3, 1, 1));
  EXPECT_FALSE(TriangleExists(-1, 5, 5));
  for (const Extended side : {0.0L, 1.0L}) {
    ASSERT_TRUE(TriangleExists(0, side, side));
    try {
      SolveTriangle(0, side, side);
      ADD_FAILURE() << "no error for 0, " << static_cast<double>(side);
    } catch (const FloatError& e) {
      EXPECT_STREQ(e.what(), kInvalidOperationMessage);
    }
  }
}

TEST(CircleTest, LengthAndAreaWithThreeFourteen) {
  const struct {
    Extended r;
    const char* length;
    const char* area;
  } cases[] = {
      {1, "6,28", "3,14"},        {2, "12,56", "12,56"},        {10, "62,80", "314,00"},
      {100, "628,00", "3,14E04"}, {1000, "6280,00", "3,14E06"}, {10000, "6,28E04", "3,14E08"},
      {0, "0,00", "0,00"},        {2.5L, "15,70", "19,63"},     {-1, "-6,28", "3,14"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Fixed(CircleLength(c.r), 4), c.length) << static_cast<double>(c.r);
    EXPECT_EQ(Fixed(DiscArea(c.r), 4), c.area) << static_cast<double>(c.r);
  }
}

}  // namespace
}  // namespace kalkora
