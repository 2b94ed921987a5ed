// The error report's Russian texts as the window shows them: the core's errors, and field texts
// quoted short and visible however long or strange the typed or pasted text is.
#include <new>
#include <stdexcept>

#include "app/ErrorReport.h"
#include "common/Errors.h"
#include "graphs/GraphFile.h"
#include "tests/app/AppTest.h"

namespace kalkora::testing {
namespace {

class MessagesTest : public WindowTest {
 protected:
  // The error reports shown after putting `text` into a field of a page and pressing a button.
  QStringList Shown(int page, const char* field, const char* button, const QString& text) {
    dialogs.errors.clear();
    form->Cebr()->setCurrentIndex(page);
    Find<QLineEdit>(field)->setText(text);
    Click(button);
    return dialogs.errors;
  }
  QStringList Float(const QString& text) {
    return Shown(8, "Edit26", "DaireninSahesiniTap", text);  // the disc's radius
  }
  QStringList Integer(const QString& text) {
    return Shown(0, "Edit5", "EBOBveEKOB", text);  // GCD and LCM
  }
};

QString Repeat(const QString& text, int times) {
  return text.repeated(times);
}

TEST_F(MessagesTest, FieldTextsAreQuotedShortAndVisible) {
  const QString x40 = Repeat(u"x"_s, 40);
  const QString smile = u"\U0001F600"_s;
  const struct {
    QString typed;
    QString shown;
  } cases[] = {
      {u"abc"_s, u"«abc» — не число."_s},
      {u""_s, u"Поле не заполнено: нужно число."_s},
      {u"1.5"_s, u"«1.5» — не число: дробную часть отделяют запятой."_s},
      {u"1E5000"_s, u"«1E5000» — слишком большое по модулю число."_s},
      {u"жук"_s, u"«жук» — не число."_s},
      // Forty characters are quoted whole, a longer text is cut after forty with "…".
      {x40, u"«"_s + x40 + u"» — не число."_s},
      {x40 + u"y"_s, u"«"_s + x40 + u"…» — не число."_s},
      {Repeat(u"a"_s, 100000), u"«"_s + Repeat(u"a"_s, 40) + u"…» — не число."_s},
      // Counted in characters: neither a two-byte letter nor a surrogate pair counts twice,
      // and a pair is never parted.
      {Repeat(u"ж"_s, 41), u"«"_s + Repeat(u"ж"_s, 40) + u"…» — не число."_s},
      {Repeat(smile, 20) + Repeat(u"x"_s, 30),
       u"«"_s + Repeat(smile, 20) + Repeat(u"x"_s, 20) + u"…» — не число."_s},
      {Repeat(u"x"_s, 39) + smile + u"y"_s,
       u"«"_s + Repeat(u"x"_s, 39) + smile + u"…» — не число."_s},
      // Hidden and direction-changing characters are shown as escapes, which are never cut.
      {u"12\u202E34"_s, u"«12<U+202E>34» — не число."_s},
      {QString::fromUtf16(u"12\0 34", 6), u"«12<U+0000> 34» — не число."_s},
      {u"a\u007Fb\u0085c\u200Bd"_s, u"«a<U+007F>b<U+0085>c<U+200B>d» — не число."_s},
      {u"\uFEFFe\u2066f\u061Cg\tj"_s, u"«<U+FEFF>e<U+2066>f<U+061C>g<U+0009>j» — не число."_s},
      // An escape takes room as it is shown.
      {Repeat(u"\u2067"_s, 6), u"«<U+2067><U+2067><U+2067><U+2067><U+2067>…» — не число."_s},
      {Repeat(u"x"_s, 38) + u"\u202E"_s, u"«"_s + Repeat(u"x"_s, 38) + u"…» — не число."_s},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed.left(50).toStdString());
    EXPECT_EQ(Float(c.typed), QStringList{c.shown});
  }
}

TEST_F(MessagesTest, AnIntegerFieldSaysWhichIntegersItTakes) {
  const struct {
    const char16_t* typed;
    const char16_t* shown;
  } cases[] = {
      {u"abc", u"«abc» — не целое число."},
      {u"1,5", u"«1,5» — не целое число."},
      {u"   ", u"Поле не заполнено: нужно целое число."},
      {u"2147483648", u"«2147483648» — целое число вне пределов от −2147483648 до 2147483647."},
      {u"-2147483649", u"«-2147483649» — целое число вне пределов от −2147483648 до 2147483647."},
      {u"\u202E7", u"«<U+202E>7» — не целое число."},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Integer(QString::fromUtf16(c.typed)), QStringList{QString::fromUtf16(c.shown)});
  }
}

TEST_F(MessagesTest, TheGraphFormulaIsRefusedInRussianAtItsPlace) {
  EXPECT_EQ(Shown(4, "FormEd", "QrafikiQur", u"2 + жук"_s),
            QStringList{u"Не понимаю формулу: знак \"ж\" в формулах не используется (символ 5)"_s});
  EXPECT_EQ(Shown(4, "FormEd", "QrafikiQur", u"sin"_s),
            QStringList{u"Не понимаю формулу: после \"sin\" ожидается аргумент (символ 4)"_s});
}

TEST_F(MessagesTest, TheCoresErrorsAreReportedInRussian) {
  const struct {
    void (*raise)();
    const char16_t* shown;
  } cases[] = {
      {[] { throw FloatError(kInvalidOperationMessage); }, u"Результат вычисления не определён."},
      {[] { throw FloatError(kDivisionByZeroMessage); }, u"Деление на ноль."},
      {[] { throw FloatError(kOverflowMessage); },
       u"Переполнение: в вычислении получилось слишком большое число."},
      {[] { throw IntDivError(); }, u"Деление на ноль."},
      {[] { throw InOutError(kReadBeyondEnd); }, u"Файл кончился раньше, чем ожидалось."},
      {[] { throw std::bad_alloc(); }, u"Недостаточно памяти."},
      {[] { throw ConvertError(NumberKind::Integer, "12a"); }, u"«12a» — не целое число."},
      // The window's own messages are Russian already.
      {[] { throw InOutError("Не удалось записать рисунок PNG"); },
       u"Не удалось записать рисунок PNG."},
  };
  for (const auto& c : cases) {
    dialogs.errors.clear();
    RunGuarded(dialogs, form.get(), c.raise);
    EXPECT_EQ(dialogs.errors, QStringList{QString::fromUtf16(c.shown)});
  }
}

}  // namespace
}  // namespace kalkora::testing
