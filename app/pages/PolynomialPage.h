// Page 5 "Производная многочлена": a polynomial's derivative and value.
#pragma once

#include "app/pages/Page.h"

namespace kalkora {

class PolynomialPage : public Page {
 public:
  explicit PolynomialPage(Platform& platform, QWidget* parent = nullptr) : Page(platform, parent) {}
};

}  // namespace kalkora
