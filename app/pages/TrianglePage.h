// Page 7 "Решение треугольников": a triangle from its three sides.
#pragma once

#include <array>

#include "app/pages/Page.h"
#include "ui_TrianglePage.h"

namespace kalkora {

class TrianglePage : public Page {
  Q_OBJECT
 public:
  explicit TrianglePage(Platform& platform, QWidget* parent = nullptr);

  void UcbucaginHelliClick();

 private:
  Ui::TrianglePage ui;
};

}  // namespace kalkora
