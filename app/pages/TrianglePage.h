// Page 7 "Решение треугольников": a triangle from its three sides.
#pragma once

#include "app/pages/Page.h"

namespace kalkora {

class TrianglePage : public Page {
 public:
  explicit TrianglePage(Platform& platform, QWidget* parent = nullptr) : Page(platform, parent) {}
};

}  // namespace kalkora
