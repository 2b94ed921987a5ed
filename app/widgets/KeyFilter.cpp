#include "app/widgets/KeyFilter.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>

namespace kalkora {

QChar TypedChar(const QKeyEvent& event) {
  const Qt::KeyboardModifiers modifiers = event.modifiers();
  if (modifiers & Qt::AltModifier) return {};
  const int key = event.key();
  if ((modifiers & Qt::ControlModifier) && key >= Qt::Key_A && key <= Qt::Key_Z) {
    return QChar(static_cast<char16_t>(key - Qt::Key_A + 1));
  }
  switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return QChar(u'\r');
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
  if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
  QChar key = TypedChar(*static_cast<QKeyEvent*>(event));
  if (key.isNull()) return false;
  handler_(key);
  // A dropped character never reaches the field; one let through reaches it unchanged.
  return key.isNull();
}

void InstallKeyHandler(QLineEdit* edit, KeyHandler handler) {
  new KeyFilter(edit, std::move(handler));
}

}  // namespace kalkora
