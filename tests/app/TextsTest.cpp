// The window's Russian texts where the user reads them: the captions of the controls, the tool
// tips, the about box, and the messages and captions a click brings up.
#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>
#include <initializer_list>
#include <utility>

#include "tests/app/AppTest.h"

namespace kalkora::testing {
namespace {

class TextsTest : public WindowTest {
 protected:
  QWidget* Sheet(PageId id) const { return form->Cebr()->widget(PageIndex(id)); }

  // What a control shows as its caption.
  static QString Caption(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control)) return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) return button->text();
    if (const auto* group = qobject_cast<const QGroupBox*>(control)) return group->title();
    return control->windowTitle();
  }

  // Every caption and tool tip under `root`.
  static QStringList AllTexts(const QWidget* root) {
    QStringList texts{Caption(root), root->toolTip()};
    for (const QWidget* w : root->findChildren<QWidget*>())
      texts << Caption(w) << w->toolTip();
    return texts;
  }
};

TEST_F(TextsTest, ControlsShowCorrectRussian) {
  constexpr PageId kNone = PageId::Converter;  // a row of the shell or the about box
  const struct {
    PageId page;
    const char* name;
    const char16_t* text;
    bool toolTip = false;
    bool about = false;
  } rows[] = {
      {PageId::Quadratic, "TntLabel7", u"Введите коэффициенты"},
      {PageId::Quadratic, "TntLabel6", u"Дискриминант D ="},
      {PageId::Quadratic, "TntLabel10", u"Действительных корней нет"},
      {PageId::LinearSystems, "TntLabel4", u"Введите коэффициенты"},
      {PageId::LinearSystems, "TntCheckBox1", u"С двумя неизвестными"},
      {PageId::LinearSystems, "TntCheckBox2", u"С тремя неизвестными"},
      {PageId::Polynomial, "TntGroupBox12", u"Введите многочлен"},
      {PageId::Polynomial, "TntGroupBox13", u"Значение многочлена при x"},
      {PageId::Polynomial, "Label52",
       u"Если вы хотите решить такую задачу, то напишите многочлен так: 1*x^7 и введите x=2."},
      {PageId::Progressions, "NciHeddveCemleri", u"Найти"},
      {PageId::Graph, "Label27", u"От"},
      {PageId::Graph, "Label29", u"Шаг"},
      {PageId::Circle, "TntLabel13", u"Радиус окружности ="},
      {PageId::Circle, "TntLabel15", u"Радиус круга ="},
      {PageId::Triangle, "TntGroupBox6", u"Стороны"},
      {PageId::Triangle, "TntGroupBox8", u"Высоты"},
      {PageId::Triangle, "TntGroupBox9", u"Медианы"},
      {PageId::Triangle, "TntGroupBox10", u"Биссектрисы"},
      {kNone, "TntToolButton2", u"Квадратные уравнения", true},
      {kNone, "TntToolButton3", u"Системы линейных уравнений", true},
      {kNone, "TntToolButton9", u"Треугольник", true},
      {kNone, "TntToolButton11", u"Дополнение", true},
      {kNone, "TntLabel1", u"Калкора", false, true},
      {kNone, "TntLabel2", u"Версия 1.3", false, true},
      {kNone, "TntLabel3", u"Язык: русский", false, true},
  };
  const QWidget* about = Find<QWidget>("AboutBox");
  ASSERT_NE(about, nullptr);
  for (const auto& row : rows) {
    const QWidget* root = row.about ? about : row.toolTip ? form.get() : Sheet(row.page);
    const auto* control = root->findChild<QWidget*>(QString::fromLatin1(row.name));
    ASSERT_NE(control, nullptr) << row.name;
    EXPECT_EQ(row.toolTip ? control->toolTip() : Caption(control), QString::fromUtf16(row.text))
        << row.name;
  }

  // None of the old misspellings is left anywhere in the window or the about box.
  const QStringList shown = AllTexts(form.get()) + AllTexts(about);
  for (const char16_t* old :
       {u"коэфициент", u"Дискрименант", u"многочлену", u"уранени", u"Нет корня", u"Найдите",
        u"радиус ", u"с двумя", u"с тремя", u"при х", u"калкора", u"версия", u"Русский"}) {
    EXPECT_TRUE(shown.filter(QString::fromUtf16(old)).isEmpty())
        << QString::fromUtf16(old).toStdString();
  }
}

