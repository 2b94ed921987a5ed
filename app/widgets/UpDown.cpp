#include "app/widgets/UpDown.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <algorithm>

namespace kalkora {

namespace {

constexpr int kSpinnerWidth = 17;

QToolButton* MakeArrow(QWidget* parent, Qt::ArrowType arrow) {
  auto* button = new QToolButton(parent);
  button->setArrowType(arrow);
  button->setAutoRepeat(true);
  button->setFocusPolicy(Qt::NoFocus);
  return button;
}

}  // namespace

UpDown::UpDown(QWidget* parent)
    : QWidget(parent), up_(MakeArrow(this, Qt::UpArrow)), down_(MakeArrow(this, Qt::DownArrow)) {
  connect(up_, &QToolButton::clicked, this, [this] { Step(+1); });
  connect(down_, &QToolButton::clicked, this, [this] { Step(-1); });
  NameArrows({});
  resize(kSpinnerWidth, 21);
}

void UpDown::Associate(QLineEdit* edit) {
  edit_ = edit;
  const QRect field = edit->geometry();
  edit->resize(field.width() - kSpinnerWidth, field.height());
  setGeometry(field.right() + 1 - kSpinnerWidth, field.top(), kSpinnerWidth, field.height());
  edit->installEventFilter(this);
}

void UpDown::NameArrows(const QString& field) {
  up_->setAccessibleName(QStringLiteral("Больше"));
  down_->setAccessibleName(QStringLiteral("Меньше"));
  if (field.isEmpty()) return;
  up_->setAccessibleDescription(
      QStringLiteral("Увеличить на единицу число в поле «%1»").arg(field));
  down_->setAccessibleDescription(
      QStringLiteral("Уменьшить на единицу число в поле «%1»").arg(field));
}

void UpDown::SetRange(int minimum, int maximum) {
  minimum_ = minimum;
  maximum_ = maximum;
  position_ = std::clamp(position_, minimum_, maximum_);
}

void UpDown::SetEnds(Ends ends) {
  ends_ = ends;
}

void UpDown::SetPosition(int position) {
  position_ = std::clamp(position, minimum_, maximum_);
}

int UpDown::CurrentNumber() const {
  // The field may hold pasted text that is no number: then the last position stands.
  bool ok = false;
  const int value = edit_ ? edit_->text().trimmed().toInt(&ok) : 0;
  return std::clamp(ok ? value : position_, minimum_, maximum_);
}

void UpDown::Step(int direction) {
  const int from = CurrentNumber();
  int to = from + direction;
  if (to > maximum_) to = ends_ == Ends::Wrap ? minimum_ : maximum_;
  if (to < minimum_) to = ends_ == Ends::Wrap ? maximum_ : minimum_;
  position_ = to;
  // The handler runs whenever the field's text changes, so that the field and the result
  // never disagree (a number beyond the range is written as the end it was taken for).
  bool changed = to != from;
  if (edit_) {
    const QString text = QString::number(to);
    changed = edit_->text() != text;
    if (changed) edit_->setText(text);
  }
  if (changed) Q_EMIT Click();
}

bool UpDown::eventFilter(QObject* watched, QEvent* event) {
  if (watched == edit_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
      Step(key == Qt::Key_Up ? +1 : -1);
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void UpDown::resizeEvent(QResizeEvent* /*event*/) {
  const int upper = height() / 2;
  up_->setGeometry(0, 0, width(), upper);
  down_->setGeometry(0, upper, width(), height() - upper);
}

}  // namespace kalkora
