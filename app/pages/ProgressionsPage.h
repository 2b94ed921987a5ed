// Page 3 "Прогрессии": terms and sums of arithmetic and geometric progressions.
#pragma once

#include "app/pages/Page.h"
#include "app/pages/ProgressionListModel.h"
#include "ui_ProgressionsPage.h"

namespace kalkora {

class ProgressionsPage : public Page {
  Q_OBJECT
 public:
  explicit ProgressionsPage(Platform& platform, QWidget* parent = nullptr);

  void TntCheckBox7Click();
  void TntCheckBox8Click();
  void NciHeddveCemleriClick();
  void HeddlerinSiyahisiniTemizleClick();
  void UpDown2Click();

 private:
  // A click on either kind's box: the other is unchecked and the page starts afresh.
  void ChooseKind(ProgressionKind kind);
  // A count of terms below 1: nothing to list.
  void RefuseCount();

  Ui::ProgressionsPage ui;
  ProgressionListModel rows_;
};

}  // namespace kalkora
