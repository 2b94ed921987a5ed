// The window's layout at the scale it runs at (the tests run it at 1, 1.5 and 2): every text fits
// its control, every control lies inside its parent, pictures are drawn at the screen's pixels.
#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QToolButton>

#include "app/widgets/Picture.h"
#include "tests/app/AppTest.h"

namespace kalkora::testing {
namespace {

using LayoutTest = WindowTest;

// Where a text needs more room than its control gives it, by name.
QStringList Clipped(QWidget* page) {
  QStringList clipped;
  for (QWidget* w : page->findChildren<QWidget*>()) {
    if (w->isHidden() || w->objectName().startsWith(u"qt_")) continue;
    QString text;
    int room = w->width();
    if (auto* label = qobject_cast<QLabel*>(w); label && !label->wordWrap()) {
      text = label->text();
      if (label->sizeHint().height() > label->height() + 1)
        clipped << w->objectName() + u" (height)"_s;
    } else if (auto* button = qobject_cast<QPushButton*>(w)) {
      text = button->text();
      room -= button->icon().isNull() ? 8 : 8 + button->iconSize().width() + 4;
    } else if (auto* box = qobject_cast<QCheckBox*>(w)) {
      text = box->text();
      room -= 20;
    }
    if (text.isEmpty() || text.contains(u'\n')) continue;
    if (w->fontMetrics().horizontalAdvance(text) > room)
      clipped << w->objectName() + u": "_s + text;
  }
  return clipped;
}

QStringList Outside(QWidget* page) {
  QStringList outside;
  for (QWidget* w : page->findChildren<QWidget*>()) {
    if (w->isHidden() || w->isWindow() || w->objectName().isEmpty() ||
        w->objectName().startsWith(u"qt_")) {
      continue;
    }
    const QWidget* parent = w->parentWidget();
    if (qobject_cast<const QAbstractScrollArea*>(parent) || qobject_cast<QScrollBar*>(w)) continue;
    if (!parent->rect().contains(w->geometry())) outside << w->objectName();
  }
  return outside;
}

TEST_F(LayoutTest, EveryPageFitsItsTextsAndControls) {
  for (int page = 0; page < form->Cebr()->count(); ++page) {
    form->Cebr()->setCurrentIndex(page);
    QWidget* sheet = form->Cebr()->widget(page);
    EXPECT_EQ(Clipped(sheet), QStringList()) << "page " << page;
    EXPECT_EQ(Outside(sheet), QStringList()) << "page " << page;
  }
}

TEST_F(LayoutTest, TextsShownAfterAClickFitToo) {
  // No real roots: the label that replaces x1 and x2 stays inside its group.
  ShowPage(PageId::Quadratic);
  Field("a")->setText(u"1"_s);
  Field("b")->setText(u"0"_s);
  Field("c")->setText(u"1"_s);
  Click("Tenliyinkoklerinitap");
  QWidget* sheet = form->Cebr()->currentWidget();
  ASSERT_TRUE(Find<QLabel>("TntLabel10")->isVisible());
  EXPECT_EQ(Clipped(sheet), QStringList());
  EXPECT_EQ(Outside(sheet), QStringList());
}

TEST_F(LayoutTest, PicturesAreDrawnAtTheScreensPixels) {
  const qreal scale = form->devicePixelRatioF();
  EXPECT_DOUBLE_EQ(scale, qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
                              ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
                              : 1.0);
  for (const char* name : {"Image1", "Image2", "Image4", "Image5", "Image6"}) {
    auto* picture = Find<Picture>(name);
    const QImage image = picture->grab().toImage();
    EXPECT_EQ(image.size(), (QSizeF(picture->size()) * scale).toSize()) << name;
  }
  // The toolbar's pictures are rendered for the screen too.
  auto* button = Find<QToolButton>("TntToolButton1");
  const QPixmap icon = button->icon().pixmap(button->iconSize(), scale);
  EXPECT_EQ(icon.size(), (QSizeF(button->iconSize()) * scale).toSize());
}

}  // namespace
}  // namespace kalkora::testing
