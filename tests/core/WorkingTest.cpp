#include <gtest/gtest.h>

#include "steps/SchoolNotation.h"
#include "steps/Working.h"

namespace kalkora {
namespace {

struct PlainCase {
  const char* name;
  Formula formula;
  const char* text;
};

TEST(WorkingTest, FormulasAsPlainText) {
  const PlainCase cases[] = {
      {"digit powers raised", Formula() << Var("b") << Sup("2") << " − 4" << Var("a") << Var("c"),
       "b² − 4ac"},
      {"n and minus raised", Formula() << Var("q") << Sup(Formula() << Var("n") << "−1"), "qⁿ⁻¹"},
      {"other powers with a caret",
       Formula() << Var("n") << Sup(Var("k")) << " " << Var("e") << Sup("x + 1"), "n^k e^(x + 1)"},
      {"indices lowered", Formula() << Indexed("x", "1") << ", " << Indexed("a", "n"), "x₁, aₙ"},
      {"index that has no lowered form", Indexed("S", "10,5"), "S_10,5"},
      {"atoms need no brackets", Formula() << Frac(Formula() << "Δ" << Var("x"), "Δ"), "Δx/Δ"},
      {"sums are bracketed", Frac("-3 + 1", "2·1"), "(-3 + 1)/(2·1)"},
      {"a leading minus is an atom", Frac("-3", "4"), "-3/4"},
      {"root of a sum", Formula() << "√" << Sqrt("25") << " " << Sqrt("9 + 16"), "√√25 √(9 + 16)"},
      {"determinant by rows", Formula() << Det({{"1", "2"}, {"3", "-4"}}), "|1 2; 3 -4|"},
      {"negative operand in brackets", Formula() << Operand("-3") << Sup("2") << Operand("5"),
       "(-3)²5"},
  };
  for (const PlainCase& c : cases) {
    EXPECT_EQ(PlainText(c.formula), c.text) << c.name;
  }
}

TEST(WorkingTest, PresentedLinesSayWhyThereIsNothing) {
  EXPECT_EQ(PlainText(PresentedLines(Working(), "Прогрессии")),
            std::string("Прогрессии\n") + kNothingSolvedYet + "\n");
  // The message follows a colon: a sentence starts small, a word in capitals stays.
  const struct {
    const char *message, *shown;
  } failures[] = {
      {"Division by zero", "division by zero"},
      {"Если a = 0, то это не квадратное уравнение", "если a = 0, то это не квадратное уравнение"},
      {"Радиус не может быть отрицательным", "радиус не может быть отрицательным"},
      {"Ёмкость", "ёмкость"},
      {"НОД не определён", "НОД не определён"},
      {"«1,5» — не целое число", "«1,5» — не целое число"},
  };
  for (const auto& f : failures) {
    EXPECT_EQ(PlainText(PresentedLines(FailedWorking({}, f.message), "Комбинаторика")),
              std::string("Комбинаторика\nПоследнее решение не удалось: ") + f.shown + "\n");
  }

  Working part = SolvedWorking("Часть");
  part.Math("1 + 1 = 2");
  Working whole = SolvedWorking("Целое");
  whole.Prose("Сначала:").Append(part).Append(FailedWorking("Потом", "ошибка"));
  EXPECT_EQ(PlainText(whole),
            "Целое\nСначала:\n\nЧасть\n  1 + 1 = 2\n\nПотом\nПоследнее решение не удалось: "
            "ошибка\n");
}

TEST(WorkingTest, LongSumsKeepTheirEnds) {
  SchoolSum sum;
  for (int i = 1; i <= 1000; ++i)
    sum.Term(std::to_string(i % 2 ? i : -i));
  EXPECT_EQ(PlainText(sum.Written()),
            "1 − 2 + 3 − 4 + 5 − 6 + 7 − 8 + 9 − 10 + 11 − 12 + 13 − 14 + 15 − 16 + 17 + … − 998 + "
            "999 − 1000");
  EXPECT_EQ(PlainText(SchoolSum().Term("-1").Term("-2").Written()), "-1 − 2");
}

}  // namespace
}  // namespace kalkora
