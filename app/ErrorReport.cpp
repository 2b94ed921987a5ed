#include "app/ErrorReport.h"

namespace kalkora {

QString WithFullStop(const QString& message) {
  if (!message.isEmpty() && message.back().unicode() > u'.') return message + u'.';
  return message;
}

void ReportError(Dialogs& dialogs, QWidget* parent, const QString& message) {
  dialogs.ShowError(parent, WithFullStop(message));
}

}  // namespace kalkora
