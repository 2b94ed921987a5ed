// The up-down spinner tied to an entry field: two arrow buttons, and the Up and Down keys in
// the field, step the field's number by one within a range, stopping or wrapping at the ends.
#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace kalkora {

class UpDown : public QWidget {
  Q_OBJECT
 public:
  enum class Ends { Stop, Wrap };

  explicit UpDown(QWidget* parent = nullptr);

  // Ties the spinner to `edit`: it takes its place at the field's right edge, inside the
  // field's laid-out width, as a spinner tied to a field does on the original platform.
  void Associate(QLineEdit* edit);
  void SetRange(int minimum, int maximum);
  void SetEnds(Ends ends);
  void SetPosition(int position);
  int Position() const { return position_; }
  QLineEdit* Field() const { return edit_; }
  // What screen readers call the arrows: "Больше" and "Меньше", for the field named `field`.
  void NameArrows(const QString& field);

  // One step up (+1) or down (-1) from the number in the field.
  void Step(int direction);

 Q_SIGNALS:
  // A step changed the field's text; a step that leaves it as it was emits nothing.
  void Click();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  int CurrentNumber() const;

  QLineEdit* edit_ = nullptr;
  QToolButton* up_;
  QToolButton* down_;
  int minimum_ = 0;
  int maximum_ = 100;
  int position_ = 0;
  Ends ends_ = Ends::Stop;
};

}  // namespace kalkora
