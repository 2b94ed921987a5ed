// Page 3 "Прогрессии": terms and sums of arithmetic and geometric progressions.
#pragma once

#include "app/pages/Page.h"

namespace kalkora {

class ProgressionsPage : public Page {
 public:
  explicit ProgressionsPage(Platform& platform, QWidget* parent = nullptr)
      : Page(platform, parent) {}
};

}  // namespace kalkora
