// Page 3 driven as a user would: the kind's boxes, the terms list and its rows, the spinner.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include "app/pages/Page.h"
#include "app/pages/ProgressionListModel.h"
#include "app/widgets/UniformListView.h"
#include "app/widgets/UpDown.h"
#include "tests/app/AppTest.h"

namespace kalkora::testing {
namespace {

class ProgressionsPageTest : public ActiveWindowTest {
 protected:
  void SetUp() override {
    ActiveWindowTest::SetUp();
    ShowPage(PageId::Progressions);
    list = Find<UniformListView>("ListBox1");
  }
  void Compute(const QString& n, const QString& step, const QString& first) {
    Field("Edit27")->setText(n);
    Field("Edit28")->setText(step);
    Field("Edit29")->setText(first);
    Click("NciHeddveCemleri");
  }
  QStringList Rows(int first, int count) {
    QStringList rows;
    for (int row = first; row < first + count && row < list->model()->rowCount(); ++row)
      rows << list->model()->index(row, 0).data().toString();
    return rows;
  }

  UniformListView* list = nullptr;
};

TEST_F(ProgressionsPageTest, TheBoxesChooseTheKindAndStartAfresh) {
  Click("NciHeddveCemleri");
  EXPECT_TRUE(Find<QLabel>("Silsilesec")->isVisible());
  Click("TntCheckBox7");
  EXPECT_FALSE(Find<QLabel>("Silsilesec")->isVisible());
  Compute(u"5"_s, u"3"_s, u"2"_s);
  Click("TntCheckBox8");
  EXPECT_FALSE(Find<QCheckBox>("TntCheckBox7")->isChecked());
  EXPECT_TRUE(Find<QCheckBox>("TntCheckBox8")->isChecked());
  EXPECT_EQ(
      (QStringList{Caption("Label31"), Caption("Label32"), Caption("Label33"), Caption("Label35")}),
      (QStringList{u"q="_s, u"b1="_s, u"b(1)=0"_s, u"S=0"_s}));
  EXPECT_EQ(
      (QStringList{Field("Edit27")->text(), Field("Edit28")->text(), Field("Edit29")->text()}),
      (QStringList{u"1"_s, u"0"_s, u"0"_s}));
  EXPECT_EQ(list->model()->rowCount(), 0);
  // Clicking the checked box unchecks it: no kind is chosen any more.
  Click("TntCheckBox8");
  Click("NciHeddveCemleri");
  EXPECT_TRUE(Find<QLabel>("Silsilesec")->isVisible());
  EXPECT_EQ(list->model()->rowCount(), 0);
}

TEST_F(ProgressionsPageTest, ANewRunShowsOnlyItsOwnRowsAndKeepsTheSelectedRow) {
  Click("TntCheckBox7");
  Compute(u"8"_s, u"1"_s, u"1"_s);
  list->setCurrentIndex(list->model()->index(2, 0));
  Compute(u"5"_s, u"3"_s, u"2"_s);
  EXPECT_EQ(Rows(0, 8),
            (QStringList{u"n=1:   2"_s, u"n=2:  5"_s, u"n=3:  8"_s, u"n=4:  11"_s, u"n=5:  14"_s}));
  EXPECT_EQ(list->currentIndex().row(), 2);
  EXPECT_TRUE(list->selectionModel()->isRowSelected(2, {}));
  EXPECT_EQ(Caption("Label33"), u"a(5)=14");
  EXPECT_EQ(Caption("Label35"), u"Сумма 5 членов:\nS=40");
  // Scrolled to the end of two billion rows, then three: the list scrolls no further than them.
  Compute(u"2147483647"_s, u"3"_s, u"2"_s);
  list->setFocus();
  QTest::keyClick(list, Qt::Key_End);
  Compute(u"3"_s, u"3"_s, u"2"_s);
  EXPECT_EQ(Rows(0, 4), (QStringList{u"n=1:   2"_s, u"n=2:  5"_s, u"n=3:  8"_s}));
  EXPECT_EQ(list->verticalScrollBar()->maximum(), 0);
  EXPECT_EQ(list->TopRow(), 0);
  Compute(u"1"_s, u"0"_s, u"007"_s);
  EXPECT_EQ(Caption("Label33"), u"a(1)=007");
  EXPECT_EQ(Rows(0, 1), QStringList{u"n=1:   7"_s});
  Click("HeddlerinSiyahisiniTemizle");
  EXPECT_EQ(list->model()->rowCount(), 0);
}

TEST_F(ProgressionsPageTest, SpinnerRecomputesAndNothingChangesForNoTerms) {
  Click("TntCheckBox8");
  Compute(u"4"_s, u"2"_s, u"1"_s);
  QToolButton* up = nullptr;
  for (QToolButton* arrow : Find<UpDown>("UpDown2")->findChildren<QToolButton*>())
    if (arrow->arrowType() == Qt::UpArrow) up = arrow;
  ASSERT_NE(up, nullptr);
  QTest::mouseClick(up, Qt::LeftButton);
  EXPECT_EQ(Caption("Label33"), u"b(5)=16");
  EXPECT_EQ(Caption("Label35"), u"Сумма 5 членов:\nS=31");
  Compute(u"0"_s, u"2"_s, u"1"_s);
  EXPECT_EQ(dialogs.messages, QStringList{u"Число членов n должно быть натуральным"_s});
  EXPECT_EQ(Caption("Label33"), u"b(5)=16");
  EXPECT_EQ(list->model()->rowCount(), 5);
}

TEST_F(ProgressionsPageTest, FieldsTakeDigitsAndEnterWalksToTheButton) {
  QLineEdit* n = Field("Edit27");
  n->setFocus();
  Type(n,
       u"\x16"
       u"2a-,"_s);  // Ctrl+V types its control code: nothing is pasted
  EXPECT_EQ(n->text(), u"12");
  QTest::keyClick(n, Qt::Key_Return);
  QTest::keyClick(Field("Edit28"), Qt::Key_Return);
  QTest::keyClick(Field("Edit29"), Qt::Key_Return);
  EXPECT_TRUE(Find<QPushButton>("NciHeddveCemleri")->hasFocus());
  EXPECT_EQ(Field("Edit28")->text(), u"0");
}

// d = -2 and q = 0,5 as typed: a sign and a decimal comma are kept and read as the numbers; terms
// that keep changing end at the most that are multiplied out, and the page says so.
TEST_F(ProgressionsPageTest, TypedSignsAndDecimalCommasAreTheNumbers) {
  Click("TntCheckBox7");
  for (const char* name : {"Edit28", "Edit29"}) {
    Field(name)->clear();
    Field(name)->setFocus();
    Type(Field(name), name == std::string("Edit28") ? u"-2a"_s : u"0,5"_s);
  }
  EXPECT_EQ(Field("Edit28")->text(), u"-2");
  Field("Edit27")->setText(u"3"_s);
  Click("NciHeddveCemleri");
  EXPECT_EQ(Rows(0, 3), (QStringList{u"n=1:   0,5"_s, u"n=2:  -1,5"_s, u"n=3:  -3,5"_s}));
  EXPECT_EQ(Caption("Label35"), u"Сумма 3 членов:\nS=-4,5");
  Click("TntCheckBox8");
  Compute(u"2147483647"_s, u"1,0000001"_s, u"1"_s);
  EXPECT_EQ(dialogs.messages, QStringList{u"Показаны члены с 1-го по 262144-й: остальные "
                                          u"вычислялись бы слишком долго"_s});
  EXPECT_EQ(list->model()->rowCount(), 262144);
  EXPECT_EQ(Caption("Label33"), u"b(262144)=1,02656091556193");
  EXPECT_EQ(Caption("Label35"), u"Сумма 262144 членов:\nS=265610,182180385");
  Compute(u"2147483647"_s, u"0,5"_s, u"-1"_s);  // the terms reach 0: known to the end
  EXPECT_EQ(Caption("Label33"), u"b(2147483647)=0");
  EXPECT_EQ(Caption("Label35"), u"Сумма 2147483647 членов:\nS=-2");
  EXPECT_EQ(dialogs.messages.size(), 1);
}

TEST_F(ProgressionsPageTest, AGeometricOverflowShowsTheSumOfTheRowsBeforeIt) {
  Click("TntCheckBox8");
  Compute(u"10"_s, u"2"_s, u"1"_s);
  Compute(u"20000"_s, u"2"_s, u"1"_s);
  EXPECT_EQ(dialogs.errors,
            QStringList{u"Переполнение: в вычислении получилось слишком большое число."_s});
  EXPECT_EQ(list->model()->rowCount(), 16383);
  EXPECT_EQ(Caption("Label33"), u"b(16383)=2,97432873839308E4931");
  EXPECT_EQ(Caption("Label35"), u"Сумма 16383 членов:\nS=5,94865747678616E4931");
}

// The rows and pixels above the last of two billion rows leave the 32-bit range.
TEST_F(ProgressionsPageTest, TheLastOfTwoBillionRowsStaysUnderEndPageDownTheWheelAndClicks) {
  Click("TntCheckBox7");
  Compute(u"2147483647"_s, u"1"_s, u"1"_s);
  constexpr int kLast = 2147483646;
  list->setFocus();
  QTest::keyClick(list, Qt::Key_End);
  QTest::keyClick(list, Qt::Key_PageDown);
  EXPECT_EQ(list->currentIndex().row(), kLast);
  const int top = list->TopRow();
  EXPECT_EQ(top, kLast + 1 - list->verticalScrollBar()->pageStep());
  const QPointF inside(5, 5);
  SendWheel(list->viewport(), inside, -120);
  EXPECT_EQ(list->TopRow(), top);
  // A click picks the row drawn under it, at the top and at the bottom of the screen.
  const int height = list->RowHeight();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(5, height / 2));
  EXPECT_EQ(list->currentIndex().row(), top);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                    QPoint(5, (kLast - top) * height + height / 2));
  EXPECT_EQ(list->currentIndex().row(), kLast);
  EXPECT_EQ(list->selectionModel()->selectedRows(), QModelIndexList{list->currentIndex()});
  EXPECT_EQ(list->currentIndex().data().toString(), u"n=2147483647:  2147483647");
  QTest::keyClick(list, Qt::Key_PageDown);
  QTest::keyClick(list, Qt::Key_Down);
  EXPECT_EQ(list->currentIndex().row(), kLast);
  EXPECT_EQ(list->TopRow(), top);
}

