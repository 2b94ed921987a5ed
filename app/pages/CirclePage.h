// Page 8 "Окружность и круг": the length of a circle and the area of a disc.
#pragma once

#include "app/pages/Page.h"

namespace kalkora {

class CirclePage : public Page {
 public:
  explicit CirclePage(Platform& platform, QWidget* parent = nullptr) : Page(platform, parent) {}
};

}  // namespace kalkora
