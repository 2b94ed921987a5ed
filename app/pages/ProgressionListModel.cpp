#include "app/pages/ProgressionListModel.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace kalkora {

namespace {

// n is a 32-bit count, so the rows fit an int.
int Rows(const Progression& progression) {
  return static_cast<int>(
      std::min<std::int64_t>(progression.Count(), std::numeric_limits<int>::max()));
}

}  // namespace

void ProgressionListModel::Write(std::shared_ptr<const Progression> progression) {
  const int before = rowCount();
  const int after = Rows(*progression);
  // The same terms over the rows both have change nothing there (a spinner stepping).
  const bool same = progression_ && progression_->SameTermsAs(*progression);
  // Rows go or come at the end only, so the rows before them keep their selection.
  if (after < before) {
    beginRemoveRows({}, after, before - 1);
    progression_ = std::move(progression);
    endRemoveRows();
  } else if (after > before) {
    beginInsertRows({}, before, after - 1);
    progression_ = std::move(progression);
    endInsertRows();
  } else {
    progression_ = std::move(progression);
  }
  const int common = std::min(before, after);
  if (!same && common > 0) Q_EMIT dataChanged(index(0), index(common - 1));
}

void ProgressionListModel::Clear() {
  beginResetModel();
  progression_.reset();
  endResetModel();
}

int ProgressionListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() || !progression_ ? 0 : Rows(*progression_);
}

QVariant ProgressionListModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) return {};
  return QString::fromStdString(ProgressionRow(*progression_, index.row() + std::int64_t{1}));
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
