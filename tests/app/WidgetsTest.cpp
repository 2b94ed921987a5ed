// The field rules, the spinner and the result label, on plain widgets outside the main window.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include "app/pages/PageStyle.h"
#include "app/widgets/CopyMenu.h"
#include "app/widgets/Field.h"
#include "app/widgets/ResultLabel.h"
#include "app/widgets/UpDown.h"
#include "numtext/KeySets.h"
#include "tests/app/AppTest.h"

namespace kalkora::testing {
namespace {

// A window with a digits-only field of at most five characters (Enter moves the focus on and
// is dropped; every key and edit counts a reset) and a second field.
class FieldTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(field);
    layout->addWidget(next);
    field->setMaxLength(5);
    InstallField(field, {.keys = DigitKeys, .next = next, .resets = [this] { ++resets; }});
    window.show();
    ASSERT_TRUE(Activate(&window));
    field->setFocus();
    QApplication::processEvents();
  }
  // Triggers the entry of the field's context menu whose text begins with `text`.
  void Menu(const QString& text) {
    const std::unique_ptr<QMenu> menu = FieldMenu(field);
    for (QAction* action : menu->actions()) {
      if (action->text().startsWith(text)) {
        ASSERT_TRUE(action->isEnabled()) << text.toStdString();
        action->trigger();
        return;
      }
    }
    ADD_FAILURE() << "no menu entry " << text.toStdString();
  }

  QWidget window;
  QLineEdit* field = new QLineEdit;
  QLineEdit* next = new QLineEdit;
  int resets = 0;
};

TEST_F(FieldTest, DropsWhatTheRuleDropsAndKeepsTheRest) {
  QTest::keyClicks(field, u"1a2.3 -"_s);
  Type(field, u"4ж5"_s);
  EXPECT_EQ(field->text(), u"12345");
  EXPECT_EQ(resets, 10);  // every key, also the dropped ones
  QTest::keyClick(field, Qt::Key_Backspace);
  EXPECT_EQ(field->text(), u"1234");
}

TEST_F(FieldTest, EveryWayOfPastingGivesWhatTypingWould) {
  const QString pasted = u"1a\r\n2\t3"_s;
  const std::function<void()> ways[] = {
      [this] { QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier); },
      [this] { QTest::keyClick(field, Qt::Key_Insert, Qt::ShiftModifier); },
      [this] { Menu(u"Вставить"_s); },
      [this, pasted] {
        QMimeData data;
        data.setText(pasted);
        const QPoint at(field->width() - 2, 5);
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(field, &enter);
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(field, &drop);
      },
  };
  for (std::size_t way = 0; way < std::size(ways); ++way) {
    QApplication::clipboard()->setText(pasted);
    field->setText(u"9"_s);
    field->setCursorPosition(1);
    resets = 0;
    ways[way]();
    EXPECT_EQ(field->text(), u"9123") << "way " << way;
    EXPECT_EQ(resets, 1) << "way " << way;
  }
}

TEST_F(FieldTest, APasteThatWouldNotFitIsRefusedWhole) {
  field->setText(u"12"_s);
  field->setCursorPosition(2);
  EXPECT_FALSE(PasteIntoField(field, u"2147483647"_s));
  EXPECT_EQ(field->text(), u"12");
  // Over a selection the same paste may fit.
  field->selectAll();
  EXPECT_TRUE(PasteIntoField(field, u"21474"_s));
  EXPECT_EQ(field->text(), u"21474");
}

