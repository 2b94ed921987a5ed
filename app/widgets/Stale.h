// A result that no longer answers its fields (they were edited since, or the last solve was
// refused or failed) is shown greyed, with a tooltip saying so, until the next solve; its text
// is never changed.
#pragma once

#include <QString>

class QWidget;

namespace kalkora {

void ShowStale(QWidget* result, const QString& why);
// Back to its own colours and tooltip.
void ShowFresh(QWidget* result);
bool IsShownStale(const QWidget* result);

}  // namespace kalkora
