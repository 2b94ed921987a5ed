// What the pages show is what was solved: results that no longer answer their fields are greyed,
// pastes are typed, and the value of x and the radius are checked before anything is shown.
#include <gmock/gmock.h>

#include <QClipboard>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <map>

#include "app/pages/Page.h"
#include "app/widgets/Field.h"
#include "app/widgets/Stale.h"
#include "tests/app/AppTest.h"

namespace kalkora::testing {
namespace {

using ::testing::HasSubstr;

class StaleResultsTest : public ActiveWindowTest {
 protected:
  void Enter(std::initializer_list<std::pair<const char*, const char16_t*>> texts) {
    for (const auto& [name, text] : texts)
      Field(name)->setText(QString::fromUtf16(text));
  }
  bool Stale(const char* name) { return IsShownStale(Find<QWidget>(name)); }
};

TEST_F(StaleResultsTest, ARefusedOrFailedSolveGreysTheResultsItLeaves) {
  const struct {
    PageId page;
    const char16_t* fields[2][3];  // a good solve, then a refused or failed one
    const char* solve;
    const char* result;
  } cases[] = {
      {PageId::Triangle, {{u"3", u"4", u"5"}, {u"1", u"2", u"5"}}, "UcbucaginHelli", "Edit34"},
      {PageId::Triangle, {{u"3", u"4", u"5"}, {u"3", u"4", u"x"}}, "UcbucaginHelli", "Edit42"},
      {PageId::Combinatorics, {{u"3", u"10"}, {u"6", u"5"}}, "Kombinezon", "Edit20"},
      {PageId::Quadratic,
       {{u"1", u"-3", u"2"}, {u"0", u"1", u"1"}},
       "Tenliyinkoklerinitap",
       "Diskriminant"},
  };
  const std::map<PageId, std::vector<const char*>> fields = {
      {PageId::Triangle, {"Edit22", "Edit23", "Edit24"}},
      {PageId::Combinatorics, {"Edit18", "Edit19"}},
      {PageId::Quadratic, {"a", "b", "c"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.result);
    ShowPage(c.page);
    const auto fill = [&](int solve) {
      for (std::size_t i = 0; i < fields.at(c.page).size(); ++i)
        Field(fields.at(c.page)[i])->setText(QString::fromUtf16(c.fields[solve][i]));
      Click(c.solve);
    };
    fill(0);
    const QString answer = Field(c.result)->text();
    EXPECT_FALSE(Stale(c.result));
    fill(1);
    EXPECT_EQ(Field(c.result)->text(), answer);  // the text stays
    EXPECT_TRUE(Stale(c.result));
    EXPECT_THAT(Field(c.result)->toolTip().toStdString(), HasSubstr("прежним данным"));
    fill(0);
    EXPECT_FALSE(Stale(c.result));
    EXPECT_TRUE(Field(c.result)->toolTip().isEmpty());
  }
  dialogs.messages.clear();
  dialogs.errors.clear();
}

TEST_F(StaleResultsTest, EditingAFieldGreysItsResultsAndTheWorkingSaysSo) {
  ShowPage(PageId::NaturalNumbers);
  Enter({{"Edit5", u"12"}, {"Edit9", u"18"}, {"Edit46", u"10"}});
  Click("EBOBveEKOB");
  Click("SadeEdedler");
  const Page* page = Find<Page>("TntTabSheet1");
  Type(Field("Edit5"), u"0"_s);
  EXPECT_TRUE(Stale("Label13"));
  EXPECT_TRUE(Stale("Label12"));
  EXPECT_FALSE(Stale("SadeEdedlerinSiyahisi"));  // another question's answer
  // The working is the primes list's: the GCD's field says nothing about it.
  EXPECT_FALSE(page->CurrentWorking().outdated);
  PasteIntoField(Field("Edit46"), u"7"_s);
  EXPECT_TRUE(Stale("SadeEdedlerinSiyahisi"));
  EXPECT_THAT(PlainText(page->CurrentWorking()), HasSubstr(kOutdatedWorking));
  Click("SadeEdedler");
  EXPECT_FALSE(Stale("SadeEdedlerinSiyahisi"));
  EXPECT_FALSE(page->CurrentWorking().outdated);
}

TEST_F(StaleResultsTest, ResetMarksAreNoStaleResults) {
  ShowPage(PageId::Quadratic);
  Enter({{"a", u"1"}, {"b", u"-3"}, {"c", u"2"}});
  Click("Tenliyinkoklerinitap");
  Type(Field("b"), u"4"_s);
  EXPECT_EQ(Find<QLabel>("x1")->text(), u"x1=...");
  EXPECT_FALSE(Stale("x1"));
  EXPECT_TRUE(Stale("Diskriminant"));  // it keeps the old discriminant
}

TEST_F(StaleResultsTest, TheConverterGreysTheLinesOfAValueThatCannotBeRead) {
  ShowPage(PageId::Converter);
  QLineEdit* value = Field("Edit1");
  value->selectAll();
  Type(value, u"-"_s);  // a lone minus: the lines are still those of 1
  EXPECT_EQ(dialogs.errors.size(), 1);
  EXPECT_TRUE(Stale("Neticeler"));
  Type(value, u"2"_s);
  EXPECT_FALSE(Stale("Neticeler"));
  EXPECT_EQ(Find<QListWidget>("Neticeler")->item(0)->text(), u"-2 Миллиметр");
}

TEST_F(StaleResultsTest, APasteThatWouldNotFitTheFieldIsRefusedNotCut) {
  ShowPage(PageId::Combinatorics);
  Field("Edit13")->setFocus();
  QApplication::clipboard()->setText(u"2147483647"_s);
  QTest::keyClick(Field("Edit13"), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Field("Edit13")->text(), u"");
  QApplication::clipboard()->setText(u"1 2\r\n"_s);  // what typing it gives: 12
  QTest::keyClick(Field("Edit13"), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Field("Edit13")->text(), u"12");
}

TEST_F(StaleResultsTest, TheValueOfXIsANumberAndARadiusIsNeverNegative) {
  ShowPage(PageId::Polynomial);
  for (const char16_t* x : {u"abc", u"--5", u"1.5", u",,,"}) {
    Enter({{"Edit43", u"x"}, {"Edit44", x}});
    Click("CoxhedlininQiymetiniTap");
    EXPECT_EQ(Find<QLabel>("Label51")->text(), u"0");
  }
  EXPECT_EQ(dialogs.errors.size(), 4);
  ShowPage(PageId::Circle);
  Enter({{"Edit25", u"-2"}, {"Edit26", u"-2"}});
  Click("CevreninUzunlugunuTap");
  Click("DaireninSahesiniTap");
  EXPECT_EQ(dialogs.messages, (QStringList{u"Радиус не может быть отрицательным"_s,
                                           u"Радиус не может быть отрицательным"_s}));
  EXPECT_EQ(Find<QLabel>("Label22")->text() + Find<QLabel>("Label23")->text(), u"C=0S=0");
}

TEST_F(StaleResultsTest, ScreenReadersHearTheRightHandSidesAndTheSpinnersArrows) {
  ShowPage(PageId::LinearSystems);
  Click("TntCheckBox1");
  EXPECT_EQ(Field("Edit10")->accessibleName(), u"Уравнение 1: правая часть");
  EXPECT_EQ(Field("Edit11")->accessibleName(), u"Уравнение 2: правая часть");
  EXPECT_EQ(Field("Edit6")->accessibleName(), u"Уравнение 1: коэффициент при y");
  Click("TntCheckBox2");
  EXPECT_EQ(Field("Edit10")->accessibleName(), u"Уравнение 1: коэффициент при z");
  QStringList arrows;
  for (const QToolButton* arrow : Find<QWidget>("UpDown3")->findChildren<QToolButton*>())
    arrows << arrow->accessibleName() + u'|' + arrow->accessibleDescription();
  EXPECT_EQ(arrows, (QStringList{u"Больше|Увеличить на единицу число в поле «N=»"_s,
                                 u"Меньше|Уменьшить на единицу число в поле «N=»"_s}));
}

}  // namespace
}  // namespace kalkora::testing
