// Page 4 driven as a user would: building, clearing, the read-out, saving and opening files.
#include <sys/stat.h>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

#include "app/pages/GraphPage.h"
#include "app/widgets/ImageView.h"
#include "graphs/GraphFile.h"
#include "tests/app/AppTest.h"

namespace kalkora::testing {
namespace {

class GraphPageTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    ShowPage(PageId::Graph);
    page = Find<GraphPage>("TntTabSheet5");
  }

  void MoveMouse(int x, int y) {
    SendMouse(Find<QWidget>("Image3"), QEvent::MouseMove, QPointF(x, y), Qt::NoButton,
              Qt::NoButton);
  }
  int Count(Rgb color) {
    int count = 0;
    for (int y = 0; y < kGraphHeight; ++y) {
      for (int x = 0; x < kGraphWidth; ++x)
        count += page->Image().Pixel(x, y) == color;
    }
    return count;
  }
  QString Read(const char* name) { return Field(name)->text(); }

  GraphPage* page = nullptr;
  QTemporaryDir folder;
};

TEST_F(GraphPageTest, StartsWithABlueImageAndTheDefaultFormula) {
  EXPECT_EQ(Count(kBlue), kGraphWidth * kGraphHeight);
  EXPECT_EQ(Find<QWidget>("Image3")->size(), QSize(300, 293));
  EXPECT_EQ(Read("FormEd"), u"x^4-4*x^3");
  EXPECT_EQ(Read("XStart"), u"-2");
  EXPECT_EQ(Read("XEnd"), u"4,5");
  EXPECT_EQ(Read("StepEd"), u"0,01");
  EXPECT_EQ(Field("FormEd")->maxLength(), 256);
  EXPECT_TRUE(Find<QCheckBox>("MashCh")->isChecked());
  EXPECT_TRUE(Find<QCheckBox>("LinesCh")->isChecked());
  EXPECT_FALSE(page->State().GraphDrawn);
}

TEST_F(GraphPageTest, BuildDrawsTheDefaultGraphAndFillsTheGauge) {
  Click("QrafikiQur");
  EXPECT_TRUE(dialogs.errors.isEmpty());
  EXPECT_EQ(page->State().PointsX.size(), 651u);
  EXPECT_EQ(page->State().MinY, -27);
  EXPECT_EQ(page->State().MaxY, 48);
  EXPECT_GT(Count(kYellow), 600);
  EXPECT_EQ(Find<QProgressBar>("Gauge1")->maximum(), 650);
  EXPECT_EQ(Find<QProgressBar>("Gauge1")->value(), 650);
}

