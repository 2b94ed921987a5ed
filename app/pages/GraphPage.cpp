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
#include <exception>
#include <iterator>
#include <limits>
#include <optional>

#include "app/platform/Files.h"
#include "common/Cp1251.h"
#include "common/Errors.h"
#include "graphs/Axes.h"
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

// Every point of a curve that is circled on the picture.
template <class Visit>
void ForEachMark(const CurveMarks& marks, const std::vector<CurvePoint>& crossings, Visit visit) {
  for (const auto* list : {&marks.zeros, &marks.minima, &marks.maxima, &crossings}) {
    for (const CurvePoint& p : *list)
      visit(p);
  }
  if (marks.yIntercept) visit(*marks.yIntercept);
}

bool OnPicture(const QPointF& at) {
  return at.x() >= 0 && at.x() <= kGraphWidth && at.y() >= 0 && at.y() <= kGraphHeight;
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
  auto* showMarks = new QAction(QStringLiteral("Отмечать точки"), ui.Image3);
  showMarks->setCheckable(true);
  showMarks->setChecked(true);
  ui.Image3->addAction(showMarks);
  ConnectGuarded(platform.dialogs, this, showMarks, &QAction::toggled,
                 [this](bool shown) { ShowMarksClick(shown); });
  ui.Image3->SetOverlay([this](QPainter& painter) { PaintOverlay(painter); });
  ConnectGuarded(platform.dialogs, this, ui.Image3, &ImageView::MouseMove,
                 [this](int x, int y) { Image3MouseMove(x, y); });
  ConnectGuarded(platform.dialogs, this, ui.Image3, &ImageView::MouseLeft, [this] {
    marker_.reset();
    ui.Image3->update();
  });
  ConnectGuarded(platform.dialogs, this, ui.Image3, &ImageView::Wheel,
                 [this](int x, int y, int delta) { Image3Wheel(x, y, delta); });
  ConnectGuarded(platform.dialogs, this, ui.Image3, &ImageView::Dragged,
                 [this](int dx) { Image3Drag(dx); });
  ConnectGuarded(platform.dialogs, this, ui.Image3, &ImageView::DoubleClicked,
                 [this] { Image3DoubleClick(); });
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

bool GraphPage::ReadRange() {
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
    return false;
  }
  return true;
}