TEST_F(FieldTest, EditingShortcutsWorkAndEditsReset) {
  QApplication::clipboard()->clear();
  QTest::keyClicks(field, u"123"_s);
  resets = 0;
  QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), u"123");
  QTest::keyClick(field, Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(field->text(), u"");
  QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(field->text(), u"123");
  QTest::keyClick(field, Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(field->text(), u"");
  // Select all and copy change nothing; cut, undo and redo are edits.
  EXPECT_EQ(resets, 3);
}

TEST_F(FieldTest, AReadOnlyFieldCopiesAndSelectsButTakesNothing) {
  field->setText(u"42"_s);
  field->setReadOnly(true);
  QApplication::clipboard()->setText(u"7"_s);
  QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
  QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(field, Qt::Key_X, Qt::ControlModifier);
  QTest::keyClick(field, Qt::Key_Insert, Qt::ControlModifier);
  EXPECT_EQ(field->text(), u"42");
  EXPECT_EQ(QApplication::clipboard()->text(), u"42");
  const std::unique_ptr<QMenu> menu = FieldMenu(field);
  QStringList entries;
  for (const QAction* action : menu->actions()) {
    if (!action->isSeparator()) entries << action->text().section(u'\t', 0, 0);
  }
  EXPECT_EQ(entries, (QStringList{u"Копировать"_s, u"Выделить всё"_s}));
}

TEST_F(FieldTest, AltKeysTypeNothingAndAltGrCharactersAreFiltered) {
  field->setText(u"1"_s);
  QTest::keyClick(field, Qt::Key_X, Qt::AltModifier);
  QKeyEvent altDigit(QEvent::KeyPress, Qt::Key_7, Qt::AltModifier, u"7"_s);
  QApplication::sendEvent(field, &altDigit);
  QKeyEvent altGr(QEvent::KeyPress, Qt::Key_Q, Qt::ControlModifier | Qt::AltModifier, u"@"_s);
  QApplication::sendEvent(field, &altGr);
  EXPECT_EQ(field->text(), u"1");
  EXPECT_EQ(resets, 1);  // only AltGr typed a character
}

TEST_F(FieldTest, ComposedTextIsFilteredCharacterByCharacter) {
  field->setText(u"1"_s);
  field->setCursorPosition(1);
  QInputMethodEvent composed;
  composed.setCommitString(u"2é3"_s);
  QApplication::sendEvent(field, &composed);
  EXPECT_EQ(field->text(), u"123");
  QInputMethodEvent digits;
  digits.setCommitString(u"45"_s);
  QApplication::sendEvent(field, &digits);
  EXPECT_EQ(field->text(), u"12345");
}

TEST_F(FieldTest, NavigationKeysAreNoCharacters) {
  field->setText(u"123"_s);
  field->setCursorPosition(3);
  QTest::keyClick(field, Qt::Key_Left);
  QTest::keyClick(field, Qt::Key_Home);
  EXPECT_EQ(field->cursorPosition(), 0);
  QTest::keyClick(field, Qt::Key_End);
  EXPECT_EQ(field->cursorPosition(), 3);
  QTest::keyClick(field, Qt::Key_Tab);
  EXPECT_TRUE(next->hasFocus());
  EXPECT_EQ(resets, 0);
}

TEST_F(FieldTest, EnterMovesTheFocusOnAndIsDropped) {
  QTest::keyClick(field, Qt::Key_Return);
  EXPECT_TRUE(next->hasFocus());
  field->setFocus();
  next->hide();  // a hidden field takes no focus: Enter then stays
  QTest::keyClick(field, Qt::Key_Enter);
  EXPECT_TRUE(field->hasFocus());
  EXPECT_EQ(field->text(), u"");
}

TEST(TypedCharTest, TranslatesKeysAsTheHandlersExpect) {
  const struct {
    int key;
    Qt::KeyboardModifiers modifiers;
    const char16_t* text;
    char16_t expected;  // 0: the key types no character
  } cases[] = {
      {Qt::Key_5, Qt::NoModifier, u"5", u'5'},
      {Qt::Key_V, Qt::ControlModifier, u"\x16", 22},
      {Qt::Key_V, Qt::ControlModifier, u"v", 22},
      {Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier, u"", 1},
      {Qt::Key_Return, Qt::NoModifier, u"\r", 13},
      {Qt::Key_Enter, Qt::KeypadModifier, u"\r", 13},
      {Qt::Key_Return, Qt::ControlModifier, u"\r", 10},
      {Qt::Key_Q, Qt::ControlModifier | Qt::AltModifier, u"@", u'@'},
      {Qt::Key_Backspace, Qt::NoModifier, u"\b", 8},
      {Qt::Key_Escape, Qt::NoModifier, u"\x1b", 27},
      {Qt::Key_Delete, Qt::NoModifier, u"\x7f", 0},
      {Qt::Key_Tab, Qt::NoModifier, u"\t", 0},
      {Qt::Key_Left, Qt::NoModifier, u"", 0},
      {Qt::Key_F5, Qt::NoModifier, u"", 0},
      {Qt::Key_X, Qt::AltModifier, u"x", 0},
      {0, Qt::NoModifier, u"ж", u'ж'},
      {Qt::Key_Comma, Qt::NoModifier, u",", u','},
  };
  for (const auto& c : cases) {
    const QKeyEvent event(QEvent::KeyPress, c.key, c.modifiers, QString::fromUtf16(c.text));
    EXPECT_EQ(TypedChar(event).unicode(), c.expected) << "key " << c.key;
  }
}

class UpDownTest : public ::testing::Test {
 protected:
  void SetUp() override {
    field->setGeometry(10, 10, 100, 21);
    spinner->Associate(field);
    spinner->SetRange(1, 32500);
    window.show();
    QApplication::processEvents();
  }

  QWidget window;
  QLineEdit* field = new QLineEdit(&window);
  UpDown* spinner = new UpDown(&window);
};

TEST_F(UpDownTest, TakesItsPlaceAtTheFieldsRightEdge) {
  EXPECT_EQ(field->geometry(), QRect(10, 10, 83, 21));
  EXPECT_EQ(spinner->geometry(), QRect(93, 10, 17, 21));
}

TEST_F(UpDownTest, StepsFromTheNumberInTheField) {
  QSignalSpy clicks(spinner, &UpDown::Click);
  field->setText(u"012"_s);
  spinner->Step(+1);
  EXPECT_EQ(field->text(), u"13");
  QTest::keyClick(field, Qt::Key_Down);
  QTest::keyClick(field, Qt::Key_Down);
  EXPECT_EQ(field->text(), u"11");
  EXPECT_EQ(clicks.count(), 3);
}

TEST_F(UpDownTest, StopsAtTheEndsWithoutAClick) {
  spinner->SetEnds(UpDown::Ends::Stop);
  QSignalSpy clicks(spinner, &UpDown::Click);
  field->setText(u"32500"_s);
  QTest::keyClick(field, Qt::Key_Up);
  EXPECT_EQ(field->text(), u"32500");
  field->setText(u"1"_s);
  spinner->Step(-1);
  EXPECT_EQ(field->text(), u"1");
  EXPECT_EQ(clicks.count(), 0);
  spinner->Step(+1);
  EXPECT_EQ(field->text(), u"2");
  EXPECT_EQ(clicks.count(), 1);
}

TEST_F(UpDownTest, WrapsAroundToTheOtherEnd) {
  spinner->SetEnds(UpDown::Ends::Wrap);
  QSignalSpy clicks(spinner, &UpDown::Click);
  field->setText(u"32500"_s);
  QTest::keyClick(field, Qt::Key_Up);
  EXPECT_EQ(field->text(), u"1");
  QTest::keyClick(field, Qt::Key_Down);
  EXPECT_EQ(field->text(), u"32500");
  EXPECT_EQ(clicks.count(), 2);
}

TEST_F(UpDownTest, TextThatIsNoNumberStepsFromTheLastPosition) {
  spinner->SetEnds(UpDown::Ends::Stop);
  QSignalSpy clicks(spinner, &UpDown::Click);
  field->setText(u"5"_s);
  spinner->Step(+1);
  field->setText(u"abc"_s);
  spinner->Step(+1);
  EXPECT_EQ(field->text(), u"7");
  field->setText(u"99999"_s);  // beyond the range: taken as the top end
  spinner->Step(-1);
  EXPECT_EQ(field->text(), u"32499");
  EXPECT_EQ(clicks.count(), 3);
  // The top end rewrites the field: that is a change, so the handler runs.
  field->setText(u"2147483647"_s);
  spinner->Step(+1);
  EXPECT_EQ(field->text(), u"32500");
  EXPECT_EQ(clicks.count(), 4);
}

// A result label low in a box 300 wide: short captions keep their lines, a caption that needs
// more lines than the room below holds shows the lines that fit whole, cut with "…".
TEST(ResultLabelTest, ShowsTheLinesThatFitAndEndsACutOneWithAnEllipsis) {
  QString terms;
  for (int i = 1; i <= 4000; ++i)
    terms += (i > 1 ? u"+"_s : QString()) + QString::number(i) + u"x^"_s + QString::number(i - 1);
  const struct {
    QString caption;
    int below;  // the room from the label's top to the box's bottom edge, in lines
    bool cut;
  } cases[] = {{u"4x^3+2x"_s, 3, false},
               {terms.left(90), 3, false},
               {terms, 3, true},
               {terms, 1, true},
               {terms.left(90), 1, true}};
  for (const auto& c : cases) {
    QWidget box;
    auto* label = new ResultLabel(&box);
    OfferCopy(label);
    label->SetBreakBeforeSigns(true);
    const int line = label->fontMetrics().height();
    box.resize(300, 40 + c.below * line + 6);
    label->move(20, 40);
    box.show();
    SetCaption(label, c.caption);
    const std::string name = c.caption.left(12).toStdString() + " in " + std::to_string(c.below);

    const QStringList all = label->Lines(), shown = label->ShownLines();
    EXPECT_EQ(label->IsCut(), c.cut) << name;
    EXPECT_EQ(label->height(), shown.size() * line) << name;
    EXPECT_LE(label->geometry().bottom(), box.height() - 6) << name;
    for (const QString& text : shown)
      EXPECT_LE(label->fontMetrics().horizontalAdvance(text), 300 - 6 - 20) << name;
    EXPECT_EQ(shown.size(), c.cut ? c.below : all.size()) << name;
    EXPECT_EQ(shown.back().endsWith(u'…'), c.cut) << name;
    EXPECT_TRUE(all[shown.size() - 1].startsWith(c.cut ? shown.back().chopped(1) : shown.back()));
    // The whole caption stays the label's text: the tooltip and "Копировать" give all of it.
    EXPECT_TRUE(label->toolTip() == (c.cut ? c.caption : QString())) << name;
    label->actions().front()->trigger();
    EXPECT_TRUE(QApplication::clipboard()->text() == c.caption) << name;

    // A short caption after a cut one is shown whole again, without the tooltip.
    SetCaption(label, u"0"_s);
    EXPECT_EQ(label->ShownLines(), QStringList{u"0"_s}) << name;
    EXPECT_EQ(label->toolTip(), QString()) << name;
  }
}

}  // namespace
}  // namespace kalkora::testing
