// The worked solutions of the quadratic, linear systems, polynomial, triangle and circle pages:
// one example of each in full, then the cases where the notation is easy to get wrong.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cctype>
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
  EXPECT_EQ(PlainText(Quadratic(3, -5, 1)),
            "Квадратное уравнение\n  3x² − 5x + 1 = 0\n  a = 3; b = −5; c = 1\n"
            "\nДискриминант\n  D = b² − 4ac = (−5)² − 4·3·1 = 25 − 12 = 13\n"
            "D > 0, поэтому уравнение имеет два различных корня.\n"
            "\nКорни\n  x₁,₂ = (−b ± √D)/2a = (5 ± √13)/(2·3) = (5 ± √13)/6\n"
            "  x₁ = (5 + √13)/6 ≈ 1,434259\n  x₂ = (5 − √13)/6 ≈ 0,232408\n"
            "\nПроверка по теореме Виета\n  x₁ + x₂ = 5/3 = −b/a\n  x₁·x₂ = 1/3 = c/a\n"
            "Ответ: x₁ = (5 + √13)/6 ≈ 1,434259; x₂ = (5 − √13)/6 ≈ 0,232408\n");
}

TEST(SolutionStepsTest, QuadraticCases) {
  const struct {
    Rational a, b, c;
    std::vector<std::string> lines;
  } cases[] = {
      // Rational roots from a square D; an even b also gives D/4.
      {1,
       -6,
       5,
       {"  x² − 6x + 5 = 0", "  D = b² − 4ac = (−6)² − 4·1·5 = 36 − 20 = 16",
        "b — чётное число, поэтому можно взять k = b/2 = −3:",
        "  D/4 = k² − ac = (−3)² − 1·5 = 9 − 5 = 4",
        "  x₁,₂ = (−b ± √D)/2a = (6 ± √16)/(2·1) = (6 ± 4)/2", "  x₁ = (6 + 4)/2 = 5",
        "  x₂ = (6 − 4)/2 = 1", "  x₁ + x₂ = 6 = −b/a", "  x₁·x₂ = 5 = c/a",
        "Ответ: x₁ = 5; x₂ = 1"}},
      // A fraction first, then its decimal without trailing zeros.
      {2,
       -3,
       1,
       {"  D = b² − 4ac = (−3)² − 4·2·1 = 9 − 8 = 1", "  x₂ = (3 − 1)/4 = 1/2 = 0,5",
        "Ответ: x₁ = 1; x₂ = 1/2 = 0,5"}},
      // √8 = 2√2, and the 2 cancels.
      {1,
       -2,
       -1,
       {"  D = b² − 4ac = (−2)² − 4·1·(−1) = 4 + 4 = 8",
        "  D/4 = k² − ac = (−1)² − 1·(−1) = 1 + 1 = 2",
        "  x₁,₂ = (−b ± √D)/2a = (2 ± √8)/(2·1) = 1 ± √2", "  x₁ = 1 + √2 ≈ 2,414214",
        "  x₂ = 1 − √2 ≈ −0,414214", "  x₁ + x₂ = 2 = −b/a", "  x₁·x₂ = −1 = c/a",
        "Ответ: x₁ = 1 + √2 ≈ 2,414214; x₂ = 1 − √2 ≈ −0,414214"}},
      // a < 0: x₁ takes +√D and is the smaller root, as on the page.
      {-1,
       3,
       1,
       {"  −x² + 3x + 1 = 0", "  D = b² − 4ac = 3² − 4·(−1)·1 = 9 + 4 = 13",
        "  x₁,₂ = (−b ± √D)/2a = (−3 ± √13)/(2·(−1)) = (3 ± √13)/2",
        "  x₁ = (3 − √13)/2 ≈ −0,302776", "  x₂ = (3 + √13)/2 ≈ 3,302776", "  x₁ + x₂ = 3 = −b/a",
        "  x₁·x₂ = −1 = c/a", "Ответ: x₁ = (3 − √13)/2 ≈ −0,302776; x₂ = (3 + √13)/2 ≈ 3,302776"}},
      // (x − 0,3)²: D is exactly 0, and the root is written without √0.
      {1,
       ParseExact("-0,6"),
       ParseExact("0,09"),
       {"  x² − 0,6x + 0,09 = 0", "  D = b² − 4ac = (−0,6)² − 4·1·0,09 = 0,36 − 0,36 = 0",
        "D = 0, поэтому уравнение имеет один корень (два равных).",
        "  x = −b/2a = 0,6/(2·1) = 3/10 = 0,3", "  x₁ + x₂ = 0,6 = −b/a", "  x₁·x₂ = 0,09 = c/a",
        "Ответ: x = 3/10 = 0,3"}},
      {1, 2, 1, {"  x = −b/2a = −2/(2·1) = −1", "Ответ: x = −1"}},
      // b = 0: no −b in the numerator.
      {1,
       0,
       -4,
       {"  x² − 4 = 0", "  D = b² − 4ac = 0² − 4·1·(−4) = 16",
        "  x₁,₂ = (−b ± √D)/2a = ±√16/(2·1) = ±4/2", "  x₁ = 4/2 = 2", "  x₂ = (−4)/2 = −2",
        "Ответ: x₁ = 2; x₂ = −2"}},
      // No real root: the working ends at the sign of D, where the page shows that.
      {1,
       0,
       1,
       {"  D = b² − 4ac = 0² − 4·1·1 = −4",
        "D < 0, поэтому уравнение не имеет действительных корней.",
        "Ответ: действительных корней нет"}},
      // A decimal root of more than six places is written with all its digits.
      {1,
       ParseExact("-0,1234567"),
       0,
       {"  x₁ = (0,1234567 + 0,1234567)/2 = 0,1234567", "Ответ: x₁ = 0,1234567; x₂ = 0"}},
      // A D beyond the 80-bit range, written exactly with its power of ten.
      {1,
       ParseExact("1E2500"),
       0,
       {"  D = b² − 4ac = (1·10²⁵⁰⁰)² − 4·1·0 = 1·10⁵⁰⁰⁰",
        "  x₂ = (−1·10²⁵⁰⁰ − 1·10²⁵⁰⁰)/2 = −1·10²⁵⁰⁰", "Ответ: x₁ = 0; x₂ = −1·10²⁵⁰⁰"}},
  };
  for (const auto& c : cases)
    ExpectLines(Quadratic(c.a, c.b, c.c), c.lines);
  // Coefficients of fifteen digits: a radicand of a hundred digits is not worth writing out,
  // the roots are given by their decimals.
  const std::string text =
      PlainText(Quadratic(ParseExact("0,00000000001234"), ParseExact("737000000000,123"),
                          ParseExact("-76200000,0000045")));
  EXPECT_THAT(text, HasSubstr("\n  x₂ ≈ −5,97244732577085·10²²\n"));
  EXPECT_THAT(text, HasSubstr("\n  x₁ ≈ 0,000103392"));
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
            "  S = √(p(p − AB)(p − BC)(p − AC)) = √(6·(6 − 3)·(6 − 4)·(6 − 5)) = √36 = 6\n"
            "\nПериметр\n  P = AB + BC + AC = 3 + 4 + 5 = 12\n"
            "\nВысоты\n  AH₁ = hₐ = 2S/BC = (2·6)/4 = 3\n"
            "  BH₂ = h_b = 2S/AC = (2·6)/5 = 12/5 = 2,4\n  CH₃ = h_c = 2S/AB = (2·6)/3 = 4\n"
            "\nМедианы\n  AM₁ = mₐ = ½√(2AB² + 2AC² − BC²) = ½√(2·3² + 2·5² − 4²) = √13 ≈ 3,61\n"
            "  BM₂ = m_b = ½√(2AB² + 2BC² − AC²) = ½√(2·3² + 2·4² − 5²) = 5/2 = 2,5\n"
            "  CM₃ = m_c = ½√(2BC² + 2AC² − AB²) = ½√(2·4² + 2·5² − 3²) = √73/2 ≈ 4,27\n"
            "\nБиссектрисы\n"
            "  AT₁ = lₐ = (√(AB·AC·(AB + BC + AC)·(AB + AC − BC)))/(AB + AC) = "
            "(√(3·5·(3 + 4 + 5)·(3 + 5 − 4)))/(3 + 5) = 3√5/2 ≈ 3,35\n"
            "  BT₂ = l_b = (√(AB·BC·(AB + BC + AC)·(AB + BC − AC)))/(AB + BC) = "
            "(√(3·4·(3 + 4 + 5)·(3 + 4 − 5)))/(3 + 4) = 12√2/7 ≈ 2,42\n"
            "  CT₃ = l_c = (√(BC·AC·(AB + BC + AC)·(BC + AC − AB)))/(BC + AC) = "
            "(√(4·5·(3 + 4 + 5)·(4 + 5 − 3)))/(4 + 5) = 4√10/3 ≈ 4,22\n"
            "Ответ: S = 6,00; P = 12,00; AH₁ = 3,00; BH₂ = 2,40; CH₃ = 4,00; AM₁ ≈ 3,61; "
            "BM₂ = 2,50; CM₃ ≈ 4,27; AT₁ ≈ 3,35; BT₂ ≈ 2,42; CT₃ ≈ 4,22\n");
  EXPECT_EQ(PlainText(AbsentTriangleSteps(1, 1, 3, "Нет!")),
            "Треугольник по трём сторонам\nПоследнее решение не удалось: нет!\n"
            "  AB = 1, BC = 1, AC = 3\n"
            "\nПроверка сторон\nСторона AC больше суммы двух других:\n"
            "  AC > AB + BC, 3 > 1 + 1\n"
            "А в треугольнике каждая сторона меньше суммы двух других.\n"
            "Ответ: треугольника с такими сторонами не существует\n");
}

