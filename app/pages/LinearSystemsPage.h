// Page 2 "Системы линейных уравнений": linear systems by Cramer's rule and their report.
#pragma once

#include "app/pages/Page.h"

namespace kalkora {

class LinearSystemsPage : public Page {
 public:
  explicit LinearSystemsPage(Platform& platform, QWidget* parent = nullptr)
      : Page(platform, parent) {}
};

}  // namespace kalkora
