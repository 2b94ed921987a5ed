// Page 6 "Комбинаторика": permutations, combinations and arrangements.
#pragma once

#include "app/pages/Page.h"

namespace kalkora {

class CombinatoricsPage : public Page {
 public:
  explicit CombinatoricsPage(Platform& platform, QWidget* parent = nullptr)
      : Page(platform, parent) {}
};

}  // namespace kalkora
