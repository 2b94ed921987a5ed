// Page 9 "Дополнение" driven as a user would: typing, pasting, the spinner, units and tabs.
#include <QApplication>
#include <QClipboard>
#include <QListWidget>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include "app/widgets/UpDown.h"
#include "tests/app/AppTest.h"

namespace kalkora::testing {
namespace {

QString FloatMessage(const QString& text) {
  return u'«' + text + u"» — не число."_s;
}
QString PointMessage(const QString& text) {
  return u'«' + text + u"» — не число: дробную часть отделяют запятой."_s;
}

class ConverterPageTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    vahid = Find<QTabWidget>("Vahid");
    units = Find<QListWidget>("Kemiyyetler");
    edit = Find<QLineEdit>("Edit1");
    spinner = Find<UpDown>("UpDown1");
    results = Find<QListWidget>("Neticeler");
    ASSERT_TRUE(vahid && units && edit && spinner && results);
    Click("TntToolButton11");
    ASSERT_EQ(CurrentPage(), PageIndex(PageId::Converter));
  }

  QStringList Lines() const {
    QStringList lines;
    for (int i = 0; i < results->count(); ++i)
      lines.push_back(results->item(i)->text());
    return lines;
  }
  QStringList Units() const {
    QStringList names;
    for (int i = 0; i < units->count(); ++i)
      names.push_back(units->item(i)->text());
    return names;
  }

  // Selects the field's whole text with the keyboard and types over it.
  void Retype(const QString& text) {
    QTest::keyClick(edit, Qt::Key_End);
    QTest::keyClick(edit, Qt::Key_Home, Qt::ShiftModifier);
    if (text.isEmpty()) {
      QTest::keyClick(edit, Qt::Key_Backspace);
    } else {
      Type(edit, text);
    }
  }
  void Paste(const QString& text) {
    QApplication::clipboard()->setText(text);
    edit->selectAll();
    edit->paste();  // as the context menu's "Paste" does
  }
  void ClickUnit(int row) {
    QTest::mouseClick(units->viewport(), Qt::LeftButton, {},
                      units->visualItemRect(units->item(row)).center());
  }
  void ClickTab(int index) {
    QTest::mouseClick(vahid->tabBar(), Qt::LeftButton, {},
                      vahid->tabBar()->tabRect(index).center());
  }
  QToolButton* Arrow(Qt::ArrowType type) const {
    for (QToolButton* button : spinner->findChildren<QToolButton*>()) {
      if (button->arrowType() == type) return button;
    }
    ADD_FAILURE() << "no arrow";
    return nullptr;
  }

  QTabWidget* vahid = nullptr;
  QListWidget* units = nullptr;
  QLineEdit* edit = nullptr;
  UpDown* spinner = nullptr;
  QListWidget* results = nullptr;
};

