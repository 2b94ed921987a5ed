// Cramer's rule for two and three unknowns, and the report's bytes.
#include "equations/Cramer.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "common/Cp1251.h"
#include "equations/CramerReport.h"
#include "exact/Exact.h"

namespace kalkora {
namespace {

// What the page does with its fields (column by column, as it reads them): "x=… y=… z=…", or
// whether a system without a single solution has none or infinitely many.
std::string Solve(const std::vector<std::string>& texts) {
  std::vector<Rational> v;
  for (const std::string& text : texts)
    v.push_back(ParseExact(text));
  const CramerSolution s = v.size() == 6 ? SolveCramer2(v[0], v[1], v[2], v[3], v[4], v[5])
                                         : SolveCramer3(v[0], v[1], v[2], v[3], v[4], v[5], v[6],
                                                        v[7], v[8], v[9], v[10], v[11]);
  if (!s.Solvable) {
    return s.Outcome == CramerOutcome::NoSolution ? "нет решений" : "бесконечно много";
  }
  std::string shown = "x=" + FormatFixed(s.x, 4, 2) + " y=" + FormatFixed(s.y, 4, 2);
  if (v.size() == 12) shown += " z=" + FormatFixed(s.z, 4, 2);
  return shown;
}

TEST(CramerTest, TwoAndThreeUnknownsAndTheFormsOfTheResults) {
  const struct {
    std::vector<std::string> fields;
    const char* shown;
  } cases[] = {
      {{"1", "1", "1", "-1", "3", "1"}, "x=2,00 y=1,00"},
      {{"3", "0", "0", "1", "1", "1000"}, "x=0,33 y=1000,00"},
      {{"1", "0", "0", "1", "10000", "12345"}, "x=1E04 y=1,235E04"},
      {{"-3", "0", "0", "1", "0", "1"}, "x=0,00 y=1,00"},  // x is 0 / -3
      {{"1", "2", "2", "4", "1", "1"}, "нет решений"},
      {{"1", "2", "1", "2", "2", "4"}, "бесконечно много"},  // x + y = 2, 2x + 2y = 4
      {{"0", "0", "0", "0", "0", "0"}, "бесконечно много"},
      {{"0", "0", "0", "0", "0", "1"}, "нет решений"},
      {{"1", "1", "1", "-1", "3", "1"}, "x=2,00 y=1,00"},
      {{"1", "2", "3", "4", "5", "6", "7", "8", "9", "1", "2", "3"}, "бесконечно много"},
      {{"1", "2", "3", "4", "5", "6", "7", "8", "9", "1", "2", "4"}, "нет решений"},
      // Rank 1: every equation is the first times a number.
      {{"1", "2", "3", "1", "2", "3", "1", "2", "3", "1", "2", "3"}, "бесконечно много"},
      {{"1", "2", "3", "1", "2", "3", "1", "2", "3", "1", "2", "4"}, "нет решений"},
      {{"0", "0", "1", "0", "0", "1", "0", "0", "1", "0", "0", "5"}, "бесконечно много"},
      // Decimal systems that are exactly singular: Δ is 0, not a rounding error of 1E-17.
      {{"1", "3", "0,1", "0,3", "1", "2"}, "нет решений"},
      {{"1", "3", "0,1", "0,3", "1", "3"}, "бесконечно много"},
      {{"2,3", "0,69", "1,7", "0,51", "1", "1"}, "нет решений"},
      {{"2,3", "0,69", "1,7", "0,51", "1", "0,3"}, "бесконечно много"},
      {{"0,1", "0,4", "0,7", "0,2", "0,5", "0,8", "0,3", "0,6", "0,9", "1", "2", "3"},
       "бесконечно много"},
      {{"1,1", "2", "0,33", "0,7", "3", "0,21", "1,3", "1", "0,39", "1", "2", "3"}, "нет решений"},
      {{"0,1", "0,2", "0,3", "0,2", "0,4", "0,6", "0,3", "0,6", "0,9", "0,1", "0,2", "0,3"},
       "бесконечно много"},
      // Far beyond the doubles, both ways: nothing underflows or overflows on the way.
      {{"1E-200", "1E-200", "1E-200", "-1E-200", "3E-200", "-1E-200"}, "x=1,00 y=2,00"},
      {{"1E300", "0", "0", "1E300", "1", "1"}, "x=0,00 y=0,00"},
      {{"1E-4000", "0", "0", "1", "1", "1"}, "x=1E4000 y=1,00"},
      // Ties go away from zero from the exact value: 4,425 is not 4,42499….
      {{"1", "0", "0", "1", "4,425", "-4,425"}, "x=4,43 y=-4,43"},
      {{"4", "0", "0", "8", "10,7", "1"}, "x=2,68 y=0,13"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Solve(c.fields), c.shown) << ::testing::PrintToString(c.fields);
}

// What the page shows, found by Gauss-Jordan elimination: the unknowns, or for a singular
// matrix whether an equation 0 = b with b ≠ 0 is left over.
std::string Eliminate(std::vector<std::vector<Rational>> rows) {
  const std::size_t n = rows.size();
  std::size_t rank = 0;
  for (std::size_t col = 0; col < n; ++col) {
    std::size_t pivot = rank;
    while (pivot < n && sgn(rows[pivot][col]) == 0)
      ++pivot;
    if (pivot == n) continue;
    std::swap(rows[rank], rows[pivot]);
    for (std::size_t r = 0; r < n; ++r) {
      const Rational factor = rows[r][col] / rows[rank][col];
      for (std::size_t c = col; c <= n && r != rank; ++c)
        rows[r][c] -= factor * rows[rank][c];
    }
    ++rank;
  }
  for (std::size_t r = rank; r < n; ++r) {
    if (sgn(rows[r][n]) != 0) return "нет решений";
  }
  if (rank < n) return "бесконечно много";
  const char* const names[] = {"x=", " y=", " z="};
  std::string shown;
  for (std::size_t r = 0; r < n; ++r)
    shown += names[r] + FormatFixed(Rational(rows[r][n] / rows[r][r]), 4, 2);
  return shown;
}

TEST(CramerTest, AgreesWithEliminationOnRandomDecimalSystems) {
  std::mt19937 random(20240521);
  const auto pick = [&](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
  };
  // Integers and 1 to 3 decimals, now and then a zero.
  const auto decimal = [&](int most) {
    const int powers[] = {1, 10, 100, 1000};
    Rational q(pick(0, 9) == 0 ? 0 : pick(-9999, 9999), powers[pick(0, most)]);
    q.canonicalize();
    return q;
  };
  int none = 0, infinite = 0;
  for (int round = 0; round < 3000; ++round) {
    const int n = 2 + round % 2;
    std::vector<std::vector<Rational>> rows(n);
    for (auto& row : rows) {
      for (int c = 0; c <= n; ++c)
        row.push_back(decimal(3));
    }
    // Every third system has its last equation's coefficients (and sometimes its right-hand
    // side) another's times a decimal: no single solution; every ninth has rank 1.
    if (round % 3 == 0) {
      const Rational factor = decimal(2);
      const bool rankOne = round % 9 == 0 && n == 3;
      for (int c = pick(0, 1) ? n : n - 1; c >= 0; --c) {
        rows[n - 1][c] = rows[0][c] * factor;
        if (rankOne) rows[1][c] = rows[0][c] * decimal(1);
      }
    }
    std::vector<std::string> fields;
    for (int c = 0; c <= n; ++c) {
      for (int r = 0; r < n; ++r)
        fields.push_back(FormatGeneral15(rows[r][c]));  // every digit: at most 8 of them
    }
    const std::string expected = Eliminate(rows);
    none += expected == "нет решений";
    infinite += expected == "бесконечно много";
    ASSERT_EQ(Solve(fields), expected) << ::testing::PrintToString(fields);
  }
  EXPECT_GE(none, 300);
  EXPECT_GE(infinite, 300);
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
