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

TEST(SolutionStepsTest, CramerWorkedExamples) {
  const char* const head = "Система линейных уравнений\n";
  EXPECT_EQ(PlainText(Cramer({"1", "1", "1", "-1", "3", "1"})),
            std::string(head) +
                "  ⎧ x + y = 3\n  ⎩ x − y = 1\n"
                "\nГлавный определитель\n  Δ = |1 1; 1 −1| = 1·(−1) − 1·1 = −1 − 1 = −2\n"
                "Δ ≠ 0, поэтому система имеет единственное решение.\n"
                "\nОпределители неизвестных\n"
                "  Δx = |3 1; 1 −1| = 3·(−1) − 1·1 = −3 − 1 = −4\n"
                "  Δy = |1 3; 1 1| = 1·1 − 3·1 = 1 − 3 = −2\n"
                "\nНеизвестные по формулам Крамера\n"
                "  x = Δx/Δ = (−4)/(−2) = 2\n  y = Δy/Δ = (−2)/(−2) = 1\n"
                "\nПроверка\n  2 + 1 = 3 ✓\n  2 − 1 = 1 ✓\nОтвет: (2; 1)\n");
  EXPECT_EQ(PlainText(Cramer({"2", "1", "3", "3", "-1", "1", "-1", "2", "1", "1", "9", "8"})),
            std::string(head) +
                "  ⎧ 2x + 3y − z = 1\n  ⎨ x − y + 2z = 9\n  ⎩ 3x + y + z = 8\n"
                "\nГлавный определитель\n"
                "  Δ = |2 3 −1; 1 −1 2; 3 1 1| = "
                "2·(−1)·1 + 3·2·3 + (−1)·1·1 − (−1)·(−1)·3 − 2·2·1 − 3·1·1\n"
                "  = −2 + 18 − 1 − 3 − 4 − 3 = 5\n"
                "Δ ≠ 0, поэтому система имеет единственное решение.\n"
                "\nОпределители неизвестных\n"
                "  Δx = |1 3 −1; 9 −1 2; 8 1 1| = "
                "1·(−1)·1 + 3·2·8 + (−1)·9·1 − (−1)·(−1)·8 − 1·2·1 − 3·9·1\n"
                "  = −1 + 48 − 9 − 8 − 2 − 27 = 1\n"
                "  Δy = |2 1 −1; 1 9 2; 3 8 1| = "
                "2·9·1 + 1·2·3 + (−1)·1·8 − (−1)·9·3 − 2·2·8 − 1·1·1\n"
                "  = 18 + 6 − 8 + 27 − 32 − 1 = 10\n"
                "  Δz = |2 3 1; 1 −1 9; 3 1 8| = "
                "2·(−1)·8 + 3·9·3 + 1·1·1 − 1·(−1)·3 − 2·9·1 − 3·1·8\n"
                "  = −16 + 81 + 1 + 3 − 18 − 24 = 27\n"
                "\nНеизвестные по формулам Крамера\n"
                "  x = Δx/Δ = 1/5 = 0,2\n  y = Δy/Δ = 10/5 = 2\n  z = Δz/Δ = 27/5 = 5,4\n"
                "\nПроверка\n  2·0,2 + 3·2 − 5,4 = 1 ✓\n  0,2 − 2 + 2·5,4 = 9 ✓\n"
                "  3·0,2 + 2 + 5,4 = 8 ✓\nОтвет: (0,2; 2; 5,4)\n");
  const std::string singular =
      "Δ = 0, поэтому формулы Крамера неприменимы: единственного решения у системы нет. Есть ли "
      "решения вообще, решают ранг матрицы системы и ранг расширенной матрицы (с добавленным "
      "столбцом свободных членов).\n\nРанги матриц\n";
  EXPECT_EQ(PlainText(Cramer({"1", "2", "1", "2", "2", "4"})),
            std::string(head) +
                "  ⎧ x + y = 2\n  ⎩ 2x + 2y = 4\n"
                "\nГлавный определитель\n  Δ = |1 1; 2 2| = 1·2 − 1·2 = 2 − 2 = 0\n" +
                singular +
                "Коэффициенты при неизвестных второго уравнения — это коэффициенты первого, "
                "умноженные на 2.\n"
                "Коэффициенты первого уравнения не все равны 0 (при x стоит 1), поэтому ранг "
                "матрицы системы равен 1.\n"
                "Свободные члены с теми же множителями:\n  4 = 2·2\n"
                "Они пропорциональны так же, поэтому ранг расширенной матрицы тоже равен 1.\n"
                "Ранги равны, но меньше числа неизвестных (2), поэтому по теореме Кронекера — "
                "Капелли система совместна и имеет бесконечно много решений.\n"
                "Ответ: система имеет бесконечно много решений\n");
  EXPECT_EQ(PlainText(Cramer({"1", "3", "0,1", "0,3", "1", "2"})),
            std::string(head) +
                "  ⎧ x + 0,1y = 1\n  ⎩ 3x + 0,3y = 2\n"
                "\nГлавный определитель\n  Δ = |1 0,1; 3 0,3| = 1·0,3 − 0,1·3 = 0,3 − 0,3 = 0\n" +
                singular +
                "Коэффициенты при неизвестных второго уравнения — это коэффициенты первого, "
                "умноженные на 3.\n"
                "Коэффициенты первого уравнения не все равны 0 (при x стоит 1), поэтому ранг "
                "матрицы системы равен 1.\n"
                "Свободные члены с теми же множителями:\n  2 ≠ 3·1\n"
                "Они этой пропорции не подчиняются, поэтому ранг расширенной матрицы равен 2.\n"
                "Ранг расширенной матрицы больше ранга матрицы системы, поэтому по теореме "
                "Кронекера — Капелли система несовместна.\n"
                "Ответ: система не имеет решений\n");
}

