#include "app/Messages.h"

#include <QByteArrayView>
#include <QChar>
#include <QStringDecoder>
#include <QStringList>
#include <QtGlobal>
#include <cerrno>
#include <new>
#include <string>

#include "common/Errors.h"
#include "graphs/GraphFile.h"
#include "numtext/NumText.h"

namespace kalkora {
namespace {

// The core's own messages and what the window says for them.
struct Translation {
  const char* english;
  const char16_t* russian;
};
const Translation kTranslations[] = {
    {kInvalidOperationMessage, u"Результат вычисления не определён"},
    {kDivisionByZeroMessage, u"Деление на ноль"},
    {kOverflowMessage, u"Переполнение: в вычислении получилось слишком большое число"},
    {kIntDivisionByZeroMessage, u"Деление на ноль"},
    {kReadBeyondEnd, u"Файл кончился раньше, чем ожидалось"},
};

// Characters that show nothing, break the line or turn the direction of the text after them:
// controls (C0, DEL, C1), formatting characters (zero-width ones, direction marks, embeddings,
// overrides and isolates, the byte order mark, tags) and the line and paragraph separators.
bool Hidden(char32_t c) {
  switch (QChar::category(c)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
    case QChar::Other_Surrogate:
      return true;
    default:
      return false;
  }
}

// The text's characters as they are shown: each one itself, or <U+XXXX> when it is hidden.
// A surrogate pair stays one piece, so no cut can part it.
QStringList Pieces(const QString& text) {
  QStringList pieces;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const bool pair =
        text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
    const char32_t code = pair ? QChar::surrogateToUcs4(text[i], text[i + 1]) : text[i].unicode();
    if (Hidden(code)) {
      pieces << QStringLiteral("<U+%1>").arg(static_cast<uint>(code), 4, 16, QChar(u'0')).toUpper();
    } else {
      pieces << text.mid(i, pair ? 2 : 1);
    }
    if (pair) ++i;
  }
  return pieces;
}

// How long a piece looks: a character is one, an escape its length.
qsizetype Width(const QString& piece) {
  return piece.startsWith(u"<U+") ? piece.size() : 1;
}

// The leading pieces that fit in `room`, or all of them.
qsizetype FittingFromStart(const QStringList& pieces, qsizetype room) {
  qsizetype count = 0;
  for (; count < pieces.size() && Width(pieces[count]) <= room; ++count)
    room -= Width(pieces[count]);
  return count;
}

QString Joined(const QStringList& pieces, qsizetype from, qsizetype to) {
  QString text;
  for (qsizetype i = from; i < to; ++i)
    text += pieces[i];
  return text;
}

QString InQuotes(const QString& text) {
  return u'«' + text + u'»';
}

// The text the core read, in UTF-8.
QString CoreText(const std::string& bytes) {
  const QByteArrayView view(bytes.data(), static_cast<qsizetype>(bytes.size()));
  // A byte order mark at the start was typed too: it is shown, not taken off.
  QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
  return decoder.decode(view);
}

// A field left empty, or holding nothing but spaces.
bool Blank(const std::string& text) {
  return text.find_first_not_of(' ') == std::string::npos;
}

// "1.5" for "1,5": the number written with a point where the program reads a comma.
bool PointForComma(std::string text) {
  if (text.find('.') == std::string::npos) return false;
  for (char& c : text) {
    if (c == '.') c = ',';
  }
  try {
    ParseFloat(text);
    return true;
  } catch (const ConvertError&) {
    return false;
  }
}

QString ConvertText(const ConvertError& error) {
  const bool integer = error.Kind() == NumberKind::Integer;
  if (Blank(error.Text())) {
    return integer ? QStringLiteral("Поле не заполнено: нужно целое число")
                   : QStringLiteral("Поле не заполнено: нужно число");
  }
  const QString quoted = QuotedText(CoreText(error.Text()));
  if (integer) {
    return quoted +
           (error.OutOfRange()
                ? QStringLiteral(" — целое число вне пределов от −2147483648 до 2147483647")
                : QStringLiteral(" — не целое число"));
  }
  if (error.OutOfRange()) return quoted + QStringLiteral(" — слишком большое по модулю число");
  if (PointForComma(error.Text())) {
    return quoted + QStringLiteral(" — не число: дробную часть отделяют запятой");
  }
  return quoted + QStringLiteral(" — не число");
}

}  // namespace

QString ReportedText(const std::exception& error) {
  if (dynamic_cast<const std::bad_alloc*>(&error) != nullptr) {
    return QStringLiteral("Недостаточно памяти");
  }
  if (const auto* convert = dynamic_cast<const ConvertError*>(&error)) return ConvertText(*convert);
  const std::string_view message = error.what();
  for (const Translation& t : kTranslations) {
    if (message == t.english) return QString::fromUtf16(t.russian);
  }
  return QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size()));
}

QString QuotedText(const QString& text) {
  // A paste may be long: only what can be shown is looked at. The part looked at holds more
  // characters than can be shown whenever the text does, so a cut is always seen.
  const QStringList pieces = Pieces(text.left(2 * kQuotedLength + 2));
  const qsizetype shown = FittingFromStart(pieces, kQuotedLength);
  return InQuotes(Joined(pieces, 0, shown) +
                  (shown < pieces.size() ? QStringLiteral("…") : QString()));
}

QString QuotedPath(const QString& path) {
  constexpr qsizetype kLongest = 60, kStart = 20;
  const QStringList pieces = Pieces(path);
  if (FittingFromStart(pieces, kLongest) == pieces.size())
    return InQuotes(Joined(pieces, 0, pieces.size()));
  const qsizetype head = FittingFromStart(pieces, kStart);
  qsizetype tail = pieces.size();
  for (qsizetype room = kLongest - kStart; tail > head && Width(pieces[tail - 1]) <= room; --tail)
    room -= Width(pieces[tail - 1]);
  return InQuotes(Joined(pieces, 0, head) + u'…' + Joined(pieces, tail, pieces.size()));
}

QString FileErrorText(int error) {
  switch (error) {
    case ENOSPC:
      return QStringLiteral("на диске не осталось места");
    case EDQUOT:
      return QStringLiteral("исчерпана квота на диске");
    case EACCES:
    case EPERM:
      return QStringLiteral("нет доступа к файлу или папке");
    case EROFS:
      return QStringLiteral("диск доступен только для чтения");
    case ENOENT:
      return QStringLiteral("нет такого файла или папки");
    case ENOTDIR:
      return QStringLiteral("часть пути — не папка");
    case EISDIR:
      return QStringLiteral("это папка, а не файл");
    case ENAMETOOLONG:
      return QStringLiteral("слишком длинное имя файла");
    case EIO:
      return QStringLiteral("ошибка ввода-вывода на устройстве");
    case EMFILE:
    case ENFILE:
      return QStringLiteral("открыто слишком много файлов");
    case EFBIG:
      return QStringLiteral("файл слишком большой");
    case ETXTBSY:
      return QStringLiteral("файл занят: это запущенная программа");
    case EBUSY:
      return QStringLiteral("файл или устройство заняты");
    default:
      break;
  }
  // The system's own words, in Russian where the system speaks it.
  QString text = qt_error_string(error);
  while (text.endsWith(u'.'))
    text.chop(1);
  if (text.size() > 1 && text[0].isUpper() && text[1].isLower()) text[0] = text[0].toLower();
  return text;
}

}  // namespace kalkora