TEST_F(ConverterPageTest, WithNoUnitSelectedNothingIsPut) {
  const QStringList before = Lines();
  // Ctrl+click takes the selection off the selected unit; its line stays the current one.
  QListWidgetItem* millimetre = units->item(0);
  QTest::mouseClick(units->viewport(), Qt::LeftButton, Qt::ControlModifier,
                    units->visualItemRect(millimetre).center());
  ASSERT_TRUE(units->selectedItems().isEmpty());
  Retype(u"5"_s);
  EXPECT_EQ(Lines(), before);
  EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(ConverterPageTest, StartsWithOneMillimetreInEveryLengthUnit) {
  const QStringList tabs = {u"Длина"_s, u"Площадь"_s, u"Объём"_s,     u"Время"_s,
                            u"Масса"_s, u"Энергия"_s, u"Информация"_s};
  ASSERT_EQ(vahid->count(), tabs.size());
  for (int i = 0; i < vahid->count(); ++i)
    EXPECT_EQ(vahid->tabText(i), tabs[i]);
  EXPECT_EQ(vahid->currentIndex(), 0);
  EXPECT_EQ(edit->text(), u"1");

  ASSERT_EQ(units->count(), 16);
  EXPECT_EQ(units->item(0)->text(), u"Миллиметр");
  EXPECT_EQ(units->item(13)->text(), u"Астрономическая единица");
  EXPECT_EQ(units->item(15)->text(), u"Парсек");
  EXPECT_EQ(units->currentRow(), 0);
  EXPECT_TRUE(units->item(0)->isSelected());

  const QStringList lines = Lines();
  ASSERT_EQ(lines.size(), 16);
  EXPECT_EQ(lines[0], u"1 Миллиметр");
  EXPECT_EQ(lines[4], u"1E-6 Километр");
  EXPECT_EQ(lines[6], u"0,0393700787401575 Дюйм");
  EXPECT_EQ(lines[15], u"3,24077928944437E-20 Парсек");
  EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(ConverterPageTest, ControlsSitOnTheTabControlAtTheirPlaces) {
  EXPECT_EQ(vahid->geometry(), vahid->parentWidget()->rect());
  for (QWidget* control : {static_cast<QWidget*>(units), static_cast<QWidget*>(edit),
                           static_cast<QWidget*>(spinner), static_cast<QWidget*>(results)}) {
    EXPECT_EQ(control->parentWidget(), vahid) << control->objectName().toStdString();
    EXPECT_TRUE(control->isVisible()) << control->objectName().toStdString();
  }
  // Left and top as laid out; the right and bottom edges keep their distance to the page's.
  const int right = vahid->width(), bottom = vahid->height();
  EXPECT_EQ(units->geometry(), QRect(4, 27, 196, 347));
  EXPECT_EQ(edit->geometry(), QRect(201, 27, right - 21 - 201, 24));
  EXPECT_EQ(spinner->geometry(), QRect(right - 21, 27, 16, 24));
  EXPECT_EQ(results->geometry(), QRect(201, 52, right - 6 - 201, bottom - 5 - 52));
  EXPECT_EQ(results->palette().color(QPalette::Base), QColor(229, 229, 229));
  EXPECT_EQ(results->visualItemRect(results->item(0)).height(), 13);
  EXPECT_EQ(edit->font().pixelSize(), 13);
}

TEST_F(ConverterPageTest, TypingRebuildsTheResultsAtEveryKeystroke) {
  Retype(u"2"_s);
  EXPECT_EQ(Lines()[0], u"2 Миллиметр");
  Type(edit, u","_s);  // a number ending in the comma is still that number
  EXPECT_EQ(Lines()[0], u"2 Миллиметр");
  Type(edit, u"5"_s);
  EXPECT_EQ(Lines()[0], u"2,5 Миллиметр");
  EXPECT_EQ(Lines()[3], u"0,0025 Метр");

  // Letters, Cyrillic and the exponent are dropped, typed or pasted; Enter does nothing.
  Type(edit, u"aжE+ "_s);
  QApplication::clipboard()->setText(u"9a"_s);
  QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
  QTest::keyClick(edit, Qt::Key_Return);
  EXPECT_EQ(edit->text(), u"2,59");
  EXPECT_EQ(Lines()[0], u"2,59 Миллиметр");
  EXPECT_EQ(Lines().size(), 16);
  EXPECT_TRUE(dialogs.errors.isEmpty());
}

// Typed texts that are not numbers at some keystroke: the error comes at that keystroke, the
// results stay, and the next valid text gives results again.
TEST_F(ConverterPageTest, TextThatIsNoNumberReportsAtThatKeystroke) {
  const struct {
    const char16_t* typed;
    QStringList errors;
    const char16_t* first;  // the first line afterwards
    const char16_t* last;
  } cases[] = {
      {u"-3", {FloatMessage(u"-"_s)}, u"-3 Миллиметр", u"-9,7223378683331E-20 Парсек"},
      {u"2.5", {PointMessage(u"2."_s), PointMessage(u"2.5"_s)}, u"2 Миллиметр", nullptr},
      {u"1,2,3", {FloatMessage(u"1,2,"_s), FloatMessage(u"1,2,3"_s)}, u"1,2 Миллиметр", nullptr},
      {u"4-", {FloatMessage(u"4-"_s)}, u"4 Миллиметр", nullptr},
      {u"-0", {FloatMessage(u"-"_s)}, u"0 Миллиметр", u"0 Парсек"},
      {u",", {}, u"0 Миллиметр", u"0 Парсек"},
  };
  for (const auto& c : cases) {
    Retype(u"1"_s);
    dialogs.errors.clear();
    Retype(QString::fromUtf16(c.typed));
    const QString typed = QString::fromUtf16(c.typed);
    EXPECT_EQ(edit->text(), typed);
    EXPECT_EQ(dialogs.errors, c.errors) << typed.toStdString();
    ASSERT_EQ(Lines().size(), 16);
    EXPECT_EQ(Lines()[0], QString::fromUtf16(c.first)) << typed.toStdString();
    if (c.last) {
      EXPECT_EQ(Lines()[15], QString::fromUtf16(c.last)) << typed.toStdString();
    }
  }
}

TEST_F(ConverterPageTest, PastedTextIsReadLikeTypedText) {
  Retype(u"3"_s);
  const QStringList before = Lines();
  Paste(u"7.5"_s);
  EXPECT_EQ(edit->text(), u"7.5");
  EXPECT_EQ(dialogs.errors, QStringList{PointMessage(u"7.5"_s)});
  EXPECT_EQ(Lines(), before);

  Paste(u" 7,5E2 "_s);  // the filter would not let these be typed, but they read as a number
  EXPECT_EQ(Lines()[0], u"750 Миллиметр");
  EXPECT_EQ(dialogs.errors.size(), 1);
}

// Beyond the 80-bit range the overflow is reported and nothing shows an infinity.
TEST_F(ConverterPageTest, OverflowKeepsThePreviousResults) {
  ClickUnit(15);  // parsec: the product overflows
  const QStringList parsecs = Lines();
  Paste(u"1E4932"_s);
  EXPECT_EQ(dialogs.errors,
            QStringList{u"Переполнение: в вычислении получилось слишком большое число."_s});
  EXPECT_EQ(Lines(), parsecs);
  // The click reads the same text again: in metres the quotients overflow, and the parsec
  // lines must not stand under the metre chosen now.
  ClickUnit(3);
  EXPECT_EQ(dialogs.errors.size(), 2);
  EXPECT_EQ(units->currentRow(), 3);
  EXPECT_TRUE(Lines().isEmpty());

  Paste(u"1"_s);
  const QStringList metres = Lines();
  EXPECT_EQ(metres[0], u"1000 Миллиметр");
  Paste(u"1E4930"_s);  // the product fits, the quotient into angstroms does not
  EXPECT_EQ(dialogs.errors.size(), 3);
  EXPECT_EQ(dialogs.errors.back(), u"Переполнение: в вычислении получилось слишком большое число.");
  EXPECT_EQ(Lines(), metres);

  Paste(u"1E4920"_s);
  EXPECT_EQ(Lines()[5], u"1E4930 Ангстрем");
  for (const QString& line : Lines())
    EXPECT_FALSE(line.contains(u"INF")) << line.toStdString();
}

TEST_F(ConverterPageTest, AnEmptyFieldChangesNothingEvenForAnotherUnit) {
  Retype(u"5"_s);
  const QStringList fiveMillimetres = Lines();
  Retype(QString());
  EXPECT_EQ(edit->text(), u"");
  EXPECT_EQ(Lines(), fiveMillimetres);

  ClickUnit(3);
  EXPECT_EQ(units->currentRow(), 3);
  EXPECT_EQ(Lines(), fiveMillimetres);

  Type(edit, u"2"_s);
  EXPECT_EQ(Lines()[0], u"2000 Миллиметр");
  EXPECT_EQ(Lines()[3], u"2 Метр");
  EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(ConverterPageTest, ChoosingAUnitKeepsTheSelectedResultLine) {
  QTest::mouseClick(results->viewport(), Qt::LeftButton, {},
                    results->visualItemRect(results->item(4)).center());
  ASSERT_EQ(results->currentRow(), 4);

  ClickUnit(3);
  EXPECT_EQ(Lines()[0], u"1000 Миллиметр");
  QTest::keyClick(units, Qt::Key_Down);  // the keyboard chooses too
  EXPECT_EQ(units->currentRow(), 4);
  EXPECT_EQ(Lines()[0], u"1000000 Миллиметр");
  Retype(u"3"_s);
  EXPECT_EQ(Lines()[0], u"3000000 Миллиметр");

  EXPECT_EQ(results->count(), 16);
  EXPECT_EQ(results->currentRow(), 4);
  EXPECT_TRUE(results->item(4)->isSelected());
  EXPECT_EQ(results->selectedItems().size(), 1);
}

TEST_F(ConverterPageTest, SpinnerWrapsAtBothEndsAndRebuilds) {
  Retype(u"32500"_s);
  EXPECT_EQ(Lines()[0], u"32500 Миллиметр");
  QTest::mouseClick(Arrow(Qt::UpArrow), Qt::LeftButton);
  EXPECT_EQ(edit->text(), u"1");
  EXPECT_EQ(Lines()[0], u"1 Миллиметр");
  QTest::mouseClick(Arrow(Qt::DownArrow), Qt::LeftButton);
  EXPECT_EQ(edit->text(), u"32500");
  EXPECT_EQ(Lines()[3], u"32,5 Метр");
  QTest::keyClick(edit, Qt::Key_Up);
  EXPECT_EQ(edit->text(), u"1");
  QTest::keyClick(edit, Qt::Key_Up);
  EXPECT_EQ(edit->text(), u"2");
  EXPECT_EQ(Lines()[0], u"2 Миллиметр");
  EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(ConverterPageTest, ATabChangeStartsAgainFromOneOfTheFirstUnit) {
  Retype(u"250"_s);
  ClickUnit(2);
  QSignalSpy changes(edit, &QLineEdit::textChanged);
  ClickTab(6);
  EXPECT_EQ(vahid->currentIndex(), 6);
  EXPECT_EQ(changes.count(), 1);  // the text went back to "1"
  EXPECT_EQ(edit->text(), u"1");
  EXPECT_EQ(Units(), (QStringList{u"Байт (B)"_s, u"Килобайт (KB)"_s, u"Мегабайт (MB)"_s,
                                  u"Гигабайт (GB)"_s, u"Терабайт (TB)"_s, u"Петабайт (PB)"_s,
                                  u"Эксабайт (EB)"_s, u"Зеттабайт (ZB)"_s, u"Йоттабайт (YB)"_s}));
  EXPECT_EQ(units->currentRow(), 0);
  const QStringList lines = Lines();
  ASSERT_EQ(lines.size(), 9);
  EXPECT_EQ(lines[0], u"1 Байт (B)");
  EXPECT_EQ(lines[1], u"0,0009765625 Килобайт (KB)");

  // With "1" already in the field there is no change event; the lines are rebuilt all the same.
  changes.clear();
  ClickTab(5);
  EXPECT_EQ(changes.count(), 0);
  EXPECT_EQ(Lines(), (QStringList{u"1 Джоуль"_s, u"0,238845896627496 Калория"_s,
                                  u"0,000238845896627496 Килокалория"_s}));

  // A text that is no number is replaced too, and leaves a valid page without a new error.
  Retype(u"2.5"_s);
  const qsizetype errors = dialogs.errors.size();
  ClickTab(1);
  EXPECT_EQ(dialogs.errors.size(), errors);
  EXPECT_EQ(Lines().size(), 7);
  EXPECT_EQ(Lines()[5], u"1E-8 Ар (сотка)");

  // The typed number itself, not its 80-bit neighbour, whose 15th digit would round up.
  ClickTab(6);
  Retype(u"2,675"_s);
  EXPECT_EQ(Lines()[5], u"2,37587727269783E-15 Петабайт (PB)");
  ClickUnit(5);
  EXPECT_EQ(Lines()[0], u"3,01178225080402E15 Байт (B)");
}

}  // namespace
}  // namespace kalkora::testing
