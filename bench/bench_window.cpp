// What the user feels in the real window (offscreen), each click beside the core work it stands
// on: a key typed in the full primes list, two billion progression terms, the largest
// combination, a triangle, a linear system and its report, a polynomial, and "Сохранить" of the
// graph page (also as a picture); the quadratic equation, the linear system and the polynomial also
// with "Ход решения" open, and its PDF.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>
#include <cstdio>
#include <optional>

#include "app/UKalkora.h"
#include "app/WorkingWindow.h"
#include "app/pages/LinearSystemsPage.h"
#include "app/platform/Platform.h"
#include "app/widgets/Field.h"
#include "app/widgets/FormulaLayout.h"
#include "app/widgets/UniformListView.h"
#include "equations/Cramer.h"
#include "equations/CramerSteps.h"
#include "geometry/Triangle.h"
#include "graphs/CurveAnalysis.h"
#include "graphs/GraphAxes.h"
#include "graphs/GraphFile.h"
#include "graphs/GraphFormula.h"
#include "graphs/GraphSvg.h"
#include "graphs/Plot.h"
#include "graphs/Raster.h"
#include "numbers/Combinatorics.h"
#include "numbers/NaturalNumbers.h"
#include "numbers/Progressions.h"
#include "numtext/NumText.h"
#include "polynomials/Polynomial.h"
#include "polynomials/PolynomialSteps.h"

namespace {

using namespace Qt::StringLiterals;

// Answers every file dialog with one name and records nothing else.
class Answers : public kalkora::Dialogs {
 public:
  void ShowMessage(QWidget*, const QString&) override {}
  void ShowError(QWidget*, const QString& text) override { errors.push_back(text); }
  bool AskYesNo(QWidget*, const QString&, const QString&) override { return true; }
  int Exec(QDialog&) override { return QDialog::Accepted; }
  QString GetOpenFileName(QWidget*, const QString&, const QString&) override { return file; }
  QString GetSaveFileName(QWidget*, const QString&, const QString&) override { return file; }
  QString file;
  QStringList errors;
};

class NoLauncher : public kalkora::Launcher {
 public:
  bool StartFirstInstalled(const QStringList&) override { return false; }
  bool OpenUrl(const QString&) override { return false; }
  bool OpenFile(const QString&) override { return false; }
  QString FindProgram(const QString&) override { return {}; }
  bool StartDetached(const QString&, const QStringList&) override { return false; }
};

struct Window {
  Answers dialogs;
  NoLauncher launcher;
  kalkora::Platform platform{dialogs, launcher};
  kalkora::TForm1 form{platform};

  Window() {
    form.show();
    QApplication::processEvents();
  }
  template <typename T>
  T* Find(const char* name) {
    return form.findChild<T*>(QString::fromLatin1(name));
  }
  // Opens "Ход решения" beside the window, as F1 does.
  void OpenWorking() {
    Find<QAction>("HellinGedisi")->trigger();
    QApplication::processEvents();
  }
  // A click as the user sees it with the working open: the click, then the working window
  // laid out and painted.
  void ClickAndShow(QAbstractButton* button, bool working) {
    QTest::mouseClick(button, Qt::LeftButton);
    if (working) form.SolutionWindow()->repaint();
  }
};

constexpr char kTyped[] = "2147483647";

// Digits typed one after another, as fast as a person types: each extends the search or starts
// it again, and jumps to the first prime written with them.
void BM_WindowKeyInFullPrimesList(benchmark::State& state) {
  Window window;
  window.Find<QLineEdit>("Edit46")->setText(u"2147483647"_s);
  QTest::mouseClick(window.Find<QPushButton>("SadeEdedler"), Qt::LeftButton);
  auto* list = window.Find<kalkora::UniformListView>("SadeEdedlerinSiyahisi");
  list->setFocus();
  std::size_t i = 0;
  for (auto _ : state) {
    const QString key(QChar::fromLatin1(kTyped[i++ % (sizeof kTyped - 1)]));
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, key);
    QApplication::sendEvent(list, &press);
    list->repaint();
  }
  benchmark::DoNotOptimize(list->currentIndex().row());
}
BENCHMARK(BM_WindowKeyInFullPrimesList)->Unit(benchmark::kMillisecond);

