#include "app/Fonts.h"

#include <QApplication>
#include <QFile>
#include <QFontDatabase>

namespace kalkora {

namespace {

// Wine's bold Tahoma draws Cyrillic letters thin and spaced out, so bold is drawn from the
// regular face instead.
const char16_t* const kFontFiles[] = {
    u"/usr/share/wine/fonts/tahoma.ttf",
    u"/usr/share/wine/fonts/ms_sans_serif.ttf",
};

QString& TahomaFamily() {
  static QString family;
  return family;
}

}  // namespace

void LoadFonts() {
  for (const char16_t* file : kFontFiles) {
    const QString path = QString::fromUtf16(file);
    if (!QFile::exists(path)) continue;
    const int id = QFontDatabase::addApplicationFont(path);
    if (id < 0) continue;
    for (const QString& family : QFontDatabase::applicationFontFamilies(id)) {
      if (family == u"Tahoma") TahomaFamily() = family;
    }
  }
  QApplication::setFont(Tahoma(11));
}

QFont Tahoma(int pixelSize, bool bold) {
  QFont font = TahomaFamily().isEmpty() ? QFontDatabase::systemFont(QFontDatabase::GeneralFont)
                                        : QFont(TahomaFamily());
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  return font;
}

}  // namespace kalkora
