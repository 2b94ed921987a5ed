// Cramer's rule for two and three unknowns, and the report's bytes.
#include "equations/Cramer.h"

#include <gtest/gtest.h>

#include "common/Cp1251.h"
#include "common/Errors.h"
#include "equations/CramerReport.h"
#include "numtext/NumText.h"

namespace kalkora {
namespace {

std::string Fixed(double value) {
  return FormatFixed(value, 4, 2);
}

TEST(CramerTest, TwoUnknownsAndTheFormsOfTheResults) {
  const struct {
    double a11, a21, a12, a22, b1, b2;
    const char* x;
    const char* y;
  } cases[] = {
      {1, 1, 1, -1, 3, 1, "2,00", "1,00"},
      {3, 0, 0, 1, 1, 1000, "0,33", "1000,00"},
      {1, 0, 0, 1, 10000, 12345, "1E04", "1,235E04"},
      {-3, 0, 0, 1, 0, 1, "0,00", "1,00"},  // x is 0 / -3, negative zero
  };
  for (const auto& c : cases) {
    const CramerSolution s = SolveCramer2(c.a11, c.a21, c.a12, c.a22, c.b1, c.b2);
    ASSERT_TRUE(s.Solvable);
    EXPECT_EQ(Fixed(s.x), c.x);
    EXPECT_EQ(Fixed(s.y), c.y);
  }
  EXPECT_FALSE(SolveCramer2(1, 2, 2, 4, 1, 1).Solvable);
  EXPECT_THROW(SolveCramer2(1e300, 0, 0, 1e300, 1, 1), FloatError);  // det beyond the doubles
}

TEST(CramerTest, ThreeUnknownsBySarrus) {
  // Arguments column by column: a11 a21 a31, a12 a22 a32, a13 a23 a33, b1 b2 b3.
  const CramerSolution first = SolveCramer3(1, 1, 1, 1, -1, 1, 1, 1, -1, 6, 2, 0);
  ASSERT_TRUE(first.Solvable);
  EXPECT_EQ(Fixed(first.x) + " " + Fixed(first.y) + " " + Fixed(first.z), "1,00 2,00 3,00");
  const CramerSolution second = SolveCramer3(2, 1, 3, 3, -1, 1, -1, 2, 1, 1, 9, 8);
  ASSERT_TRUE(second.Solvable);
  EXPECT_EQ(Fixed(second.x) + " " + Fixed(second.y) + " " + Fixed(second.z), "0,20 2,00 5,40");
  EXPECT_FALSE(SolveCramer3(1, 2, 3, 4, 5, 6, 7, 8, 9, 1, 2, 3).Solvable);
}

TEST(CramerReportTest, BytesForEachLayout) {
  const std::string head =
      "<<\xCA\xE0\xEB\xEA\xEE\xF0\xE0"
      "1.0>>\r\n" +
      Utf8ToCp1251("<<Решение системы линейных уравнений методом Крамера>>") + "\r\n" +
      std::string(75, '-') + "\r\n\r\n";
  LinearSystemTexts page;
  page.grid = {"1", "1", "", "1", "-1", "", "3", "1", "", "", "", ""};
  page.results = {"x=2,00", "y=1,00", "x3="};
  EXPECT_EQ(CramerReport(page), head);  // no box ticked: four lines
  page.twoUnknowns = true;
  EXPECT_EQ(CramerReport(page), head + "1x+1y=3\r\n1x-1y=1\r\n\r\nx=2,00\r\ny=1,00\r\n");
  page.twoUnknowns = false;
  page.threeUnknowns = true;
  page.grid = {"1", "1", "-4", "0", "-1", "1,5", "1", "1", "-1", "6", "2", "-2"};
  page.results = {"x=...", "y=...", "z=..."};
  EXPECT_EQ(CramerReport(page), head +
                                    "1x+0y+1z=6\r\n1x-1y+1z=2\r\n-4x+1,5y-1z=-2\r\n\r\n"
                                    "x=...\r\ny=...\r\nz=...\r\n");
  page.grid = {};
  EXPECT_EQ(CramerReport(page),
            head + "x+y+z=\r\nx+y+z=\r\nx+y+z=\r\n\r\nx=...\r\ny=...\r\nz=...\r\n");
}

}  // namespace
}  // namespace kalkora