void BM_CoreFirstPrimeStartingWith(benchmark::State& state) {
  kalkora::PrimeTable table(2147483647);
  std::size_t i = 0;
  std::string typed;
  for (auto _ : state) {
    typed += kTyped[i++ % (sizeof kTyped - 1)];
    if (typed.size() > sizeof kTyped - 1) typed = typed.substr(typed.size() - 1);
    benchmark::DoNotOptimize(table.FirstStartingWith(typed));
  }
}
BENCHMARK(BM_CoreFirstPrimeStartingWith)->Unit(benchmark::kMillisecond);

// "Найти" for 2147483647 arithmetic terms: the terms and the sum at once, a screenful of rows.
void BM_WindowProgressionOfTwoBillionTerms(benchmark::State& state) {
  Window window;
  window.form.ShowPage(kalkora::PageId::Progressions);
  QTest::mouseClick(window.Find<QCheckBox>("TntCheckBox7"), Qt::LeftButton);
  for (const char* name : {"Edit27", "Edit28", "Edit29"})
    window.Find<QLineEdit>(name)->setText(u"2147483647"_s);
  auto* find = window.Find<QPushButton>("NciHeddveCemleri");
  auto* list = window.Find<QWidget>("ListBox1");
  auto* first = window.Find<QLineEdit>("Edit29");
  bool other = false;
  for (auto _ : state) {
    // Another first term each time, so that every row is written anew.
    first->setText((other = !other) ? u"2147483646"_s : u"2147483647"_s);
    QTest::mouseClick(find, Qt::LeftButton);
    list->repaint();
  }
}
BENCHMARK(BM_WindowProgressionOfTwoBillionTerms)->Unit(benchmark::kMillisecond);

void BM_CoreProgressionOfTwoBillionTerms(benchmark::State& state) {
  for (auto _ : state) {
    const kalkora::Progression terms(kalkora::ProgressionKind::Arithmetic, 2147483647, 2147483647,
                                     2147483647);
    benchmark::DoNotOptimize(terms.SumText());
    for (std::int64_t i = 1; i <= 20; ++i)
      benchmark::DoNotOptimize(kalkora::ProgressionRow(terms, i));
  }
}
BENCHMARK(BM_CoreProgressionOfTwoBillionTerms)->Unit(benchmark::kMicrosecond);

// "Вычислить" for the largest combination the fields allow.
void BM_WindowCombinationOf999(benchmark::State& state) {
  Window window;
  window.form.ShowPage(kalkora::PageId::Combinatorics);
  window.Find<QLineEdit>("Edit18")->setText(u"500"_s);
  window.Find<QLineEdit>("Edit19")->setText(u"999"_s);
  auto* compute = window.Find<QPushButton>("Kombinezon");
  for (auto _ : state)
    QTest::mouseClick(compute, Qt::LeftButton);
}
BENCHMARK(BM_WindowCombinationOf999)->Unit(benchmark::kMicrosecond);

void BM_CoreCombinationOf999(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(kalkora::Combinations("500", "999"));
}
BENCHMARK(BM_CoreCombinationOf999)->Unit(benchmark::kMicrosecond);

// "Решить" for 3, 4, 5: eleven values written into their fields.
void BM_WindowTriangle(benchmark::State& state) {
  Window window;
  window.form.ShowPage(kalkora::PageId::Triangle);
  window.Find<QLineEdit>("Edit22")->setText(u"3"_s);
  window.Find<QLineEdit>("Edit23")->setText(u"4"_s);
  window.Find<QLineEdit>("Edit24")->setText(u"5"_s);
  auto* solve = window.Find<QPushButton>("UcbucaginHelli");
  for (auto _ : state)
    QTest::mouseClick(solve, Qt::LeftButton);
}
BENCHMARK(BM_WindowTriangle)->Unit(benchmark::kMicrosecond);

