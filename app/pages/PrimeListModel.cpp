#include "app/pages/PrimeListModel.h"

#include "numtext/NumText.h"

namespace kalkora {

void PrimeListModel::Fill(std::int32_t n) {
  beginResetModel();
  primes_ = std::make_unique<PrimeTable>(n);
  endResetModel();
}

void PrimeListModel::Clear() {
  beginResetModel();
  primes_.reset();
  endResetModel();
}

int PrimeListModel::rowCount(const QModelIndex& parent) const {
  // Fewer than 2^31 numbers hold fewer than 2^31 primes, so the count fits a row number.
  return parent.isValid() || !primes_ ? 0 : static_cast<int>(primes_->Count());
}

QVariant PrimeListModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid() || !primes_ || index.row() >= rowCount()) {
    return {};
  }
  return QString::fromStdString(FormatInteger(primes_->At(index.row())));
}

int PrimeListModel::FirstRowStartingWith(const QString& prefix) const {
  if (!primes_) return -1;
  return static_cast<int>(primes_->FirstStartingWith(prefix.toStdString()));
}

}  // namespace kalkora
