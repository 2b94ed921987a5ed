// Page 4 "График функций": the graph of y = f(x), its read-out and graph files.
#pragma once

#include <QElapsedTimer>

#include "app/pages/Page.h"
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

  const GraphState& State() const { return state_; }
  const Raster& Image() const { return raster_; }

 private:
  // Moves the gauge, repainting it at once when its shown percentage changes.
  void SetGauge(int position);
  void SetGaugeMaximum(int maximum);

  Ui::GraphPage ui;
  GraphState state_;
  Raster raster_{kGraphWidth, kGraphHeight};
  int gaugePercent_ = -1;
  int gaugeMaximum_ = 100;
  int gaugeNext_ = 0;  // the first position that changes the percent
  QElapsedTimer gaugePainted_;
};

}  // namespace kalkora