void BM_CoreTriangle(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(kalkora::SolveTriangle(3, 4, 5));
}
BENCHMARK(BM_CoreTriangle)->Unit(benchmark::kMicrosecond);

// "Решить" for three unknowns, and "Сохранить" of its report.
void BM_WindowCramer3(benchmark::State& state, const char* button, bool working) {
  Window window;
  QTemporaryDir folder;
  window.Find<kalkora::LinearSystemsPage>("TntTabSheet3")->SetProgramFolder(folder.path());
  window.form.ShowPage(kalkora::PageId::LinearSystems);
  QTest::mouseClick(window.Find<QCheckBox>("TntCheckBox2"), Qt::LeftButton);
  const char* names[] = {"Edit2",  "Edit3",  "Edit4",  "Edit6",  "Edit7",  "Edit8",
                         "Edit10", "Edit11", "Edit12", "Edit14", "Edit15", "Edit16"};
  const char* values[] = {"2", "1", "3", "3", "-1", "1", "-1", "2", "1", "1", "9", "8"};
  for (int i = 0; i < 12; ++i)
    window.Find<QLineEdit>(names[i])->setText(QString::fromLatin1(values[i]));
  if (working) window.OpenWorking();
  auto* click = window.Find<QAbstractButton>(button);
  for (auto _ : state)
    window.ClickAndShow(click, working);
  if (!window.dialogs.errors.isEmpty()) state.SkipWithError("the click failed");
}
BENCHMARK_CAPTURE(BM_WindowCramer3, Solve, "HellET", false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_WindowCramer3, SolveWithWorking, "HellET", true)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_WindowCramer3, SaveReport, "Saxla", false)->Unit(benchmark::kMicrosecond);

void BM_CoreCramer3(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(kalkora::SolveCramer3(2, 1, 3, 3, -1, 1, -1, 2, 1, 1, 9, 8));
}
BENCHMARK(BM_CoreCramer3)->Unit(benchmark::kMicrosecond);

void BM_CoreCramer3WithSteps(benchmark::State& state) {
  const std::vector<kalkora::Rational> values{2, 1, 3, 3, -1, 1, -1, 2, 1, 1, 9, 8};
  for (auto _ : state) {
    const kalkora::CramerSolution s = kalkora::SolveCramer3(2, 1, 3, 3, -1, 1, -1, 2, 1, 1, 9, 8);
    benchmark::DoNotOptimize(kalkora::CramerSteps(values, s));
  }
}
BENCHMARK(BM_CoreCramer3WithSteps)->Unit(benchmark::kMicrosecond);

// The worst click of each page the exact answers touch, for fields of 15 digits: the fields are
// filled once, then the button is clicked over and over (with the working window closed).
struct WorstCase {
  kalkora::PageId page;
  const char* box;  // a check box clicked first, or nullptr
  std::vector<std::pair<const char*, const char16_t*>> fields;
  const char* button;
};