TEST(SolutionStepsTest, CramerCases) {
  const char* const infinite = "Ответ: система имеет бесконечно много решений";
  const char* const none = "Ответ: система не имеет решений";
  const struct {
    std::vector<std::string> values;
    std::vector<std::string> lines;
  } cases[] = {
      // Lowest terms with the decimal, x without its 1, −x = 2 checked as 2, not −(−2).
      {{"3", "0", "0", "1", "7", "1"},
       {"  ⎧ 3x = 7", "  Δ = |3 0; 0 1| = 3·1 − 0·0 = 3 − 0 = 3", "  x = Δx/Δ = 7/3 ≈ 2,33",
        "  3·7/3 = 7 ✓", "  1 = 1 ✓", "Ответ: (7/3; 1)"}},
      {{"-1", "1", "3", "2", "2", "0"},
       {"  ⎧ −x + 3y = 2", "  x = Δx/Δ = 4/(−5) = −4/5 = −0,8", "  0,8 + 3·0,4 = 2 ✓",
        "  −0,8 + 2·0,4 = 0 ✓", "Ответ: (−0,8; 0,4)"}},
      {{"0,1", "0", "0", "3", "1", "1"},
       {"  x = Δx/Δ = 3/0,3 = 10", "  y = Δy/Δ = 0,1/0,3 = 1/3 ≈ 0,33", "Ответ: (10; 1/3)"}},
      // A short decimal keeps all its digits; powers of ten stand in brackets as factors.
      {{"1E-200", "0", "0", "1E-200", "4,425E-200", "1E-200"},
       {"  Δ = |1·10⁻²⁰⁰ 0; 0 1·10⁻²⁰⁰| = (1·10⁻²⁰⁰)·(1·10⁻²⁰⁰) − 0·0 = 1·10⁻⁴⁰⁰ − 0 = "
        "1·10⁻⁴⁰⁰",
        "  x = Δx/Δ = (4,425·10⁻⁴⁰⁰)/(1·10⁻⁴⁰⁰) = 177/40 = 4,425",
        "  (1·10⁻²⁰⁰)·4,425 = 4,425·10⁻²⁰⁰ ✓", "Ответ: (4,425; 1)"}},
      // A determinant of thousands of digits is rounded, and so are the unknowns then.
      {{"1E4000", "1", "1E-4000", "1E4000", "1", "1"},
       {"  Δ = |1·10⁴⁰⁰⁰ 1·10⁻⁴⁰⁰⁰; 1 1·10⁴⁰⁰⁰| = (1·10⁴⁰⁰⁰)·(1·10⁴⁰⁰⁰) − (1·10⁻⁴⁰⁰⁰)·1 = "
        "1·10⁸⁰⁰⁰ − 1·10⁻⁴⁰⁰⁰ ≈ 1·10⁸⁰⁰⁰",
        "  x = Δx/Δ = (1·10⁴⁰⁰⁰)/(1·10⁸⁰⁰⁰) ≈ 1·10⁻⁴⁰⁰⁰",
        "Точные значения неизвестных обращают каждое уравнение в верное равенство.",
        "Ответ: ≈ (1·10⁻⁴⁰⁰⁰; 1·10⁻⁴⁰⁰⁰)"}},
      // Thin spaces between the groups of long integers; a rounded value keeps its two decimals.
      {{"12345", "0", "0", "1", "-123456", "0,5"},
       {"  ⎧ 12\u2009345x = −123\u2009456",
        "  x = Δx/Δ = (−123\u2009456)/12\u2009345 = −41\u2009152/4115 ≈ −10,00",
        "Ответ: (−41\u2009152/4115; 0,5)"}},
      // Rank 0.
      {{"0", "0", "0", "0", "0", "0"},
       {"Все коэффициенты при неизвестных равны 0, поэтому ранг матрицы системы равен 0.",
        "Все свободные члены тоже равны 0, поэтому ранг расширенной матрицы равен 0.", infinite}},
      {{"0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "5"},
       {"  ⎩ 0 = 5",
        "Свободный член третьего уравнения равен 5 ≠ 0, поэтому ранг расширенной матрицы равен "
        "1.",
        none}},
      // Rank 1 of three: every equation is the first times a number, or is not.
      {{"1", "2", "3", "1", "2", "3", "1", "2", "3", "1", "2", "4"},
       {"Коэффициенты при неизвестных третьего уравнения — это коэффициенты первого, умноженные "
        "на 3.",
        "  2 = 2·1", "  4 ≠ 3·1", none}},
      {{"0", "0", "0", "0,2", "-0,1", "0,3", "0", "0", "0", "0,4", "-0,2", "0,6"},
       {"Коэффициенты при неизвестных второго уравнения — это коэффициенты первого, умноженные "
        "на −0,5.",
        "Коэффициенты первого уравнения не все равны 0 (при y стоит 0,2), поэтому ранг матрицы "
        "системы равен 1.",
        "  −0,2 = (−0,5)·0,4", "  0,6 = 1,5·0,4", infinite}},
      // Rank 2 of three: a nonzero minor of order 2, then Δx, Δy and Δz decide.
      {{"1", "2", "3", "4", "5", "6", "7", "8", "9", "1", "2", "3"},
       {"  |1 4; 2 5| = 1·5 − 4·2 = 5 − 8 = −3 ≠ 0",
        "Все они равны 0, поэтому ранг расширенной матрицы тоже равен 2.", infinite}},
      {{"1", "2", "3", "4", "5", "6", "7", "8", "9", "1", "2", "4"},
       {"  = 45 + 128 + 84 − 140 − 48 − 72 = −3",
        "Δx ≠ 0, поэтому ранг расширенной матрицы равен 3.", none}},
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
