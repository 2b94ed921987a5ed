// Texts the shell and several pages share.
#pragma once

#include <QString>

namespace kalkora::texts {

// The application title: the task bar entry and the caption of every message box.
inline QString ApplicationTitle() {
  return QStringLiteral("Калкора1.0");
}
// The main window's caption.
inline QString WindowCaption() {
  return QStringLiteral("Калкора1.3");
}

}  // namespace kalkora::texts
