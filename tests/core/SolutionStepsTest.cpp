// The worked solutions of the quadratic, linear systems, polynomial, triangle and circle pages:
// one example of each in full, then the cases where the notation is easy to get wrong.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "equations/CramerSteps.h"
#include "equations/QuadraticSteps.h"
#include "exact/Exact.h"
#include "geometry/Circle.h"
#include "geometry/CircleSteps.h"
#include "geometry/TriangleSteps.h"
#include "polynomials/Polynomial.h"
#include "polynomials/PolynomialSteps.h"

namespace kalkora {
namespace {

using ::testing::EndsWith;
using ::testing::HasSubstr;

Working Quadratic(const Rational& a, const Rational& b, const Rational& c) {
  return QuadraticSteps(a, b, c, SolveQuadratic(a, b, c));
}

Working Cramer(const std::vector<std::string>& texts) {
  std::vector<Rational> v;
  for (const std::string& text : texts)
    v.push_back(ParseExact(text));
  return CramerSteps(v, v.size() == 6 ? SolveCramer2(v[0], v[1], v[2], v[3], v[4], v[5])
                                      : SolveCramer3(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7],
                                                     v[8], v[9], v[10], v[11]));
}

Working Value(const std::string& polynomial, const Rational& x) {
  const std::vector<PolynomialTerm> terms = *ReadPolynomialNumbers(polynomial);
  return PolynomialValueSteps(terms, x, PolynomialValue(terms, x));
}

// Each of `lines` is a whole line of `working`, and the last of them ends it.
void ExpectLines(const Working& working, const std::vector<std::string>& lines) {
  const std::string text = "\n" + PlainText(working);
  for (const std::string& line : lines)
    EXPECT_THAT(text, HasSubstr("\n" + line + "\n"));
  EXPECT_THAT(text, EndsWith("\n" + lines.back() + "\n"));
}

TEST(SolutionStepsTest, QuadraticWorkedExample) {
  EXPECT_EQ(PlainText(Quadratic(1, -3, 2)),
            "Квадратное уравнение\n  x² − 3x + 2 = 0\n"
            "\nДискриминант\n  D = b² − 4ac\n  D = (-3)² − 4·1·2 = 1,00\n"
            "D > 0, поэтому уравнение имеет два различных корня.\n"
            "\nКорни\n  x₁,₂ = (−b ± √D)/2a\n"
            "  x₁ = (−(-3) + √1,00)/(2·1) = 2,00\n  x₂ = (−(-3) − √1,00)/(2·1) = 1,00\n");
}

TEST(SolutionStepsTest, QuadraticCases) {
  const struct {
    Rational a, b, c;
    std::vector<std::string> lines;
  } cases[] = {
      {-1, 3, -2, {"  −x² + 3x − 2 = 0", "  x₂ = (−3 − √1,00)/(2·(-1)) = 2,00"}},
      {1,
       2,
       1,
       {"D = 0, поэтому уравнение имеет один корень: x₁ = x₂.",
        "  x₂ = (−2 − √0,00)/(2·1) = -1,00"}},
      {3, 1, 0, {"  3x² + x = 0", "  x₂ = (−1 − √1,00)/(2·3) ≈ -0,33"}},
      // (x - 0,3)²: D is exactly 0.
      {1,
       ParseExact("-0,6"),
       ParseExact("0,09"),
       {"  D = (-0,6)² − 4·1·0,09 = 0,00", "D = 0, поэтому уравнение имеет один корень: x₁ = x₂.",
        "  x₂ = (−(-0,6) − √0,00)/(2·1) = 0,30"}},
      // A D beyond the 80-bit range, written exactly.
      {1,
       ParseExact("1E2500"),
       0,
       {"  D = 1E2500² − 4·1·0 = 1E5000", "  x₂ = (−1E2500 − √1E5000)/(2·1) = -1E2500"}},
      // No real root: the working ends at the sign of D, where the page shows "Нет корня".
      {1,
       0,
       1,
       {"  D = 0² − 4·1·1 = -4,00", "D < 0, поэтому уравнение не имеет действительных корней."}},
  };
  for (const auto& c : cases)
    ExpectLines(Quadratic(c.a, c.b, c.c), c.lines);
}

TEST(SolutionStepsTest, CramerWorkedExample) {
  EXPECT_EQ(PlainText(Cramer({"1", "1", "1", "-1", "3", "1"})),
            "Система линейных уравнений\n  x + y = 3\n  x − y = 1\n"
            "\nГлавный определитель\n  Δ = |1 1; 1 -1| = -2\n"
            "Δ ≠ 0, поэтому система имеет единственное решение.\n"
            "\nОпределители неизвестных\n  Δx = |3 1; 1 -1| = -4\n  Δy = |1 3; 1 1| = -2\n"
            "\nНеизвестные по формулам Крамера\n"
            "  x = Δx/Δ = -4/-2 = 2,00\n  y = Δy/Δ = -2/-2 = 1,00\n");
}

TEST(SolutionStepsTest, CramerCases) {
  // Δ = 0: the page computes no other determinant, and neither does the working.
  const char* const noSingle =
      "Δ = 0, поэтому система не имеет единственного решения: она либо несовместна, либо имеет "
      "бесконечно много решений.";
  const struct {
    std::vector<std::string> values;
    std::vector<std::string> lines;
  } cases[] = {
      {{"1", "2", "2", "4", "3", "6"}, {"  2x + 4y = 6", "  Δ = |1 2; 2 4| = 0", noSingle}},
      {{"1", "2", "3", "4", "5", "6", "7", "8", "9", "1", "2", "3"},
       {"  Δ = |1 4 7; 2 5 8; 3 6 9| = 0", noSingle}},
      {{"2", "1", "3", "3", "-1", "1", "-1", "2", "1", "1", "9", "8"},
       {"  2x + 3y − z = 1", "  Δz = |2 3 1; 1 -1 9; 3 1 8| = 27", "  z = Δz/Δ = 27/5 = 5,40"}},
      // The determinants are exact: a decimal system is singular when it is, and "=" stands
      // where the text is the value (0,1·3 is 0,3).
      {{"1", "3", "0,1", "0,3", "1", "2"}, {"  Δ = |1 0,1; 3 0,3| = 0", noSingle}},
      {{"0,1", "0", "0", "3", "1", "1"},
       {"  Δ = |0,1 0; 0 3| = 0,3", "  x = Δx/Δ = 3/0,3 = 10,00", "  y = Δy/Δ = 0,1/0,3 ≈ 0,33"}},
      {{"1E-200", "0", "0", "1E-200", "4,425E-200", "1E-200"},
       {"  Δ = |1E-200 0; 0 1E-200| = 1E-400", "  x = Δx/Δ = (4,425E-400)/(1E-400) ≈ 4,43",
        "  y = Δy/Δ = (1E-400)/(1E-400) = 1,00"}},
  };
  for (const auto& c : cases)
    ExpectLines(Cramer(c.values), c.lines);
}

TEST(SolutionStepsTest, TriangleWorkedExample) {
  EXPECT_EQ(PlainText(TriangleSteps(3, 4, 5, SolveTriangle(3, 4, 5))),
            "Треугольник по трём сторонам\n  AB = 3, BC = 4, AC = 5\n"
            "\nПроверка сторон\n"
            "Каждая сторона меньше суммы двух других, значит, треугольник существует:\n"
            "  3 < 4 + 5\n  4 < 3 + 5\n  5 < 3 + 4\n"
            "\nПлощадь по формуле Герона\n  p = (AB + BC + AC)/2 = (3 + 4 + 5)/2 = 6\n"
            "  S = √(p(p − AB)(p − BC)(p − AC)) = √(6·(6 − 3)·(6 − 4)·(6 − 5)) = 6,00\n"
            "\nПериметр\n  P = AB + BC + AC = 3 + 4 + 5 = 12,00\n"
            "\nВысоты\n  h_AB = 2S/AB = (2·6,00)/3 = 4,00\n  h_BC = 2S/BC = (2·6,00)/4 = 3,00\n"
            "  h_AC = 2S/AC = (2·6,00)/5 = 2,40\n"
            "\nМедианы\n  m_AB = ½√(2BC² + 2AC² − AB²) = ½√(2·4² + 2·5² − 3²) ≈ 4,27\n"
            "  m_BC = ½√(2AB² + 2AC² − BC²) = ½√(2·3² + 2·5² − 4²) ≈ 3,61\n"
            "  m_AC = ½√(2AB² + 2BC² − AC²) = ½√(2·3² + 2·4² − 5²) = 2,50\n"
            "\nБиссектрисы\n"
            "  l_AB = (√(BC·AC·(AB + BC + AC)·(BC + AC − AB)))/(BC + AC) = "
            "(√(4·5·(3 + 4 + 5)·(4 + 5 − 3)))/(4 + 5) ≈ 4,22\n"
            "  l_BC = (√(AB·AC·(AB + BC + AC)·(AB + AC − BC)))/(AB + AC) = "
            "(√(3·5·(3 + 4 + 5)·(3 + 5 − 4)))/(3 + 5) ≈ 3,35\n"
            "  l_AC = (√(AB·BC·(AB + BC + AC)·(AB + BC − AC)))/(AB + BC) = "
            "(√(3·4·(3 + 4 + 5)·(3 + 4 − 5)))/(3 + 4) ≈ 2,42\n");
  // A degenerate triangle passes the page's test, and the working says what it is.
  EXPECT_THAT(PlainText(TriangleSteps(1, 2, 3, SolveTriangle(1, 2, 3))),
              HasSubstr("Ни одна сторона не больше суммы двух других:\n  1 < 2 + 3\n"
                        "  2 < 1 + 3\n  3 = 1 + 2\nОдна сторона равна сумме двух других: "
                        "треугольник вырожденный.\n"));
  const Rational AB = ParseExact("343,9"), BC = ParseExact("407,1"), AC = ParseExact("63,2");
  EXPECT_THAT(PlainText(TriangleSteps(AB, BC, AC, SolveTriangle(AB, BC, AC))),
              HasSubstr("  407,1 = 343,9 + 63,2\n"));
}

TEST(SolutionStepsTest, CircleWorkedExamples) {
  EXPECT_EQ(PlainText(CircleLengthSteps(ParseExact("2,5"), CircleLength(ParseExact("2,5")))),
            "Длина окружности\n  C = 2πr ≈ 6,28·r\n  C ≈ 6,28·2,5 = 15,70\n");
  EXPECT_EQ(PlainText(DiscAreaSteps(100, DiscArea(100))),
            "Площадь круга\n  S = πr² ≈ 3,14·r²\n  S ≈ 3,14·100² = 3,14E04\n");
}

TEST(SolutionStepsTest, PolynomialWorkedExample) {
  EXPECT_EQ(PlainText(DerivativeSteps("3*x^2+5*x^1")),
            "Производная многочлена\n  f(x) = 3x² + 5x¹\n"
            "Производная каждого члена: (cx^e)′ = c·e·x^(e−1):\n"
            "  (3x²)′ = 3·2·x²⁻¹ = 6x¹\n  (5x¹)′ = 5·1·x¹⁻¹ = 5x⁰\n  f′(x) = 6x¹ + 5x⁰\n");
  EXPECT_EQ(PlainText(Value("3*x^2+5*x^1", 2)),
            "Значение многочлена\n  f(x) = 3x² + 5x¹\n  f(2) = 3·2² + 5·2¹ = 12 + 10 = 22\n");
}

TEST(SolutionStepsTest, PolynomialCases) {
  const struct {
    const char* polynomial;
    Rational x;
    std::vector<std::string> derivative;
    std::string value;
  } cases[] = {
      // A constant term and x^1: the derivative drops the constant, the value adds it.
      {"3*x^2-4*x^1+7",
       -2,
       {"  f(x) = 3x² − 4x¹ + 7", "  (-4x¹)′ = -4·1·x¹⁻¹ = -4x⁰", "  (7)′ = 0",
        "  f′(x) = 6x¹ − 4x⁰"},
       "  f(-2) = 3·(-2)² − 4·(-2)¹ + 7 = 12 + 8 + 7 = 27"},
      {"2*x^-1",
       2,
       {"  (2x⁻¹)′ = 2·(-1)·x⁽⁻¹⁾⁻¹ = -2x⁻²", "  f′(x) = −2x⁻²"},
       "  f(2) = 2·2⁻¹ = 1"},
      // Numbers alone: the derivative of a number, and the value their sum.
      {"-3+2",
       2,
       {"В записи нет переменной: это число, а производная числа равна 0.", "  f′(x) = 0"},
       "  f(2) = −3 + 2 = -1"},
      // Zero coefficients and a number among the terms; decimals exactly.
      {"3x^2+0*x^1+5",
       Rational(1, 2),
       {"Производная каждого члена: (cx^e)′ = c·e·x^(e−1), а производная числа равна 0:",
        "  (0x¹)′ = 0·1·x¹⁻¹ = 0", "  (5)′ = 0", "  f′(x) = 6x¹"},
       "  f(0,5) = 3·0,5² + 0·0,5¹ + 5 = 0,75 + 0 + 5 = 5,75"},
      // Values written rounded are approximately equal.
      {"x^2+1",
       ParseExact("1,23456789"),
       {"  f(x) = x² + 1", "  f′(x) = 2x¹"},
       "  f(1,23456789) = 1·1,23456789² + 1 ≈ 1,52415787501905 + 1 ≈ 2,52415787501905"},
  };
  for (const auto& c : cases) {
    ExpectLines(DerivativeSteps(c.polynomial), c.derivative);
    ExpectLines(Value(c.polynomial, c.x), {c.value});
  }
}

}  // namespace
}  // namespace kalkora
