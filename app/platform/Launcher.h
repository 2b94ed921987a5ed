// The seam to other programs: the desktop calculator and the web browser.
#pragma once

#include <QString>
#include <QStringList>

namespace kalkora {

class Launcher {
 public:
  virtual ~Launcher() = default;

  // Starts the first of the given programs that is installed; false when none could be started.
  virtual bool StartFirstInstalled(const QStringList& programs) = 0;
  // Opens a web address in the user's default browser; false when that failed.
  virtual bool OpenUrl(const QString& url) = 0;
  // Opens a file with the program the desktop associates with it.
  virtual bool OpenFile(const QString& path) = 0;
};

class QtLauncher final : public Launcher {
 public:
  bool StartFirstInstalled(const QStringList& programs) override;
  bool OpenUrl(const QString& url) override;
  bool OpenFile(const QString& path) override;
};

}  // namespace kalkora
