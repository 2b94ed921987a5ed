// Page 5 "Производная многочлена": a polynomial typed or keyed in, its derivative and value.
#pragma once

#include "app/pages/Page.h"
#include "ui_PolynomialPage.h"

namespace kalkora {

class PolynomialPage : public Page {
  Q_OBJECT
 public:
  explicit PolynomialPage(Platform& platform, QWidget* parent = nullptr);

  // The keypad: Button3Click to Button15Click append their own text.
  void Append(const QString& text);
  void Button16Click();
  void CoxhedliniSilClick();
  void ToremeniTapClick();
  void CoxhedlininQiymetiniTapClick();

 private:
  Ui::PolynomialPage ui;
  Results* derivative_ = nullptr;
  Results* value_ = nullptr;
};

}  // namespace kalkora
