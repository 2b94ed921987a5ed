#include "app/widgets/KeyFilter.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>

namespace kalkora {

namespace {

// Alt with a key, without Ctrl, is a menu key: it types nothing, even where the platform gives
// it a text. (Ctrl+Alt is AltGr on many keyboards, which does type its character.)
bool IsAltKey(const QKeyEvent& event) {
  const Qt::KeyboardModifiers modifiers = event.modifiers();
  return (modifiers & Qt::AltModifier) && !(modifiers & Qt::ControlModifier);
}

}  // namespace

QChar TypedChar(const QKeyEvent& event) {
  if (IsAltKey(event)) return {};
  const Qt::KeyboardModifiers modifiers = event.modifiers();
  const bool control = (modifiers & Qt::ControlModifier) && !(modifiers & Qt::AltModifier);
  const int key = event.key();
  if (control && key >= Qt::Key_A && key <= Qt::Key_Z) {
    return QChar(static_cast<char16_t>(key - Qt::Key_A + 1));
  }
  switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      // Ctrl+Enter is a line feed, which no field lets through.
      return QChar(control ? u'\n' : u'\r');
    case Qt::Key_Backspace:
      return QChar(u'\b');
    case Qt::Key_Escape:
      return QChar(u'\x1b');
    default:
      break;
  }
  const QString text = event.text();
  // Keys such as Delete report a control character as their text, yet type nothing.
  if (text.isEmpty() || text.front().unicode() < u' ' || text.front().unicode() == 0x7f) return {};
  return text.front();
}

void FilterKey(QChar& key, const KeySet& allowed, QWidget* next, EnterKey enter) {
  if (key == u'\r') {
    if (next) next->setFocus();
    if (enter == EnterKey::Dropped) {
      key = QChar();
      return;
    }
  }
  if (!allowed.Contains(key.unicode())) key = QChar();
}

KeyFilter::KeyFilter(QLineEdit* edit, KeyHandler handler)
    : QObject(edit), handler_(std::move(handler)) {
  edit->installEventFilter(this);
}

bool KeyFilter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::InputMethod) return FilterComposed(watched, event);
  if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
  const auto& keyEvent = *static_cast<QKeyEvent*>(event);
  if (IsAltKey(keyEvent)) return !keyEvent.text().isEmpty();
  QChar key = TypedChar(keyEvent);
  if (key.isNull()) return false;
  handler_(key);
  // A dropped character never reaches the field; one let through reaches it unchanged.
  return key.isNull();
}

bool KeyFilter::FilterComposed(QObject* watched, QEvent* event) {
  // Text composed by an input method arrives in one piece: each of its characters is offered
  // to the handler as if typed, and only those let through reach the field.
  const auto& composed = *static_cast<QInputMethodEvent*>(event);
  const QString text = composed.commitString();
  QString kept;
  for (const QChar c : text) {
    QChar key = c;
    handler_(key);
    if (key == c) kept += c;
  }
  if (kept == text) return false;
  QInputMethodEvent filtered(composed.preeditString(), composed.attributes());
  filtered.setCommitString(kept, composed.replacementStart(), composed.replacementLength());
  QCoreApplication::sendEvent(watched, &filtered);
  return true;
}

void InstallKeyHandler(QLineEdit* edit, KeyHandler handler) {
  new KeyFilter(edit, std::move(handler));
}

}  // namespace kalkora
