#include "app/pages/ProgressionListModel.h"

#include <algorithm>

namespace kalkora {

void ProgressionListModel::Write(std::shared_ptr<const Progression> progression) {
  const std::int64_t rows = progression->Count();
  const int before = rowCount();
  // Computations no longer than this one are hidden under it for good.
  while (!layers_.empty() && layers_.back().rows <= rows)
    layers_.pop_back();
  // The same terms over rows that already show them change nothing (a spinner stepping down).
  const bool same = !layers_.empty() && layers_.back().progression->SameTermsAs(*progression);
  if (!same) layers_.push_back({std::move(progression), rows});
  const int after = rowCount();
  if (after > before) {
    beginInsertRows({}, before, after - 1);
    endInsertRows();
  }
  if (!same && before > 0) {
    Q_EMIT dataChanged(index(0), index(static_cast<int>(std::min<std::int64_t>(rows, before)) - 1));
  }
}

void ProgressionListModel::Clear() {
  beginResetModel();
  layers_.clear();
  endResetModel();
}

int ProgressionListModel::rowCount(const QModelIndex& parent) const {
  // The oldest computation is the longest; n is a 32-bit count, so rows fit an int.
  return parent.isValid() || layers_.empty() ? 0 : static_cast<int>(layers_.front().rows);
}

QVariant ProgressionListModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) return {};
  // The newest computation that reaches the row: lengths decrease towards the newest.
  const std::int64_t row = index.row();
  const auto reaching = std::partition_point(
      layers_.begin(), layers_.end(), [row](const Layer& layer) { return layer.rows > row; });
  const Layer& layer = *(reaching - 1);
  return QString::fromStdString(ProgressionRow(*layer.progression, row + 1));
}

int ProgressionListModel::FirstRowStartingWith(const QString& prefix) const {
  bool ok = false;
  const qint64 number = prefix.toLongLong(&ok);
  // Only plain digits: toLongLong would also take a sign or blanks.
  for (const QChar c : prefix) {
    if (c < u'0' || c > u'9') return -1;
  }
  if (!ok || prefix.startsWith(u'0') || number < 1 || number > rowCount()) return -1;
  return static_cast<int>(number - 1);
}

}  // namespace kalkora
