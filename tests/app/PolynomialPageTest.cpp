// Page 5 driven as a user would: the keypad, the keys, the derivative and the value.
#include <gmock/gmock.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "app/pages/Page.h"
#include "app/widgets/Picture.h"
#include "polynomials/Polynomial.h"
#include "tests/app/AppTest.h"

namespace kalkora::testing {
namespace {

using ::testing::EndsWith;

class PolynomialPageTest : public ActiveWindowTest {
 protected:
  void SetUp() override {
    ActiveWindowTest::SetUp();
    ShowPage(PageId::Polynomial);
    polynomial = Find<QLineEdit>("Edit43");
    x = Find<QLineEdit>("Edit44");
  }

  QLineEdit* polynomial = nullptr;
  QLineEdit* x = nullptr;
};

TEST_F(PolynomialPageTest, TheKeypadAppendsAndPutsTheCaretAtTheEnd) {
  EXPECT_TRUE(Find<Picture>("Image5")->IsValid());
  Find<QPushButton>("Button5")->setFocus();
  Click("Button5");  // "3" replaces the initial "0"
  EXPECT_TRUE(polynomial->hasFocus());
  Click("Button13");
  Click("Button4");
  EXPECT_EQ(polynomial->text(), u"3*x^2");
  EXPECT_EQ(polynomial->cursorPosition(), 5);
  for (int i = 0; i < 6; ++i)
    Click("Button16");  // "<-" on an empty field leaves it empty
  EXPECT_EQ(polynomial->text(), u"");
  Click("Button12");  // "0" into an empty field: the leading "0" goes
  EXPECT_EQ(polynomial->text(), u"");
  polynomial->setText(u"0"_s);
  Click("Button12");  // "00" loses one "0"
  EXPECT_EQ(polynomial->text(), u"0");
}

TEST_F(PolynomialPageTest, DerivativeValueAndClearing) {
  polynomial->setText(u"3*x^2+5*x^1"_s);
  x->setText(u"2"_s);
  Click("ToremeniTap");
  Click("CoxhedlininQiymetiniTap");
  EXPECT_EQ(Caption("Label25"), u"6x^1+5x^0");
  EXPECT_EQ(Caption("Label51"), u"22");

  // A text that is no sum of terms: the page's message for both.
  polynomial->setText(u"3*x^2+y"_s);
  Click("ToremeniTap");
  Click("CoxhedlininQiymetiniTap");
  EXPECT_EQ(dialogs.messages, QStringList(2, u"Вы неправильно ввели многочлен"_s));
  EXPECT_EQ(dialogs.errors, QStringList());
  polynomial->setText(u"2*x^-1"_s);
  x->setText(u"0"_s);
  Click("CoxhedlininQiymetiniTap");
  EXPECT_EQ(dialogs.errors.back(), u"Деление на ноль.");
  EXPECT_EQ(Caption("Label25") + u'|' + Caption("Label51"), u"6x^1+5x^0|22");

  // One letter: the derivative is 1 and the value is x as typed.
  polynomial->setText(u"x"_s);
  x->setText(u"-,5"_s);
  Click("ToremeniTap");
  Click("CoxhedlininQiymetiniTap");
  EXPECT_EQ(Caption("Label25") + u'|' + Caption("Label51"), u"1|-,5");

  Click("CoxhedliniSil");
  EXPECT_EQ(QStringList({polynomial->text(), Caption("Label25"), x->text(), Caption("Label51")}),
            QStringList(4, u"0"_s));
}

TEST_F(PolynomialPageTest, KeysAndEnter) {
  polynomial->clear();
  polynomial->setFocus();
  Type(polynomial, u"2*X^3.ж,"_s);
  EXPECT_EQ(polynomial->text(), u"2*X^3,");
  QTest::keyClick(polynomial, Qt::Key_Return);
  EXPECT_TRUE(Find<QPushButton>("CoxhedliniSil")->hasFocus());
  x->clear();
  x->setFocus();
  Type(x, u"-1,5a"_s);
  EXPECT_EQ(x->text(), u"-1,5");
  QTest::keyClick(x, Qt::Key_Return);
  EXPECT_TRUE(Find<QPushButton>("CoxhedlininQiymetiniTap")->hasFocus());
}

TEST_F(PolynomialPageTest, TheWorkingFollowsEachButtonAndAMessageFailsIt) {
  const Working& working = Find<Page>("TntTabSheet7")->CurrentWorking();
  polynomial->setText(u"3*x^2-4*x^1+7"_s);
  x->setText(u"-2"_s);
  Click("ToremeniTap");
  EXPECT_THAT(PlainText(working), EndsWith("\n  f′(x) = 6x − 4\nОтвет: f′(x) = 6x − 4\n"));
  Click("CoxhedlininQiymetiniTap");
  EXPECT_THAT(PlainText(working), EndsWith(" = 12 + 8 + 7 = " + Caption("Label51").toStdString() +
                                           "\nОтвет: f(−2) = 27\n"));
  polynomial->setText(u"3*x^2+y"_s);
  Click("ToremeniTap");
  EXPECT_EQ(working.failure, kWrongPolynomial);
}

TEST_F(PolynomialPageTest, TermsAsSchoolWritesThemWithDecimalCoefficients) {
  polynomial->clear();
  polynomial->setFocus();
  Type(polynomial, u"0,5x^2-3x+5*x^0-1"_s);
  x->setText(u"0,1"_s);
  Click("ToremeniTap");
  Click("CoxhedlininQiymetiniTap");
  EXPECT_EQ(Caption("Label25") + u'|' + Caption("Label51"), u"1x^1-3x^0|3,705");
}

}  // namespace
}  // namespace kalkora::testing
