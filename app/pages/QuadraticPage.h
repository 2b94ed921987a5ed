// Page 1 "Квадратные уравнения": the roots of a quadratic equation.
#pragma once

#include "app/pages/Page.h"

namespace kalkora {

class QuadraticPage : public Page {
 public:
  explicit QuadraticPage(Platform& platform, QWidget* parent = nullptr) : Page(platform, parent) {}
};

}  // namespace kalkora