void BM_WindowWorstCase(benchmark::State& state, const WorstCase& c) {
  Window window;
  QTemporaryDir folder;
  window.Find<kalkora::LinearSystemsPage>("TntTabSheet3")->SetProgramFolder(folder.path());
  window.form.ShowPage(c.page);
  if (c.box != nullptr) QTest::mouseClick(window.Find<QCheckBox>(c.box), Qt::LeftButton);
  for (const auto& [name, text] : c.fields)
    window.Find<QLineEdit>(name)->setText(QString::fromUtf16(text));
  auto* click = window.Find<QAbstractButton>(c.button);
  for (auto _ : state)
    window.ClickAndShow(click, false);
  if (!window.dialogs.errors.isEmpty()) state.SkipWithError("the click failed");
}
BENCHMARK_CAPTURE(
    BM_WindowWorstCase, Quadratic,
    WorstCase{kalkora::PageId::Quadratic,
              nullptr,
              {{"a", u"0,00000000001234"}, {"b", u"737000000000,123"}, {"c", u"-76200000,0000045"}},
              "Tenliyinkoklerinitap"})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_WindowWorstCase, Cramer3,
                  WorstCase{kalkora::PageId::LinearSystems,
                            "TntCheckBox2",
                            {{"Edit2", u"123456789,012345"},
                             {"Edit3", u"-98765,4321098765"},
                             {"Edit4", u"0,00000123456789"},
                             {"Edit6", u"314159265358979"},
                             {"Edit7", u"-2,71828182845904"},
                             {"Edit8", u"1414213,56237309"},
                             {"Edit10", u"-0,577215664901532"},
                             {"Edit11", u"16180339,8874989"},
                             {"Edit12", u"-6,02214076E23"},
                             {"Edit14", u"1,60217663E-19"},
                             {"Edit15", u"-299792458,000001"},
                             {"Edit16", u"6,67430150000001"}},
                            "HellET"})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_WindowWorstCase, Triangle,
                  WorstCase{kalkora::PageId::Triangle,
                            nullptr,
                            {{"Edit22", u"343,900000000001"},
                             {"Edit23", u"407,123456789012"},
                             {"Edit24", u"63,2234567890123"}},
                            "UcbucaginHelli"})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_WindowWorstCase, CircleArea,
                  WorstCase{kalkora::PageId::Circle,
                            nullptr,
                            {{"Edit26", u"123456789,012345"}},
                            "DaireninSahesiniTap"})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_WindowWorstCase, PolynomialValue,
                  WorstCase{kalkora::PageId::Polynomial,
                            nullptr,
                            {{"Edit43",
                              u"123456789012345*x^20-98765432109876*x^19+11111111111111*x^18-"
                              u"22222222222222*x^17+33333333333333*x^16-4444444444444*x^15"},
                             {"Edit44", u"-1,23456789012345"}},
                            "CoxhedlininQiymetiniTap"})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_WindowWorstCase, ArithmeticProgression,
                  WorstCase{kalkora::PageId::Progressions,
                            "TntCheckBox7",
                            {{"Edit27", u"2147483647"},
                             {"Edit28", u"123456789012345"},
                             {"Edit29", u"987654321098765"}},
                            "NciHeddveCemleri"})
    ->Unit(benchmark::kMicrosecond);

// The same clicks at the ends of the number range, where exact values have thousands of digits.
BENCHMARK_CAPTURE(BM_WindowWorstCase, QuadraticFarApart,
                  WorstCase{kalkora::PageId::Quadratic,
                            nullptr,
                            {{"a", u"1E-4950"}, {"b", u"1E4932"}, {"c", u"-1E4932"}},
                            "Tenliyinkoklerinitap"})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_WindowWorstCase, Cramer3FarApart,
                  WorstCase{kalkora::PageId::LinearSystems,
                            "TntCheckBox2",
                            {{"Edit2", u"1,23456789E4931"},
                             {"Edit3", u"-9,87654321E-4930"},
                             {"Edit4", u"1E4900"},
                             {"Edit6", u"3,14159265E-4920"},
                             {"Edit7", u"2,71828182E4925"},
                             {"Edit8", u"-1E-4931"},
                             {"Edit10", u"5,77215664E4930"},
                             {"Edit11", u"1,61803398E-4929"},
                             {"Edit12", u"6,02214076E4923"},
                             {"Edit14", u"1,60217663E-4919"},
                             {"Edit15", u"-2,99792458E4928"},
                             {"Edit16", u"6,6743015E-4911"}},
                            "HellET"})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_WindowWorstCase, TriangleFarApart,
                  WorstCase{kalkora::PageId::Triangle,
                            nullptr,
                            {{"Edit22", u"1E4932"}, {"Edit23", u"1E4932"}, {"Edit24", u"1E-4950"}},
                            "UcbucaginHelli"})
    ->Unit(benchmark::kMicrosecond);