TEST_F(ProgressionsPageTest, TwoBillionTermsAreExactAndTypingFindsARow) {
  Click("TntCheckBox7");
  Compute(u"2147483647"_s, u"2147483647"_s, u"2147483647"_s);
  EXPECT_EQ(list->model()->rowCount(), 2147483647);
  EXPECT_EQ(Caption("Label33"), u"a(2147483647)=4611686014132420609");
  EXPECT_EQ(Caption("Label35"), u"Сумма 2147483647 членов:\nS=4951760152529835082242850816");
  list->setFocus();
  Type(list, u"1500000000"_s);
  EXPECT_EQ(list->currentIndex().row(), 1499999999);
  EXPECT_EQ(Rows(1499999999, 1), QStringList{u"n=1500000000:  3221225470500000000"_s});
  // Writing the rows again changes them all at once, without visiting each.
  Compute(u"2147483647"_s, u"1"_s, u"0"_s);
  EXPECT_EQ(Rows(1499999999, 1), QStringList{u"n=1500000000:  1499999999"_s});
}

// The row rule on its own, over two billion rows.
TEST(ProgressionListModelTest, TheRowsAreTheLastRunsAndTheSameTermsChangeNothing) {
  ProgressionListModel model;
  QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
  const auto run = [](std::int32_t first, std::int64_t n) {
    return std::make_shared<const Progression>(ProgressionKind::Arithmetic, first, 1, n);
  };
  const auto row = [&model](int r) { return model.index(r).data().toString(); };
  model.Write(run(0, 2147483647));
  EXPECT_EQ(row(2147483646), u"n=2147483647:  2147483646");
  model.Write(run(100, 10));
  EXPECT_EQ(model.rowCount(), 10);
  EXPECT_EQ(changed.count(), 1);
  model.Write(run(100, 10));  // the same rows: the view stays as it is
  model.Write(run(100, 12));  // two more of the same terms: only they come
  EXPECT_EQ(changed.count(), 1);
  EXPECT_EQ(model.rowCount(), 12);
  EXPECT_EQ(row(0), u"n=1:   100");
  EXPECT_EQ(row(11), u"n=12:  111");
  EXPECT_EQ(model.FirstRowStartingWith(u"11"_s), 10);
  EXPECT_EQ(model.FirstRowStartingWith(u"01"_s), -1);
  EXPECT_EQ(model.FirstRowStartingWith(u"2000000000"_s), -1);
}

TEST_F(ProgressionsPageTest, SolvesShowTheirWorkingAndNoKindFails) {
  const Page* page = form->findChild<Page*>(u"TntTabSheet4"_s);
  ASSERT_NE(page, nullptr);
  Click("TntCheckBox7");
  Compute(u"5"_s, u"3"_s, u"2"_s);
  EXPECT_EQ(PlainText(page->CurrentWorking().lines.back().formula), "Ответ: a₅ = 14; S₅ = 40");
  Click("TntCheckBox7");  // unchecked: no kind chosen
  Click("NciHeddveCemleri");
  EXPECT_EQ(page->CurrentWorking().state, Working::State::Failed);
  EXPECT_EQ(page->CurrentWorking().failure, "Выберите прогрессию");
}

}  // namespace
}  // namespace kalkora::testing
