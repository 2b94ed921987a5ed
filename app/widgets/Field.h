// How an entry field takes what the user types, pastes or drops. Each field has one rule (the
// characters typing lets through, where Enter moves the focus, what a key resets), and every way
// text arrives goes through it: a paste gives the field exactly what typing its characters would.
#pragma once

#include <QChar>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "numtext/KeySets.h"

class QEvent;
class QKeyEvent;
class QLineEdit;
class QMenu;
class QWidget;

namespace kalkora {

// The character a key press types, as the field's rule receives it: Ctrl+letter is its control
// code (Ctrl+V is 22), Enter is 13 (Ctrl+Enter 10), Backspace 8, Escape 27. Keys that type no
// character (arrows, Tab, Delete, Home, End, function keys) and Alt keys give QChar().
QChar TypedChar(const QKeyEvent& event);

// What happens to the Enter character once it has moved the focus.
enum class EnterKey { Dropped, PassedOn };

struct FieldRule {
  // The characters typing lets through; without a set, every character that types text.
  std::optional<KeySet> keys;
  // Enter moves the focus to `next` when it is shown, else to `otherwise`; with neither, it stays.
  QWidget* next = nullptr;
  QWidget* otherwise = nullptr;
  EnterKey enter = EnterKey::Dropped;
  // Runs for every character typed, also one the set drops, and once for every other edit: a
  // paste, a drop, a cut, an undo or redo, a deletion.
  std::function<void()> resets = {};
};

// What a field without a length limit of its own takes at most: the longest formula a graph file
// holds, and room for a polynomial of thousands of terms.
inline constexpr int kLongestFieldText = 65535;

// Gives `field` its rule; a field has one rule, and a second call replaces it.
void InstallField(QLineEdit* field, FieldRule rule);
// Whether the field has a rule yet.
bool HasFieldRule(const QLineEdit* field);

// Puts `text` at the field's cursor (over its selection) as typing its characters would: line
// breaks and characters the rule drops are left out, and the resets run once. A text that would
// not fit the field's length limit is refused whole with a beep. False when nothing was put in.
bool PasteIntoField(QLineEdit* field, const QString& text);

// The field's context menu: undo, redo, cut, copy, paste, delete and select all, each going
// through the field's rule (a read-only field offers only copy and select all).
std::unique_ptr<QMenu> FieldMenu(QLineEdit* field);

class FieldInput : public QObject {
  Q_OBJECT
 public:
  FieldInput(QLineEdit* field, FieldRule rule);

  void SetRule(FieldRule rule) { rule_ = std::move(rule); }
  const FieldRule& Rule() const { return rule_; }

  bool Paste(const QString& text);
  // The editing commands of the menu and the shortcuts.
  void Undo();
  void Redo();
  void Cut();
  void Delete();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool KeyPress(const QKeyEvent& event);
  bool Shortcut(const QKeyEvent& event);
  bool Composed(QEvent* event);
  bool Drop(QEvent* event);
  // Enter's focus move and the set's filter, after the resets; false when `key` is dropped.
  bool Offer(QChar key);
  // The characters of `text` that typing would put in, without moving the focus.
  QString Kept(const QString& text) const;
  void RunResets() const;

  QLineEdit* field_;
  FieldRule rule_;
};

}  // namespace kalkora
