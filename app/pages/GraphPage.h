// Page 4 "График функций": the graph of y = f(x), its read-out and graph files.
#pragma once

#include <QElapsedTimer>
#include <QPainter>
#include <optional>
#include <string>
#include <vector>

#include "app/pages/Page.h"
#include "graphs/CurveAnalysis.h"
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

  const GraphState& State() const { return state_; }
  const Raster& Image() const { return raster_; }

 private:
  // Moves the gauge, repainting it at once when its shown percentage changes.
  void SetGauge(int position);
  void SetGaugeMaximum(int maximum);
  // Scales and draws the state's points over the picture and explains them in the working.
  void Draw(const Progress& progress);
  // The legend in the picture's corner: each curve's colour and formula.
  void PaintLegend(QPainter& painter) const;

  Ui::GraphPage ui;
  Results* picture_ = nullptr;
  GraphState state_;
  Raster raster_{kGraphWidth, kGraphHeight};
  std::optional<CurveMarks> marks_;  // of the curve last built or opened
  std::vector<ValueRow> table_;      // its table of values
  // Every curve drawn since the image was last cleared, oldest first, on one scale.
  struct DrawnCurve {
    GraphState state;
    std::string formula;
    Rgb colour;
    bool lines;
  };
  std::vector<DrawnCurve> curves_;
  bool current_ = false;  // the last of them is drawn from state_, its own state left empty
  GraphState& CurveState(std::size_t i);
  // Moves the points of the curve drawn from state_ into its place among the curves.
  void KeepShownCurve();
  std::vector<GraphTrace> drawn_;  // their traces, for the SVG
  QString imageFileName_;
  QString imageFilter_;
  int gaugePercent_ = -1;
  int gaugeMaximum_ = 100;
  int gaugeNext_ = 0;  // the first position that changes the percent
  QElapsedTimer gaugePainted_;
};

}  // namespace kalkora
