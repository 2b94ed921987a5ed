// "Копировать" in the context menu of a result, so that results can be taken away as text.
#pragma once

class QAbstractItemView;
class QLabel;

namespace kalkora {

// The most rows one copy takes from a list: a selection can span millions of rows.
inline constexpr int kMostCopiedRows = 100'000;

// Copies the label's text as shown, in plain text, after the text of `caption` (a label that
// begins the same line, as "НОД(" does) when one is given.
void OfferCopy(QLabel* label, const QLabel* caption = nullptr);

// Copies the selected rows, one a line, or the current row when none is selected; at most
// kMostCopiedRows rows, read without walking the rest of the model.
void OfferCopy(QAbstractItemView* list);

}  // namespace kalkora
