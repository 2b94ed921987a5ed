// Page 1 "Квадратные уравнения": the roots of a quadratic equation.
#pragma once

#include "app/pages/Page.h"
#include "ui_QuadraticPage.h"

namespace kalkora {

class QuadraticPage : public Page {
  Q_OBJECT
 public:
  explicit QuadraticPage(Platform& platform, QWidget* parent = nullptr);

  // The page's share of the window's creation: "Действительных корней нет" hidden.
  void Start();

  void TenliyinkoklerinitapClick();

 private:
  // What every key typed into a coefficient does first, even one the filter drops.
  void ForgetRoots();

  Ui::QuadraticPage ui;
  Results* roots_ = nullptr;
};

}  // namespace kalkora