// "Вычислить корни уравнения" for 3x² − 5x + 1 = 0, with "Ход решения" closed and open.
void BM_WindowQuadratic(benchmark::State& state, bool working) {
  Window window;
  window.form.ShowPage(kalkora::PageId::Quadratic);
  window.Find<QLineEdit>("a")->setText(u"3"_s);
  window.Find<QLineEdit>("b")->setText(u"-5"_s);
  window.Find<QLineEdit>("c")->setText(u"1"_s);
  if (working) window.OpenWorking();
  auto* click = window.Find<QPushButton>("Tenliyinkoklerinitap");
  for (auto _ : state)
    window.ClickAndShow(click, working);
  if (!window.dialogs.errors.isEmpty()) state.SkipWithError("the click failed");
}
BENCHMARK_CAPTURE(BM_WindowQuadratic, Solve, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_WindowQuadratic, SolveWithWorking, true)->Unit(benchmark::kMicrosecond);

// "Сохранить в PDF…" of that working: the PDF made and written through the save routine.
void BM_WindowSaveWorkingPdf(benchmark::State& state) {
  Window window;
  QTemporaryDir folder;
  window.dialogs.file = folder.filePath(u"ход.pdf"_s);
  window.form.ShowPage(kalkora::PageId::LinearSystems);
  QTest::mouseClick(window.Find<QCheckBox>("TntCheckBox2"), Qt::LeftButton);
  QTest::mouseClick(window.Find<QAbstractButton>("HellET"), Qt::LeftButton);
  window.OpenWorking();
  auto* save = window.form.SolutionWindow()->findChild<QPushButton*>(u"PdfSaxla"_s);
  for (auto _ : state)
    QTest::mouseClick(save, Qt::LeftButton);
  if (!window.dialogs.errors.isEmpty()) state.SkipWithError("the save failed");
}
BENCHMARK(BM_WindowSaveWorkingPdf)->Unit(benchmark::kMillisecond);

// "f'(x)=?" and "Вычислить" for a polynomial of twenty terms.
void BM_WindowPolynomial(benchmark::State& state, const char* button, bool working) {
  Window window;
  window.form.ShowPage(kalkora::PageId::Polynomial);
  QString polynomial;
  for (int e = 20; e >= 1; --e)
    polynomial += QString::number(e % 7 + 1) + u"*x^"_s + QString::number(e) + u'+';
  polynomial.chop(1);
  window.Find<QLineEdit>("Edit43")->setText(polynomial);
  window.Find<QLineEdit>("Edit44")->setText(u"1,5"_s);
  if (working) window.OpenWorking();
  auto* click = window.Find<QPushButton>(button);
  for (auto _ : state)
    window.ClickAndShow(click, working);
}
BENCHMARK_CAPTURE(BM_WindowPolynomial, Derivative, "ToremeniTap", false)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_WindowPolynomial, DerivativeWithWorking, "ToremeniTap", true)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_WindowPolynomial, Value, "CoxhedlininQiymetiniTap", false)
    ->Unit(benchmark::kMicrosecond);

// A polynomial of 4,000 terms (36,000 characters) put into the field, and "f'(x)=?". Arg 0:
// pasted through the field's rule, as typing it would be; 1: pasted, then derived (the label
// shows the lines that fit and ends with "…"); 2: only set by the program, Qt's own cost of
// taking so long a text.
void BM_WindowLongPolynomial(benchmark::State& state) {
  Window window;
  window.form.ShowPage(kalkora::PageId::Polynomial);
  QString polynomial;
  for (int e = 1; e <= 4000; ++e)
    polynomial += u"1*x^"_s + QString::number(e) + u'+';
  polynomial.chop(1);
  auto* field = window.Find<QLineEdit>("Edit43");
  auto* click = window.Find<QPushButton>("ToremeniTap");
  for (auto _ : state) {
    field->selectAll();
    if (state.range(0) == 2) {
      field->setText(polynomial);
    } else if (!kalkora::PasteIntoField(field, polynomial)) {
      state.SkipWithError("the paste was refused");
    }
    if (state.range(0) == 1) window.ClickAndShow(click, false);
    window.form.repaint();
  }
}
BENCHMARK(BM_WindowLongPolynomial)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void BM_CoreLongPolynomialDerivative(benchmark::State& state) {
  std::string polynomial;
  for (int e = 1; e <= 4000; ++e)
    polynomial += "1*x^" + std::to_string(e) + '+';
  polynomial.pop_back();
  for (auto _ : state)
    benchmark::DoNotOptimize(kalkora::Derivative(polynomial));
}
BENCHMARK(BM_CoreLongPolynomialDerivative)->Unit(benchmark::kMillisecond);

