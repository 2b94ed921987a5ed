#include "app/pages/GraphPage.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QFileInfo>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>
#include <optional>

#include "app/platform/Files.h"
#include "common/Cp1251.h"
#include "common/Errors.h"
#include "graphs/GraphFile.h"
#include "graphs/GraphFormula.h"
#include "graphs/GraphSteps.h"
#include "numtext/NumText.h"

namespace kalkora {

namespace {

const QColor kGaugeBlue(0, 0, 255);
// Curves drawn together take these in turn, the first the colour a single graph has always had.
constexpr Rgb kCurveColours[] = {kYellow,  0xffffff, 0x66ff66, 0xff9933,
                                 0xff66ff, 0x66ffff, 0xff6666};
constexpr int kFormulaLength = 256;

Extended ReadFloat(const QLineEdit* field) {
  return ParseFloat(field->text().toStdString());
}

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

QString GraphFileFilter() {
  return QString::fromUtf8(kGraphFileFilter);
}

const QString kPngFilter = QStringLiteral("Рисунок PNG (*.png)");
const QString kSvgFilter = QStringLiteral("Рисунок SVG (*.svg)");

std::string PngBytes(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG")) throw InOutError("Не удалось записать рисунок PNG");
  return bytes.toStdString();
}

std::optional<Extended> ValueAt(GraphFormula& formula, Extended x) {
  try {
    return formula.Evaluate(x);
  } catch (const FormulaError&) {
    return std::nullopt;
  }
}

// The marked points of the state's curve, refined with its formula.
CurveMarks Analyse(const GraphState& state, GraphFormula& formula) {
  return AnalyseCurve({state.PointsX, state.PointsY, state.StepValue},
                      [&formula](Extended x) { return ValueAt(formula, x); });
}

// The table of values of the state's curve; without a formula, of its points alone.
std::vector<ValueRow> TableOf(const GraphState& state, GraphFormula* formula,
                              const CurveMarks* marks) {
  CurveFunction f;
  if (formula != nullptr) f = [formula](Extended x) { return ValueAt(*formula, x); };
  return ValueTable({state.PointsX, state.PointsY, state.StepValue}, state.RangeStart,
                    state.RangeEnd, f, marks);
}

}  // namespace

GraphPage::GraphPage(Platform& platform, QWidget* parent) : Page(platform, parent) {
  ui.setupUi(this);
  ui.Image3->SetRaster(&raster_);
  QPalette gauge = ui.Gauge1->palette();
  gauge.setColor(QPalette::Highlight, kGaugeBlue);
  ui.Gauge1->setPalette(gauge);

  picture_ = Answers({ui.FormEd, ui.XStart, ui.XEnd, ui.StepEd}, {ui.Image3});
  BindSolve(ui.QrafikiQur, &QPushButton::clicked, &GraphPage::QrafikiQurClick, picture_);
  Bind(ui.QrafikiTemizle, &QPushButton::clicked, &GraphPage::QrafikiTemizleClick);
  Bind(ui.QrafikiSaxla, &QPushButton::clicked, &GraphPage::QrafikiSaxlaClick);
  Bind(ui.QrafikiAc, &QPushButton::clicked, &GraphPage::QrafikiAcClick);
  ui.Image3->setContextMenuPolicy(Qt::ActionsContextMenu);
  auto* copyImage = new QAction(QStringLiteral("Копировать изображение"), ui.Image3);
  auto* saveImage = new QAction(QStringLiteral("Сохранить изображение…"), ui.Image3);
  ui.Image3->addActions({copyImage, saveImage});
  Bind(copyImage, &QAction::triggered, &GraphPage::CopyImageClick);
  Bind(saveImage, &QAction::triggered, &GraphPage::SaveImageClick);
  ui.Image3->SetOverlay([this](QPainter& painter) { PaintLegend(painter); });
  ConnectGuarded(platform.dialogs, this, ui.Image3, &ImageView::MouseMove,
                 [this](int x, int y) { Image3MouseMove(x, y); });
}

void GraphPage::Start() {
  ClearGraph(raster_);
  ui.Image3->update();
}

void GraphPage::SetGaugeMaximum(int maximum) {
  ui.Gauge1->setMaximum(maximum);
  gaugeMaximum_ = ui.Gauge1->maximum();
  gaugePercent_ = -1;
  gaugeNext_ = 0;
}

void GraphPage::SetGauge(int position) {
  // Called for every point: one comparison until the percent the bar shows changes. Setting
  // the bar makes Qt work out its text and style again, so it is touched only then; the build
  // holds the event loop, so the bar is painted at once, at its start and end and otherwise at
  // most every 20 ms, which still moves it smoothly.
  if (position < gaugeNext_) return;
  constexpr qint64 kFrameMs = 20;
  const int value = std::min(position, gaugeMaximum_);
  const int percent =
      gaugeMaximum_ <= 0 ? 100 : static_cast<int>(static_cast<qint64>(value) * 100 / gaugeMaximum_);
  // The first position that shows the next percent.
  gaugeNext_ =
      percent >= 100
          ? std::numeric_limits<int>::max()
          : static_cast<int>((static_cast<qint64>(percent + 1) * gaugeMaximum_ + 99) / 100);
  if (percent == gaugePercent_) return;
  const bool first = gaugePercent_ < 0;
  gaugePercent_ = percent;
  ui.Gauge1->setValue(value);
  if (first || percent == 100 || !gaugePainted_.isValid() || gaugePainted_.elapsed() >= kFrameMs) {
    ui.Gauge1->repaint();
    gaugePainted_.start();
  }
}

void GraphPage::QrafikiQurClick() {
  state_.GraphDrawn = true;
  state_.RangeEnd = ReadFloat(ui.XEnd);
  state_.RangeStart = ReadFloat(ui.XStart);
  if (state_.RangeStart > state_.RangeEnd) {
    const QString start = ui.XStart->text();
    ui.XStart->setText(ui.XEnd->text());
    ui.XEnd->setText(start);
    std::swap(state_.RangeStart, state_.RangeEnd);
  }
  state_.StepValue = ReadFloat(ui.StepEd);
  if (!StepIsValid(state_.RangeStart, state_.RangeEnd, state_.StepValue)) {
    ShowMessage(QStringLiteral("Неверный шаг"));
    return;
  }
  const auto progress = [this](int i) { SetGauge(i); };
  SetGaugeMaximum(static_cast<int>(PointCount(state_) - 1));
  // Whatever the build reaches before an error stays drawn: the image shows it at once.
  struct Refresh {
    ImageView* view;
    ~Refresh() { view->update(); }
  } refresh{ui.Image3};
  marks_.reset();
  table_.clear();
  GraphFormula compiled(ui.FormEd->text().toStdString());
  KeepShownCurve();
  ComputePoints(state_, compiled, progress);
  marks_ = Analyse(state_, compiled);
  table_ = TableOf(state_, &compiled, &*marks_);
  Draw(progress);
}

GraphState& GraphPage::CurveState(std::size_t i) {
  return current_ && i + 1 == curves_.size() ? state_ : curves_[i].state;
}

void GraphPage::KeepShownCurve() {
  if (!current_) return;
  // The points move, not copy: a million of them cost nothing to keep.
  GraphState& kept = curves_.back().state;
  std::vector<Extended> xs, ys;
  std::vector<std::pair<Extended, Extended>> gaps;
  std::vector<std::size_t> poles;
  std::swap(xs, state_.PointsX);
  std::swap(ys, state_.PointsY);
  std::swap(gaps, state_.Gaps);
  std::swap(poles, state_.PolesAfter);
  kept = state_;
  kept.PointsX = std::move(xs);
  kept.PointsY = std::move(ys);
  kept.Gaps = std::move(gaps);
  kept.PolesAfter = std::move(poles);
  current_ = false;
}

void GraphPage::Draw(const Progress& progress) {
  const bool scaled = ui.MashCh->isChecked(), lines = ui.LinesCh->isChecked();
  ComputeScale(state_, scaled, progress);
  const std::string formula = ui.FormEd->text().toStdString();
  if (current_) {
    curves_.pop_back();
    current_ = false;
  }
  // The same graph built again takes its own place: "Построить" over and over adds nothing.
  if (!curves_.empty()) {
    const GraphState& last = curves_.back().state;
    if (curves_.back().formula == formula && curves_.back().lines == lines &&
        last.RangeStart == state_.RangeStart && last.RangeEnd == state_.RangeEnd &&
        last.StepValue == state_.StepValue)
      curves_.pop_back();
  }
  const Rgb colour = kCurveColours[curves_.size() % std::size(kCurveColours)];
  curves_.push_back({GraphState{}, formula, colour, lines});
  current_ = true;
  // One picture, one scale: a new curve beyond the others rescales them all.
  std::vector<GraphState*> states;
  for (std::size_t i = 0; i < curves_.size(); ++i)
    states.push_back(&CurveState(i));
  ShareScale(states, scaled);
  ClearGraph(raster_);
  drawn_.clear();
  for (std::size_t i = 0; i < curves_.size(); ++i) {
    const DrawnCurve& curve = curves_[i];
    GraphState& state = CurveState(i);
    DrawGraph(state, raster_, curve.lines, i + 1 == curves_.size() ? progress : Progress{},
              curve.colour);
    drawn_.push_back(TraceGraph(state, curve.lines, curve.colour));
    drawn_.back().label = "y = " + curve.formula;
  }
  ShowWorking(GraphSteps(formula, state_, marks_ ? &*marks_ : nullptr, &table_));
}

void GraphPage::PaintLegend(QPainter& painter) const {
  if (curves_.empty()) return;
  QFont font = painter.font();
  font.setPixelSize(11);
  painter.setFont(font);
  const QFontMetrics metrics(font);
  const int shown = std::min<int>(static_cast<int>(kLegendLines), static_cast<int>(curves_.size()));
  const int first = static_cast<int>(curves_.size()) - shown;  // the newest are named
  QStringList texts;
  int width = 0;
  for (int i = first; i < static_cast<int>(curves_.size()); ++i) {
    QString text = QStringLiteral("y = ") + Text(curves_[i].formula);
    if (text.size() > static_cast<int>(kLegendCharacters))
      text = text.left(static_cast<int>(kLegendCharacters) - 1) + QStringLiteral("…");
    width = std::max(width, metrics.horizontalAdvance(text));
    texts << text;
  }
  constexpr int kPad = 4, kSwatch = 14;
  const int line = metrics.height();
  const QRect box(4, 4, kPad * 3 + kSwatch + width, kPad * 2 + line * shown);
  painter.fillRect(box, QColor(0, 0, 80, 190));
  for (int k = 0; k < shown; ++k) {
    const Rgb colour = curves_[static_cast<std::size_t>(first + k)].colour;
    const int y = box.top() + kPad + line * k;
    painter.fillRect(QRect(box.left() + kPad, y + line / 2 - 1, kSwatch, 3),
                     QColor::fromRgb(colour));
    painter.setPen(Qt::white);
    painter.drawText(QRect(box.left() + kPad * 2 + kSwatch, y, width + kPad, line),
                     Qt::AlignLeft | Qt::AlignVCenter, texts[k]);
  }
}

void GraphPage::QrafikiTemizleClick() {
  ClearGraph(raster_);
  drawn_.clear();
  curves_.clear();
  current_ = false;
  marks_.reset();
  table_.clear();
  ForgetWorking();
  ui.Image3->update();
  state_.GraphDrawn = false;
  ui.XEd->setText(QStringLiteral("0"));
  ui.YEd->setText(QStringLiteral("0"));
}

void GraphPage::Image3MouseMove(int x, int y) {
  if (!state_.GraphDrawn) return;
  const auto [readX, readY] = ReadOut(state_, x, y);
  if (!std::isfinite(readX) || !std::isfinite(readY)) return;
  ui.XEd->setText(Text(FormatGeneral15(readX)));
  ui.YEd->setText(Text(FormatGeneral15(readY)));
}

void GraphPage::QrafikiSaxlaClick() {
  const QString chosen =
      platform().dialogs.GetSaveFileName(window(), GraphFileFilter(), Text(state_.GraphFileName));
  if (!chosen.isEmpty()) state_.GraphFileName = chosen.toStdString();
  if (state_.GraphFileName.empty()) return;
  // Qt writes every path with '/', whatever the platform's own separator.
  state_.GraphFileName = WithGraphExtension(state_.GraphFileName, '/');
  SaveFile(Text(state_.GraphFileName),
           EncodeGraphFile(FormulaForFile(ui.FormEd->text().toStdString()), state_));
}

void GraphPage::QrafikiAcClick() {
  const QString chosen =
      platform().dialogs.GetOpenFileName(window(), GraphFileFilter(), Text(state_.GraphFileName));
  if (!chosen.isEmpty()) state_.GraphFileName = chosen.toStdString();
  if (state_.GraphFileName.empty()) return;
  KeepShownCurve();
  state_.PointsX.clear();
  state_.PointsY.clear();
  std::string bytes;
  switch (ReadRegularFile(Text(state_.GraphFileName), kLargestGraphFile, bytes)) {
    case FileRead::Read:
      break;
    case FileRead::CannotOpen:
      ShowMessage(QStringLiteral("Не могу открыть файл"));
      return;
    case FileRead::NotRegular:
      ShowMessage(QStringLiteral("Не могу открыть файл: это не обычный файл"));
      return;
    case FileRead::TooLarge:
      ShowMessage(QStringLiteral("Не могу открыть файл: он больше любого файла графика"));
      return;
  }
  GraphFileDamage damage;
  const std::string formula = DecodeGraphFile(bytes, state_, &damage);
  // The length limit is for typing: a longer formula from a file is shown whole.
  const QString formulaText = Text(Cp1251ToUtf8(formula));
  ui.FormEd->setMaxLength(std::max(kFormulaLength, static_cast<int>(formulaText.size())));
  ui.FormEd->setText(formulaText);
  ui.XStart->setText(Text(FormatGeneral15(state_.RangeStart)));
  ui.XEnd->setText(Text(FormatGeneral15(state_.RangeEnd)));
  ui.StepEd->setText(Text(FormatGeneral15(state_.StepValue)));
  std::optional<GraphFormula> compiled;
  marks_.reset();
  try {
    compiled.emplace(formulaText.toStdString());
    FindPoles(state_, *compiled);
    marks_ = Analyse(state_, *compiled);
  } catch (const FormulaError&) {
    compiled.reset();  // a formula this program cannot read: its points are drawn as they are
  }
  table_ = TableOf(state_, compiled ? &*compiled : nullptr, marks_ ? &*marks_ : nullptr);
  // Points that end before the range does are no damage where the formula has no value next.
  if (damage.Damaged() && !damage.cutRecord && compiled &&
      !ValueAt(*compiled, GridX(state_, static_cast<std::int64_t>(damage.pointsRead))))
    damage.gapped = true;
  // An opened graph is drawn at once, as a build draws it.
  if (!state_.PointsX.empty()) {
    Solve(picture_, [this] {
      SetGaugeMaximum(static_cast<int>(state_.PointsX.size() - 1));
      Draw([this](int i) { SetGauge(i); });
      ui.Image3->update();
    });
  } else {
    MarkOutdated(picture_);
  }
  // What is whole is open; the user learns that the rest is missing.
  if (damage.Damaged()) ShowMessage(Text(DamageMessage(damage)));
}

void GraphPage::CopyImageClick() {
  QGuiApplication::clipboard()->setImage(ui.Image3->Image());
}

void GraphPage::SaveImageClick() {
  QString filter = imageFilter_.isEmpty() ? kPngFilter : imageFilter_;
  QString name = platform().dialogs.GetSaveFileNameAndFilter(
      window(), kPngFilter + QStringLiteral(";;") + kSvgFilter, imageFileName_, filter);
  if (name.isEmpty()) return;
  if (!filter.isEmpty()) imageFilter_ = filter;
  // The name's own extension chooses the format; any other name gets the chosen filter's.
  const QString extension = QFileInfo(name).suffix().toLower();
  bool svg = extension == u"svg";
  if (!svg && extension != u"png") {
    svg = filter == kSvgFilter;
    name += svg ? QStringLiteral(".svg") : QStringLiteral(".png");
  }
  imageFileName_ = name;
  SaveFile(name, svg ? GraphSvg(drawn_, raster_.Width(), raster_.Height())
                     : PngBytes(ui.Image3->Image()));
}

}  // namespace kalkora