// Counts the paints of a widget, to see the gauge move while the build holds the event loop.
class PaintCounter : public QObject {
 public:
  explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
  int paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

TEST_F(GraphPageTest, GaugeMovesDuringTheBuildWithoutAPaintPerPoint) {
  Field("XStart")->setText(u"1"_s);
  Field("StepEd")->setText(u"0,001"_s);  // 3501 points
  PaintCounter counter(Find<QProgressBar>("Gauge1"));
  Click("QrafikiQur");
  ASSERT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join(u' ').toStdString();
  // Points, scale and drawing each paint the bar at their start and at their end at least.
  EXPECT_GE(counter.paints, 3 * 2);
  EXPECT_LE(counter.paints, 3 * 101);
  EXPECT_EQ(Find<QProgressBar>("Gauge1")->value(), 3500);
}

TEST_F(GraphPageTest, StartAfterEndIsExchangedInTheFields) {
  Field("XStart")->setText(u"5"_s);
  Field("XEnd")->setText(u"1"_s);
  Click("QrafikiQur");
  EXPECT_EQ(Read("XStart"), u"1");
  EXPECT_EQ(Read("XEnd"), u"5");
  EXPECT_EQ(page->State().RangeStart, 1);
  EXPECT_EQ(page->State().PointsX.back(), 5);
}

TEST_F(GraphPageTest, UnusableStepsSayNeverniyShag) {
  for (const char16_t* step : {u"7", u"-0,01", u"0", u"0,0000001"}) {
    dialogs.messages.clear();
    Field("StepEd")->setText(QString::fromUtf16(step));
    Click("QrafikiQur");
    EXPECT_EQ(dialogs.messages, QStringList{u"Неверный шаг"_s});
    EXPECT_TRUE(page->State().PointsX.empty());
    EXPECT_EQ(Count(kBlue), kGraphWidth * kGraphHeight);
  }
  Field("StepEd")->setText(u"6,5"_s);
  Click("QrafikiQur");
  EXPECT_EQ(page->State().PointsX.size(), 2u);
}

TEST_F(GraphPageTest, APointWithoutAValueIsAGapAndTheBuildGoesOn) {
  Field("FormEd")->setText(u"1/(x-1)"_s);
  Field("StepEd")->setText(u"0,5"_s);
  Click("QrafikiQur");
  EXPECT_TRUE(dialogs.errors.isEmpty());
  EXPECT_EQ(page->State().PointsY.size(), 13u);  // x = 1 left out
  EXPECT_LT(Count(kBlue), kGraphWidth * kGraphHeight);

  // Saved without the gap, and opened again as whole, drawn at once.
  const QString name = folder.filePath(u"gap.grf"_s);
  dialogs.fileNames = {name};
  Click("QrafikiSaxla");
  EXPECT_EQ(QFileInfo(name).size(), 10 * (1 + 7 + 3 + 2 * 13));
  Click("QrafikiTemizle");
  dialogs.fileNames = {name};
  Click("QrafikiAc");
  EXPECT_TRUE(dialogs.messages.isEmpty());
  EXPECT_EQ(page->State().PointsY.size(), 13u);
  EXPECT_LT(Count(kBlue), kGraphWidth * kGraphHeight);

  Field("XEnd")->setText(u"4.5"_s);
  Click("QrafikiQur");
  EXPECT_EQ(dialogs.errors.back(), u"«4.5» — не число: дробную часть отделяют запятой.");
}

// A second formula joins the first on one scale, in a colour of its own, with both in the
// legend of the copied picture; building it again adds nothing, and "Очистить" starts afresh.
TEST_F(GraphPageTest, CurvesBuiltOneAfterAnotherShareThePicture) {
  Field("FormEd")->setText(u"x^2-4"_s);
  Field("XStart")->setText(u"-3"_s);
  Field("XEnd")->setText(u"3"_s);
  Click("QrafikiQur");
  const int yellowAlone = Count(kYellow);
  Field("FormEd")->setText(u"2x+1"_s);
  Field("XStart")->setText(u"-5"_s);
  Field("XEnd")->setText(u"5"_s);
  Click("QrafikiQur");
  EXPECT_EQ(page->State().FrameStart, -5);
  EXPECT_EQ(page->State().FrameEnd, 5);
  EXPECT_EQ(page->State().MinY, -9);
  EXPECT_EQ(page->State().MaxY, 11);
  EXPECT_GT(Count(0xffffff), 100) << "the second curve has a colour of its own";
  EXPECT_NE(Count(kYellow), yellowAlone) << "the first curve was drawn again on the new scale";
  const int white = Count(0xffffff);
  Click("QrafikiQur");
  EXPECT_EQ(Count(0xffffff), white);

  const QImage copied = Find<ImageView>("Image3")->Image();
  EXPECT_NE(copied.pixel(6, 6), QColor(Qt::blue).rgb()) << "the legend is in the picture";
  Click("QrafikiTemizle");
  Click("QrafikiQur");
  EXPECT_EQ(page->State().FrameStart, -5);
  EXPECT_EQ(page->State().MinY, -9);
  EXPECT_EQ(Count(0xffffff), 0) << "alone again, in the first colour";
}

TEST_F(GraphPageTest, ReadOutFollowsTheMouseOnlyWhileAGraphIsDrawn) {
  MoveMouse(150, 100);
  EXPECT_EQ(Read("XEd"), u"0");
  EXPECT_EQ(Read("YEd"), u"0");
  Click("QrafikiQur");
  MoveMouse(0, 0);
  EXPECT_EQ(Read("XEd"), u"-2");
  EXPECT_EQ(Read("YEd"), u"48");
  MoveMouse(300, 293);
  EXPECT_EQ(Read("XEd"), u"4,5");
  EXPECT_EQ(Read("YEd"), u"-27");

  Click("QrafikiTemizle");
  EXPECT_EQ(Read("XEd"), u"0");
  EXPECT_EQ(Count(kBlue), kGraphWidth * kGraphHeight);
  MoveMouse(10, 10);
  EXPECT_EQ(Read("XEd"), u"0");
  EXPECT_EQ(Read("YEd"), u"0");
  EXPECT_EQ(page->State().PointsX.size(), 651u);  // the data stays
}

TEST_F(GraphPageTest, SaveAndOpenGiveBackEveryPoint) {
  Click("QrafikiQur");
  const QString name = folder.filePath(u"parabola"_s);
  dialogs.fileNames = {name};
  Click("QrafikiSaxla");
  EXPECT_EQ(dialogs.fileDialogs.back(), u"save|График функции (*.grf)|");
  QFile saved(name + u".grf"_s);
  ASSERT_TRUE(saved.exists());
  EXPECT_EQ(saved.size(), 13150);

  const std::vector<Extended> xs = page->State().PointsX;
  const std::vector<Extended> ys = page->State().PointsY;
  Field("FormEd")->setText(u"x"_s);
  Field("XStart")->setText(u"0"_s);
  Field("StepEd")->setText(u"1"_s);
  // A cancelled dialog opens the file just written.
  Click("QrafikiAc");
  EXPECT_EQ(dialogs.fileDialogs.back(), u"open|График функции (*.grf)|"_s + name + u".grf"_s);
  EXPECT_EQ(Read("FormEd"), u"x^4-4*x^3");
  EXPECT_EQ(Read("XStart"), u"-2");
  EXPECT_EQ(Read("XEnd"), u"4,5");
  EXPECT_EQ(Read("StepEd"), u"0,01");
  EXPECT_EQ(page->State().PointsX, xs);
  EXPECT_EQ(page->State().PointsY, ys);
  EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(GraphPageTest, SavingKeepsAnotherExtensionAndCyrillicFormulas) {
  const QString name = folder.filePath(u"graph.dat"_s);
  Field("FormEd")->setText(u"ж"_s);
  dialogs.fileNames = {name};
  Click("QrafikiSaxla");
  QFile saved(name);
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  const QByteArray bytes = saved.readAll();
  ASSERT_EQ(bytes.size(), 10 * (1 + 1 + 3));
  GraphState state;
  EXPECT_EQ(DecodeGraphFile(std::string_view(bytes.constData(), 50), state), "\xe6");
  Field("FormEd")->setText(QString());
  dialogs.fileNames = {name};
  Click("QrafikiAc");
  EXPECT_EQ(Read("FormEd"), u"ж");
}

TEST_F(GraphPageTest, AFormulaLongerThanTheTypingLimitOpensWhole) {
  const std::string formula = std::string(150, '1') + "+" + std::string(149, '2');
  GraphState state;
  state.RangeEnd = 1;
  state.StepValue = 1;
  const std::string bytes = EncodeGraphFile(formula, state);
  const QString name = folder.filePath(u"long.grf"_s);
  QFile file(name);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes.data(), static_cast<qint64>(bytes.size()));
  file.close();
  dialogs.fileNames = {name};
  Click("QrafikiAc");
  EXPECT_EQ(Read("FormEd").toStdString(), formula);
}

TEST_F(GraphPageTest, AReadOutBeyondTheRangeOfNumbersIsNotShownAndRaisesNothing) {
  Field("XStart")->setText(u"-1E4932"_s);
  Field("XEnd")->setText(u"1E4932"_s);
  Click("QrafikiQur");
  EXPECT_EQ(dialogs.errors,
            QStringList{u"Переполнение: в вычислении получилось слишком большое число."_s});
  ASSERT_TRUE(page->State().GraphDrawn);
  MoveMouse(150, 100);
  MoveMouse(151, 101);
  EXPECT_EQ(dialogs.errors.size(), 1);
  EXPECT_EQ(Read("XEd"), u"0");
}

TEST_F(GraphPageTest, CancelledDialogsBeforeAnyFileDoNothing) {
  Click("QrafikiSaxla");
  Click("QrafikiAc");
  EXPECT_EQ(dialogs.fileDialogs.size(), 2);
  EXPECT_TRUE(dialogs.errors.isEmpty());
  EXPECT_TRUE(dialogs.messages.isEmpty());
  EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

TEST_F(GraphPageTest, FilesThatCannotBeReadOrWritten) {
  Click("QrafikiQur");
  dialogs.fileNames = {folder.filePath(u"missing.grf"_s)};
  Click("QrafikiAc");
  EXPECT_EQ(dialogs.messages, QStringList{u"Не могу открыть файл"_s});
  EXPECT_TRUE(page->State().PointsX.empty());

  // A short file: the error report, and the fields keep their texts.
  const QString shortFile = folder.filePath(u"short.grf"_s);
  QFile file(shortFile);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  std::string bytes;
  PutExtended(bytes, 40);
  file.write(bytes.data(), static_cast<qint64>(bytes.size()));
  file.close();
  Field("XStart")->setText(u"-7"_s);
  dialogs.fileNames = {shortFile};
  Click("QrafikiAc");
  EXPECT_EQ(dialogs.errors, QStringList{u"Файл кончился раньше, чем ожидалось."_s});
  EXPECT_EQ(Read("XStart"), u"-7");
  EXPECT_EQ(Read("FormEd"), u"x^4-4*x^3");

  // Saving where no file can be made reports the system's message and leaves no file behind.
  dialogs.fileNames = {folder.filePath(u"no/such/folder/graph"_s)};
  Click("QrafikiSaxla");
  ASSERT_EQ(dialogs.errors.size(), 2);
  EXPECT_FALSE(dialogs.errors.back().isEmpty());
  EXPECT_FALSE(QFile::exists(folder.filePath(u"no"_s)));
}

#ifdef Q_OS_UNIX  // named pipes and /dev/zero
TEST_F(GraphPageTest, SpecialAndOversizedFilesAreRefusedAtOnce) {
  const QString fifo = folder.filePath(u"fifo.grf"_s);
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
  const QString huge = folder.filePath(u"huge.grf"_s);
  QFile file(huge);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  ASSERT_TRUE(file.resize(kLargestGraphFile + 1));  // sparse: no disk space taken
  file.close();
  dialogs.fileNames = {fifo, u"/dev/zero"_s, huge};
  Click("QrafikiAc");
  Click("QrafikiAc");
  Click("QrafikiAc");
  EXPECT_EQ(dialogs.messages,
            (QStringList{u"Не могу открыть файл: это не обычный файл"_s,
                         u"Не могу открыть файл: это не обычный файл"_s,
                         u"Не могу открыть файл: он больше любого файла графика"_s}));
  EXPECT_TRUE(dialogs.errors.isEmpty());
  EXPECT_EQ(Read("FormEd"), u"x^4-4*x^3");
}
#endif

TEST_F(GraphPageTest, ADamagedFileOpensWhatIsWholeAndSaysSo) {
  Click("QrafikiQur");
  const QString name = folder.filePath(u"cut.grf"_s);
  dialogs.fileNames = {name};
  Click("QrafikiSaxla");
  ASSERT_TRUE(QFile::resize(name, 4096));
  Field("XStart")->setText(u"7"_s);
  dialogs.fileNames = {name};
  Click("QrafikiAc");
  EXPECT_TRUE(dialogs.errors.isEmpty());
  EXPECT_EQ(dialogs.messages,
            QStringList{u"Файл графика обрезан: неполная запись в конце пропущена. "
                        u"Прочитано точек: 198 из 651"_s});
  EXPECT_EQ(Read("XStart"), u"-2");
  EXPECT_EQ(page->State().PointsX.size(), 198u);
}

TEST_F(GraphPageTest, AFailedSaveLeavesTheOldFileAsItWas) {
  // The old file stands where the new one would go, and a folder of the same name as the file
  // the save renames into place makes the save fail only at its very end.
  const QString name = folder.filePath(u"kept.grf"_s);
  ASSERT_TRUE(QDir(folder.path()).mkdir(u"kept.grf"_s));
  ASSERT_TRUE(QFile::exists(name));
  dialogs.fileNames = {name};
  Click("QrafikiSaxla");
  ASSERT_EQ(dialogs.errors.size(), 1);
  EXPECT_TRUE(QFileInfo(name).isDir());
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList());
}

TEST_F(GraphPageTest, DecliningToQuitKeepsThePointsForSaving) {
  Click("QrafikiQur");
  dialogs.answers = {false};
  form->close();
  const QString name = folder.filePath(u"after.grf"_s);
  dialogs.fileNames = {name};
  Click("QrafikiSaxla");
  EXPECT_EQ(QFileInfo(name).size(), 13150);
}

class GraphViewTest : public GraphPageTest {
 protected:
  void Build(const char16_t* formula, const char16_t* start, const char16_t* end,
             const char16_t* step = u"0,01") {
    Field("FormEd")->setText(QString::fromUtf16(formula));
    Field("XStart")->setText(QString::fromUtf16(start));
    Field("XEnd")->setText(QString::fromUtf16(end));
    Field("StepEd")->setText(QString::fromUtf16(step));
    Click("QrafikiQur");
  }
  void Mouse(QEvent::Type type, int x, Qt::MouseButton button) {
    SendMouse(Find<QWidget>("Image3"), type, QPointF(x, 100), button,
              type == QEvent::MouseButtonRelease ? Qt::NoButton : button);
  }
  void Wheel(int x, int delta) {
    SendWheel(Find<QWidget>("Image3"), QPointF(x, 100), delta);
    QApplication::processEvents();
  }
  std::string Working() { return PlainText(page->CurrentWorking()); }
};

TEST_F(GraphViewTest, WheelDragAndDoubleClickRebuildAndWriteTheFields) {
  Build(u"x^2", u"0", u"3");
  ASSERT_EQ(page->State().PointsX.size(), 301u);
  Wheel(150, 120);  // around x = 1,5: four fifths of 3
  EXPECT_EQ(Read("XStart"), u"0,3");
  EXPECT_EQ(Read("XEnd"), u"2,7");
  EXPECT_EQ(Read("StepEd"), u"0,008");
  EXPECT_EQ(page->State().PointsX.size(), 301u);
  EXPECT_EQ(page->State().FrameStart, ParseFloat("0,3"));
  EXPECT_EQ(page->State().PointsY.back(), ParseFloat("7,29"));
  EXPECT_EQ(Find<QProgressBar>("Gauge1")->value(), 300);

  // 100 pixels are 0,8 now: dragged to the right, the picture shows what lay left of it.
  Mouse(QEvent::MouseButtonPress, 200, Qt::LeftButton);
  Mouse(QEvent::MouseMove, 250, Qt::LeftButton);
  Mouse(QEvent::MouseMove, 300, Qt::LeftButton);
  Mouse(QEvent::MouseButtonRelease, 300, Qt::LeftButton);
  EXPECT_EQ(Read("XStart"), u"-0,5");
  EXPECT_EQ(Read("XEnd"), u"1,9");
  EXPECT_EQ(page->State().PointsX.size(), 301u);

  // Two notches back out, arriving together, are added up into one build.
  QWheelEvent out(QPointF(150, 100), QPointF(150, 100), QPoint(), QPoint(0, -120), Qt::NoButton,
                  Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(Find<QWidget>("Image3"), &out);
  QApplication::sendEvent(Find<QWidget>("Image3"), &out);
  EXPECT_EQ(Read("XStart"), u"-0,5") << "nothing is built before the waiting events are handled";
  QApplication::processEvents();
  EXPECT_EQ(page->State().PointsX.size(), 301u);
  EXPECT_GT(page->State().RangeEnd - page->State().RangeStart, 3);

  QWidget* image = Find<QWidget>("Image3");
  QTest::mouseDClick(image, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
  EXPECT_EQ(Read("XStart"), u"0");
  EXPECT_EQ(Read("XEnd"), u"3");
  EXPECT_EQ(Read("StepEd"), u"0,01");
  EXPECT_EQ(page->State().PointsX.size(), 301u);
  EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(GraphViewTest, ZoomStopsAtWhatTheFieldsCanHoldAndAFadedPictureStays) {
  Build(u"1/x", u"1", u"3");
  for (int i = 0; i < 200; ++i) {
    Wheel(150, 120);
    ASSERT_EQ(page->State().PointsX.size(), 201u)
        << Read("XStart").toStdString() << " " << Read("XEnd").toStdString();
  }
  const Extended span = page->State().RangeEnd - page->State().RangeStart;
  EXPECT_GT(span, 0);
  EXPECT_LT(span, 1e-9L);
  for (int i = 0; i < 400; ++i)
    Wheel(150, -120);
  EXPECT_LE(page->State().RangeEnd, 1e301L);
  EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join(u' ').toStdString();

  QTest::keyClick(Field("XStart"), Qt::Key_5);  // edited: the picture answers it no more
  const QString start = Read("XStart");
  Wheel(150, 120);
  EXPECT_EQ(Read("XStart"), start);
}

TEST_F(GraphViewTest, ACurveWithoutValuesAfterAPanLeavesThePictureAndTheRestStays) {
  Build(u"log(x)", u"0,5", u"3");
  Build(u"x", u"0,5", u"3");
  Mouse(QEvent::MouseButtonPress, 0, Qt::LeftButton);
  Mouse(QEvent::MouseMove, 300, Qt::LeftButton);
  Mouse(QEvent::MouseButtonRelease, 300, Qt::LeftButton);
  Mouse(QEvent::MouseButtonPress, 0, Qt::LeftButton);
  Mouse(QEvent::MouseMove, 300, Qt::LeftButton);
  Mouse(QEvent::MouseButtonRelease, 300, Qt::LeftButton);  // now from -4,5 to -2
  EXPECT_EQ(Read("XStart"), u"-4,5");
  EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join(u' ').toStdString();
  EXPECT_EQ(page->State().PointsX.size(), 251u);
  Field("FormEd")->setText(u"log(x)"_s);
  Field("XStart")->setText(u"-3"_s);
  Field("XEnd")->setText(u"-1"_s);
  Click("QrafikiTemizle");
  Click("QrafikiQur");
  EXPECT_FALSE(dialogs.errors.isEmpty()) << "alone without a value, it is the error it was";
}

TEST_F(GraphViewTest, EveryCurveFollowsTheZoomOnOneScale) {
  Build(u"x^2", u"-3", u"3");
  Build(u"2x+1", u"-3", u"3");
  Wheel(150, 120);
  EXPECT_EQ(Read("XStart"), u"-2,4");
  EXPECT_EQ(Read("XEnd"), u"2,4");
  EXPECT_EQ(page->State().FrameStart, ParseFloat("-2,4"));
  EXPECT_EQ(page->State().MaxY, ParseFloat("5,8")) << "2x + 1 at 2,4 is the highest point";
  EXPECT_EQ(page->State().MinY, ParseFloat("-3,8"));
}

TEST_F(GraphViewTest, CrossingsAreListedMarkedAndNamedOnHover) {
  Build(u"x^2", u"-3", u"3");
  Build(u"2x+1", u"-3", u"3");
  EXPECT_NE(Working().find("Пересечения: (−0,414213562373095; 0,17157287525381); "
                           "(2,4142135623731; 5,8284271247462)."),
            std::string::npos)
      << Working();
  // The picture is 6 wide and 9 − (−5) = 14 high: (2,414…; 5,828…) lies at column 270, row 64.
  MoveMouse(271, 65);
  EXPECT_EQ(Find<QWidget>("Image3")->toolTip(), u"(2,4142135623731; 5,8284271247462)");
  MoveMouse(200, 65);
  EXPECT_TRUE(Find<QWidget>("Image3")->toolTip().isEmpty());

  auto* image = Find<ImageView>("Image3");
  MoveMouse(271, 65);
  const QImage marked = image->Image();
  QAction* marks = nullptr;
  for (QAction* action : image->actions()) {
    if (action->text() == u"Отмечать точки") marks = action;
  }
  ASSERT_NE(marks, nullptr);
  marks->trigger();
  EXPECT_NE(image->Image(), marked);
  MoveMouse(271, 65);
  EXPECT_TRUE(image->toolTip().isEmpty()) << "a hidden mark names nothing";
  marks->trigger();
  MoveMouse(271, 65);
  EXPECT_EQ(image->Image(), marked);
}

TEST_F(GraphViewTest, TheMarkerFollowsTheCurveNearestThePointer) {
  Build(u"x^2", u"0", u"3");
  Build(u"2x+1", u"0", u"3");
  // Column 150 is x = 1,5: x² = 2,25, 2x + 1 = 4; the picture's y runs from 0 to 9.
  MoveMouse(150, 293 - 2 * 293 / 9);
  EXPECT_EQ(page->MarkerText(), u"y = 2,25");
  MoveMouse(150, 293 - 5 * 293 / 9);
  EXPECT_EQ(page->MarkerText(), u"y = 4");
  Click("QrafikiTemizle");
  EXPECT_TRUE(page->MarkerText().isEmpty());
}

}  // namespace
}  // namespace kalkora::testing
