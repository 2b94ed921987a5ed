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
       Formula() << Var("n") << Sup(Var("m")) << " " << Var("e") << Sup("x + 1"), "n^m e^(x + 1)"},
      {"indices lowered", Formula() << Indexed("x", "1") << ", " << Indexed("a", "n"), "x₁, aₙ"},
      {"index that has no lowered form", Indexed("S", "10,5"), "S_10,5"},
      {"atoms need no brackets", Formula() << Frac(Formula() << "Δ" << Var("x"), "Δ"), "Δx/Δ"},
      {"sums are bracketed", Frac("-3 + 1", "2·1"), "(-3 + 1)/(2·1)"},
      {"a leading minus is an atom", Frac("-3", "4"), "-3/4"},
      {"root of a sum", Formula() << "√" << Sqrt("25") << " " << Sqrt("9 + 16"), "√√25 √(9 + 16)"},
      {"determinant by rows", Formula() << Det({{"1", "2"}, {"3", "-4"}}), "|1 2; 3 -4|"},
      {"negative operand in brackets", Formula() << Operand("-3") << Sup("2") << Operand("5"),
       "(-3)²5"},
      {"index and exponent stacked", Formula() << "C" << Scripts("999", "500"), "C₉₉₉⁵⁰⁰"},
      {"a system behind a brace", Formula() << System({"x + y = 2", "2x + 2y = 4", "x − y = 0"}),
       "⎧ x + y = 2\n⎨ 2x + 2y = 4\n⎩ x − y = 0"},
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
  EXPECT_EQ(PlainText(SchoolSum().Term("-1").Term("-2").Written()), "−1 − 2");
  EXPECT_EQ(PlainText(SchoolSum().Term("-1", Var("x")).Term("1", Var("y")).Term("1").Written()),
            "−x + y + 1");
}

TEST(WorkingTest, SystemLinesAreIndentedTogether) {
  Working working = SolvedWorking("С");
  working.Math(Formula() << System({"x = 1", "y = 2"})).Answer("x = 1; y = 2");
  EXPECT_EQ(PlainText(working), "С\n  ⎧ x = 1\n  ⎩ y = 2\nОтвет: x = 1; y = 2\n");
}

TEST(WorkingTest, NumbersAsATextbookPrintsThem) {
  const std::pair<const char*, const char*> cases[] = {
      {"-3", "−3"},
      {"1234", "1234"},
      {"12345", "12\u2009345"},
      {"-1234567,25", "−1\u2009234\u2009567,25"},
      {"1,5E-7", "1,5·10⁻⁷"},
      {"-1E15", "−1·10¹⁵"},
      {"3,14E04", "3,14·10⁴"},
      {"1,5E-07", "1,5·10⁻⁷"},
      {"2E00", "2·10⁰"},
      {"−12\u2009345", "−12\u2009345"},
  };
  for (const auto& [shown, school] : cases)
    EXPECT_EQ(SchoolNumber(shown), school) << shown;
}

TEST(WorkingTest, ExactFormsAreSimplified) {
  const Rational half(1, 2);
  const struct {
    Surd value;
    const char* exact;
    const char* both;
    const char* withDecimal;
  } cases[] = {
      {Surd(Rational(5, 6), Rational(1, 6), 13), "(5 + √13)/6", "(5 ± √13)/6",
       "(5 + √13)/6 ≈ 1,43"},
      {Surd(0, 1, 2), "√2", "±√2", "√2 ≈ 1,41"},
      {Surd(0, -1, 52), "−2√13", "±2√13", "−2√13 ≈ −7,21"},
      {Surd(0, half, 73), "√73/2", "±√73/2", "√73/2 ≈ 4,27"},
      {Surd(1, -1, half), "(2 − √2)/2", "(2 ± √2)/2", "(2 − √2)/2 ≈ 0,29"},
      {Surd(3, 1, 16), "7", "7", "7"},
      {Surd(Rational(24, 5)), "24/5", "24/5", "24/5 = 4,8"},
      {Surd(Rational(-7, 3)), "−7/3", "−7/3", "−7/3 ≈ −2,33"},
      // A square factor larger than the trial divisors, beside a small prime.
      {Surd(0, 1, Rational(Integer(1000003) * 1000003 * 2)), "1\u2009000\u2009003√2",
       "±1\u2009000\u2009003√2", "1\u2009000\u2009003√2 ≈ 1\u2009414\u2009217,81"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PlainText(ExactForm(c.value)), c.exact) << c.exact;
    EXPECT_EQ(PlainText(PlusMinusForm(c.value)), c.both) << c.exact;
    EXPECT_EQ(PlainText(ExactThenDecimal(c.value, 2)), c.withDecimal) << c.exact;
  }
}

TEST(WorkingTest, WrittenTermsAndOperandsInSchoolNotation) {
  // A term already written takes only its sign: 2², not 1·2².
  EXPECT_EQ(PlainText(SchoolSum().Signed(true, Formula() << "2" << Sup("2")).Term("3").Written()),
            "−2² + 3");
  EXPECT_EQ(PlainText(SchoolSum().Term("3").Signed(true, "2").Signed(false, "5").Written()),
            "3 − 2 + 5");
  EXPECT_EQ(SchoolOperand("−3"), "(−3)");
  EXPECT_EQ(SchoolOperand("1·10²⁵⁰⁰"), "(1·10²⁵⁰⁰)");
  EXPECT_EQ(SchoolOperand("0,5"), "0,5");
}

}  // namespace
}  // namespace kalkora
