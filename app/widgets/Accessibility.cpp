#include "app/widgets/Accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSet>
#include <map>

#include "app/widgets/UniformListView.h"
#include "app/widgets/UpDown.h"

namespace kalkora {

void NameFieldsByTheirLabels(QWidget* root) {
  const QList<QLabel*> labels = root->findChildren<QLabel*>();
  // One label names one field.
  QSet<const QWidget*> named;
  for (const QLabel* label : labels) {
    if (label->buddy() != nullptr) named.insert(label->buddy());
  }
  for (QLabel* label : labels) {
    if (label->text().trimmed().isEmpty() || label->buddy() != nullptr) continue;
    const QRect caption = label->geometry();
    QLineEdit* nearest = nullptr;
    for (QLineEdit* field :
         label->parentWidget()->findChildren<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly)) {
      const QRect place = field->geometry();
      const bool sameLine =
          place.center().y() >= caption.top() - 6 && place.center().y() <= caption.bottom() + 6;
      if (!sameLine || place.left() < caption.right() - 2 || !field->accessibleName().isEmpty() ||
          named.contains(field)) {
        continue;
      }
      if (nearest == nullptr || place.left() < nearest->geometry().left()) nearest = field;
    }
    if (nearest == nullptr) continue;
    label->setBuddy(nearest);
    named.insert(nearest);
  }
  // A spinner's arrows say which field they step.
  for (UpDown* spinner : root->findChildren<UpDown*>()) {
    const QLineEdit* field = spinner->Field();
    if (field == nullptr) continue;
    QString name = field->accessibleName();
    for (const QLabel* label : labels) {
      if (name.isEmpty() && label->buddy() == field) name = label->text().trimmed();
    }
    spinner->NameArrows(name);
  }
}

namespace {

class RowAccessible : public QAccessibleInterface {
 public:
  RowAccessible(UniformListView* view, int row) : view_(view), row_(row) {}

  bool isValid() const override { return view_ != nullptr && Index().isValid(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return view_->window()->windowHandle(); }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(view_);
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name ? Index().data().toString() : QString();
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    const QRect local = view_->visualRect(Index());
    return QRect(view_->viewport()->mapToGlobal(local.topLeft()), local.size());
  }
  QAccessible::Role role() const override { return QAccessible::ListItem; }
  QAccessible::State state() const override {
    QAccessible::State s;
    s.selectable = true;
    s.focusable = true;
    const bool current = view_->currentIndex() == Index();
    s.selected = current;
    s.focused = current && view_->hasFocus();
    return s;
  }

 private:
  QModelIndex Index() const {
    return view_->model() ? view_->model()->index(row_, 0, view_->rootIndex()) : QModelIndex();
  }

  UniformListView* view_;
  int row_;
};

// The list: its children are the rows on screen, made when a reader asks for them.
class ListAccessible : public QAccessibleWidget {
 public:
  explicit ListAccessible(UniformListView* view)
      : QAccessibleWidget(view, QAccessible::List), view_(view) {}
  ~ListAccessible() override {
    for (const auto& [row, id] : rows_)
      QAccessible::deleteAccessibleInterface(id);
  }

  int childCount() const override {
    const int rows = view_->model() ? view_->model()->rowCount(view_->rootIndex()) : 0;
    return std::max(0, std::min(Visible(), rows - view_->TopRow()));
  }
  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= childCount()) return nullptr;
    const int row = view_->TopRow() + index;
    auto found = rows_.find(row);
    if (found == rows_.end()) {
      // Rows scrolled out of sight are let go, so that the cache holds a screenful.
      if (rows_.size() > 256) {
        for (const auto& [old, id] : rows_)
          QAccessible::deleteAccessibleInterface(id);
        rows_.clear();
      }
      found =
          rows_
              .emplace(row, QAccessible::registerAccessibleInterface(new RowAccessible(view_, row)))
              .first;
    }
    return QAccessible::accessibleInterface(found->second);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    for (int i = 0; i < childCount(); ++i) {
      if (this->child(i) == child) return i;
    }
    return -1;
  }
  QAccessibleInterface* focusChild() const override {
    const int row = view_->currentIndex().row();
    return row >= view_->TopRow() ? child(row - view_->TopRow()) : nullptr;
  }

 private:
  int Visible() const { return std::max(1, view_->viewport()->height() / view_->RowHeight()); }

  UniformListView* view_;
  mutable std::map<int, QAccessible::Id> rows_;
};

QAccessibleInterface* UniformListFactory(const QString& className, QObject* object) {
  if (className == u"kalkora::UniformListView" && object && object->isWidgetType()) {
    return new ListAccessible(static_cast<UniformListView*>(object));
  }
  return nullptr;
}

}  // namespace

void InstallUniformListAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(UniformListFactory);
    return true;
  }();
  (void)installed;
}

}  // namespace kalkora