TEST_F(TextsTest, ClicksShowCorrectRussian) {
  const struct {
    PageId page;
    std::initializer_list<std::pair<const char*, const char16_t*>> fields;
    std::initializer_list<const char*> clicks;
    const char16_t* message;
  } rows[] = {
      {PageId::Quadratic,
       {{"a", u"0"}},
       {"Tenliyinkoklerinitap"},
       u"Если a = 0, то это не квадратное уравнение"},
      {PageId::LinearSystems, {}, {"HellET"}, u"Выберите число неизвестных"},
      {PageId::LinearSystems, {}, {"TntCheckBox1", "HellET"}, u"Введите коэффициенты"},
      {PageId::Combinatorics, {{"Edit13", u""}}, {"Permutasiya"}, u"Введите натуральное число"},
      {PageId::Combinatorics,
       {{"Edit13", u"-1"}},
       {"Permutasiya"},
       u"Введите натуральное число.\rЧисло отрицательно."},
      {PageId::Combinatorics,
       {{"Edit18", u"6"}, {"Edit19", u"5"}},
       {"Kombinezon"},
       u"Не может быть n < k"},
      {PageId::Polynomial,
       {{"Edit43", u"3*x^2+y"}},
       {"ToremeniTap"},
       u"Вы неправильно ввели многочлен"},
  };
  for (const auto& row : rows) {
    ShowPage(row.page);
    dialogs.messages.clear();
    for (const auto& [name, text] : row.fields)
      Field(name)->setText(QString::fromUtf16(text));
    for (const char* button : row.clicks)
      Click(button);
    EXPECT_EQ(dialogs.messages, QStringList{QString::fromUtf16(row.message)});
  }

  // Below zero the quadratic page says there are no real roots.
  ShowPage(PageId::Quadratic);
  Field("a")->setText(u"1"_s);
  Field("b")->setText(u"0"_s);
  Field("c")->setText(u"1"_s);
  Click("Tenliyinkoklerinitap");
  const auto* none = Sheet(PageId::Quadratic)->findChild<QLabel*>(u"TntLabel10"_s);
  EXPECT_TRUE(none->isVisible());
  EXPECT_EQ(none->text(), u"Действительных корней нет");

  // The graph file dialog names its files in Russian.
  ShowPage(PageId::Graph);
  Click("QrafikiSaxla");
  ASSERT_FALSE(dialogs.fileDialogs.isEmpty());
  EXPECT_EQ(dialogs.fileDialogs.back(), u"save|График функции (*.grf)|");

  // The sum's count agrees with its noun: 1, 21 take "члена", 11 and 5 "членов".
  ShowPage(PageId::Progressions);
  Click("TntCheckBox7");
  for (const auto& [n, caption] :
       {std::pair{u"1", u"Сумма 1 члена:\nS=2"}, std::pair{u"21", u"Сумма 21 члена:\nS=42"},
        std::pair{u"11", u"Сумма 11 членов:\nS=22"}, std::pair{u"5", u"Сумма 5 членов:\nS=10"}}) {
    Field("Edit27")->setText(QString::fromUtf16(n));
    Field("Edit28")->setText(u"0"_s);
    Field("Edit29")->setText(u"2"_s);
    Click("NciHeddveCemleri");
    EXPECT_EQ(Find<QLabel>("Label35")->text(), QString::fromUtf16(caption));
  }
}

}  // namespace
}  // namespace kalkora::testing