void GraphPage::QrafikiQurClick() {
  state_.GraphDrawn = true;
  if (!ReadRange()) return;
  typedStart_ = ui.XStart->text();
  typedEnd_ = ui.XEnd->text();
  typedStep_ = ui.StepEd->text();
  const auto progress = [this](int i) { SetGauge(i); };
  SetGaugeMaximum(static_cast<int>(PointCount(state_) - 1));
  // Whatever the build reaches before an error stays drawn: the image shows it at once.
  struct Refresh {
    ImageView* view;
    ~Refresh() { view->update(); }
  } refresh{ui.Image3};
  table_.clear();
  auto compiled = std::make_shared<GraphFormula>(ui.FormEd->text().toStdString());
  KeepShownCurve();
  ComputePoints(state_, *compiled, progress);
  CurveMarks marks = Analyse(state_, *compiled);
  table_ = TableOf(state_, compiled.get(), &marks);
  Draw(progress, std::move(compiled), std::move(marks));
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

void GraphPage::Draw(const Progress& progress, std::shared_ptr<GraphFormula> compiled,
                     CurveMarks marks) {
  ComputeScale(state_, ui.MashCh->isChecked(), progress);
  const bool lines = ui.LinesCh->isChecked();
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
  curves_.push_back(
      {GraphState{}, formula, colour, lines, std::move(compiled), std::move(marks), {}});
  current_ = true;
  Render(progress);
}

void GraphPage::Render(const Progress& progress) {
  // One picture, one scale: a new curve beyond the others rescales them all.
  std::vector<GraphState*> states;
  for (std::size_t i = 0; i < curves_.size(); ++i)
    states.push_back(&CurveState(i));
  ShareScale(states, ui.MashCh->isChecked());
  ClearGraph(raster_);
  axes_ = AxesOf(state_);
  DrawAxes(axes_, raster_);
  drawn_.clear();
  marker_.reset();
  std::vector<CurvePoint> crossings;
  for (std::size_t i = 0; i < curves_.size(); ++i) {
    DrawnCurve& curve = curves_[i];
    GraphState& state = CurveState(i);
    DrawGraph(state, raster_, curve.lines, i + 1 == curves_.size() ? progress : Progress{},
              curve.colour);
    curve.crossings.clear();
    if (curve.compiled) {
      GraphFormula& f = *curve.compiled;
      for (std::size_t j = 0; j < i; ++j) {
        if (!curves_[j].compiled) continue;
        GraphFormula& g = *curves_[j].compiled;
        const std::vector<CurvePoint> found = Crossings(
            {state.PointsX, state.PointsY, state.StepValue},
            [&f](Extended x) { return ValueAt(f, x); }, [&g](Extended x) { return ValueAt(g, x); });
        curve.crossings.insert(curve.crossings.end(), found.begin(), found.end());
      }
      crossings.insert(crossings.end(), curve.crossings.begin(), curve.crossings.end());
    }
    drawn_.push_back(TraceOf(i));
  }
  std::sort(crossings.begin(), crossings.end(),
            [](const CurvePoint& a, const CurvePoint& b) { return a.x < b.x; });
  const DrawnCurve& last = curves_.back();
  ShowWorking(GraphSteps(last.formula, state_, &last.marks, &table_,
                         crossings.empty() ? nullptr : &crossings));
}

GraphTrace GraphPage::TraceOf(std::size_t i) {
  const DrawnCurve& curve = curves_[i];
  GraphTrace trace = TraceGraph(CurveState(i), curve.lines, curve.colour);
  trace.label = "y = " + curve.formula;
  if (showMarks_) {
    ForEachMark(curve.marks, curve.crossings, [&](const CurvePoint& p) {
      const QPointF at = PointAt(p.x, p.y);
      if (OnPicture(at)) trace.marks.push_back({at.x(), at.y()});
    });
  }
  return trace;
}

QPointF GraphPage::PointAt(Extended x, Extended y) const {
  // Inside the pixel the raster lights for the point, as the SVG places it.
  const Extended column = std::trunc((x - state_.FrameStart) * state_.ScaleX);
  const Extended row = kGraphHeight - std::trunc((y - state_.MinY) * state_.ScaleY);
  return {static_cast<double>(column) + 0.5, static_cast<double>(row) + 0.5};
}

void GraphPage::PaintOverlay(QPainter& painter) const {
  if (curves_.empty()) return;
  painter.save();
  PaintAxes(painter);
  painter.setRenderHint(QPainter::Antialiasing);
  if (showMarks_) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 1.5));
    for (const DrawnCurve& curve : curves_) {
      ForEachMark(curve.marks, curve.crossings, [&](const CurvePoint& p) {
        const QPointF at = PointAt(p.x, p.y);
        if (OnPicture(at)) painter.drawEllipse(at, 3.5, 3.5);
      });
    }
  }
  if (marker_) {
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(QColor::fromRgb(marker_->colour));
    painter.drawEllipse(marker_->at, 3.5, 3.5);
    QFont font = painter.font();
    font.setPixelSize(11);
    painter.setFont(font);
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(marker_->text) + 6;
    // Beside the marker, turned inwards near the picture's right or top edge.
    QRectF box(marker_->at.x() + 6, marker_->at.y() - metrics.height() - 4, width,
               metrics.height() + 2);
    if (box.right() > kGraphWidth) box.moveRight(marker_->at.x() - 6);
    if (box.top() < 0) box.moveTop(marker_->at.y() + 6);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 80, 200));
    painter.drawRect(box);
    painter.setPen(Qt::white);
    painter.drawText(box, Qt::AlignCenter, marker_->text);
  }
  painter.restore();
  PaintLegend(painter);
}

void GraphPage::PaintAxes(QPainter& painter) const {
  QFont font = painter.font();
  font.setPixelSize(10);
  painter.setFont(font);
  painter.setPen(Qt::white);
  const QFontMetrics metrics(font);
  constexpr int kWide = 200;  // wider than any number: the text is aligned in its box
  for (const AxisTick& tick : axes_.x) {
    if (tick.text.empty()) continue;
    painter.drawText(QRect(tick.pixel - kWide / 2, axes_.xTextTop, kWide + 1, kAxisTextHeight),
                     Qt::AlignHCenter | Qt::AlignTop, Text(tick.text));
  }
  for (const AxisTick& tick : axes_.y) {
    if (tick.text.empty()) continue;
    painter.drawText(
        QRect(axes_.yTextLeft, tick.pixel - kAxisTextHeight / 2, kWide, kAxisTextHeight),
        Qt::AlignLeft | Qt::AlignVCenter, Text(tick.text));
  }
  if (axes_.origin)
    painter.drawText(QRect(axes_.column + 4, axes_.xTextTop, kWide, kAxisTextHeight),
                     Qt::AlignLeft | Qt::AlignTop, QStringLiteral("0"));
  if (axes_.RowShown())
    painter.drawText(
        QRect(kGraphWidth - 4 - kWide, axes_.row - 4 - metrics.height(), kWide, metrics.height()),
        Qt::AlignRight | Qt::AlignBottom, QStringLiteral("x"));
  if (axes_.ColumnShown())
    painter.drawText(QRect(axes_.yTextLeft, 0, kWide, kAxisTextHeight),
                     Qt::AlignLeft | Qt::AlignTop, QStringLiteral("y"));
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
  axes_ = {};
  marker_.reset();
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
  FollowCurve(x, y, readX);
}

