// Page 0 driven as a user would: typing into the fields, clicking, reading labels and lists.
#include <QAbstractItemModel>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

#include "app/pages/Page.h"
#include "app/widgets/ResultLabel.h"
#include "app/widgets/UniformListView.h"
#include "app/widgets/UpDown.h"
#include "tests/app/AppTest.h"

namespace kalkora::testing {
namespace {

class NaturalNumbersPageTest : public ActiveWindowTest {
 protected:
  void Enter(const char* field, const QString& text) { Field(field)->setText(text); }
  QStringList History() {
    QStringList lines;
    auto* list = Find<QListWidget>("Ayrilislar");
    for (int i = 0; i < list->count(); ++i)
      lines << list->item(i)->text();
    return lines;
  }
  QStringList Primes(int first, int count) {
    QAbstractItemModel* model = Find<UniformListView>("SadeEdedlerinSiyahisi")->model();
    QStringList rows;
    for (int row = first; row < first + count && row < model->rowCount(); ++row) {
      rows << model->index(row, 0).data().toString();
    }
    return rows;
  }
  int PrimeCount() { return Find<UniformListView>("SadeEdedlerinSiyahisi")->model()->rowCount(); }
};

TEST_F(NaturalNumbersPageTest, StartsWithItsInitialTexts) {
  EXPECT_EQ(Field("Edit5")->text(), u"1");
  EXPECT_EQ(Field("Edit9")->text(), u"1");
  EXPECT_EQ(Field("Edit45")->text(), u"1");
  EXPECT_EQ(Field("Edit46")->text(), u"2");
  EXPECT_EQ(Label("Label55")->text(), u"2=2");
  EXPECT_EQ(Label("Label55")->pos(), QPoint(53, 104));
  EXPECT_EQ(Label("Label13")->text(), u"a,b)=0");
  EXPECT_EQ(Label("Label12")->text(), u"a,b)=0");
  EXPECT_EQ(Label("TntLabel14")->text(), u"НОД(");
  EXPECT_EQ(Label("TntLabel16")->text(), u"НОК(");
  EXPECT_EQ(Find<QWidget>("Ayrilislar")->geometry(), QRect(11, 131, 297, 210));
  EXPECT_EQ(Find<QWidget>("SadeEdedlerinSiyahisi")->geometry(), QRect(177, 26, 124, 115));
  EXPECT_EQ(PrimeCount(), 0);
}

TEST_F(NaturalNumbersPageTest, GcdAndLcmLinesAndTheirLeftEdges) {
  const struct {
    const char16_t *a, *b, *gcd, *lcm;
    int headLeft, tailLeft;
  } cases[] = {
      {u"12", u"18", u"12,18)=6", u"12,18)=36", 70, 102},
      {u"012", u"18", u"12,18)=6", u"12,18)=36", 70, 102},
      {u"123456", u"7", u"123456,7)=1", u"123456,7)=864192", 70, 102},
      {u"1234567", u"10", u"1234567,10)=1", u"1234567,10)=12345670", 20, 51},
      {u"0", u"5", u"0,5)=5", u"0,5)=0", 70, 102},
      {u"-12", u"18", u"-12,18)=6", u"-12,18)=36", 70, 102},
      {u"2147483647", u"2147483646", u"2147483647,2147483646)=1",
       u"2147483647,2147483646)=4611686011984936962", 20, 51},
      {u"12", u"18", u"12,18)=6", u"12,18)=36", 70, 102},  // back from the wide lines
  };
  for (const auto& c : cases) {
    Enter("Edit5", QString::fromUtf16(c.a));
    Enter("Edit9", QString::fromUtf16(c.b));
    Click("EBOBveEKOB");
    EXPECT_EQ(Label("Label13")->text(), QString::fromUtf16(c.gcd));
    EXPECT_EQ(Label("Label12")->text(), QString::fromUtf16(c.lcm));
    EXPECT_EQ(Label("TntLabel14")->x(), c.headLeft) << Label("Label12")->text().toStdString();
    EXPECT_EQ(Label("TntLabel16")->x(), c.headLeft);
    EXPECT_EQ(Label("Label13")->x(), c.tailLeft);
    EXPECT_EQ(Label("Label12")->x(), c.tailLeft);
  }
  EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(NaturalNumbersPageTest, BothZeroShowTheGcdThenReportDivisionByZero) {
  Enter("Edit5", u"1234567"_s);
  Enter("Edit9", u"10"_s);
  Click("EBOBveEKOB");
  Enter("Edit5", u"0"_s);
  Enter("Edit9", u"0"_s);
  Click("EBOBveEKOB");
  EXPECT_EQ(Label("Label13")->text(), u"0,0)=0");
  EXPECT_EQ(Label("Label12")->text(), u"1234567,10)=12345670");
  EXPECT_EQ(dialogs.errors, QStringList{u"Деление на ноль."_s});
  EXPECT_EQ(Label("Label13")->x(), 102);
}

TEST_F(NaturalNumbersPageTest, UnreadableNumberKeepsOldCaptionsAtTheNormalEdges) {
  Enter("Edit5", u"1234567"_s);
  Enter("Edit9", u"10"_s);
  Click("EBOBveEKOB");
  Enter("Edit9", u"12a"_s);
  Click("EBOBveEKOB");
  EXPECT_EQ(dialogs.errors, QStringList{u"«12a» — не целое число."_s});
  EXPECT_EQ(Label("Label12")->text(), u"1234567,10)=12345670");
  EXPECT_EQ(Label("TntLabel14")->x(), 70);
  EXPECT_EQ(Label("Label12")->x(), 102);
  Enter("Edit5", u"2147483648"_s);
  Click("EBOBveEKOB");
  EXPECT_EQ(dialogs.errors.back(),
            u"«2147483648» — целое число вне пределов от −2147483648 до 2147483647.");
}

TEST_F(NaturalNumbersPageTest, FactorisationLinesAndHistory) {
  const struct {
    const char16_t* typed;
    const char16_t* caption;
    int left;
  } cases[] = {
      {u"1", u"1 не простое и не составное число", 53},
      {u"2", u"2=2", 53},
      {u"7", u"7=7", 53},
      {u"012", u"012=2*2*3", 53},
      {u"1024", u"1024=2*2*2*2*2*2*2*2*2*2", 53},
      {u"2048", u"2048=2*2*2*2*2*2*2*2*2*2*2", 16},
      {u"2147483647", u"2147483647=2147483647", 53},
      {u"0", u"0 не раскладывается на простые множители", 53},
  };
  QStringList expectedHistory;
  for (const auto& c : cases) {
    Enter("Edit45", QString::fromUtf16(c.typed));
    Click("SadeVuruqlaraAyir");
    EXPECT_EQ(Label("Label55")->text(), QString::fromUtf16(c.caption));
    EXPECT_EQ(Label("Label55")->x(), c.left) << Label("Label55")->text().toStdString();
    const QString typed = QString::fromUtf16(c.typed);
    if (typed != u"1" && typed != u"0") expectedHistory << QString::fromUtf16(c.caption);
  }
  EXPECT_EQ(History(), expectedHistory);
}

TEST_F(NaturalNumbersPageTest, UnreadableFactorisationLeavesTheLabelEmpty) {
  Enter("Edit45", u"2048"_s);
  Click("SadeVuruqlaraAyir");
  Enter("Edit45", QString());
  Click("SadeVuruqlaraAyir");
  EXPECT_EQ(dialogs.errors, QStringList{u"Поле не заполнено: нужно целое число."_s});
  EXPECT_EQ(Label("Label55")->text(), u"");
  EXPECT_EQ(Label("Label55")->x(), 53);
  EXPECT_EQ(History().size(), 1);
}

TEST_F(NaturalNumbersPageTest, LongResultLinesBreakOnlyBetweenNumbers) {
  const auto check = [this](const char* name) {
    auto* label = Find<ResultLabel>(name);
    const QStringList lines = label->Lines();
    EXPECT_EQ(lines.join(QString()), label->text()) << name;
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
      const QChar last = lines[i].back();
      EXPECT_TRUE(last == u'=' || last == u'*') << name << ": " << lines[i].toStdString();
    }
    EXPECT_EQ(label->height(), lines.size() * label->fontMetrics().height()) << name;
    return lines.size();
  };
  for (const QString& n : {u"2146992128"_s, u"1073741824"_s}) {  // 2^15 * 65521 and 2^30
    Enter("Edit45", n);
    Click("SadeVuruqlaraAyir");
    check("Label55");
  }
  EXPECT_GT(check("Label55"), 1);
  // The long LCM line moves left after it is written, and fits its new place.
  Enter("Edit5", u"2147483647"_s);
  Enter("Edit9", u"2147483646"_s);
  Click("EBOBveEKOB");
  check("Label12");
}

TEST_F(NaturalNumbersPageTest, SpinnerFactorisesEachStepAndStopsAtTheEnds) {
  auto* spinner = Find<UpDown>("UpDown3");
  const QList<QToolButton*> arrows = spinner->findChildren<QToolButton*>();
  ASSERT_EQ(arrows.size(), 2);
  QToolButton* up = arrows[0]->arrowType() == Qt::UpArrow ? arrows[0] : arrows[1];
  QToolButton* down = up == arrows[0] ? arrows[1] : arrows[0];
  QTest::mouseClick(up, Qt::LeftButton);
  QTest::mouseClick(up, Qt::LeftButton);
  EXPECT_EQ(Field("Edit45")->text(), u"3");
  EXPECT_EQ(History(), (QStringList{u"2=2"_s, u"3=3"_s}));
  QTest::keyClick(Field("Edit45"), Qt::Key_Up);
  EXPECT_EQ(Label("Label55")->text(), u"4=2*2");

  // A number beyond the range is written as the end it was taken for, and factorised.
  Enter("Edit45", u"2147483647"_s);
  QTest::mouseClick(up, Qt::LeftButton);
  EXPECT_EQ(Field("Edit45")->text(), u"32500");
  EXPECT_EQ(Label("Label55")->text(), u"32500=2*2*5*5*5*5*13");

  // At the ends a step changes nothing and factorises nothing.
  Enter("Edit45", u"32500"_s);
  QTest::mouseClick(up, Qt::LeftButton);
  EXPECT_EQ(Field("Edit45")->text(), u"32500");
  EXPECT_EQ(History().size(), 4);
  Enter("Edit45", u"1"_s);
  QTest::mouseClick(down, Qt::LeftButton);
  EXPECT_EQ(History().size(), 4);
  EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(NaturalNumbersPageTest, ClearButtons) {
  Enter("Edit45", u"12"_s);
  Click("SadeVuruqlaraAyir");
  Click("SadeVuruqlaraAyir");
  Enter("Edit46", u"10"_s);
  Click("SadeEdedler");
  ASSERT_EQ(History().size(), 2);
  ASSERT_EQ(PrimeCount(), 4);

  Click("TntBitBtn3");
  EXPECT_TRUE(History().isEmpty());
  EXPECT_EQ(Field("Edit45")->text(), u"1");
  EXPECT_EQ(Label("Label55")->text(), u"1 не простое и не составное число");
  EXPECT_EQ(PrimeCount(), 4);

  Click("TntBitBtn1");
  EXPECT_EQ(PrimeCount(), 0);
  EXPECT_EQ(Field("Edit46")->text(), u"10");
}

TEST_F(NaturalNumbersPageTest, PrimesList) {
  const struct {
    const char16_t* n;
    int count;
    const char16_t* first;
  } cases[] = {
      {u"2", 1, u"2"}, {u"3", 2, u"2,3"}, {u"10", 4, u"2,3,5,7"}, {u"1", 0, u""},
      {u"0", 0, u""},  {u"-5", 0, u""},   {u"7", 4, u"2,3,5,7"},
  };
  for (const auto& c : cases) {
    Enter("Edit46", QString::fromUtf16(c.n));
    Click("SadeEdedler");
    EXPECT_EQ(PrimeCount(), c.count);
    EXPECT_EQ(Primes(0, 4).join(u','), QString::fromUtf16(c.first));
  }
  EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(NaturalNumbersPageTest, HundredMillionShowsEveryPrimeAndScrollsToTheEnd) {
  Enter("Edit46", u"100000000"_s);
  Click("SadeEdedler");
  ASSERT_EQ(PrimeCount(), 5761455);
  EXPECT_EQ(Primes(5761453, 2), (QStringList{u"99999971"_s, u"99999989"_s}));

  auto* view = Find<UniformListView>("SadeEdedlerinSiyahisi");
  view->setFocus();
  QTest::keyClick(view, Qt::Key_End);
  EXPECT_EQ(view->currentIndex().row(), 5761454);
  EXPECT_GT(view->TopRow(), 5761454 - 10);
  // The row under the mouse is the row drawn there.
  const QModelIndex atTop = view->indexAt(QPoint(5, 1));
  EXPECT_EQ(atTop.row(), view->TopRow());
}

TEST_F(NaturalNumbersPageTest, TypingDigitsInTheFullPrimesListJumpsWithoutReadingTheRows) {
  Enter("Edit46", u"2147483647"_s);
  Click("SadeEdedler");
  ASSERT_EQ(PrimeCount(), 105097565);
  auto* view = Find<UniformListView>("SadeEdedlerinSiyahisi");
  view->setFocus();
  const int before = view->currentIndex().row();
  // Letters and foreign digits find nothing and leave the list as it is.
  Type(view, u"ab٣"_s);
  EXPECT_EQ(view->currentIndex().row(), before);
  QTest::qWait(QApplication::keyboardInputInterval() + 50);
  Type(view, u"2147483647"_s);
  EXPECT_EQ(view->currentIndex().row(), 105097564);
  EXPECT_EQ(view->TopRow(), view->currentIndex().row() - view->verticalScrollBar()->pageStep() + 1);
}

TEST_F(NaturalNumbersPageTest, UnreadablePrimesLimitLeavesTheListEmpty) {
  Enter("Edit46", u"10"_s);
  Click("SadeEdedler");
  Enter("Edit46", u"abc"_s);
  Click("SadeEdedler");
  EXPECT_EQ(dialogs.errors, QStringList{u"«abc» — не целое число."_s});
  EXPECT_EQ(PrimeCount(), 0);
}

TEST_F(NaturalNumbersPageTest, KeyHandlersFilterDigitsAndMoveTheFocusOnEnter) {
  QLineEdit* edit5 = Field("Edit5");
  edit5->clear();
  edit5->setFocus();
  QTest::keyClicks(edit5, u"1x2,3-"_s);
  Type(edit5, u"ю4"_s);
  EXPECT_EQ(edit5->text(), u"1234");
  QTest::keyClick(edit5, Qt::Key_Return);
  EXPECT_TRUE(Field("Edit9")->hasFocus());
  QTest::keyClick(Field("Edit9"), Qt::Key_Return);
  EXPECT_TRUE(Find<QPushButton>("EBOBveEKOB")->hasFocus());

  Field("Edit45")->setFocus();
  QTest::keyClick(Field("Edit45"), Qt::Key_Return);
  EXPECT_TRUE(Find<QPushButton>("SadeVuruqlaraAyir")->hasFocus());
  Field("Edit46")->setFocus();
  QTest::keyClick(Field("Edit46"), Qt::Key_Enter);
  EXPECT_TRUE(Find<QPushButton>("SadeEdedler")->hasFocus());
  // Nothing was computed by the Enter keys.
  EXPECT_TRUE(History().isEmpty());
  EXPECT_EQ(Label("Label13")->text(), u"a,b)=0");
}

TEST_F(NaturalNumbersPageTest, SolvesShowTheirWorkingAndAFailedOneSaysWhy) {
  const Page* page = form->findChild<Page*>(u"TntTabSheet1"_s);
  ASSERT_NE(page, nullptr);
  Enter("Edit45", u"360"_s);
  Click("SadeVuruqlaraAyir");
  EXPECT_EQ(PlainText(page->CurrentWorking().lines.back().formula), "Ответ: 360 = 2³·3²·5.");
  Enter("Edit5", u"0"_s);
  Enter("Edit9", u"0"_s);
  Click("EBOBveEKOB");
  EXPECT_EQ(page->CurrentWorking().state, Working::State::Failed);
  EXPECT_EQ(page->CurrentWorking().failure, "Деление на ноль");
}

}  // namespace
}  // namespace kalkora::testing
