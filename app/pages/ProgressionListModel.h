// The rows of the progressions' terms list, made only for the rows on screen: the terms of the
// last computation, row i - 1 showing term i, and nothing per row.
#pragma once

#include <QAbstractListModel>
#include <memory>

#include "app/widgets/UniformListView.h"
#include "numbers/Progressions.h"

namespace kalkora {

class ProgressionListModel : public QAbstractListModel, public PrefixSearch {
  Q_OBJECT
 public:
  using QAbstractListModel::QAbstractListModel;

  // Shows the progression's rows 0 to Count() - 1 and no others. Rows that both computations
  // have change their text in place, so a selected row that is still there stays selected.
  void Write(std::shared_ptr<const Progression> progression);
  void Clear();

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  // Digits are a term's number: they find its row.
  int FirstRowStartingWith(const QString& prefix) const override;

 private:
  std::shared_ptr<const Progression> progression_;
};

}  // namespace kalkora
