// Page 9 "Дополнение": a value shown in every unit of a quantity, rebuilt at every change of the
// value, the unit or the quantity.
#pragma once

#include <QChar>
#include <QRect>
#include <vector>

#include "app/pages/Page.h"
#include "exact/Exact.h"
#include "ui_ConverterPage.h"

namespace kalkora {

class ConverterPage : public Page {
 public:
  explicit ConverterPage(Platform& platform, QWidget* parent = nullptr);

  // The converter's share of the main window's creation: "1" in Edit1, the length units with
  // the first one selected, and the results for them.
  void Start();

  // The user chose another quantity: back to 1 of its first unit.
  void VahidChange();
  // Reads Edit1 and rebuilds the result lines; an empty field changes nothing.
  void Edit1Change();
  // The user selected another unit.
  void KemiyyetlerClick();

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  // Lists the units of the current quantity and selects the first, raising no click.
  void FillUnits();
  // The index of the selected unit, or -1 when none is.
  int SelectedUnit() const;

  // A control that keeps its distance to the right (and bottom) edge as the page grows.
  struct Anchored {
    QWidget* control;
    QRect design;
    bool stretchWidth;  // anchored left and right: grows; anchored right only: moves
    bool stretchHeight;
  };

  Ui::ConverterPage ui;
  Results* lines_ = nullptr;
  QSize designSize_;
  std::vector<Anchored> anchored_;
  // The last number read from Edit1, exactly.
  Rational converterValue_ = 0;
};

}  // namespace kalkora