void BM_CoreLongPolynomialDerivativeSteps(benchmark::State& state) {
  std::string polynomial;
  for (int e = 1; e <= 4000; ++e)
    polynomial += "1*x^" + std::to_string(e) + '+';
  polynomial.pop_back();
  for (auto _ : state)
    benchmark::DoNotOptimize(kalkora::DerivativeSteps(polynomial));
}
BENCHMARK(BM_CoreLongPolynomialDerivativeSteps)->Unit(benchmark::kMillisecond);

void BM_CorePolynomialDerivative(benchmark::State& state) {
  std::string polynomial;
  for (int e = 20; e >= 1; --e)
    polynomial += std::to_string(e % 7 + 1) + "*x^" + std::to_string(e) + '+';
  polynomial.pop_back();
  for (auto _ : state)
    benchmark::DoNotOptimize(kalkora::Derivative(polynomial));
}
BENCHMARK(BM_CorePolynomialDerivative)->Unit(benchmark::kMicrosecond);

void BM_CorePolynomialDerivativeSteps(benchmark::State& state) {
  std::string polynomial;
  for (int e = 20; e >= 1; --e)
    polynomial += std::to_string(e % 7 + 1) + "*x^" + std::to_string(e) + '+';
  polynomial.pop_back();
  for (auto _ : state)
    benchmark::DoNotOptimize(kalkora::DerivativeSteps(polynomial));
}
BENCHMARK(BM_CorePolynomialDerivativeSteps)->Unit(benchmark::kMicrosecond);

// The working window's own share of that click: the lines laid out, and painted on an image.
void BM_WorkingLayOutAndPaint(benchmark::State& state) {
  std::string polynomial;
  for (int e = 20; e >= 1; --e)
    polynomial += std::to_string(e % 7 + 1) + "*x^" + std::to_string(e) + '+';
  polynomial.pop_back();
  const std::vector<kalkora::WorkingLine> lines =
      kalkora::PresentedLines(kalkora::DerivativeSteps(polynomial), "Производная многочлена");
  const kalkora::FormulaFonts fonts(17);
  QImage image(560, 2000, QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    const kalkora::WorkingLayout layout = kalkora::LayOutWorking(lines, fonts, 530);
    if (state.range(0) != 0) {
      QPainter painter(&image);
      kalkora::PaintWorking(painter, layout, {14, 14}, image.rect());
    }
  }
}
BENCHMARK(BM_WorkingLayOutAndPaint)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// "Построить" of x^4-4*x^3 from 0,5 to 7 with a step of 6,5 / points: the window against the
// same build in the core (points, scale and drawing, with a progress callback).
const char* GraphStep(std::int64_t points) {
  return points == 100000 ? "0,000065" : "0,0000065";
}