void GraphPage::FollowCurve(int x, int y, Extended readX) {
  marker_.reset();
  QString tip;
  double nearest = std::numeric_limits<double>::infinity();
  for (std::size_t i = 0; i < curves_.size(); ++i) {
    DrawnCurve& curve = curves_[i];
    const GraphState& state = CurveState(i);
    if (state.PointsX.empty() || readX < state.PointsX.front() || readX > state.PointsX.back())
      continue;
    std::optional<Extended> value;
    if (curve.compiled) {
      value = ValueAt(*curve.compiled, readX);
    } else {
      // Points from a file without a formula this program reads: the nearest of them.
      const auto at = std::lower_bound(state.PointsX.begin(), state.PointsX.end(), readX);
      value = state.PointsY[static_cast<std::size_t>(at - state.PointsX.begin())];
    }
    if (!value || !std::isfinite(*value)) continue;
    const QPointF at = PointAt(readX, *value);
    const double distance = std::fabs(at.y() - y);
    if (OnPicture(at) && distance < nearest) {
      nearest = distance;
      marker_ = Marker{QPointF(x + 0.5, at.y()), curve.colour,
                       QStringLiteral("y = ") + Text(FormatGeneral15(*value))};
    }
    if (showMarks_ && tip.isEmpty()) {
      ForEachMark(curve.marks, curve.crossings, [&](const CurvePoint& p) {
        const QPointF mark = PointAt(p.x, p.y);
        constexpr double kHover = 5;
        if (tip.isEmpty() && std::fabs(mark.x() - x) <= kHover && std::fabs(mark.y() - y) <= kHover)
          tip = Text(PointText(p));
      });
    }
  }
  ui.Image3->setToolTip(tip);
  ui.Image3->update();
}

void GraphPage::ShowMarksClick(bool shown) {
  showMarks_ = shown;
  if (!curves_.empty()) {
    drawn_.clear();
    for (std::size_t i = 0; i < curves_.size(); ++i)
      drawn_.push_back(TraceOf(i));
  }
  ui.Image3->update();
}

void GraphPage::Image3Wheel(int x, int y, int delta) {
  if (curves_.empty() || !state_.GraphDrawn) return;
  // A faded picture no longer answers the fields: moving it would give them a wrong formula.
  if (ui.Image3->Faded()) return;
  const Extended at = ReadOut(state_, x, y).first;
  if (!std::isfinite(at)) return;
  // A notch of the wheel forward shows four fifths of the range, around the pointer.
  const Extended factor = std::pow(0.8L, static_cast<Extended>(delta) / 120);
  ShowRange(at - (at - state_.FrameStart) * factor, at + (state_.FrameEnd - at) * factor);
}

void GraphPage::Image3Drag(int dx) {
  if (curves_.empty() || !state_.GraphDrawn || !(state_.ScaleX > 0)) return;
  // A faded picture no longer answers the fields: moving it would give them a wrong formula.
  if (ui.Image3->Faded()) return;
  const Extended shift = -static_cast<Extended>(dx) / state_.ScaleX;
  ShowRange(state_.FrameStart + shift, state_.FrameEnd + shift);
}

void GraphPage::Image3DoubleClick() {
  if (curves_.empty() || typedStart_.isEmpty()) return;
  // A faded picture no longer answers the fields: moving it would give them a wrong formula.
  if (ui.Image3->Faded()) return;
  ui.XStart->setText(typedStart_);
  ui.XEnd->setText(typedEnd_);
  ui.StepEd->setText(typedStep_);
  Solve(picture_, [this] { Rebuild(); });
}

