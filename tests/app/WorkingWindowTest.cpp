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
#include <iterator>
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

  ShowPage(PageId::Quadratic);
  Find<QLineEdit>("a")->setText(u"0"_s);
  Click("Tenliyinkoklerinitap");
  EXPECT_EQ(window->Text(),
            u"Квадратные уравнения\nПоследнее решение не удалось: если a = 0, то "
            u"это не квадратное уравнение\n"_s);
  Find<QLineEdit>("a")->setText(u"1"_s);
  Find<QLineEdit>("b")->setText(u"-3"_s);
  Find<QLineEdit>("c")->setText(u"2"_s);
  Click("Tenliyinkoklerinitap");
  EXPECT_TRUE(window->Text().contains(u"Ответ: x₁ = 2; x₂ = 1\n"_s))
      << window->Text().toStdString();

  // Back on a page with nothing solved, and the quadratic working is still there on return.
  ShowPage(PageId::Combinatorics);
  EXPECT_TRUE(window->Text().startsWith(u"Комбинаторика\n"_s));
  const QString quadratic = window->Text();
  ShowPage(PageId::Quadratic);
  EXPECT_NE(window->Text(), quadratic);
  EXPECT_TRUE(window->Text().contains(u"Ответ: x₁ = 2; x₂ = 1\n"_s));
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
  const std::pair<QString, QString> chosenAndSaved[] = {{u"ход"_s, u"ход.pdf"_s},
                                                        {u"ход."_s, u"ход.pdf"_s},
                                                        {u"отчёт.PDF"_s, u"отчёт.PDF"_s},
                                                        {u"решение.txt"_s, u"решение.txt"_s}};
  for (const auto& [chosen, saved] : chosenAndSaved) {
    QTemporaryDir dir;
    dialogs.fileNames = {dir.filePath(chosen)};
    window->PdfSaxlaClick();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{saved});
  }
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

// The controls of two pages: the quadratic equations' fields, roots and button right of their
// picture, and the polynomial's field, keys, buttons, results and note filling the page.
const std::vector<QRect> kQuadratic = {
    {421, 57, 113, 11}, {357, 91, 14, 11},   {357, 117, 15, 11},  {357, 144, 14, 11},
    {379, 88, 81, 24},  {379, 114, 81, 24},  {379, 140, 81, 24},  {511, 104, 27, 11},
    {511, 129, 27, 11}, {360, 184, 114, 11}, {497, 180, 111, 21}, {375, 284, 210, 28}};
const std::vector<QRect> kPolynomial = {{24, 34, 372, 24},   {62, 70, 188, 124}, {266, 70, 130, 70},
                                        {24, 208, 376, 44},  {24, 284, 372, 30}, {24, 332, 53, 11},
                                        {436, 228, 203, 120}};

