// Page 6 "Комбинаторика": permutations, combinations and arrangements.
#pragma once

#include "app/pages/Page.h"
#include "ui_CombinatoricsPage.h"

namespace kalkora {

struct CountOutcome;

class CombinatoricsPage : public Page {
  Q_OBJECT
 public:
  explicit CombinatoricsPage(Platform& platform, QWidget* parent = nullptr);

  void PermutasiyaClick();
  void KombinezonClick();
  void AranjemanClick();

 private:
  // The count into its result field, or the page's message with the field left as it was.
  void Show(const CountOutcome& outcome, QLineEdit* result);

  Ui::CombinatoricsPage ui;
};

}  // namespace kalkora