TEST(SolutionStepsTest, TriangleCases) {
  const Rational tenth(1, 10);
  const struct {
    Rational AB, BC, AC;
    std::vector<std::string> lines;  // the last one ends the working
  } cases[] = {
      {13,
       14,
       15,
       {"  S = √(p(p − AB)(p − BC)(p − AC)) = √(21·(21 − 13)·(21 − 14)·(21 − 15)) = √7056 = 84",
        "  BH₂ = h_b = 2S/AC = (2·84)/15 = 56/5 = 11,2",
        "  AM₁ = mₐ = ½√(2AB² + 2AC² − BC²) = ½√(2·13² + 2·15² − 14²) = 2√37 ≈ 12,17",
        "  CT₃ = l_c = (√(BC·AC·(AB + BC + AC)·(BC + AC − AB)))/(BC + AC) = "
        "(√(14·15·(13 + 14 + 15)·(14 + 15 − 13)))/(14 + 15) = 168√5/29 ≈ 12,95",
        "Ответ: S = 84,00; P = 42,00; AH₁ = 12,00; BH₂ = 11,20; CH₃ ≈ 12,92; AM₁ ≈ 12,17; "
        "BM₂ ≈ 11,24; CM₃ ≈ 12,97; AT₁ ≈ 12,09; BT₂ ≈ 11,22; CT₃ ≈ 12,95"}},
      {1,
       1,
       1,
       {"  p = (AB + BC + AC)/2 = (1 + 1 + 1)/2 = 1,5",
        "  S = √(p(p − AB)(p − BC)(p − AC)) = √(1,5·(1,5 − 1)·(1,5 − 1)·(1,5 − 1)) = √0,1875 = "
        "√3/4 ≈ 0,43",
        "  AH₁ = hₐ = 2S/BC = (2·√3/4)/1 = √3/2 ≈ 0,87",
        "Ответ: S ≈ 0,43; P = 3,00; AH₁ ≈ 0,87; BH₂ ≈ 0,87; CH₃ ≈ 0,87; AM₁ ≈ 0,87; BM₂ ≈ 0,87; "
        "CM₃ ≈ 0,87; AT₁ ≈ 0,87; BT₂ ≈ 0,87; CT₃ ≈ 0,87"}},
      {1000,
       1000,
       1000,
       {"  S = √(p(p − AB)(p − BC)(p − AC)) = √(1500·(1500 − 1000)·(1500 − 1000)·(1500 − 1000)) "
        "= √187\u2009500\u2009000\u2009000 = 250\u2009000√3 ≈ 433\u2009012,70",
        "Ответ: S ≈ 4,33·10⁵; P = 3000,00; AH₁ ≈ 866,00; BH₂ ≈ 866,00; CH₃ ≈ 866,00; "
        "AM₁ ≈ 866,00; BM₂ ≈ 866,00; CM₃ ≈ 866,00; AT₁ ≈ 866,00; BT₂ ≈ 866,00; CT₃ ≈ 866,00"}},
      // A degenerate triangle passes the page's test, and the working says what it is.
      {1,
       2,
       3,
       {"Ни одна сторона не больше суммы двух других:", "  3 = 1 + 2",
        "Сторона AC равна сумме двух других: треугольник вырожденный, его вершины лежат на одной "
        "прямой, площадь и высоты равны нулю.",
        "  S = √(p(p − AB)(p − BC)(p − AC)) = √(3·(3 − 1)·(3 − 2)·(3 − 3)) = √0 = 0",
        "Ответ: S = 0,00; P = 6,00; AH₁ = 0,00; BH₂ = 0,00; CH₃ = 0,00; AM₁ = 2,00; BM₂ = 0,50; "
        "CM₃ = 2,50; AT₁ = 1,50; BT₂ = 0,00; CT₃ = 2,40"}},
      {3439 * tenth,
       4071 * tenth,
       632 * tenth,
       {"  407,1 = 343,9 + 63,2", "  p = (AB + BC + AC)/2 = (343,9 + 407,1 + 63,2)/2 = 407,1",
        "  P = AB + BC + AC = 343,9 + 407,1 + 63,2 = 814,2",
        "Ответ: S = 0,00; P = 814,20; AH₁ = 0,00; BH₂ = 0,00; CH₃ = 0,00; AM₁ ≈ 140,40; "
        "BM₂ = 375,50; CM₃ ≈ 235,20; AT₁ = 0,00; BT₂ ≈ 372,80; CT₃ ≈ 109,40"}},
  };
  for (const auto& c : cases)
    ExpectLines(TriangleSteps(c.AB, c.BC, c.AC, SolveTriangle(c.AB, c.BC, c.AC)), c.lines);
  ExpectLines(AbsentTriangleSteps(-1, 5, 5, "Нет!"),
              {"Длина стороны не бывает отрицательной, а AB = −1.", "  BC > AB + AC, 5 > −1 + 5",
               "Ответ: треугольника с такими сторонами не существует"});
}

