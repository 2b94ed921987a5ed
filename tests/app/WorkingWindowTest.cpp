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
#include <limits>
#include <string>
#include <utility>
#include <vector>

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

TEST_F(WorkingWindowTest, OpensAgainWhereTheUserLeftIt) {
  WorkingWindow* window = Open();
  const QRect placed = window->geometry();
  Find<QAction>("HellinGedisi")->trigger();
  Open();
  EXPECT_EQ(window->geometry(), placed);
  const QRect moved(placed.topLeft() + QPoint(-40, 25), placed.size() - QSize(60, 30));
  window->setGeometry(moved);
  Find<QAction>("HellinGedisi")->trigger();
  form->move(form->pos() + QPoint(15, 10));  // the main window moves meanwhile
  Open();
  EXPECT_EQ(window->geometry(), moved);
}

// The controls of two pages as the forms place them: the quadratic equations' fields, roots and
// button right of their picture, and the polynomial's keys and results filling the page.
const std::vector<QRect> kQuadraticControls = {
    {421, 57, 113, 11}, {357, 91, 14, 11},   {357, 117, 15, 11},  {357, 144, 14, 11},
    {379, 88, 81, 24},  {379, 114, 81, 24},  {379, 140, 81, 24},  {511, 104, 27, 11},
    {511, 129, 27, 11}, {360, 184, 114, 11}, {497, 180, 111, 21}, {375, 284, 210, 28}};
const std::vector<QRect> kPolynomialControls = {
    {24, 38, 26, 11},   {62, 34, 334, 24},   {62, 70, 44, 28},    {110, 70, 44, 28},
    {158, 70, 44, 28},  {206, 70, 44, 28},   {62, 102, 44, 28},   {110, 102, 44, 28},
    {158, 102, 44, 28}, {206, 102, 44, 28},  {62, 134, 44, 28},   {110, 134, 44, 28},
    {158, 134, 44, 28}, {206, 134, 44, 28},  {62, 166, 44, 28},   {110, 166, 44, 28},
    {266, 70, 130, 30}, {266, 110, 130, 30}, {24, 208, 29, 11},   {70, 208, 330, 44},
    {24, 292, 14, 11},  {50, 288, 130, 24},  {266, 284, 130, 30}, {24, 332, 26, 11},
    {70, 332, 7, 11},   {436, 228, 64, 11},  {436, 248, 203, 100}};

TEST(PlaceWorkingWindowTest, BesideWhereThereIsRoomElseClearOfThePageElseHidingTheLeast) {
  const QMargins frame(4, 28, 4, 4);
  const QSize main(697, 519), wanted(560, 520), minimum(300, 220);
  enum class Where { Right, Left, Below, Least };
  const struct {
    const char* name;
    QRect screen;
    QPoint main;
    const std::vector<QRect>& page;
    Where where;     // of the page's controls
    bool wholeSize;  // at the wanted size
    bool offMain;    // clear of the whole main window
  } cases[] = {
      {"1920x1080, centred",
       {0, 0, 1920, 1040},
       {611, 260},
       kPolynomialControls,
       Where::Right,
       true,
       true},
      {"1920x1080, at the right edge",
       {0, 0, 1920, 1040},
       {1223, 100},
       kPolynomialControls,
       Where::Left,
       true,
       true},
      {"1366x768, centred",
       {0, 0, 1366, 736},
       {334, 108},
       kQuadraticControls,
       Where::Right,
       false,
       true},
      {"1366x768, at the left edge",
       {0, 0, 1366, 736},
       {0, 108},
       kQuadraticControls,
       Where::Right,
       true,
       true},
      {"1366x768, at the right edge",
       {0, 0, 1366, 736},
       {669, 0},
       kPolynomialControls,
       Where::Left,
       true,
       true},
      {"1280x800, little room beside",
       {0, 0, 1280, 800},
       {290, 140},
       kPolynomialControls,
       Where::Right,
       false,
       false},
      {"1024x1280 upright, at the top",
       {0, 0, 1024, 1280},
       {163, 0},
       kPolynomialControls,
       Where::Below,
       true,
       true},
      {"1366x768 at 1.5, over the picture below the menu",
       {0, 0, 913, 512},
       {108, 0},
       kQuadraticControls,
       Where::Left,
       false,
       false},
      {"1366x768 at 1.5",
       {0, 0, 913, 512},
       {108, 0},
       kPolynomialControls,
       Where::Least,
       false,
       false},
      {"1366x768 at 2, over the picture below the menu",
       {0, 0, 683, 384},
       {-3, 0},
       kQuadraticControls,
       Where::Left,
       false,
       false},
      {"1366x768 at 2", {0, 0, 683, 384}, {-3, 0}, kPolynomialControls, Where::Least, false, false},
      {"a second screen at 2",
       {1366, 0, 683, 384},
       {1366, 0},
       kPolynomialControls,
       Where::Least,
       false,
       false},
  };
  for (const auto& c : cases) {
    const QRect mainFrame(c.main, main);
    // The page lies under the menu, the toolbar and the tabs, which are controls too.
    std::vector<QRect> controls;
    QRect bounds;
    for (const QRect& control : c.page) {
      controls.push_back(control.translated(c.main + QPoint(17, 110)));
      bounds |= controls.back();
    }
    controls.emplace_back(c.main + QPoint(4, 28), QSize(689, 82));
    const QRect placed = PlaceWorkingWindow(c.screen, mainFrame, controls, wanted, minimum, frame);
    const QRect outer = placed.marginsAdded(frame);
    const auto hidden = [&](const QRect& place) {
      std::pair<int, qint64> hides{0, 0};
      for (const QRect& control : controls) {
        const QRect both = place.intersected(control);
        if (both.isEmpty()) continue;
        ++hides.first;
        hides.second += qint64{both.width()} * both.height();
      }
      return hides;
    };
    EXPECT_TRUE(c.screen.contains(outer)) << c.name;
    EXPECT_GE(placed.width(), minimum.width()) << c.name;
    EXPECT_GE(placed.height(), minimum.height()) << c.name;
    EXPECT_EQ(placed.size() == wanted, c.wholeSize) << c.name;
    EXPECT_EQ(outer.intersects(mainFrame), !c.offMain) << c.name;
    switch (c.where) {
      case Where::Right:
        EXPECT_GT(outer.left(), bounds.right()) << c.name;
        break;
      case Where::Left:
        EXPECT_LT(outer.right(), bounds.left()) << c.name;
        break;
      case Where::Below:
        EXPECT_GT(outer.top(), bounds.bottom()) << c.name;
        break;
      case Where::Least: {
        // No place of the least size anywhere on the screen hides fewer controls, or less of
        // them, and growing it hid no more.
        const QSize size = minimum.grownBy(frame);
        std::pair<int, qint64> least{std::numeric_limits<int>::max(), 0};
        for (int y = c.screen.top(); y + size.height() - 1 <= c.screen.bottom(); ++y) {
          for (int x = c.screen.left(); x + size.width() - 1 <= c.screen.right(); ++x)
            least = std::min(least, hidden(QRect(QPoint(x, y), size)));
        }
        EXPECT_EQ(hidden(outer), least) << c.name;
        break;
      }
    }
    if (c.where != Where::Least) {
      EXPECT_EQ(hidden(outer).first, 0) << c.name;
    }
  }
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
