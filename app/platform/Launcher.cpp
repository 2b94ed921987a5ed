#include "app/platform/Launcher.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace kalkora {

bool QtLauncher::StartFirstInstalled(const QStringList& programs) {
  for (const QString& program : programs) {
    const QString path = FindProgram(program);
    if (!path.isEmpty()) return StartDetached(path, {});
  }
  return false;
}

bool QtLauncher::OpenUrl(const QString& url) {
  return QDesktopServices::openUrl(QUrl(url));
}

bool QtLauncher::OpenFile(const QString& path) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

QString QtLauncher::FindProgram(const QString& name) {
  return QStandardPaths::findExecutable(name);
}

bool QtLauncher::StartDetached(const QString& program, const QStringList& arguments) {
  return QProcess::startDetached(program, arguments);
}

bool OpenCp1251Text(Launcher& launcher, const QString& path) {
#ifdef Q_OS_WIN
  return launcher.StartDetached(QStringLiteral("notepad.exe"), {path});
#else
  // Linux editors take a file for UTF-8 unless told otherwise; each has its own option.
  struct Editor {
    const char* name;
    QStringList options;
  };
  const QString gtkOption = QStringLiteral("--encoding=WINDOWS-1251");
  const Editor editors[] = {
      {"gedit", {gtkOption}},
      {"pluma", {gtkOption}},
      {"xed", {gtkOption}},
      {"mousepad", {gtkOption}},
      {"kwrite", {QStringLiteral("--encoding"), QStringLiteral("windows-1251")}},
      {"kate", {QStringLiteral("--encoding"), QStringLiteral("windows-1251")}},
  };
  for (const Editor& editor : editors) {
    const QString program = launcher.FindProgram(QString::fromLatin1(editor.name));
    if (program.isEmpty()) continue;
    // An argument list, not a command line: the path goes whole, whatever it holds (it is
    // absolute, so it is never taken for an option).
    return launcher.StartDetached(program, editor.options + QStringList{path});
  }
  return launcher.OpenFile(path);
#endif
}

}  // namespace kalkora