void BM_WindowGraph(benchmark::State& state) {
  Window window;
  window.form.ShowPage(kalkora::PageId::Graph);
  window.Find<QLineEdit>("XStart")->setText(u"0,5"_s);
  window.Find<QLineEdit>("XEnd")->setText(u"7"_s);
  window.Find<QLineEdit>("StepEd")->setText(QString::fromLatin1(GraphStep(state.range(0))));
  auto* build = window.Find<QPushButton>("QrafikiQur");
  for (auto _ : state) {
    QTest::mouseClick(build, Qt::LeftButton);
    window.Find<QWidget>("Image3")->repaint();
  }
  if (!window.dialogs.errors.isEmpty()) state.SkipWithError("the build failed");
}
BENCHMARK(BM_WindowGraph)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_CoreGraph(benchmark::State& state) {
  kalkora::Raster raster(kalkora::kGraphWidth, kalkora::kGraphHeight);
  int gauge = 0;
  const kalkora::Progress progress = [&gauge](int i) { gauge = i; };
  for (auto _ : state) {
    kalkora::GraphState graph;
    graph.RangeStart = kalkora::ParseFloat("0,5");
    graph.RangeEnd = kalkora::ParseFloat("7");
    graph.StepValue = kalkora::ParseFloat(GraphStep(state.range(0)));
    kalkora::ComputePoints(graph, "x^4-4*x^3", progress);
    kalkora::ComputeScale(graph, true, progress);
    kalkora::DrawGraph(graph, raster, true, progress);
    benchmark::DoNotOptimize(raster.Data());
  }
  benchmark::DoNotOptimize(gauge);
}
BENCHMARK(BM_CoreGraph)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3);

// The analysis the build does after its points (zeros, extrema, the y-intercept), alone.
void BM_CoreAnalyseGraph(benchmark::State& state) {
  kalkora::GraphState graph;
  graph.RangeStart = kalkora::ParseFloat("0,5");
  graph.RangeEnd = kalkora::ParseFloat("7");
  graph.StepValue = kalkora::ParseFloat(GraphStep(state.range(0)));
  kalkora::GraphFormula formula("x^4-4*x^3");
  kalkora::ComputePoints(graph, formula);
  const kalkora::CurveFunction f = [&formula](kalkora::Extended x) {
    return std::optional<kalkora::Extended>(formula.Evaluate(x));
  };
  for (auto _ : state)
    benchmark::DoNotOptimize(
        kalkora::AnalyseCurve({graph.PointsX, graph.PointsY, graph.StepValue}, f));
}
BENCHMARK(BM_CoreAnalyseGraph)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// One repaint of the graph page with the default graph drawn.
void BM_WindowGraphPageRepaint(benchmark::State& state) {
  Window window;
  window.form.ShowPage(kalkora::PageId::Graph);
  QTest::mouseClick(window.Find<QPushButton>("QrafikiQur"), Qt::LeftButton);
  auto* page = window.Find<QWidget>("TntTabSheet5");
  for (auto _ : state)
    page->repaint();
}
BENCHMARK(BM_WindowGraphPageRepaint)->Unit(benchmark::kMillisecond);

