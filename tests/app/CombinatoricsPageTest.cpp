// Page 6 driven as a user would: typing n and k, the three counts and their messages.
#include <QPushButton>
#include <QTest>

#include "app/pages/Page.h"
#include "app/widgets/Picture.h"
#include "tests/app/AppTest.h"

namespace kalkora::testing {
namespace {

class CombinatoricsPageTest : public ActiveWindowTest {
 protected:
  void SetUp() override {
    ActiveWindowTest::SetUp();
    ShowPage(PageId::Combinatorics);
  }
};

TEST_F(CombinatoricsPageTest, ControlsStartEmptyAtTheirPlaces) {
  EXPECT_EQ(Find<QWidget>("Image6")->geometry(), QRect(10, 36, 253, 303));
  EXPECT_TRUE(Find<Picture>("Image6")->IsValid());
  EXPECT_EQ(Find<QWidget>("TntGroupBox5")->geometry(), QRect(265, 30, 386, 309));
  for (const char* name : {"Edit13", "Edit18", "Edit19", "Edit21", "Edit30"}) {
    EXPECT_EQ(Field(name)->maxLength(), 3) << name;
    EXPECT_TRUE(Field(name)->text().isEmpty()) << name;
  }
  for (const char* name : {"Edit17", "Edit20", "Edit31"}) {
    EXPECT_TRUE(Field(name)->isReadOnly()) << name;
    EXPECT_FALSE(Field(name)->hasFrame()) << name;
  }
}

TEST_F(CombinatoricsPageTest, CountsAndMessagesKeepTheOldResult) {
  Type(Field("Edit13"), u"20"_s);
  Click("Permutasiya");
  EXPECT_EQ(Field("Edit17")->text(), u"2,43290200817664E18");
  Type(Field("Edit18"), u"2"_s);
  Type(Field("Edit19"), u"5"_s);
  Click("Kombinezon");
  EXPECT_EQ(Field("Edit20")->text(), u"10");
  Type(Field("Edit21"), u"2"_s);
  Type(Field("Edit30"), u"5"_s);
  Click("Aranjeman");
  EXPECT_EQ(Field("Edit31")->text(), u"20");

  Field("Edit18")->setText(u"6"_s);
  Click("Kombinezon");
  Field("Edit30")->clear();
  Click("Aranjeman");
  Field("Edit13")->setText(u"-1"_s);  // pasted: the field takes digits only
  Click("Permutasiya");
  Field("Edit21")->setText(u"-1"_s);
  Field("Edit30")->setText(u"5"_s);
  Click("Aranjeman");
  EXPECT_EQ(dialogs.messages, (QStringList{u"Не может быть n < k"_s, u"Введите натуральное число"_s,
                                           u"Введите натуральное число.\rЧисло отрицательно."_s,
                                           u"Введите натуральное число.\rЧисло отрицательно."_s}));
  EXPECT_EQ(Field("Edit17")->text(), u"2,43290200817664E18");
  EXPECT_EQ(Field("Edit20")->text(), u"10");
  EXPECT_EQ(Field("Edit31")->text(), u"20");
}

TEST_F(CombinatoricsPageTest, FieldsTakeDigitsAndEnterMovesOn) {
  QLineEdit* k = Field("Edit18");
  k->setFocus();
  Type(k, u"1a,-\x16"_s);
  EXPECT_EQ(k->text(), u"1");
  QTest::keyClick(k, Qt::Key_Return);
  EXPECT_TRUE(Field("Edit19")->hasFocus());
  QTest::keyClick(Field("Edit19"), Qt::Key_Return);
  EXPECT_TRUE(Find<QPushButton>("Kombinezon")->hasFocus());
  EXPECT_TRUE(Field("Edit20")->text().isEmpty());  // Enter computes nothing by itself
}

TEST_F(CombinatoricsPageTest, ACountShowsItsWorkingAndAMessageFailsIt) {
  const Page* page = form->findChild<Page*>(u"TntTabSheet9"_s);
  ASSERT_NE(page, nullptr);
  Type(Field("Edit21"), u"2"_s);
  Type(Field("Edit30"), u"5"_s);
  Click("Aranjeman");
  EXPECT_EQ(PlainText(page->CurrentWorking().lines.back().formula), "Ответ: A₅² = 20");
  Field("Edit21")->setText(u"6"_s);
  Click("Aranjeman");
  EXPECT_EQ(page->CurrentWorking().state, Working::State::Failed);
  EXPECT_EQ(page->CurrentWorking().failure, "Не может быть n < k");
}

}  // namespace
}  // namespace kalkora::testing
