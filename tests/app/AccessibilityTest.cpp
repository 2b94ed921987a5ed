// What a screen reader and a keyboard-only user meet: a name for every control, the tab order,
// the primes list read row by row, and readable pages under a dark desktop palette.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QLineEdit>

#include "app/widgets/UniformListView.h"

#include "tests/app/AppTest.h"

namespace kalkora::testing {
namespace {

using AccessibilityTest = WindowTest;

TEST_F(AccessibilityTest, EveryControlHasAName) {
  QStringList nameless;
  for (int page = 0; page < form->Cebr()->count(); ++page) {
    for (QWidget* w : form->Cebr()->widget(page)->findChildren<QWidget*>()) {
      const bool control = qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractButton*>(w) ||
                           qobject_cast<QAbstractItemView*>(w);
      if (!control || w->objectName().isEmpty() || w->objectName().startsWith(u"qt_")) continue;
      QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(w);
      if (accessible == nullptr || accessible->text(QAccessible::Name).trimmed().isEmpty()) {
        nameless << w->objectName();
      }
    }
  }
  EXPECT_EQ(nameless, QStringList());
  // A field is named by the label before it, or, in the grid of signs, by what it holds.
  const auto name = [this](const char* field) {
    return QAccessible::queryAccessibleInterface(Find<QWidget>(field))->text(QAccessible::Name);
  };
  EXPECT_EQ(name("Edit45"), u"N=");
  EXPECT_EQ(name("Edit22"), u"AB=");
  EXPECT_EQ(name("Edit25"), u"Радиус окружности =");
  EXPECT_EQ(name("Edit6"), u"Уравнение 1: коэффициент при x2");
  EXPECT_EQ(name("Edit16"), u"Уравнение 3: правая часть");
}

// Tab reaches every control of a page once, and only the page's own.
TEST_F(AccessibilityTest, TabVisitsEveryControlOfAPage) {
  for (int page = 0; page < form->Cebr()->count(); ++page) {
    form->Cebr()->setCurrentIndex(page);
    QWidget* sheet = form->Cebr()->widget(page);
    QList<QWidget*> reachable;
    for (QWidget* w : sheet->findChildren<QWidget*>()) {
      if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) &&
          !w->objectName().startsWith(u"qt_") && w->focusProxy() == nullptr) {
        reachable << w;
      }
    }
    ASSERT_FALSE(reachable.isEmpty()) << page;
    QList<QWidget*> visited;
    QWidget* w = reachable.front();
    do {
      if (reachable.contains(w)) visited << w;
      w = w->nextInFocusChain();
    } while (w != reachable.front() && visited.size() <= reachable.size());
    EXPECT_EQ(visited.size(), reachable.size()) << "page " << page;
  }
}

TEST_F(AccessibilityTest, ThePrimesListIsReadRowByRow) {
  Find<QLineEdit>("Edit46")->setText(u"100"_s);
  Click("SadeEdedler");
  auto* list = Find<UniformListView>("SadeEdedlerinSiyahisi");
  list->setFocus();
  list->setCurrentIndex(list->model()->index(2, 0));
  QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(list);
  ASSERT_NE(reader, nullptr);
  EXPECT_EQ(reader->role(), QAccessible::List);
  EXPECT_EQ(reader->childCount(), list->viewport()->height() / list->RowHeight());
  EXPECT_EQ(reader->child(0)->text(QAccessible::Name), u"2");
  EXPECT_EQ(reader->child(0)->role(), QAccessible::ListItem);
  QAccessibleInterface* focused = reader->focusChild();
  ASSERT_NE(focused, nullptr);
  EXPECT_EQ(focused->text(QAccessible::Name), u"5");
  EXPECT_TRUE(focused->state().focused);
  EXPECT_TRUE(focused->state().selected);
}

TEST_F(AccessibilityTest, TheFocusedRowIsDrawnAsOtherListsDrawIt) {
  Find<QLineEdit>("Edit46")->setText(u"100"_s);
  Click("SadeEdedler");
  auto* list = Find<UniformListView>("SadeEdedlerinSiyahisi");
  list->selectionModel()->setCurrentIndex(list->model()->index(1, 0),
                                          QItemSelectionModel::NoUpdate);
  form->setAttribute(Qt::WA_KeyboardFocusChange);  // the focus came by keyboard
  Find<QLineEdit>("Edit46")->setFocus();
  const QImage away = list->viewport()->grab().toImage();
  list->setFocus();
  const QImage focused = list->viewport()->grab().toImage();
  const QRect row = list->visualRect(list->currentIndex());
  EXPECT_NE(away.copy(row), focused.copy(row));
}

// A dark desktop palette: the pages keep their light one, made for their fixed text colours.
TEST(DarkPaletteTest, PagesStayLight) {
  const QPalette desktop = QApplication::palette();
  QPalette dark = desktop;
  for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
    dark.setColor(role, QColor(30, 30, 30));
  for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    dark.setColor(role, QColor(230, 230, 230));
  QApplication::setPalette(dark);
  FakeDialogs dialogs;
  FakeLauncher launcher;
  Platform platform{dialogs, launcher};
  {
    TForm1 window(platform);
    for (int page = 0; page < window.Cebr()->count(); ++page) {
      const QPalette palette = window.Cebr()->widget(page)->palette();
      EXPECT_GT(palette.color(QPalette::Window).lightness(), 200) << page;
      EXPECT_GT(palette.color(QPalette::Base).lightness(), 200) << page;
      EXPECT_LT(palette.color(QPalette::WindowText).lightness(), 80) << page;
    }
    // A field inside a page has a light ground, whatever colour its text is painted.
    for (const char* name : {"Edit45", "Edit43", "Edit1"}) {
      const QPalette field = window.findChild<QLineEdit*>(QString::fromLatin1(name))->palette();
      EXPECT_GE(field.color(QPalette::Base).lightness() - field.color(QPalette::Text).lightness(),
                100)
          << name;
    }
  }
  QApplication::setPalette(desktop);
}

}  // namespace
}  // namespace kalkora::testing