TEST(SolutionStepsTest, CircleWorkedExamples) {
  EXPECT_EQ(PlainText(CircleLengthSteps(5, CircleLength(5))),
            "Длина окружности\n  C = 2πR = 2π·5 = 10π ≈ 31,4\n"
            "Программа считает с π ≈ 3,14, то есть с 6,28 вместо 2π:\n  C = 6,28·5 = 31,4\n"
            "Ответ: C ≈ 31,40\n");
  EXPECT_EQ(PlainText(DiscAreaSteps(5, DiscArea(5))),
            "Площадь круга\n  S = πR² = π·5² = 25π ≈ 78,5\n"
            "Программа считает с π ≈ 3,14:\n  S = 3,14·5² = 78,5\nОтвет: S ≈ 78,50\n");
}

TEST(SolutionStepsTest, CircleCases) {
  const struct {
    const char* r;
    bool disc;
    std::vector<std::string> lines;
  } cases[] = {
      {"1", false, {"  C = 2πR = 2π·1 = 2π ≈ 6,28", "  C = 6,28·1 = 6,28", "Ответ: C ≈ 6,28"}},
      {"1", true, {"  S = πR² = π·1² = π ≈ 3,14", "  S = 3,14·1² = 3,14", "Ответ: S ≈ 3,14"}},
      {"2,5",
       false,
       {"  C = 2πR = 2π·2,5 = 5π ≈ 15,7", "  C = 6,28·2,5 = 15,7", "Ответ: C ≈ 15,70"}},
      // The true π to as many digits as the page's value has, at most two.
      {"0,375",
       false,
       {"  C = 2πR = 2π·0,375 = 0,75π ≈ 2,36", "  C = 6,28·0,375 = 2,355", "Ответ: C ≈ 2,36"}},
      {"100",
       true,
       {"  S = πR² = π·100² = 10\u2009000π ≈ 31\u2009416", "  S = 3,14·100² = 31\u2009400",
        "Ответ: S ≈ 3,14·10⁴"}},
      {"0", false, {"  C = 2πR = 2π·0 = 0", "  C = 6,28·0 = 0", "Ответ: C = 0,00"}},
  };
  for (const auto& c : cases) {
    const Rational r = ParseExact(c.r);
    ExpectLines(c.disc ? DiscAreaSteps(r, DiscArea(r)) : CircleLengthSteps(r, CircleLength(r)),
                c.lines);
  }
}

