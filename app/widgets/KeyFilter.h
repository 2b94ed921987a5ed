// Key handlers of entry fields: each typed character is offered to the field's handler first,
// which may drop it (set it to QChar()) or do something else, such as moving the focus.
#pragma once

#include <QChar>
#include <QObject>
#include <functional>

#include "numtext/KeySets.h"

class QKeyEvent;
class QLineEdit;
class QWidget;

namespace kalkora {

// The character a key press types, as the field's key handler receives it: Ctrl+letter is its
// control code (Ctrl+V is 22), Enter is 13 (Ctrl+Enter 10), Backspace 8, Escape 27. Keys that
// type no character (arrows, Tab, Delete, Home, End, function keys) and Alt keys give QChar().
QChar TypedChar(const QKeyEvent& event);

using KeyHandler = std::function<void(QChar& key)>;

// What happens to the Enter character once it has moved the focus.
enum class EnterKey { Dropped, PassedOn };

// The common shape of a field's key handler: Enter first moves the focus to `next` (when there
// is one) and is dropped or passed on; then only the characters of `allowed` go through.
void FilterKey(QChar& key, const KeySet& allowed, QWidget* next, EnterKey enter);

// Routes every character typed into `edit` through `handler` before the field sees it, also
// those an input method composes. Text pasted from the context menu is not typed and is not
// filtered.
void InstallKeyHandler(QLineEdit* edit, KeyHandler handler);

class KeyFilter : public QObject {
  Q_OBJECT
 public:
  KeyFilter(QLineEdit* edit, KeyHandler handler);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool FilterComposed(QObject* watched, QEvent* event);

  KeyHandler handler_;
};

}  // namespace kalkora