void GraphPage::ShowRange(Extended start, Extended end) {
  // Beyond these the 15 digits of the fields can no longer tell the ends apart.
  constexpr Extended kLargest = 1e300L;
  if (!std::isfinite(start) || !std::isfinite(end) || !(end > start) ||
      std::fabs(start) > kLargest || std::fabs(end) > kLargest)
    return;
  const std::int64_t points = std::max<std::int64_t>(PointCount(state_), 2);
  // The ends at a round step a thousandth of the range or so: the fields stay readable.
  const Extended quantum = TickStep(end - start, 1000);
  start = RoundGeneral15(std::round(start / quantum) * quantum);
  end = RoundGeneral15(std::round(end / quantum) * quantum);
  if (!(end > start)) return;
  // The step that gives as many points as before, written to 15 digits as the field holds it.
  GraphState probe;
  probe.RangeStart = start;
  probe.RangeEnd = end;
  const Extended step = RoundGeneral15((end - start) / static_cast<Extended>(points - 1));
  probe.StepValue = step;
  // The count truncates span / step, which in binary can fall just short of a whole number
  // (0,2688 / 0,001344): a hundredth of a step more at the end keeps the last point.
  if (StepIsValid(start, end, step) && PointCount(probe) < points) {
    end = RoundGeneral15(end + TickStep(step, 100));
    probe.RangeEnd = end;
    // Where 15 digits cannot hold that either, the zoom has reached its end.
    if (PointCount(probe) < points) return;
  }
  // Each x has 15 digits: a step below ten units of the last of them would repeat x.
  const Extended largest = std::max(std::fabs(start), std::fabs(end));
  if (!StepIsValid(start, end, step) || step < largest * 1e-13L) return;
  ui.XStart->setText(Text(FormatGeneral15(start)));
  ui.XEnd->setText(Text(FormatGeneral15(end)));
  ui.StepEd->setText(Text(FormatGeneral15(step)));
  Solve(picture_, [this] { Rebuild(); });
}

void GraphPage::Rebuild() {
  if (curves_.empty() || !ReadRange()) return;
  // A rebuild quicker than a frame, as a turn of the wheel mostly is, is not held up painting
  // the gauge at each stage's start and end: the gauge is simply full after it.
  constexpr std::int64_t kQuietPoints = 20'000;
  const std::int64_t points = PointCount(state_);
  Progress progress;
  if (points > kQuietPoints) progress = [this](int i) { SetGauge(i); };
  SetGaugeMaximum(static_cast<int>(points - 1));
  bool built = false;
  std::exception_ptr failure;
  for (std::size_t i = 0; i < curves_.size(); ++i) {
    DrawnCurve& curve = curves_[i];
    if (!curve.compiled) continue;  // points from a file without a readable formula stay
    GraphState& state = CurveState(i);
    const bool last = i + 1 == curves_.size();
    if (!last || !current_) {
      state.RangeStart = state_.RangeStart;
      state.RangeEnd = state_.RangeEnd;
      state.StepValue = state_.StepValue;
    }
    // A curve with no value over the new range (log x panned left of 0) is simply not on the
    // picture; only when no curve has one is it the build's error.
    try {
      ComputePoints(state, *curve.compiled, last ? progress : Progress{});
      curve.marks = Analyse(state, *curve.compiled);
      built = true;
    } catch (const FormulaError&) {
      if (!failure) failure = std::current_exception();
      state.PointsX.clear();
      state.PointsY.clear();
      curve.marks = {};
    }
  }
  if (!built && failure) std::rethrow_exception(failure);
  const DrawnCurve& last = curves_.back();
  if (current_) table_ = TableOf(state_, last.compiled.get(), &last.marks);
  ComputeScale(state_, ui.MashCh->isChecked(), progress);
  Render(progress);
  if (!progress) ui.Gauge1->setValue(ui.Gauge1->maximum());
  ui.Image3->update();
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
  std::shared_ptr<GraphFormula> compiled;
  CurveMarks marks;
  try {
    compiled = std::make_shared<GraphFormula>(formulaText.toStdString());
    FindPoles(state_, *compiled);
    marks = Analyse(state_, *compiled);
  } catch (const FormulaError&) {
    compiled.reset();  // a formula this program cannot read: its points are drawn as they are
  }
  table_ = TableOf(state_, compiled.get(), compiled ? &marks : nullptr);
  typedStart_ = ui.XStart->text();
  typedEnd_ = ui.XEnd->text();
  typedStep_ = ui.StepEd->text();
  // Points that end before the range does are no damage where the formula has no value next.
  if (damage.Damaged() && !damage.cutRecord && compiled &&
      !ValueAt(*compiled, GridX(state_, static_cast<std::int64_t>(damage.pointsRead))))
    damage.gapped = true;
  // An opened graph is drawn at once, as a build draws it.
  if (!state_.PointsX.empty()) {
    Solve(picture_, [&] {
      SetGaugeMaximum(static_cast<int>(state_.PointsX.size() - 1));
      Draw([this](int i) { SetGauge(i); }, std::move(compiled), std::move(marks));
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
  SaveFile(name, svg ? GraphSvg(drawn_, raster_.Width(), raster_.Height(), &axes_)
                     : PngBytes(ui.Image3->Image()));
}

}  // namespace kalkora