TEST(SolutionStepsTest, PolynomialWorkedExample) {
  EXPECT_EQ(PlainText(DerivativeSteps("2*x^3-x+3")),
            "Производная многочлена\n  f(x) = 2x³ − x + 3\n"
            "Производная каждого члена: (c·xⁿ)′ = c·n·xⁿ⁻¹, а производная числа равна 0:\n"
            "  (2x³)′ = 2·3·x² = 6x²\n  (−x)′ = −1\n  (3)′ = 0\n  f′(x) = 6x² − 1\n"
            "Ответ: f′(x) = 6x² − 1\n");
  EXPECT_EQ(PlainText(Value("2*x^3-x+3", 2)),
            "Значение многочлена\n  f(x) = 2x³ − x + 3\n"
            "  f(2) = 2·2³ − 2 + 3 = 16 − 2 + 3 = 17\nОтвет: f(2) = 17\n");
}

TEST(SolutionStepsTest, PolynomialCases) {
  const struct {
    const char* polynomial;
    Rational x;
    std::vector<std::string> derivative;
    std::vector<std::string> value;
  } cases[] = {
      // x for x¹ and a number for x⁰, in the polynomial and in its derivative.
      {"3*x^2+5*x^1",
       2,
       {"  f(x) = 3x² + 5x", "  (3x²)′ = 3·2·x = 6x", "  (5x)′ = 5·1 = 5", "  f′(x) = 6x + 5",
        "Ответ: f′(x) = 6x + 5"},
       {"  f(2) = 3·2² + 5·2 = 12 + 10 = 22", "Ответ: f(2) = 22"}},
      {"3*x^2-4*x^1+7",
       -2,
       {"  f(x) = 3x² − 4x + 7", "  (−4x)′ = −4·1 = −4", "  (7)′ = 0", "  f′(x) = 6x − 4",
        "Ответ: f′(x) = 6x − 4"},
       {"  f(−2) = 3·(−2)² − 4·(−2) + 7 = 12 + 8 + 7 = 27", "Ответ: f(−2) = 27"}},
      {"-x^3+5*x^0",
       -1,
       {"  f(x) = −x³ + 5", "  (−x³)′ = −3x²", "  (5)′ = 0", "Ответ: f′(x) = −3x²"},
       {"  f(−1) = −(−1)³ + 5 = 1 + 5 = 6", "Ответ: f(−1) = 6"}},
      // A value that no decimal writes: the fraction, then the page's decimal.
      {"2*x^-1",
       3,
       {"  (2x⁻¹)′ = 2·(−1)·x⁻² = −2x⁻²", "Ответ: f′(x) = −2x⁻²"},
       {"  f(3) = 2·3⁻¹ = 2/3 ≈ 0,666666666666667", "Ответ: f(3) = 2/3 ≈ 0,666666666666667"}},
      {"4*x^0,5",
       4,
       {"  (4x^0,5)′ = 4·0,5·x^(−0,5) = 2x^(−0,5)", "Ответ: f′(x) = 2x^(−0,5)"},
       {"  f(4) = 4·4^0,5 = 8", "Ответ: f(4) = 8"}},
      // Numbers alone: the derivative of a number, and the value their sum.
      {"-3+2",
       2,
       {"В записи нет переменной: это число, а производная числа равна 0.", "  f′(x) = 0",
        "Ответ: f′(x) = 0"},
       {"  f(2) = −3 + 2 = −1", "Ответ: f(2) = −1"}},
      // Zero coefficients and a number among the terms; decimals exactly.
      {"3x^2+0*x^1+5",
       Rational(1, 2),
       {"  (0x)′ = 0", "  (5)′ = 0", "  f′(x) = 6x", "Ответ: f′(x) = 6x"},
       {"  f(0,5) = 3·0,5² + 0·0,5 + 5 = 0,75 + 0 + 5 = 5,75", "Ответ: f(0,5) = 5,75"}},
      // Values written rounded are approximately equal.
      {"x^2+1",
       ParseExact("1,23456789"),
       {"  f(x) = x² + 1", "  (x²)′ = 2x", "  f′(x) = 2x", "Ответ: f′(x) = 2x"},
       {"  f(1,23456789) = 1,23456789² + 1 ≈ 1,52415787501905 + 1 ≈ 2,52415787501905",
        "Ответ: f(1,23456789) ≈ 2,52415787501905"}},
  };
  for (const auto& c : cases) {
    ExpectLines(DerivativeSteps(c.polynomial), c.derivative);
    ExpectLines(Value(c.polynomial, c.x), c.value);
  }
  EXPECT_THAT(PlainText(DerivativeSteps("x")),
              EndsWith("\n  f′(x) = (x)′ = 1\nОтвет: f′(x) = 1\n"));
}

}  // namespace
}  // namespace kalkora

namespace kalkora {
namespace {

// Negative numbers everywhere: the workings write the minus sign, never a hyphen before a digit,
// and each ends in its answer.
TEST(SolutionStepsTest, NegativeNumbersTakeTheMinusSign) {
  const Working workings[] = {
      Quadratic(-1, -3, -2),
      Quadratic(2, ParseExact("-0,5"), -3),
      Cramer({"-1", "2", "3", "-4", "-5", "6"}),
      Cramer({"-2", "1", "3", "3", "-1", "1", "-1", "2", "-1", "-1", "-9", "8"}),
      DerivativeSteps("-3*x^-2-2*x^1,5+x"),
      Value("-3*x^2-2", -2),
      AbsentTriangleSteps(-1, 5, 5, "Нет!"),
  };
  for (const Working& working : workings) {
    const std::string text = PlainText(working);
    for (std::size_t at = text.find('-'); at != std::string::npos; at = text.find('-', at + 1)) {
      EXPECT_FALSE(at + 1 < text.size() && std::isdigit(static_cast<unsigned char>(text[at + 1])))
          << text;
    }
    EXPECT_THAT(text, HasSubstr("\nОтвет: ")) << text;
  }
}

}  // namespace
}  // namespace kalkora
