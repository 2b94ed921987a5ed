#include "app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <clocale>
#include <cstring>

namespace kalkora {

bool LoadRussianTranslations() {
  auto* translator = new QTranslator(QCoreApplication::instance());
  if (!translator->load(QLocale(QLocale::Russian, QLocale::Russia), QStringLiteral("qtbase"),
                        QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return false;
  }
  return QCoreApplication::installTranslator(translator);
}

bool UseRussianSystemMessages() {
#ifdef LC_MESSAGES
  const char* current = std::setlocale(LC_MESSAGES, nullptr);
  if (current != nullptr && std::strncmp(current, "ru", 2) == 0) return true;
  for (const char* name : {"ru_RU.UTF-8", "ru_RU.utf8", "ru_UA.UTF-8", "ru_BY.UTF-8"}) {
    if (std::setlocale(LC_MESSAGES, name) != nullptr) return true;
  }
#endif
  // Elsewhere the system speaks the user's own language.
  return false;
}

}  // namespace kalkora
