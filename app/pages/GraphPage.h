// Page 4 "График функций": the graph of y = f(x), its read-out and graph files.
#pragma once

#include <QElapsedTimer>
#include <QPainter>
#include <QPointF>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/pages/Page.h"
#include "graphs/CurveAnalysis.h"
#include "graphs/GraphAxes.h"
#include "graphs/GraphFormula.h"
#include "graphs/GraphSvg.h"
#include "graphs/Plot.h"
#include "graphs/Raster.h"
#include "ui_GraphPage.h"

namespace kalkora {

class GraphPage : public Page {
  Q_OBJECT
 public:
  explicit GraphPage(Platform& platform, QWidget* parent = nullptr);

  // The page's share of the window's start-up: the image painted blue.
  void Start();

  void QrafikiQurClick();
  void QrafikiTemizleClick();
  void Image3MouseMove(int x, int y);
  void QrafikiSaxlaClick();
  void QrafikiAcClick();
  // The image's context menu: the picture as shown to the clipboard, or to a PNG or SVG file.
  void CopyImageClick();
  void SaveImageClick();
  // The marked points shown or hidden, from the image's context menu.
  void ShowMarksClick(bool shown);
  // The wheel zooms around the pointer, a drag pans, a double click goes back to the typed
  // range; each builds the curves again over the new range and writes it into the fields.
  void Image3Wheel(int x, int y, int delta);
  void Image3Drag(int dx);
  void Image3DoubleClick();

  const GraphState& State() const { return state_; }
  const Raster& Image() const { return raster_; }
  const GraphAxes& Axes() const { return axes_; }
  // What the marker on the curve nearest the pointer shows; empty when there is none.
  QString MarkerText() const { return marker_ ? marker_->text : QString(); }

 private:
  // Moves the gauge, repainting it at once when its shown percentage changes.
  void SetGauge(int position);
  void SetGaugeMaximum(int maximum);
  // Reads the range and step from the fields into state_, putting the ends in order; false,
  // with the message shown, for a step the build cannot use.
  bool ReadRange();
  // Adds the state's points, built from `compiled` (none for an unreadable formula from a file),
  // to the picture as its newest curve, and draws them all.
  void Draw(const Progress& progress, std::shared_ptr<GraphFormula> compiled, CurveMarks marks);
  // Draws every curve on one scale with the axes, finds their crossings, shows the working.
  void Render(const Progress& progress);
  // Writes a zoomed or panned range into the fields, with the step that keeps the number of
  // points, and builds every curve over it.
  void ShowRange(Extended start, Extended end);
  void Rebuild();
  // What the raster cannot draw: the axes' numbers, the marks, the read-out marker, the legend.
  void PaintOverlay(QPainter& painter) const;
  void PaintAxes(QPainter& painter) const;
  void PaintLegend(QPainter& painter) const;
  QPointF PointAt(Extended x, Extended y) const;
  // Curve i's trace for the SVG, with its label and marks.
  GraphTrace TraceOf(std::size_t i);
  void FollowCurve(int x, int y, Extended readX);

  Ui::GraphPage ui;
  Results* picture_ = nullptr;
  GraphState state_;
  Raster raster_{kGraphWidth, kGraphHeight};
  std::vector<ValueRow> table_;  // of the curve last built or opened
  // Every curve drawn since the image was last cleared, oldest first, on one scale.
  struct DrawnCurve {
    GraphState state;
    std::string formula;
    Rgb colour;
    bool lines;
    std::shared_ptr<GraphFormula> compiled;
    CurveMarks marks;
    std::vector<CurvePoint> crossings;  // with the curves drawn before it
  };
  std::vector<DrawnCurve> curves_;
  bool current_ = false;  // the last of them is drawn from state_, its own state left empty
  GraphState& CurveState(std::size_t i);
  // Moves the points of the curve drawn from state_ into its place among the curves.
  void KeepShownCurve();
  std::vector<GraphTrace> drawn_;  // their traces, for the SVG
  GraphAxes axes_;
  bool showMarks_ = true;
  // Where the read-out meets the curve nearest the pointer.
  struct Marker {
    QPointF at;
    Rgb colour;
    QString text;
  };
  std::optional<Marker> marker_;
  QString typedStart_, typedEnd_, typedStep_;  // the range as last typed, for the double click
  QString imageFileName_;
  QString imageFilter_;
  int gaugePercent_ = -1;
  int gaugeMaximum_ = 100;
  int gaugeNext_ = 0;  // the first position that changes the percent
  QElapsedTimer gaugePainted_;
};

}  // namespace kalkora
