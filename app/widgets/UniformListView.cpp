#include "app/widgets/UniformListView.h"

#include "app/widgets/Accessibility.h"

#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

namespace kalkora {

UniformListView::UniformListView(QWidget* parent) : QAbstractItemView(parent) {
  setSelectionMode(SingleSelection);
  setSelectionBehavior(SelectRows);
  setEditTriggers(NoEditTriggers);
  setVerticalScrollMode(ScrollPerItem);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  InstallUniformListAccessibility();
}

void UniformListView::SetRowHeight(int height) {
  rowHeight_ = std::max(1, height);
  updateGeometries();
  viewport()->update();
}

int UniformListView::RowCount() const {
  return model() ? model()->rowCount(rootIndex()) : 0;
}

int UniformListView::VisibleRows() const {
  return std::max(1, viewport()->height() / rowHeight_);
}

int UniformListView::TopRow() const {
  return verticalScrollBar()->value();
}

int UniformListView::verticalOffset() const {
  return TopRow() * rowHeight_;
}

QModelIndex UniformListView::indexAt(const QPoint& point) const {
  if (point.y() < 0 || !model()) return {};
  const qint64 row = TopRow() + static_cast<qint64>(point.y() / rowHeight_);
  if (row >= RowCount()) return {};
  return model()->index(static_cast<int>(row), 0, rootIndex());
}

QRect UniformListView::visualRect(const QModelIndex& index) const {
  if (!index.isValid()) return {};
  const qint64 y = (static_cast<qint64>(index.row()) - TopRow()) * rowHeight_;
  // Rows far off screen need no exact place; keep their rectangle within int range.
  const int clamped =
      static_cast<int>(std::clamp<qint64>(y, -rowHeight_ - 1, viewport()->height() + 1));
  return {0, clamped, viewport()->width(), rowHeight_};
}

void UniformListView::scrollTo(const QModelIndex& index, ScrollHint hint) {
  if (!index.isValid()) return;
  const int row = index.row();
  const int visible = VisibleRows();
  QScrollBar* bar = verticalScrollBar();
  switch (hint) {
    case PositionAtTop:
      bar->setValue(row);
      break;
    case PositionAtBottom:
      bar->setValue(row - visible + 1);
      break;
    case PositionAtCenter:
      bar->setValue(row - visible / 2);
      break;
    case EnsureVisible:
      if (row < TopRow())
        bar->setValue(row);
      else if (row >= TopRow() + visible)
        bar->setValue(row - visible + 1);
      break;
  }
}

void UniformListView::reset() {
  QAbstractItemView::reset();
  verticalScrollBar()->setValue(0);
  updateGeometries();
  viewport()->update();
}

void UniformListView::keyboardSearch(const QString& search) {
  // Qt's own search reads the rows one by one: on a hundred million rows that is a frozen
  // window. Only a model that finds its rows itself is searched.
  const auto* searchable = dynamic_cast<const PrefixSearch*>(model());
  if (searchable == nullptr || search.isEmpty()) return;
  // Keys typed in quick succession make one text, as in any list.
  const bool goesOn =
      lastKey_.isValid() && lastKey_.elapsed() < QApplication::keyboardInputInterval();
  typed_ = goesOn ? typed_ + search : search;
  lastKey_.start();
  int row = searchable->FirstRowStartingWith(typed_);
  if (row < 0 && goesOn) {
    typed_ = search;
    row = searchable->FirstRowStartingWith(typed_);
  }
  if (row < 0) return;
  const QModelIndex index = model()->index(row, 0, rootIndex());
  setCurrentIndex(index);
  scrollTo(index, PositionAtTop);
}

QModelIndex UniformListView::moveCursor(CursorAction action, Qt::KeyboardModifiers) {
  const int count = RowCount();
  if (count == 0) return {};
  const int current = currentIndex().isValid() ? currentIndex().row() : -1;
  const int page = VisibleRows();
  int row = current;
  switch (action) {
    case MoveUp:
    case MovePrevious:
      row = current - 1;
      break;
    case MoveDown:
    case MoveNext:
      row = current + 1;
      break;
    case MovePageUp:
      row = current - page;
      break;
    case MovePageDown:
      row = current + page;
      break;
    case MoveHome:
      row = 0;
      break;
    case MoveEnd:
      row = count - 1;
      break;
    default:
      break;
  }
  return model()->index(std::clamp(row, 0, count - 1), 0, rootIndex());
}

void UniformListView::setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags flags) {
  const QModelIndex index = indexAt(rect.topLeft());
  if (index.isValid()) selectionModel()->select(index, flags);
}

QRegion UniformListView::visualRegionForSelection(const QItemSelection& selection) const {
  QRegion region;
  const int top = TopRow();
  const int bottom = top + VisibleRows();
  for (const QItemSelectionRange& range : selection) {
    const int first = std::max(range.top(), top);
    const int last = std::min(range.bottom(), bottom);
    for (int row = first; row <= last; ++row) {
      region += visualRect(model()->index(row, 0, rootIndex()));
    }
  }
  return region;
}

void UniformListView::updateGeometries() {
  const int count = RowCount();
  QScrollBar* bar = verticalScrollBar();
  const int visible = VisibleRows();
  bar->setRange(0, std::max(0, count - visible));
  bar->setPageStep(visible);
  bar->setSingleStep(1);
  QAbstractItemView::updateGeometries();
}

void UniformListView::paintEvent(QPaintEvent* event) {
  QPainter painter(viewport());
  if (!model()) return;
  const int count = RowCount();
  const int top = TopRow();
  const int first = top + event->rect().top() / rowHeight_;
  const int last = std::min(count - 1, top + event->rect().bottom() / rowHeight_);
  // The state every row starts from, as other lists draw theirs: enabled, active, and whether
  // the focus came by keyboard (which is when the style draws the focus frame).
  QStyleOptionViewItem base;
  initViewItemOption(&base);
  base.state &= ~(QStyle::State_Selected | QStyle::State_HasFocus | QStyle::State_MouseOver);
  if (isActiveWindow()) base.state |= QStyle::State_Active;
  const QModelIndex current = currentIndex();
  const bool focused = hasFocus() || viewport()->hasFocus();
  for (int row = first; row <= last; ++row) {
    const QModelIndex index = model()->index(row, 0, rootIndex());
    QStyleOptionViewItem option = base;
    option.rect = QRect(0, (row - top) * rowHeight_, viewport()->width(), rowHeight_);
    if (selectionModel() && selectionModel()->isSelected(index)) {
      option.state |= QStyle::State_Selected;
    }
    if (focused && index == current) option.state |= QStyle::State_HasFocus;
    itemDelegate()->paint(&painter, option, index);
  }
}

void UniformListView::rowsInserted(const QModelIndex& parent, int start, int end) {
  QAbstractItemView::rowsInserted(parent, start, end);
  updateGeometries();
  viewport()->update();
}

void UniformListView::dataChanged(const QModelIndex&, const QModelIndex&, const QList<int>&) {
  // Qt unites the rectangles of every changed row, which for a billion rows takes half a
  // minute; the rows on screen are repainted from the model anyway.
  viewport()->update();
}

void UniformListView::rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end) {
  QAbstractItemView::rowsAboutToBeRemoved(parent, start, end);
  viewport()->update();
}

void UniformListView::resizeEvent(QResizeEvent* event) {
  QAbstractItemView::resizeEvent(event);
  updateGeometries();
}

}  // namespace kalkora
