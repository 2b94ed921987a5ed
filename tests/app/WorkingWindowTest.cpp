// The working window: opened from the menu, following the page in front, copied and saved.
#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <string>

#include "app/WorkingWindow.h"
#include "app/widgets/FormulaLayout.h"
#include "tests/app/AppTest.h"

namespace kalkora::testing {
namespace {

class WorkingWindowTest : public WindowTest {
 protected:
  WorkingWindow* Open() {
    Find<QAction>("HellinGedisi")->trigger();
    return form->SolutionWindow();
  }
};

TEST_F(WorkingWindowTest, FollowsThePageInFrontAndItsSolves) {
  WorkingWindow* window = Open();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(Find<QAction>("HellinGedisi")->isChecked());
  EXPECT_EQ(window->Text(),
            u"Натуральные числа\n"_s + QString::fromUtf8(kNothingSolvedYet) + u'\n');

  form->Cebr()->setCurrentIndex(1);
  Find<QLineEdit>("a")->setText(u"0"_s);
  QTest::mouseClick(Find<QPushButton>("Tenliyinkoklerinitap"), Qt::LeftButton);
  EXPECT_EQ(window->Text(),
            u"Квадратные уравнения\nПоследнее решение не удалось: если a=0, то "
            u"эта не квадратное уранение\n"_s);
  Find<QLineEdit>("a")->setText(u"1"_s);
  Find<QLineEdit>("b")->setText(u"-3"_s);
  Find<QLineEdit>("c")->setText(u"2"_s);
  QTest::mouseClick(Find<QPushButton>("Tenliyinkoklerinitap"), Qt::LeftButton);
  EXPECT_TRUE(window->Text().contains(u"= 2,00\n"_s)) << window->Text().toStdString();

  // Back on a page with nothing solved, and the quadratic working is still there on return.
  form->Cebr()->setCurrentIndex(6);
  EXPECT_TRUE(window->Text().startsWith(u"Комбинаторика\n"_s));
  const QString quadratic = window->Text();
  form->Cebr()->setCurrentIndex(1);
  EXPECT_NE(window->Text(), quadratic);
  EXPECT_TRUE(window->Text().contains(u"= 2,00\n"_s));
  // A key typed forgets the roots, and the working with them.
  Type(Find<QLineEdit>("c"), u"1"_s);
  EXPECT_EQ(window->Text(),
            u"Квадратные уравнения\n"_s + QString::fromUtf8(kNothingSolvedYet) + u'\n');

  Find<QAction>("HellinGedisi")->trigger();
  EXPECT_FALSE(window->isVisible());
  EXPECT_FALSE(Find<QAction>("HellinGedisi")->isChecked());
}

TEST_F(WorkingWindowTest, CopiesAsTextAndSavesAsPdf) {
  WorkingWindow* window = Open();
  QTest::mouseClick(window->findChild<QPushButton*>(u"Kopyala"_s), Qt::LeftButton);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), window->Text());

