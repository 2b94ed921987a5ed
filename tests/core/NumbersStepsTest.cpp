// The worked solutions of the natural numbers, progressions and combinatorics pages: one whole
// working per page, then the cases at the edges by their formula lines, each ending in the number
// the page itself shows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formulas/MoyModul.h"
#include "numbers/Combinatorics.h"
#include "numbers/CombinatoricsSteps.h"
#include "numbers/NaturalNumbersSteps.h"
#include "numbers/ProgressionsSteps.h"
#include "numtext/NumText.h"

namespace kalkora {
namespace {

Working GcdLcm(std::int32_t a, std::int32_t b) {
  return GcdLcmSteps(a, b, Gcd(a, b), Lcm(a, b));
}
Working Factors(std::int32_t n) {
  return FactorisationSteps(n, Factorise(std::to_string(n), n));
}
Working Terms(ProgressionKind kind, std::int32_t first, std::int32_t step, std::int64_t n) {
  return ProgressionSteps(Progression(kind, first, step, n));
}
// The fields' texts as the page reads them.
Working Arithmetic(const char* first, const char* difference, std::int64_t n) {
  return ProgressionSteps(Progression::Arithmetic(ParseExact(first), ParseExact(difference), n));
}
Working Geometric(const char* first, const char* ratio, std::int64_t n) {
  return ProgressionSteps(Progression::Geometric(ParseFloat(first), ParseFloat(ratio), n));
}
// The working of a count as the page makes it.
Working Count(Working (*steps)(std::int32_t, std::int32_t, const Integer&, const std::string&),
              const CountOutcome& outcome) {
  return steps(outcome.k, outcome.n, outcome.count, outcome.result);
}
Working Count(Working (*steps)(std::int32_t, const Integer&, const std::string&),
              const CountOutcome& outcome) {
  return steps(outcome.n, outcome.count, outcome.result);
}
std::vector<std::string> FormulaLines(const Working& working) {
  std::vector<std::string> lines;
  for (const WorkingLine& line : working.lines) {
    if (line.kind == WorkingLine::Kind::Formula) lines.push_back(PlainText(line.formula));
  }
  return lines;
}

TEST(NumbersStepsTest, WorkedExamples) {
  EXPECT_EQ(PlainText(GcdLcm(12, 18)),
            "НОД и НОК чисел 12 и 18\n"
            "Алгоритм Евклида: делим большее число на меньшее с остатком, затем делитель — на "
            "остаток, пока остаток не станет равным 0:\n"
            "  18 = 12·1 + 6\n"
            "  12 = 6·2 + 0\n"
            "НОД равен последнему делителю:\n"
            "  НОД(12; 18) = 6\n"
            "НОК равно произведению чисел, делённому на их НОД:\n"
            "  НОК(12; 18) = (12·18)/6 = 216/6 = 36\n"
            "Ответ: НОД(12; 18) = 6, НОК(12; 18) = 36.\n");
  EXPECT_EQ(PlainText(Factors(360)),
            "Разложение числа 360 на простые множители\n"
            "Делим на наименьший простой делитель, пока частное не станет равным 1:\n"
            "  360 : 2 = 180\n  180 : 2 = 90\n  90 : 2 = 45\n  45 : 3 = 15\n  15 : 3 = 5\n"
            "  5 : 5 = 1\n"
            "Записываем делители произведением, одинаковые — степенью:\n"
            "  360 = 2³·3²·5\n"
            "Ответ: 360 = 2³·3²·5.\n");
  EXPECT_EQ(PlainText(Terms(ProgressionKind::Arithmetic, 2, 3, 5)),
            "Арифметическая прогрессия\n"
            "Дано: a₁ = 2; d = 3; n = 5.\n"
            "Формула n-го члена:\n"
            "  aₙ = a₁ + (n − 1)d\n"
            "  a₅ = 2 + (5 − 1)·3 = 14\n"
            "Сумма первых n членов:\n"
            "  Sₙ = (a₁ + aₙ)/2·n\n"
            "  S₅ = (2 + 14)/2·5 = 40\n"
            "Ответ: a₅ = 14; S₅ = 40\n");
  const CountOutcome c52 = Combinations("2", "5");
  EXPECT_EQ(PlainText(CombinationSteps(2, 5, c52.count, c52.result)),
            "Число сочетаний из 5 по 2\n"
            "  Cₙᵏ = n!/(k!(n − k)!)\n"
            "  C₅² = 5!/(2!·(5 − 2)!) = 5!/(2!·3!) = (4·5)/(1·2) = 10\n"
            "Ответ: C₅² = 10\n");
}

TEST(NumbersStepsTest, EdgeCasesEndInThePagesNumbers) {
  using Lines = std::vector<std::string>;
  const auto g = ProgressionKind::Geometric;
  const struct {
    Working working;
    Lines formulas;
  } cases[] = {
      {GcdLcm(-12, 18),
       {"18 = 12·1 + 6", "12 = 6·2 + 0", "НОД(−12; 18) = 6",
        "НОК(−12; 18) = (12·18)/6 = 216/6 = 36"}},
      // Euclid has nothing to divide by.
      {GcdLcm(0, 5), {"НОД(0; 5) = 5", "НОК(0; 5) = (0·5)/5 = 0/5 = 0"}},
      // The page's LCM is 64-bit: nothing wraps around.
      {GcdLcm(-2147483647 - 1, 6),
       {"2\u2009147\u2009483\u2009648 = 6·357\u2009913\u2009941 + 2", "6 = 2·3 + 0",
        "НОД(−2\u2009147\u2009483\u2009648; 6) = 2",
        "НОК(−2\u2009147\u2009483\u2009648; 6) = (2\u2009147\u2009483\u2009648·6)/2 = "
        "12\u2009884\u2009901\u2009888/2 = 6\u2009442\u2009450\u2009944"}},
      {GcdLcm(5, 17),
       {"17 = 5·3 + 2", "5 = 2·2 + 1", "2 = 1·2 + 0", "НОД(5; 17) = 1",
        "НОК(5; 17) = (5·17)/1 = 85"}},
      {Factors(7), {}},
      {Factors(-7), {"−7 = −1·7"}},
      {Factors(0), {}},
      {Factors(-12), {"12 : 2 = 6", "6 : 2 = 3", "3 : 3 = 1", "−12 = −1·2²·3"}},
      {Factors(-1), {"−1 = −1"}},
      {Terms(g, 5, 1, 4), {"bₙ = b₁·qⁿ⁻¹", "b₄ = 5·1³ = 5", "Sₙ = n·b₁", "S₄ = 4·5 = 20"}},
      {Terms(g, 3, -2, 5),
       {"bₙ = b₁·qⁿ⁻¹", "b₅ = 3·(−2)⁴ = 48", "Sₙ = (b₁(qⁿ − 1))/(q − 1)",
        "S₅ = (3·((−2)⁵ − 1))/(−2 − 1) = 33"}},
      {Terms(g, 1, 2, 70),
       {"bₙ = b₁·qⁿ⁻¹", "b₇₀ = 1·2⁶⁹ ≈ 5,90295810358706·10²⁰", "Sₙ = (b₁(qⁿ − 1))/(q − 1)",
        "S₇₀ = (1·(2⁷⁰ − 1))/(2 − 1) ≈ 1,18059162071741·10²¹"}},
      {Terms(g, 7, 0, 1), {"S₁ = b₁ = 7"}},
      // Signed and decimal inputs, with the page's own values.
      {Arithmetic("10", "-2", 6),
       {"aₙ = a₁ + (n − 1)d", "a₆ = 10 + (6 − 1)·(−2) = 0", "Sₙ = (a₁ + aₙ)/2·n",
        "S₆ = (10 + 0)/2·6 = 30"}},
      {Arithmetic("0,1", "0,2", 4),
       {"aₙ = a₁ + (n − 1)d", "a₄ = 0,1 + (4 − 1)·0,2 = 0,7", "Sₙ = (a₁ + aₙ)/2·n",
        "S₄ = (0,1 + 0,7)/2·4 = 1,6"}},
      {Geometric("1", "0,5", 4),
       {"bₙ = b₁·qⁿ⁻¹", "b₄ = 1·0,5³ = 0,125", "Sₙ = (b₁(qⁿ − 1))/(q − 1)",
        "S₄ = (1·(0,5⁴ − 1))/(0,5 − 1) = 1,875"}},
      {Count(PermutationSteps, Permutations("0")), {"Pₙ = n!", "P₀ = 0! = 1"}},
      {Count(PermutationSteps, Permutations("20")),
       {"Pₙ = n!",
        "P₂₀ = 20! = 1·2·3·…·20 = 2\u2009432\u2009902\u2009008\u2009176\u2009640\u2009000 ≈ "
        "2,43290200817664·10¹⁸"}},
      {Count(ArrangementSteps, Arrangements("2", "5")),
       {"Aₙᵏ = n!/((n − k)!)", "A₅² = 5!/((5 − 2)!) = 5!/3! = 4·5 = 20"}},
      {Count(ArrangementSteps, Arrangements("0", "5")),
       {"Aₙᵏ = n!/((n − k)!)", "A₅⁰ = 5!/((5 − 0)!) = 5!/5! = 120/120 = 1"}},
      {Count(CombinationSteps, Combinations("5", "5")),
       {"Cₙᵏ = n!/(k!(n − k)!)", "C₅⁵ = 5!/(5!·(5 − 5)!) = 5!/(5!·0!) = 120/(120·1) = 1"}},
      {Count(CombinationSteps, Combinations("3", "10")),
       {"Cₙᵏ = n!/(k!(n − k)!)",
        "C₁₀³ = 10!/(3!·(10 − 3)!) = 10!/(3!·7!) = (8·9·10)/(1·2·3) = 120"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.working.state, Working::State::Solved) << c.working.title;
    EXPECT_EQ(FormulaLines(c.working), c.formulas) << c.working.title;
  }
}

// Each progression's working ends in the answer the page shows, its numbers in school notation.
TEST(NumbersStepsTest, ProgressionAnswersNameTheTermAndTheSum) {
  const auto a = ProgressionKind::Arithmetic;
  const auto g = ProgressionKind::Geometric;
  const struct {
    Working working;
    const char* given;
    const char* answer;
  } cases[] = {
      {Terms(a, 2, 3, 5), "Дано: a₁ = 2; d = 3; n = 5.", "Ответ: a₅ = 14; S₅ = 40"},
      {Terms(a, 1000000, -3000000, 3),
       "Дано: a₁ = 1\u2009000\u2009000; d = −3\u2009000\u2009000; n = 3.",
       "Ответ: a₃ = −5\u2009000\u2009000; S₃ = −6\u2009000\u2009000"},
      {Terms(g, 7, 0, 1), "Дано: b₁ = 7; q = 0; n = 1.", "Ответ: b₁ = 7; S₁ = 7"},
      {Terms(g, 1, 2, 70), "Дано: b₁ = 1; q = 2; n = 70.",
       "Ответ: b₇₀ ≈ 5,90295810358706·10²⁰; S₇₀ ≈ 1,18059162071741·10²¹"},
      {Arithmetic("0,1", "-0,2", 4), "Дано: a₁ = 0,1; d = −0,2; n = 4.",
       "Ответ: a₄ = −0,5; S₄ = −0,8"},
  };
  for (const auto& c : cases) {
    ASSERT_FALSE(c.working.lines.empty());
    EXPECT_EQ(PlainText(c.working.lines.front().formula), c.given);
    EXPECT_EQ(PlainText(c.working.lines.back().formula), c.answer);
  }
  EXPECT_EQ(FormulaLines(Terms(a, 1000000, -3000000, 3))[1],
            "a₃ = 1\u2009000\u2009000 + (3 − 1)·(−3\u2009000\u2009000) = −5\u2009000\u2009000");
}

}  // namespace
}  // namespace kalkora
