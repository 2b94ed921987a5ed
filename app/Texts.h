// Texts the shell and several pages share.
#pragma once

#include <QString>

#include "common/Version.h"

namespace kalkora::texts {

// The application title: the task bar entry and the caption of every message box.
inline QString ApplicationTitle() {
  return QStringLiteral("Калкора1.0");
}
// The main window's caption, with the version written against the name.
inline QString WindowCaption() {
  return QStringLiteral("Калкора") + QStringLiteral(KALKORA_VERSION);
}
// The version line of "О программе".
inline QString VersionLine() {
  return QStringLiteral("Версия ") + QStringLiteral(KALKORA_VERSION);
}

// A text as the window shows it: a carriage return parts its lines, as on the platform the
// program's texts come from.
inline QString Shown(QString text) {
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(u'\r', u'\n');
  return text;
}

}  // namespace kalkora::texts
