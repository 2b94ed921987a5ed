// Results taken away: the graph picture to the clipboard and to PNG and SVG files, and result
// labels and lists to the clipboard, through their context menus.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include "app/widgets/ImageView.h"
#include "tests/app/AppTest.h"

namespace kalkora::testing {
namespace {

QAction* Entry(QWidget* widget, const QString& text) {
  for (QAction* action : widget->actions()) {
    if (action->text() == text) return action;
  }
  ADD_FAILURE() << "no entry " << text.toStdString();
  return nullptr;
}

class CopyTest : public WindowTest {};

TEST_F(CopyTest, TheGraphPictureSavesAsPngAndAsSvgFromThePoints) {
  ShowPage(PageId::Graph);
  auto* image = Find<ImageView>("Image3");
  const QTemporaryDir folder;
  // Saves the picture as `name` in the folder; the polylines of the file then.
  const auto save = [&](const QString& name) {
    dialogs.fileNames = {folder.filePath(name)};
    Entry(image, u"Сохранить изображение…"_s)->trigger();
    QFile file(folder.filePath(name));
    QStringList polylines;
    if (!name.endsWith(u"svg"_s, Qt::CaseInsensitive) || !file.open(QIODevice::ReadOnly))
      return polylines;
    const QByteArray svg = file.readAll();
    EXPECT_TRUE(QSvgRenderer(svg).isValid());
    auto found = QRegularExpression(u"<polyline[^>]* points=\"([^\"]*)\""_s)
                     .globalMatch(QString::fromUtf8(svg));
    while (found.hasNext())
      polylines << found.next().captured(1).simplified();
    return polylines;
  };

  Click("QrafikiQur");
  save(u"graph"_s);
  EXPECT_EQ(dialogs.fileDialogs, QStringList{u"save|Рисунок PNG (*.png);;Рисунок SVG (*.svg)|"_s});
  const QImage png(folder.filePath(u"graph.png"_s));
  EXPECT_EQ(png.size(), QSize(300, 293));
  EXPECT_EQ(png.convertToFormat(QImage::Format_RGB32), image->Image());

  // x⁴ − 4x³ on [−2; 4,5]: from its top left corner (48 at x = −2) to 45,5625 at the right
  // edge, at most four points to a pixel column.
  const QStringList curves = save(u"graph.SVG"_s);
  ASSERT_EQ(curves.size(), 1);
  const QStringList points = curves[0].split(u' ');
  EXPECT_EQ(points.front(), u"0,1");
  EXPECT_EQ(points.back(), u"300,10.52");
  EXPECT_LE(points.size(), 4 * 301);

  // A second graph drawn over the first is in the picture too, until the image is cleared.
  Find<QLineEdit>("FormEd")->setText(u"x"_s);
  Click("QrafikiQur");
  EXPECT_EQ(save(u"two.svg"_s).size(), 2);
  Click("QrafikiTemizle");
  EXPECT_TRUE(save(u"none.svg"_s).isEmpty());
  EXPECT_TRUE(QFile::exists(folder.filePath(u"none.svg"_s)));

  // Where no file can be made: the error report a graph file gets, and nothing left behind.
  save(u"no/such/folder/graph.png"_s);
  EXPECT_EQ(dialogs.errors.size(), 1);
  EXPECT_FALSE(QFile::exists(folder.filePath(u"no"_s)));

  Entry(image, u"Копировать изображение"_s)->trigger();
  EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QSize(300, 293));
}

struct CopyCase {
  PageId page;
  const char* steps;  // in order, "Field=text" types into a field and "Button" clicks it
  const char* result;
  int row;  // the list row selected, or with a minus sign the current row without a selection
  const char* copied;
};

TEST_F(CopyTest, ResultsCopyWhatTheyShow) {
  const QString nothing = u"(nothing copied)"_s;
  const CopyCase cases[] = {
      {PageId::NaturalNumbers, "Edit5=12 Edit9=18 EBOBveEKOB", "Label13", 0, "НОД(12,18)=6"},
      {PageId::NaturalNumbers, "", "SadeEdedlerinSiyahisi", 0, "(nothing copied)"},
      {PageId::NaturalNumbers, "Edit46=20 SadeEdedler", "SadeEdedlerinSiyahisi", 3, "7"},
      {PageId::Quadratic, "a=1 b=-3 c=2 Tenliyinkoklerinitap", "x2", 0, "x2=1,00"},
      {PageId::Progressions, "TntCheckBox7 Edit27=4 Edit28=3 Edit29=2 NciHeddveCemleri", "ListBox1",
       -2, "n=3:  8"},
      {PageId::Polynomial, "Edit43=3*x^2+5*x^1 ToremeniTap", "Label25", 0, "f'(x)=6x^1+5x^0"},
      {PageId::Converter, "", "Neticeler", 1, "0,1 Сантиметр"},
  };
  for (const CopyCase& c : cases) {
    SCOPED_TRACE(c.result);
    ShowPage(c.page);
    QWidget* page = form->PageWidget(c.page);
    for (const QString& step : QString::fromLatin1(c.steps).split(u' ', Qt::SkipEmptyParts)) {
      const QStringList field = step.split(u'=');
      if (field.size() == 2) {
        page->findChild<QLineEdit*>(field[0])->setText(field[1]);
      } else {
        page->findChild<QAbstractButton*>(step)->click();
      }
    }
    auto* result = page->findChild<QWidget*>(QString::fromLatin1(c.result));
    ASSERT_NE(result, nullptr);
    const QString copied = QString::fromUtf8(c.copied);
    if (auto* list = qobject_cast<QAbstractItemView*>(result); list && copied != nothing) {
      QItemSelectionModel* selection = list->selectionModel();
      if (c.row < 0) {
        selection->setCurrentIndex(list->model()->index(-c.row, 0), QItemSelectionModel::Clear);
      } else {
        // The selection is copied, not the current row.
        selection->select(list->model()->index(c.row, 0), QItemSelectionModel::ClearAndSelect);
        selection->setCurrentIndex(list->model()->index(0, 0), QItemSelectionModel::NoUpdate);
      }
    }
    QGuiApplication::clipboard()->setText(nothing);
    Entry(result, u"Копировать"_s)->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), copied);
  }
  EXPECT_TRUE(dialogs.errors.isEmpty());
}

}  // namespace
}  // namespace kalkora::testing
