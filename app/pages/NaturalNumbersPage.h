// Page 0 "Натуральные числа": GCD and LCM, prime factors, the primes up to a number.
#pragma once

#include "app/pages/Page.h"

namespace kalkora {

class NaturalNumbersPage : public Page {
 public:
  explicit NaturalNumbersPage(Platform& platform, QWidget* parent = nullptr)
      : Page(platform, parent) {}
};

}  // namespace kalkora
