// The seam to other programs: the desktop calculator, the web browser and the text editor.
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
  // The full path of an installed program, or empty when it is not installed.
  virtual QString FindProgram(const QString& name) = 0;
  // Starts a program with an argument list, never through a shell, and does not wait for it.
  virtual bool StartDetached(const QString& program, const QStringList& arguments) = 0;
};

class QtLauncher final : public Launcher {
 public:
  bool StartFirstInstalled(const QStringList& programs) override;
  bool OpenUrl(const QString& url) override;
  bool OpenFile(const QString& path) override;
  QString FindProgram(const QString& name) override;
  bool StartDetached(const QString& program, const QStringList& arguments) override;
};

// Opens a Windows-1251 text file for reading: in the first installed editor that takes the
// encoding on its command line (gedit, pluma, xed, mousepad, kwrite, kate), otherwise with the
// desktop's opener; on Windows in Notepad. Returns at once, false when nothing could be started.
bool OpenCp1251Text(Launcher& launcher, const QString& path);

}  // namespace kalkora
