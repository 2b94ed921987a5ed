// Page 0 "Натуральные числа": GCD and LCM, prime factors, the primes up to a number.
#pragma once

#include "app/pages/Page.h"
#include "app/pages/PrimeListModel.h"
#include "ui_NaturalNumbersPage.h"

namespace kalkora {

class NaturalNumbersPage : public Page {
  Q_OBJECT
 public:
  explicit NaturalNumbersPage(Platform& platform, QWidget* parent = nullptr);

  void EBOBveEKOBClick();
  void SadeVuruqlaraAyirClick();
  void TntBitBtn3Click();
  void UpDown3Click();
  void SadeEdedlerClick();
  void TntBitBtn1Click();

 private:
  Ui::NaturalNumbersPage ui;
  PrimeListModel primes_;
  Results* divisors_ = nullptr;
  Results* factors_ = nullptr;
  Results* primesFound_ = nullptr;
};

}  // namespace kalkora