// A notch of the wheel over the default graph, in and out in turn: every curve built again
// over the new range, analysed, tabled and painted, and the fields written.
void BM_WindowGraphWheel(benchmark::State& state) {
  Window window;
  window.form.ShowPage(kalkora::PageId::Graph);
  QTest::mouseClick(window.Find<QPushButton>("QrafikiQur"), Qt::LeftButton);
  auto* image = window.Find<QWidget>("Image3");
  int delta = 120;
  for (auto _ : state) {
    QWheelEvent wheel(QPointF(150, 140), image->mapToGlobal(QPointF(150, 140)), QPoint(),
                      QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(image, &wheel);
    QApplication::processEvents();
    image->repaint();
    delta = -delta;
  }
  if (!window.dialogs.errors.isEmpty()) state.SkipWithError("the rebuild failed");
}
BENCHMARK(BM_WindowGraphWheel)->Unit(benchmark::kMillisecond);

// The same rebuild in the core: the points, their analysis and table, the scale, the axes and
// the drawing.
void BM_CoreGraphRebuild(benchmark::State& state) {
  kalkora::Raster raster(kalkora::kGraphWidth, kalkora::kGraphHeight);
  kalkora::GraphFormula formula("x^4-4*x^3");
  const kalkora::CurveFunction f = [&formula](kalkora::Extended x) {
    return std::optional<kalkora::Extended>(formula.Evaluate(x));
  };
  for (auto _ : state) {
    kalkora::GraphState graph;
    graph.RangeStart = kalkora::ParseFloat("-2");
    graph.RangeEnd = kalkora::ParseFloat("4,5");
    graph.StepValue = kalkora::ParseFloat("0,01");
    kalkora::ComputePoints(graph, formula);
    const kalkora::SampledCurve curve{graph.PointsX, graph.PointsY, graph.StepValue};
    const kalkora::CurveMarks marks = kalkora::AnalyseCurve(curve, f);
    benchmark::DoNotOptimize(
        kalkora::ValueTable(curve, graph.RangeStart, graph.RangeEnd, f, &marks));
    kalkora::ComputeScale(graph, true);
    kalkora::ClearGraph(raster);
    kalkora::DrawAxes(kalkora::AxesOf(graph), raster);
    kalkora::DrawGraph(graph, raster, true);
    benchmark::DoNotOptimize(raster.Data());
  }
}
BENCHMARK(BM_CoreGraphRebuild)->Unit(benchmark::kMillisecond);

// "Сохранить" after the default build: the file is written, flushed and synced, then put in
// place of the old one.
void BM_WindowSaveDefaultGraph(benchmark::State& state) {
  Window window;
  QTemporaryDir folder;
  window.dialogs.file = folder.filePath(u"g.grf"_s);
  QTest::mouseClick(window.Find<QPushButton>("QrafikiQur"), Qt::LeftButton);
  auto* save = window.Find<QPushButton>("QrafikiSaxla");
  for (auto _ : state)
    QTest::mouseClick(save, Qt::LeftButton);
  if (!window.dialogs.errors.isEmpty()) state.SkipWithError("the save failed");
}
BENCHMARK(BM_WindowSaveDefaultGraph)->Unit(benchmark::kMillisecond);

void BM_CoreEncodeDefaultGraph(benchmark::State& state) {
  kalkora::GraphState graph;
  graph.RangeStart = -2;
  graph.RangeEnd = 4.5L;
  graph.StepValue = 0.01L;
  kalkora::ComputePoints(graph, "x^4-4*x^3");
  for (auto _ : state)
    benchmark::DoNotOptimize(kalkora::EncodeGraphFile("x^4-4*x^3", graph));
}
BENCHMARK(BM_CoreEncodeDefaultGraph)->Unit(benchmark::kMicrosecond);

// "Сохранить изображение…" of the default graph, as PNG and as SVG drawn from its points.
void BM_WindowSaveGraphPicture(benchmark::State& state, const char* name) {
  Window window;
  QTemporaryDir folder;
  window.dialogs.file = folder.filePath(QString::fromLatin1(name));
  QTest::mouseClick(window.Find<QPushButton>("QrafikiQur"), Qt::LeftButton);
  QAction* save = window.Find<QWidget>("Image3")->actions().at(1);
  for (auto _ : state)
    save->trigger();
  if (!window.dialogs.errors.isEmpty()) state.SkipWithError("the save failed");
}
BENCHMARK_CAPTURE(BM_WindowSaveGraphPicture, Png, "g.png")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WindowSaveGraphPicture, Svg, "g.svg")->Unit(benchmark::kMillisecond);

void BM_CoreGraphSvg(benchmark::State& state) {
  kalkora::GraphState graph;
  graph.RangeStart = -2;
  graph.RangeEnd = 4.5L;
  graph.StepValue = 0.01L;
  kalkora::ComputePoints(graph, "x^4-4*x^3");
  kalkora::ComputeScale(graph, true);
  const std::vector<kalkora::GraphTrace> traces{kalkora::TraceGraph(graph, true)};
  for (auto _ : state)
    benchmark::DoNotOptimize(
        kalkora::GraphSvg(traces, kalkora::kGraphWidth, kalkora::kGraphHeight));
}
BENCHMARK(BM_CoreGraphSvg)->Unit(benchmark::kMicrosecond);

// The offscreen platform warns about window features it lacks; those warnings are noise here.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type != QtDebugMsg && !message.startsWith(u"This plugin does not support")) {
    std::fprintf(stderr, "%s\n", qPrintable(message));
  }
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(QuietMessages);
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
