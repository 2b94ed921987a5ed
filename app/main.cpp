// Kalkora: solves the school mathematics problems people type in.
#include <QApplication>
#include <QCommandLineParser>
#include <cstring>

#include "app/Fonts.h"
#include "app/OProqramme.h"
#include "app/StartupProbe.h"
#include "app/Texts.h"
#include "app/Translations.h"
#include "app/UKalkora.h"
#include "app/platform/Platform.h"
#include "common/Version.h"

namespace {

// --help and --version answer as every program does, under the command's name; an unknown
// option is refused there too. Both exit without going further.
void AnswerCommandLine(QCoreApplication& application) {
  QCoreApplication::setApplicationName(QStringLiteral("kalkora"));
  QCoreApplication::setApplicationVersion(QStringLiteral(KALKORA_VERSION));
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("Калкора: решение школьных задач по математике."));
  parser.addHelpOption();
  parser.addVersionOption();
  parser.process(application);
}

// Help and version need no screen: they are answered before any window system is opened.
bool AsksForHelpOrVersion(int argc, char* argv[]) {
  for (int i = 1; i < argc; ++i) {
    for (const char* option : {"-h", "--help", "-?", "--help-all", "-v", "--version"}) {
      if (std::strcmp(argv[i], option) == 0) return true;
    }
  }
  return false;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (AsksForHelpOrVersion(argc, argv)) {
    QCoreApplication console(argc, argv);
    AnswerCommandLine(console);
    return 0;
  }
  // A second start opens a window of its own, as a calculator does.
  QApplication application(argc, argv);
  AnswerCommandLine(application);
  QApplication::setApplicationName(kalkora::texts::ApplicationTitle());
  kalkora::LoadRussianTranslations();
  kalkora::UseRussianSystemMessages();
  kalkora::LoadFonts();

  kalkora::QtDialogs dialogs;
  kalkora::QtLauncher launcher;
  kalkora::Platform platform{dialogs, launcher};

  kalkora::TForm1 form1(platform);
  auto* aboutBox = new kalkora::TAboutBox(&form1);
  form1.SetAboutBox(aboutBox);
  kalkora::WatchFirstFrame(form1);
  form1.show();
  return QApplication::exec();
}
