#include "app/widgets/UniformListView.h"

#include "app/widgets/Accessibility.h"

#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

namespace kalkora {

namespace {

// Qt adds the vertical offset to positions in the viewport; this bound leaves them room.
constexpr qint64 kOffsetBound = qint64{1} << 30;

}  // namespace

UniformListView::UniformListView(QWidget* parent) : QAbstractItemView(parent) {
  setSelectionMode(SingleSelection);
  setSelectionBehavior(SelectRows);
  setEditTriggers(NoEditTriggers);
  setVerticalScrollMode(ScrollPerItem);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  InstallUniformListAccessibility();
}

void UniformListView::setModel(QAbstractItemModel* model) {
  QObject::disconnect(rowsRemoved_);
  QAbstractItemView::setModel(model);
  // The view has no handler of its own for removed rows: the scroll range shrinks here.
  if (model != nullptr) {
    rowsRemoved_ = connect(model, &QAbstractItemModel::rowsRemoved, this, [this] {
      updateGeometries();
      viewport()->update();
    });
  }
}

void UniformListView::SetRowHeight(int height) {
  rowHeight_ = std::max(1, height);
  updateGeometries();
  viewport()->update();
}

qint64 UniformListView::RowCount() const {
  return model() ? model()->rowCount(rootIndex()) : 0;
}

qint64 UniformListView::VisibleRows() const {
  return std::max(1, viewport()->height() / rowHeight_);
}

int UniformListView::TopRow() const {
  return verticalScrollBar()->value();
}

int UniformListView::verticalOffset() const {
  // The pixels above the top row do not fit an int for two billion rows. Qt only takes the
  // difference of two offsets, to follow a pressed point while the list scrolls, so measuring
  // from the top row of the last press gives the same differences within a bounded value.
  const qint64 pixels = (TopRow() - pressTopRow_) * rowHeight_;
  return static_cast<int>(std::clamp(pixels, -kOffsetBound, kOffsetBound));
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
  const qint64 row = index.row();
  const qint64 visible = VisibleRows();
  const qint64 top = TopRow();
  qint64 target = top;
  switch (hint) {
    case PositionAtTop:
      target = row;
      break;
    case PositionAtBottom:
      target = row - visible + 1;
      break;
    case PositionAtCenter:
      target = row - visible / 2;
      break;
    case EnsureVisible:
      if (row < top)
        target = row;
      else if (row >= top + visible)
        target = row - visible + 1;
      break;
  }
  QScrollBar* bar = verticalScrollBar();
  bar->setValue(static_cast<int>(std::clamp<qint64>(target, bar->minimum(), bar->maximum())));
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
  const qint64 count = RowCount();
  if (count == 0) return {};
  const qint64 current = currentIndex().isValid() ? currentIndex().row() : -1;
  const qint64 page = VisibleRows();
  qint64 row = current;
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
  return model()->index(static_cast<int>(std::clamp<qint64>(row, 0, count - 1)), 0, rootIndex());
}

void UniformListView::setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags flags) {
  const QModelIndex index = indexAt(rect.topLeft());
  if (index.isValid()) selectionModel()->select(index, flags);
}

QRegion UniformListView::visualRegionForSelection(const QItemSelection& selection) const {
  QRegion region;
  const qint64 top = TopRow();
  const qint64 bottom = top + VisibleRows();
  for (const QItemSelectionRange& range : selection) {
    const qint64 first = std::max<qint64>(range.top(), top);
    const qint64 last = std::min<qint64>(range.bottom(), bottom);
    for (qint64 row = first; row <= last; ++row) {
      region += visualRect(model()->index(static_cast<int>(row), 0, rootIndex()));
    }
  }
  return region;
}

void UniformListView::updateGeometries() {
  const qint64 count = RowCount();
  QScrollBar* bar = verticalScrollBar();
  const qint64 visible = VisibleRows();
  bar->setRange(0, static_cast<int>(std::max<qint64>(0, count - visible)));
  bar->setPageStep(static_cast<int>(visible));
  bar->setSingleStep(1);
  QAbstractItemView::updateGeometries();
}

void UniformListView::paintEvent(QPaintEvent* event) {
  QPainter painter(viewport());
  if (!model()) return;
  const qint64 count = RowCount();
  const qint64 top = TopRow();
  const qint64 first = top + std::max(0, event->rect().top()) / rowHeight_;
  const qint64 last = std::min(count - 1, top + event->rect().bottom() / rowHeight_);
  // The state every row starts from, as other lists draw theirs: enabled, active, and whether
  // the focus came by keyboard (which is when the style draws the focus frame).
  QStyleOptionViewItem base;
  initViewItemOption(&base);
  base.state &= ~(QStyle::State_Selected | QStyle::State_HasFocus | QStyle::State_MouseOver);
  if (isActiveWindow()) base.state |= QStyle::State_Active;
  const QModelIndex current = currentIndex();
  const bool focused = hasFocus() || viewport()->hasFocus();
  for (qint64 row = first; row <= last; ++row) {
    const QModelIndex index = model()->index(static_cast<int>(row), 0, rootIndex());
    QStyleOptionViewItem option = base;
    // Rows on screen only: their place fits an int.
    option.rect =
        QRect(0, static_cast<int>((row - top) * rowHeight_), viewport()->width(), rowHeight_);
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

void UniformListView::mousePressEvent(QMouseEvent* event) {
  pressTopRow_ = TopRow();
  QAbstractItemView::mousePressEvent(event);
}

}  // namespace kalkora
