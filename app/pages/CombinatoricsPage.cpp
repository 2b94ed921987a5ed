#include "app/pages/CombinatoricsPage.h"

#include "app/Fonts.h"
#include "app/pages/PageStyle.h"
#include "numbers/Combinatorics.h"
#include "numbers/CombinatoricsSteps.h"

namespace kalkora {

CombinatoricsPage::CombinatoricsPage(Platform& platform, QWidget* parent) : Page(platform, parent) {
  ui.setupUi(this);
  ui.Image6->SetSource(QStringLiteral(":/pictures/combinatorics.svg"));
  PaintGroup(ui.TntGroupBox5);
  // Inside the group: fields and signs black bold 12 pixels, the letters C and A navy 24 pixels,
  // the buttons black bold 11 pixels.
  for (QWidget* control : ui.TntGroupBox5->findChildren<QWidget*>()) {
    control->setFont(Tahoma(12, true));
    PaintText(control, kBlackText);
  }
  for (QWidget* letter : {ui.Label15, ui.Label20}) {
    letter->setFont(Tahoma(24, true));
    PaintText(letter, kNavyText);
  }
  for (QWidget* button : {ui.Permutasiya, ui.Kombinezon, ui.Aranjeman})
    button->setFont(Tahoma(11, true));
  for (QLabel* label : ui.TntGroupBox5->findChildren<QLabel*>())
    label->adjustSize();
  BindSolve(ui.Permutasiya, &QPushButton::clicked, &CombinatoricsPage::PermutasiyaClick,
            Answers({ui.Edit13}, {ui.Edit17}));
  BindSolve(ui.Kombinezon, &QPushButton::clicked, &CombinatoricsPage::KombinezonClick,
            Answers({ui.Edit18, ui.Edit19}, {ui.Edit20}));
  BindSolve(ui.Aranjeman, &QPushButton::clicked, &CombinatoricsPage::AranjemanClick,
            Answers({ui.Edit21, ui.Edit30}, {ui.Edit31}));
  BindField(ui.Edit13, {.keys = DigitKeys, .next = ui.Permutasiya});
  BindField(ui.Edit18, {.keys = DigitKeys, .next = ui.Edit19});
  BindField(ui.Edit19, {.keys = DigitKeys, .next = ui.Kombinezon});
  BindField(ui.Edit21, {.keys = DigitKeys, .next = ui.Edit30});
  BindField(ui.Edit30, {.keys = DigitKeys, .next = ui.Aranjeman});
}

void CombinatoricsPage::Show(const CountOutcome& outcome, QLineEdit* result) {
  if (!outcome.message.empty()) {
    ShowMessage(QString::fromStdString(outcome.message));
    return;
  }
  result->setText(QString::fromStdString(outcome.result));
  result->setCursorPosition(0);
}

void CombinatoricsPage::PermutasiyaClick() {
  const CountOutcome outcome = Permutations(FieldText(ui.Edit13));
  Show(outcome, ui.Edit17);
  if (outcome.message.empty())
    ShowWorking(PermutationSteps(outcome.n, outcome.count, outcome.result));
}

void CombinatoricsPage::KombinezonClick() {
  const CountOutcome outcome = Combinations(FieldText(ui.Edit18), FieldText(ui.Edit19));
  Show(outcome, ui.Edit20);
  if (outcome.message.empty())
    ShowWorking(CombinationSteps(outcome.k, outcome.n, outcome.count, outcome.result));
}

void CombinatoricsPage::AranjemanClick() {
  const CountOutcome outcome = Arrangements(FieldText(ui.Edit21), FieldText(ui.Edit30));
  Show(outcome, ui.Edit31);
  if (outcome.message.empty())
    ShowWorking(ArrangementSteps(outcome.k, outcome.n, outcome.count, outcome.result));
}

}  // namespace kalkora