TEST(PlaceWorkingWindowTest, BesideWhereThereIsRoomElseHidingTheFewestControls) {
  const QMargins frame(4, 28, 4, 4);
  const QSize wanted(560, 520), minimum(300, 220);
  enum Where { kRight, kLeft, kBelow, kLeast };  // of the page's controls, or the least hidden
  const struct {
    QRect screen;
    QPoint main;
    const std::vector<QRect>& page;
    Where where;
    bool whole, offMain;  // at the wanted size; clear of the main window
  } cases[] = {
      {{0, 0, 1920, 1040}, {611, 260}, kPolynomial, kRight, true, true},   // centred
      {{0, 0, 1920, 1040}, {1223, 100}, kPolynomial, kLeft, true, true},   // at the right edge
      {{0, 0, 1366, 736}, {334, 108}, kQuadratic, kRight, false, true},    // centred
      {{0, 0, 1366, 736}, {0, 108}, kQuadratic, kRight, true, true},       // at the left edge
      {{0, 0, 1366, 736}, {669, 0}, kPolynomial, kLeft, true, true},       // at the right edge
      {{0, 0, 1280, 800}, {290, 140}, kPolynomial, kRight, false, false},  // over its edge
      {{0, 0, 1024, 1280}, {163, 0}, kPolynomial, kBelow, true, true},     // upright
      {{0, 0, 913, 512}, {108, 0}, kQuadratic, kLeft, false, false},       // 1366x768 at 1.5
      {{0, 0, 913, 512}, {108, 0}, kPolynomial, kLeast, false, false},
      {{0, 0, 683, 384}, {-3, 0}, kQuadratic, kLeft, false, false},  // 1366x768 at 2
      {{0, 0, 683, 384}, {-3, 0}, kPolynomial, kLeast, false, false},
      {{1366, 0, 683, 384}, {1366, 0}, kPolynomial, kLeast, false, false},  // a second screen
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    const auto& c = cases[i];
    const QRect mainFrame(c.main, QSize(697, 519));
    // The page lies under the menu, the toolbar and the tabs, which are controls too.
    std::vector<QRect> controls{{c.main + QPoint(4, 28), QSize(689, 82)}};
    QRect page;
    for (const QRect& control : c.page) {
      controls.push_back(control.translated(c.main + QPoint(17, 110)));
      page |= controls.back();
    }
    const QRect placed = PlaceWorkingWindow(c.screen, mainFrame, controls, wanted, minimum, frame);
    const QRect outer = placed.marginsAdded(frame);
    const auto hidden = [&](const QRect& place) {
      std::pair<int, qint64> hides{0, 0};
      for (const QRect& control : controls) {
        const QRect part = place.intersected(control);
        hides.first += part.isEmpty() ? 0 : 1;
        hides.second += part.isEmpty() ? 0 : qint64{part.width()} * part.height();
      }
      return hides;
    };
    EXPECT_TRUE(c.screen.contains(outer)) << i;
    EXPECT_TRUE(placed.width() >= minimum.width() && placed.height() >= minimum.height()) << i;
    EXPECT_EQ(placed.size() == wanted, c.whole) << i;
    EXPECT_EQ(outer.intersects(mainFrame), !c.offMain) << i;
    EXPECT_TRUE(c.where != kRight || outer.left() > page.right()) << i;
    EXPECT_TRUE(c.where != kLeft || outer.right() < page.left()) << i;
    EXPECT_TRUE(c.where != kBelow || outer.top() > page.bottom()) << i;
    if (c.where != kLeast) {
      EXPECT_EQ(hidden(outer).first, 0) << i;
      continue;
    }
    // No place of the least size anywhere on the screen hides fewer controls, or less of them,
    // and growing it hid no more.
    const QSize size = minimum.grownBy(frame);
    std::pair<int, qint64> least{std::numeric_limits<int>::max(), 0};
    for (int y = c.screen.top(); y + size.height() - 1 <= c.screen.bottom(); ++y) {
      for (int x = c.screen.left(); x + size.width() - 1 <= c.screen.right(); ++x)
        least = std::min(least, hidden(QRect(QPoint(x, y), size)));
    }
    EXPECT_EQ(hidden(outer), least) << i;
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
  // At the width of its widest word the sentence takes lines of whole words, "y = -27, " one.
  double widest = 0;
  for (const char* word : {"Наименьшее ", "наибольшее ", "значения: "})
    widest = std::max(widest, LayOutFormula(Formula(word), fonts).width);
  std::string joined;
  for (const WorkingLayout::Line& line : LayOutWorking({working.lines[1]}, fonts, widest).lines)
    joined += PlainText(line.shown) + '|';
  EXPECT_NE(joined.find("|y = -27, |"), std::string::npos) << joined;
  joined.erase(std::remove(joined.begin(), joined.end(), '|'), joined.end());
  EXPECT_EQ(joined, PlainText(working.lines[1].formula));
}

TEST(FormulaLayoutTest, RunsWiderThanTheWidthBreakBetweenCharacters) {
  const FormulaFonts fonts(17);
  std::string digits, letters;
  for (int i = 0; i < 32767; ++i)
    digits += static_cast<char>('0' + (i * 7 + i / 10) % 10);
  for (int i = 0; i < 3000; ++i)
    letters += i % 2 == 0 ? "ж" : "·";
  const std::pair<WorkingLine, double> cases[] = {
      {{WorkingLine::Kind::Formula, Formula() << Var("x") << " = " << digits}, 500},
      {{WorkingLine::Kind::Prose, Formula("Ответ: " + digits.substr(0, 5000) + ".")}, 300},
      {{WorkingLine::Kind::Prose, Formula(letters)}, 200},
  };
  for (const auto& [line, width] : cases) {
    const WorkingLayout layout = LayOutWorking({line}, fonts, width);
    EXPECT_GT(layout.lines.size(), 5u) << width;
    std::string joined;
    for (const WorkingLayout::Line& laid : layout.lines) {
      EXPECT_LE(laid.left + laid.box.width, width) << width;
      const std::string text = PlainText(laid.shown);
      // Cut between characters, never inside one.
      EXPECT_EQ(QString::fromStdString(text).toStdString(), text) << width;
      joined += text;
    }
    EXPECT_EQ(joined, PlainText(line.formula)) << width;
  }
}

TEST(FormulaLayoutTest, LongNumbersBreakBetweenTheirGroupsOfDigits) {
  const FormulaFonts fonts(17);
  std::string groups = "135";
  for (int i = 0; i < 100; ++i)
    groups += "\u2009" + std::to_string(100 + i * 7 % 900);
  for (const WorkingLine& line :
       {WorkingLine{WorkingLine::Kind::Formula, Formula("C = " + groups)},
        WorkingLine{WorkingLine::Kind::Prose, Formula("Ответ: " + groups)}}) {
    const WorkingLayout layout = LayOutWorking({line}, fonts, 300);
    ASSERT_GT(layout.lines.size(), 3u);
    std::string joined;
    for (size_t i = 0; i < layout.lines.size(); ++i) {
      const std::string text = PlainText(layout.lines[i].shown);
      // Every line but the last ends after a whole group.
      if (i + 1 < layout.lines.size()) {
        EXPECT_TRUE(text.ends_with("\u2009")) << text;
      }
      joined += text;
    }
    EXPECT_EQ(joined, PlainText(line.formula));
  }
}

}  // namespace
}  // namespace kalkora::testing
