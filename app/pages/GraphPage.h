// Page 4 "График функций": the graph of y = f(x), its read-out and graph files.
#pragma once

#include "app/pages/Page.h"

namespace kalkora {

class GraphPage : public Page {
 public:
  explicit GraphPage(Platform& platform, QWidget* parent = nullptr) : Page(platform, parent) {}
};

}  // namespace kalkora
