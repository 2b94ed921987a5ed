// Page 9 "Дополнение": a value in every unit of a quantity.
#pragma once

#include "app/pages/Page.h"

namespace kalkora {

class ConverterPage : public Page {
 public:
  explicit ConverterPage(Platform& platform, QWidget* parent = nullptr) : Page(platform, parent) {}
};

}  // namespace kalkora
