#include "app/widgets/Field.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPointer>

namespace kalkora {

namespace {

// Alt with a key, without Ctrl, is a menu key: it types nothing, even where the platform gives
// it a text. (Ctrl+Alt is AltGr on many keyboards, which does type its character.)
bool IsAltKey(const QKeyEvent& event) {
  const Qt::KeyboardModifiers modifiers = event.modifiers();
  return (modifiers & Qt::AltModifier) && !(modifiers & Qt::ControlModifier);
}

bool IsLineBreak(QChar c) {
  return c == u'\r' || c == u'\n' || c == u'\u0085' || c == u'\u2028' || c == u'\u2029';
}

// Control characters type nothing into a field (C0, DEL and C1).
bool IsControl(QChar c) {
  const char16_t code = c.unicode();
  return code < u' ' || (code >= 0x7f && code <= 0x9f);
}

bool Is(const QKeyEvent& event, Qt::KeyboardModifiers modifiers, Qt::Key key) {
  return event.key() == key && (event.modifiers() & ~Qt::KeypadModifier) == modifiers;
}

FieldInput* InputOf(const QLineEdit* field) {
  return field->findChild<FieldInput*>(QString(), Qt::FindDirectChildrenOnly);
}

void Beep() {
  QApplication::beep();
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

FieldInput::FieldInput(QLineEdit* field, FieldRule rule)
    : QObject(field), field_(field), rule_(std::move(rule)) {
  field->installEventFilter(this);
  // Qt's own default of 32767 is no limit of the field's: such a field takes the longest text.
  constexpr int kQtDefaultLength = 32767;
  if (field->maxLength() == kQtDefaultLength) field->setMaxLength(kLongestFieldText);
}

void InstallField(QLineEdit* field, FieldRule rule) {
  if (FieldInput* input = InputOf(field)) {
    input->SetRule(std::move(rule));
  } else {
    new FieldInput(field, std::move(rule));
  }
}

bool HasFieldRule(const QLineEdit* field) {
  return InputOf(field) != nullptr;
}

bool PasteIntoField(QLineEdit* field, const QString& text) {
  if (FieldInput* input = InputOf(field)) return input->Paste(text);
  InstallField(field, {});
  return InputOf(field)->Paste(text);
}

void FieldInput::RunResets() const {
  if (rule_.resets) rule_.resets();
}

QString FieldInput::Kept(const QString& text) const {
  QString kept;
  for (const QChar c : text) {
    if (IsLineBreak(c) || IsControl(c)) continue;
    if (rule_.keys && !rule_.keys->Contains(c.unicode())) continue;
    kept += c;
  }
  return kept;
}

bool FieldInput::Offer(QChar key) {
  RunResets();
  if (key == u'\r') {
    QWidget* target =
        rule_.next != nullptr && !rule_.next->isHidden() ? rule_.next : rule_.otherwise;
    if (target != nullptr) target->setFocus();
    if (rule_.enter == EnterKey::Dropped) return false;
  }
  return !rule_.keys || rule_.keys->Contains(key.unicode());
}

bool FieldInput::Paste(const QString& text) {
  if (field_->isReadOnly()) return false;
  RunResets();
  const QString kept = Kept(text);
  if (kept.isEmpty()) {
    if (!text.isEmpty()) Beep();
    return false;
  }
  // A number cut to the field's length would be another number: refuse it whole.
  const qsizetype length = field_->text().size() - field_->selectedText().size() + kept.size();
  if (length > field_->maxLength()) {
    Beep();
    return false;
  }
  field_->insert(kept);
  return true;
}

void FieldInput::Undo() {
  if (field_->isReadOnly() || !field_->isUndoAvailable()) return;
  RunResets();
  field_->undo();
}

void FieldInput::Redo() {
  if (field_->isReadOnly() || !field_->isRedoAvailable()) return;
  RunResets();
  field_->redo();
}

void FieldInput::Cut() {
  if (field_->isReadOnly() || !field_->hasSelectedText()) return;
  RunResets();
  field_->cut();
}

void FieldInput::Delete() {
  if (field_->isReadOnly() || !field_->hasSelectedText()) return;
  RunResets();
  field_->del();
}

bool FieldInput::Shortcut(const QKeyEvent& event) {
  const auto control = Qt::ControlModifier;
  const auto shift = Qt::ShiftModifier;
  if (event.matches(QKeySequence::Paste) || Is(event, control, Qt::Key_V) ||
      Is(event, shift, Qt::Key_Insert)) {
    Paste(QGuiApplication::clipboard()->text());
  } else if (event.matches(QKeySequence::Copy) || Is(event, control, Qt::Key_C) ||
             Is(event, control, Qt::Key_Insert)) {
    field_->copy();
  } else if (event.matches(QKeySequence::Cut) || Is(event, control, Qt::Key_X) ||
             Is(event, shift, Qt::Key_Delete)) {
    Cut();
  } else if (event.matches(QKeySequence::Undo) || Is(event, control, Qt::Key_Z)) {
    Undo();
  } else if (event.matches(QKeySequence::Redo) || Is(event, control, Qt::Key_Y) ||
             Is(event, control | shift, Qt::Key_Z)) {
    Redo();
  } else if (event.matches(QKeySequence::SelectAll) || Is(event, control, Qt::Key_A)) {
    field_->selectAll();
  } else {
    return false;
  }
  return true;
}

bool FieldInput::KeyPress(const QKeyEvent& event) {
  if (IsAltKey(event)) return !event.text().isEmpty();
  if (Shortcut(event)) return true;
  if (event.key() == Qt::Key_Delete) {
    // Delete types no character, yet it edits the text as Backspace does.
    if (!field_->isReadOnly()) RunResets();
    return false;
  }
  const QChar key = TypedChar(event);
  if (key.isNull()) return false;
  // A dropped character never reaches the field; one let through reaches it unchanged.
  return !Offer(key);
}

bool FieldInput::Composed(QEvent* event) {
  // Text composed by an input method arrives in one piece: it is filtered as typing it would be.
  const auto& composed = *static_cast<QInputMethodEvent*>(event);
  const QString text = composed.commitString();
  if (text.isEmpty()) return false;
  RunResets();
  const QString kept = Kept(text);
  if (kept == text) return false;
  QInputMethodEvent filtered(composed.preeditString(), composed.attributes());
  filtered.setCommitString(kept, composed.replacementStart(), composed.replacementLength());
  QCoreApplication::sendEvent(field_, &filtered);
  return true;
}

bool FieldInput::Drop(QEvent* event) {
  auto& drop = *static_cast<QDropEvent*>(event);
  if (field_->isReadOnly() || drop.mimeData() == nullptr || !drop.mimeData()->hasText()) {
    return false;
  }
  // The field's own drop caret goes as it would after its own drop.
  QDragLeaveEvent leave;
  QCoreApplication::sendEvent(field_, &leave);
  field_->deselect();
  field_->setCursorPosition(field_->cursorPositionAt(drop.position().toPoint()));
  Paste(drop.mimeData()->text());
  drop.acceptProposedAction();
  return true;
}

bool FieldInput::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
      return KeyPress(*static_cast<QKeyEvent*>(event));
    case QEvent::InputMethod:
      return Composed(event);
    case QEvent::Drop:
      return Drop(event);
    case QEvent::MouseButtonRelease: {
      // The middle button pastes the selection where the platform has one.
      const auto& mouse = *static_cast<QMouseEvent*>(event);
      QClipboard* clipboard = QGuiApplication::clipboard();
      if (mouse.button() != Qt::MiddleButton || !clipboard->supportsSelection()) break;
      if (!field_->isReadOnly() && field_->rect().contains(mouse.position().toPoint())) {
        field_->deselect();
        Paste(clipboard->text(QClipboard::Selection));
      }
      return true;
    }
    case QEvent::ContextMenu: {
      const QPoint at = static_cast<QContextMenuEvent*>(event)->globalPos();
      const std::unique_ptr<QMenu> menu = FieldMenu(field_);
      menu->exec(at);
      return true;
    }
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}

std::unique_ptr<QMenu> FieldMenu(QLineEdit* field) {
  auto menu = std::make_unique<QMenu>();
  QPointer<QLineEdit> target(field);
  const auto input = [target]() -> FieldInput* {
    if (target.isNull()) return nullptr;
    if (!HasFieldRule(target)) InstallField(target, {});
    return InputOf(target);
  };
  const auto add = [&menu](const QString& text, QKeySequence::StandardKey key, bool enabled,
                           std::function<void()> act) {
    const QString shortcut = QKeySequence(key).toString(QKeySequence::NativeText);
    QAction* action = menu->addAction(shortcut.isEmpty() ? text : text + u'\t' + shortcut);
    action->setEnabled(enabled);
    QObject::connect(action, &QAction::triggered, action, std::move(act));
  };
  const bool editable = !field->isReadOnly();
  const bool selected = field->hasSelectedText();
  if (editable) {
    add(QStringLiteral("Отменить"), QKeySequence::Undo, field->isUndoAvailable(), [input] {
      if (FieldInput* in = input()) in->Undo();
    });
    add(QStringLiteral("Повторить"), QKeySequence::Redo, field->isRedoAvailable(), [input] {
      if (FieldInput* in = input()) in->Redo();
    });
    menu->addSeparator();
    add(QStringLiteral("Вырезать"), QKeySequence::Cut, selected, [input] {
      if (FieldInput* in = input()) in->Cut();
    });
  }
  add(QStringLiteral("Копировать"), QKeySequence::Copy,
      selected && field->echoMode() == QLineEdit::Normal, [target] {
        if (!target.isNull()) target->copy();
      });
  if (editable) {
    add(QStringLiteral("Вставить"), QKeySequence::Paste,
        !QGuiApplication::clipboard()->text().isEmpty(), [input] {
          if (FieldInput* in = input()) in->Paste(QGuiApplication::clipboard()->text());
        });
    add(QStringLiteral("Удалить"), QKeySequence::UnknownKey, selected, [input] {
      if (FieldInput* in = input()) in->Delete();
    });
  }
  menu->addSeparator();
  add(QStringLiteral("Выделить всё"), QKeySequence::SelectAll,
      !field->text().isEmpty() && field->selectedText() != field->text(), [target] {
        if (!target.isNull()) target->selectAll();
      });
  return menu;
}

}  // namespace kalkora
