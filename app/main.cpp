// Kalkora: solves the school mathematics problems people type in.
#include <QApplication>

#include "app/Fonts.h"
#include "app/OProqramme.h"
#include "app/StartupProbe.h"
#include "app/Texts.h"
#include "app/Translations.h"
#include "app/UKalkora.h"
#include "app/platform/Platform.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
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
