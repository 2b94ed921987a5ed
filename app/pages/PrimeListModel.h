// The rows of the primes list: the primes 2 ... N as text, made only for the rows on screen.
#pragma once

#include <QAbstractListModel>
#include <memory>

#include "app/widgets/UniformListView.h"
#include "numbers/NaturalNumbers.h"

namespace kalkora {

class PrimeListModel : public QAbstractListModel, public PrefixSearch {
  Q_OBJECT
 public:
  using QAbstractListModel::QAbstractListModel;

  // The primes up to n (none for n < 2).
  void Fill(std::int32_t n);
  void Clear();

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  // Digits find the first prime written with them in a segment or two; anything else, nothing.
  int FirstRowStartingWith(const QString& prefix) const override;

 private:
  // Making a segment's primes on demand changes the cache, not what the model holds.
  mutable std::unique_ptr<PrimeTable> primes_;
};

}  // namespace kalkora
