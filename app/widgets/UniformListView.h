// A list view for models of millions of rows: every row has the same height, so the view finds
// the rows on screen by arithmetic and keeps nothing per row (QListView keeps a position for
// every row, which for a hundred million primes is hundreds of megabytes and seconds of layout).
#pragma once

#include <QAbstractItemView>
#include <QElapsedTimer>
#include <QString>

namespace kalkora {

// A model whose rows can be found by the start of their text without reading them all.
class PrefixSearch {
 public:
  virtual ~PrefixSearch() = default;
  // The first row whose text starts with `prefix`, or -1.
  virtual int FirstRowStartingWith(const QString& prefix) const = 0;
};

class UniformListView : public QAbstractItemView {
  Q_OBJECT
 public:
  explicit UniformListView(QWidget* parent = nullptr);

  void setModel(QAbstractItemModel* model) override;
  void SetRowHeight(int height);
  int RowHeight() const { return rowHeight_; }
  // The first row on screen.
  int TopRow() const;

  QModelIndex indexAt(const QPoint& point) const override;
  QRect visualRect(const QModelIndex& index) const override;
  void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
  void reset() override;
  // Typing in the list jumps to the first row that starts with the typed text, when the model
  // can find it (PrefixSearch); otherwise typing does nothing.
  void keyboardSearch(const QString& search) override;

 protected:
  QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
  int horizontalOffset() const override { return 0; }
  int verticalOffset() const override;
  bool isIndexHidden(const QModelIndex&) const override { return false; }
  void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags flags) override;
  QRegion visualRegionForSelection(const QItemSelection& selection) const override;
  void updateGeometries() override;
  void paintEvent(QPaintEvent* event) override;
  void rowsInserted(const QModelIndex& parent, int start, int end) override;
  void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                   const QList<int>& roles) override;
  void rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  qint64 RowCount() const;
  qint64 VisibleRows() const;

  int rowHeight_ = 13;
  // The top row when the mouse was last pressed: the vertical offset is measured from it.
  qint64 pressTopRow_ = 0;
  QMetaObject::Connection rowsRemoved_;
  QString typed_;
  QElapsedTimer lastKey_;
};

}  // namespace kalkora