  QTemporaryDir dir;
  const QString path = dir.filePath(u"ход.pdf"_s);
  dialogs.fileNames = {u""_s, path};
  auto* save = window->findChild<QPushButton*>(u"PdfSaxla"_s);
  QTest::mouseClick(save, Qt::LeftButton);  // cancelled: nothing written
  EXPECT_FALSE(QFile::exists(path));
  QTest::mouseClick(save, Qt::LeftButton);
  QFile pdf(path);
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  EXPECT_TRUE(pdf.readAll().startsWith("%PDF"));
  EXPECT_EQ(dialogs.fileDialogs.back(), u"save|Документ PDF (*.pdf)|Ход решения.pdf"_s);
  EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(WorkingWindowTest, APdfNameWithoutExtensionGetsOne) {
  WorkingWindow* window = Open();
  const struct {
    const char16_t* chosen;
    const char16_t* saved;
  } cases[] = {
      {u"ход", u"ход.pdf"},
      {u"ход.", u"ход.pdf"},
      {u"отчёт.PDF", u"отчёт.PDF"},
      {u"решение.txt", u"решение.txt"},
  };
  for (const auto& c : cases) {
    QTemporaryDir dir;
    dialogs.fileNames = {dir.filePath(QString::fromUtf16(c.chosen))};
    window->PdfSaxlaClick();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QString::fromUtf16(c.saved)});
  }
  EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST(FormulaLayoutTest, LongLinesBreakBetweenEqualitiesAndNeverInsideOne) {
  const FormulaFonts fonts(17);
  Working working;
  working.Math(Formula() << Var("S") << " = " << Sqrt("6·(6 − 3)·(6 − 4)·(6 − 5)") << " = "
                         << Sqrt("36") << " = 6,00");
  working.Prose("Наименьшее и наибольшее значения: y = -27, y = 48.");
  const double narrow =
      LayOutFormula(Formula() << Var("S") << " = " << Sqrt("6·(6 − 3)·(6 − 4)·(6 − 5)"), fonts)
          .width +
      40;
  const WorkingLayout formula = LayOutWorking({working.lines[0]}, fonts, narrow);
  // Two lines, the second starting with its "=" further in.
  ASSERT_EQ(formula.lines.size(), 2u);
  EXPECT_GT(formula.lines[1].left, formula.lines[0].left);
  // At the width of its widest word the sentence takes several lines, none of them breaking a
  // word or the equality "y = -27," (a word of its own).
  double widest = 0;
  for (const char* word :
       {"Наименьшее ", "и ", "наибольшее ", "значения: ", "y = -27, ", "y = 48."})
    widest = std::max(widest, LayOutFormula(Formula(word), fonts).width);
  const WorkingLayout prose = LayOutWorking({working.lines[1]}, fonts, widest);
  EXPECT_GT(prose.lines.size(), 2u);
  std::string joined;
  bool equalityWhole = false;
  for (const WorkingLayout::Line& line : prose.lines) {
    joined += PlainText(line.shown);
    equalityWhole = equalityWhole || PlainText(line.shown).find("y = -27,") != std::string::npos;
  }
  EXPECT_EQ(joined, PlainText(working.lines[1].formula));
  EXPECT_TRUE(equalityWhole);
}

TEST(FormulaLayoutTest, RunsWiderThanTheWidthBreakBetweenCharacters) {
  const FormulaFonts fonts(17);
  std::string digits;
  for (int i = 0; i < 32767; ++i)
    digits += static_cast<char>('0' + (i * 7 + i / 10) % 10);
  std::string letters;
  for (int i = 0; i < 3000; ++i)
    letters += i % 2 == 0 ? "ж" : "·";
  const struct {
    const char* name;
    WorkingLine line;
    double width;
  } cases[] = {
      {"a formula with a number",
       {WorkingLine::Kind::Formula, Formula() << Var("x") << " = " << digits},
       500},
      {"a formula with an index",
       {WorkingLine::Kind::Formula,
        Formula() << Var("S") << Sub(Var("n")) << " = " << digits.substr(0, 3000)},
       260},
      {"prose with a number",
       {WorkingLine::Kind::Prose,
        Formula("Число перестановок равно " + digits.substr(0, 5000) + ".")},
       300},
      {"prose of letters", {WorkingLine::Kind::Prose, Formula(letters)}, 200},
  };
  for (const auto& c : cases) {
    const WorkingLayout layout = LayOutWorking({c.line}, fonts, c.width);
    EXPECT_GT(layout.lines.size(), 5u) << c.name;
    EXPECT_LE(layout.width, c.width) << c.name;
    std::string joined;
    for (const WorkingLayout::Line& line : layout.lines) {
      EXPECT_LE(line.left + line.box.width, c.width) << c.name;
      const std::string text = PlainText(line.shown);
      // Cut between characters, never inside one.
      EXPECT_EQ(QString::fromStdString(text).toStdString(), text) << c.name;
      joined += text;
    }
    EXPECT_EQ(joined, PlainText(c.line.formula)) << c.name;
  }
}

}  // namespace
}  // namespace kalkora::testing
