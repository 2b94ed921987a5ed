// The rows of the progressions' terms list, made only for the rows on screen. A computation
// writes rows 0 to n - 1 over what was there; rows below them that a longer computation wrote
// before stay until the list is emptied, so the list is a stack of computations whose lengths
// decrease from the oldest to the newest, and a row shows the newest one that reaches it.
#pragma once

#include <QAbstractListModel>
#include <memory>
#include <vector>

#include "app/widgets/UniformListView.h"
#include "numbers/Progressions.h"

namespace kalkora {

class ProgressionListModel : public QAbstractListModel, public PrefixSearch {
  Q_OBJECT
 public:
  using QAbstractListModel::QAbstractListModel;

  // Writes the progression's rows 0 to Count() - 1; rows already there change their text in
  // place, so a selected row stays selected.
  void Write(std::shared_ptr<const Progression> progression);
  void Clear();

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  // Digits are a term's number: they find its row.
  int FirstRowStartingWith(const QString& prefix) const override;

 private:
  struct Layer {
    std::shared_ptr<const Progression> progression;
    std::int64_t rows;
  };
  std::vector<Layer> layers_;
};

}  // namespace kalkora
