// The main window as a user meets it: start-up, toolbar, menu, closing, about box, error report.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <cerrno>
#include <clocale>
#include <memory>
#include <vector>

#include "app/ErrorReport.h"
#include "app/Translations.h"
#include "app/widgets/Picture.h"
#include "common/Errors.h"
#include "tests/app/AppTest.h"

namespace kalkora::testing {
namespace {

using ShellTest = WindowTest;

TEST_F(ShellTest, StartsOnTheFirstPageWithTheTenPagesInOrder) {
  EXPECT_EQ(form->windowTitle(), u"Калкора1.3");
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  const struct {
    const char* sheet;
    const char16_t* caption;
  } pages[] = {
      {"TntTabSheet1", u"Натуральные числа"},
      {"TntTabSheet2", u"Квадратные уравнения"},
      {"TntTabSheet3", u"Системы линейных уравнений"},
      {"TntTabSheet4", u"Прогрессии"},
      {"TntTabSheet5", u"График функций"},
      {"TntTabSheet7", u"Производная многочлена"},
      {"TntTabSheet9", u"Комбинаторика"},
      {"TntTabSheet11", u"Решение треугольников"},
      {"TntTabSheet6", u"Окружность и круг"},
      {"TntTabSheet8", u"Дополнение"},
  };
  QTabWidget* cebr = Find<QTabWidget>("Cebr");
  ASSERT_EQ(cebr->count(), 10);
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(cebr->widget(i)->objectName(), QString::fromLatin1(pages[i].sheet)) << i;
    EXPECT_EQ(cebr->tabText(i), QString::fromUtf16(pages[i].caption)) << i;
  }
  EXPECT_EQ(CurrentPage(), PageIndex(PageId::NaturalNumbers));
  EXPECT_TRUE(cebr->widget(0)->isVisible());
}

TEST_F(ShellTest, EachToolBarButtonSelectsItsPage) {
  const struct {
    const char* button;
    const char16_t* hint;
    PageId page;
  } buttons[] = {
      {"TntToolButton1", u"Натуральные числа", PageId::NaturalNumbers},
      {"TntToolButton2", u"Квадратные уравнения", PageId::Quadratic},
      {"TntToolButton3", u"Системы линейных уравнений", PageId::LinearSystems},
      {"TntToolButton4", u"Прогрессии", PageId::Progressions},
      {"TntToolButton5", u"График функций", PageId::Graph},
      {"TntToolButton7", u"Производная многочлена", PageId::Polynomial},
      {"TntToolButton6", u"Комбинаторика", PageId::Combinatorics},
      {"TntToolButton9", u"Треугольник", PageId::Triangle},
      {"TntToolButton10", u"Окружность и круг", PageId::Circle},
      {"TntToolButton11", u"Дополнение", PageId::Converter},
  };
  // Start from the last page so that every click really changes the page.
  ShowPage(PageId::Converter);
  for (const auto& entry : buttons) {
    auto* button = Find<QToolButton>(entry.button);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->toolTip(), QString::fromUtf16(entry.hint));
    EXPECT_EQ(button->size(), QSize(32, 31));
    EXPECT_EQ(button->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_FALSE(button->icon().isNull()) << entry.button;
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(CurrentPage(), PageIndex(entry.page)) << entry.button;
  }
}

TEST_F(ShellTest, ToolBarButtonsStandInOrderWithTheSeparatorBeforeTheTriangle) {
  auto* toolBar = Find<QToolBar>("TntToolBar1");
  ASSERT_NE(toolBar, nullptr);
  EXPECT_EQ(toolBar->height(), 36);
  QStringList order;
  int lastLeft = -1;
  for (QAction* action : toolBar->actions()) {
    QWidget* widget = toolBar->widgetForAction(action);
    ASSERT_NE(widget, nullptr);
    EXPECT_GT(widget->x(), lastLeft);
    lastLeft = widget->x();
    order << widget->objectName();
  }
  EXPECT_EQ(order.join(u','),
            u"TntToolButton1,TntToolButton2,TntToolButton3,TntToolButton4,TntToolButton5,"
            u"TntToolButton7,TntToolButton6,TntToolButton8,TntToolButton9,TntToolButton10,"
            u"TntToolButton11");
  EXPECT_EQ(Find<QWidget>("TntToolButton8")->width(), 8);
}

TEST_F(ShellTest, WindowLayout) {
  EXPECT_FALSE(form->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(form->windowFlags() & Qt::WindowMinimizeButtonHint);
  QTabWidget* cebr = form->Cebr();
  const QPoint cebrInClient =
      cebr->mapTo(form.get(), QPoint(0, 0)) - QPoint(0, form->menuBar()->height());
  EXPECT_EQ(cebrInClient, QPoint(9, 42));
  EXPECT_EQ(cebr->size(), QSize(671, 407));
  EXPECT_EQ(cebr->currentWidget()->size(), QSize(663, 379));
  EXPECT_EQ(cebr->tabBar()->cursor().shape(), Qt::PointingHandCursor);
  EXPECT_EQ(Find<QStatusBar>("StatusBar1")->height(), 19);
  EXPECT_TRUE(Find<QStatusBar>("StatusBar1")->currentMessage().isEmpty());

  // Resizing stretches the toolbar and moves the status bar, but not the page control.
  form->resize(form->width() + 100, form->height() + 60);
  QApplication::processEvents();
  EXPECT_EQ(Find<QToolBar>("TntToolBar1")->width(), form->width());
  EXPECT_EQ(Find<QStatusBar>("StatusBar1")->geometry().bottom(), form->height() - 1);
  EXPECT_EQ(cebr->size(), QSize(671, 407));
}

TEST_F(ShellTest, MainMenuHoldsItsItemsInOrder) {
  QStringList titles;
  for (QAction* action : form->menuBar()->actions())
    titles << action->text();
  EXPECT_EQ(titles.join(u'|'), u"Файл|Калькулятор|Помощь");
  auto items = [this](const char* menu) {
    QStringList list;
    for (QAction* action : Find<QMenu>(menu)->actions()) {
      list << action->objectName() + u'=' + action->text();
    }
    return list.join(u'|');
  };
  EXPECT_EQ(items("N6"), u"N7=Выход");
  EXPECT_EQ(items("N1"), u"N2=");
  EXPECT_EQ(items("N3"),
            u"HellinGedisi=Ход решения|=|N5=Проверить обновления...|N4=О программе...");
  EXPECT_EQ(Find<QAction>("HellinGedisi")->shortcut(), QKeySequence(Qt::Key_F1));
}

TEST_F(ShellTest, ClosingAsksAndNoKeepsEverything) {
  ShowPage(PageId::Graph);
  dialogs.answers = {false};
  EXPECT_FALSE(form->close());
  EXPECT_EQ(dialogs.questions, QStringList{u"Подтверждение|Вы действительно хотите выйти?"_s});
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(CurrentPage(), PageIndex(PageId::Graph));

  // "Выход" asks the same question.
  dialogs.answers = {false};
  Find<QAction>("N7")->trigger();
  EXPECT_EQ(dialogs.questions.size(), 2);
  EXPECT_TRUE(form->isVisible());
}

TEST_F(ShellTest, ClosingWithYesEnds) {
  dialogs.answers = {true};
  Find<QAction>("N7")->trigger();
  EXPECT_EQ(dialogs.questions.size(), 1);
  EXPECT_FALSE(form->isVisible());
}

TEST_F(ShellTest, OnlyTheFirstActivationSelectsTheFirstPage) {
  ShowPage(PageId::Combinatorics);
  form->hide();
  form->show();
  QApplication::processEvents();
  EXPECT_EQ(CurrentPage(), PageIndex(PageId::Combinatorics));
}

TEST_F(ShellTest, AboutBoxLeavesTheCurrentPageShowing) {
  ShowPage(PageId::Progressions);
  Find<QAction>("N4")->trigger();
  EXPECT_EQ(dialogs.shownDialogs, QStringList{u"AboutBox"_s});
  EXPECT_EQ(CurrentPage(), PageIndex(PageId::Progressions));
  EXPECT_TRUE(form->Cebr()->widget(3)->isVisible());
}

TEST_F(ShellTest, AboutBoxShowsItsLabels) {
  auto* about = Find<TAboutBox>("AboutBox");
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(about->windowTitle(), u"О программе");
  EXPECT_EQ(about->size(), QSize(298, 214));
  EXPECT_FALSE(about->isVisible());
  const struct {
    const char* name;
    const char16_t* text;
    QPoint place;
  } labels[] = {
      {"TntLabel1", u"Калкора", {122, 14}},
      {"TntLabel2", u"Версия 1.3", {200, 44}},
      {"TntLabel3", u"Язык: русский", {16, 82}},
  };
  for (const auto& label : labels) {
    auto* widget = about->findChild<QLabel*>(QString::fromLatin1(label.name));
    ASSERT_NE(widget, nullptr) << label.name;
    EXPECT_EQ(widget->text(), QString::fromUtf16(label.text));
    EXPECT_EQ(widget->pos(), label.place);
  }
  EXPECT_TRUE(about->findChild<QLabel*>(u"TntLabel1"_s)->font().bold());
  EXPECT_TRUE(about->findChild<Picture*>(u"ProgramIcon"_s)->IsValid());
  auto* ok = about->findChild<QPushButton*>(u"OKButton"_s);
  ASSERT_NE(ok, nullptr);
  EXPECT_EQ(ok->geometry(), QRect(111, 180, 75, 25));
  EXPECT_TRUE(ok->isDefault());
}

TEST_F(ShellTest, CalculatorAndUpdatePageGoThroughTheLauncher) {
  // Opening "Калькулятор" starts the calculator and shows its one empty item.
  QMenu* calculator = Find<QMenu>("N1");
  calculator->popup(QPoint(0, 0));
  QApplication::processEvents();
  calculator->close();
  ASSERT_EQ(launcher.started.size(), 1u);
  EXPECT_TRUE(launcher.started[0].contains(u"gnome-calculator"_s));

  Find<QAction>("N5")->trigger();
  ASSERT_EQ(launcher.urls.size(), 1);
  EXPECT_TRUE(launcher.urls[0].endsWith(u"//load"));
  EXPECT_TRUE(dialogs.errors.isEmpty());
  EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(ShellTest, ErrorReportKeepsWhatTheHandlerWroteAndThePage) {
  ShowPage(PageId::LinearSystems);
  QString written;
  RunGuarded(dialogs, form.get(), [&] {
    written = u"partial"_s;
    throw ConvertError(NumberKind::Integer, "12a");
  });
  RunGuarded(dialogs, form.get(), [] { throw std::bad_alloc(); });
  RunGuarded(dialogs, form.get(), [] { throw IntDivError(); });
  EXPECT_EQ(written, u"partial");
  EXPECT_EQ(dialogs.errors, (QStringList{u"«12a» — не целое число."_s, u"Недостаточно памяти."_s,
                                         u"Деление на ноль."_s}));
  EXPECT_EQ(CurrentPage(), PageIndex(PageId::LinearSystems));
}

// Shows each real box in turn and reads it back while it is open.
TEST(QtDialogsTest, BoxesShowTheirTextAsPlainTextWithRussianButtons) {
  QtDialogs boxes;
  const QString markup = u"<h1>12</h1><font color=red>OK: 2*2*3</font>"_s;
  struct Seen {
    Qt::TextFormat format = Qt::AutoText;
    QString text;
    QStringList buttons;
  };
  std::vector<Seen> seen;
  const auto readAndClose = [&seen] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    Seen s{box->textFormat(), box->text(), {}};
    for (QAbstractButton* button : box->buttons())
      s.buttons << button->text().remove(u'&');
    seen.push_back(s);
    box->reject();
  };
  QTimer::singleShot(0, readAndClose);
  boxes.ShowError(nullptr, markup);
  QTimer::singleShot(0, readAndClose);
  boxes.ShowMessage(nullptr, markup);
  QTimer::singleShot(0, readAndClose);
  boxes.AskYesNo(nullptr, markup, u"Подтверждение"_s);
  ASSERT_EQ(seen.size(), 3u);
  for (const Seen& s : seen) {
    EXPECT_EQ(s.format, Qt::PlainText);
    EXPECT_EQ(s.text, markup);
  }
  seen[2].buttons.sort();
  EXPECT_EQ(seen[2].buttons, (QStringList{u"Да"_s, u"Нет"_s}));
}

TEST(TranslationsTest, QtsOwnTextsAndTheSystemsMessagesAreRussian) {
  QLineEdit field;
  std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
  QStringList entries;
  for (const QAction* action : menu->actions())
    entries << action->text().remove(u'&').section(u'\t', 0, 0);
  EXPECT_TRUE(entries.contains(u"Вставить"_s)) << entries.join(u", ").toStdString();
  EXPECT_TRUE(entries.contains(u"Копировать"_s)) << entries.join(u", ").toStdString();
  EXPECT_EQ(QIODevice::tr("Unknown error"), u"Неизвестная ошибка");

  const std::string before = std::setlocale(LC_MESSAGES, nullptr);
  if (!UseRussianSystemMessages()) GTEST_SKIP() << "no Russian locale is installed";
  EXPECT_EQ(qt_error_string(ENOTDIR), u"Это не каталог");
  std::setlocale(LC_MESSAGES, before.c_str());
}

TEST(FullStopTest, AppendedOnlyAfterCharactersAboveTheFullStop) {
  const struct {
    const char16_t* message;
    const char16_t* shown;
  } cases[] = {
      {u"Деление на ноль", u"Деление на ноль."},
      {u"«12a» — не целое число", u"«12a» — не целое число."},
      {u"Не удалось сохранить «/tmp/a»", u"Не удалось сохранить «/tmp/a»."},
      {u"Ends with a digit 7", u"Ends with a digit 7."},
      {u"Вопрос?", u"Вопрос?."},
      {u"Неверный шаг", u"Неверный шаг."},
      {u"Already.", u"Already."},
      {u"Exclaimed!", u"Exclaimed!"},
      {u"Quoted '1,5'", u"Quoted '1,5'"},
      {u"Dash-", u"Dash-"},
      {u"Slash/", u"Slash/."},
      {u"", u""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(WithFullStop(QString::fromUtf16(c.message)), QString::fromUtf16(c.shown));
  }
}

}  // namespace
}  // namespace kalkora::testing
