#include "app/platform/Launcher.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace kalkora {

bool QtLauncher::StartFirstInstalled(const QStringList& programs) {
  for (const QString& program : programs) {
    const QString path = QStandardPaths::findExecutable(program);
    if (!path.isEmpty()) return QProcess::startDetached(path, {});
  }
  return false;
}

bool QtLauncher::OpenUrl(const QString& url) {
  return QDesktopServices::openUrl(QUrl(url));
}

bool QtLauncher::OpenFile(const QString& path) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

}  // namespace kalkora
