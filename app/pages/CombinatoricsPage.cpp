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
  BindSolve(ui.Permutasiya, &QPushButton::clicked, &CombinatoricsPage::PermutasiyaClick);
  BindSolve(ui.Kombinezon, &QPushButton::clicked, &CombinatoricsPage::KombinezonClick);
  BindSolve(ui.Aranjeman, &QPushButton::clicked, &CombinatoricsPage::AranjemanClick);
  BindKeys(ui.Edit13, &CombinatoricsPage::Edit13KeyPress);
  BindKeys(ui.Edit18, &CombinatoricsPage::Edit18KeyPress);
  BindKeys(ui.Edit19, &CombinatoricsPage::Edit19KeyPress);
  BindKeys(ui.Edit21, &CombinatoricsPage::Edit21KeyPress);
  BindKeys(ui.Edit30, &CombinatoricsPage::Edit30KeyPress);
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
  if (outcome.message.empty()) ShowWorking(PermutationSteps(outcome.n, outcome.result));
}

void CombinatoricsPage::KombinezonClick() {
  const CountOutcome outcome = Combinations(FieldText(ui.Edit18), FieldText(ui.Edit19));
  Show(outcome, ui.Edit20);
  if (outcome.message.empty()) ShowWorking(CombinationSteps(outcome.k, outcome.n, outcome.result));
}

void CombinatoricsPage::AranjemanClick() {
  const CountOutcome outcome = Arrangements(FieldText(ui.Edit21), FieldText(ui.Edit30));
  Show(outcome, ui.Edit31);
  if (outcome.message.empty()) ShowWorking(ArrangementSteps(outcome.k, outcome.n, outcome.result));
}

void CombinatoricsPage::Edit13KeyPress(QChar& key) {
  FilterKey(key, DigitKeys, ui.Permutasiya, EnterKey::Dropped);
}

void CombinatoricsPage::Edit18KeyPress(QChar& key) {
  FilterKey(key, DigitKeys, ui.Edit19, EnterKey::Dropped);
}

void CombinatoricsPage::Edit19KeyPress(QChar& key) {
  FilterKey(key, DigitKeys, ui.Kombinezon, EnterKey::Dropped);
}

void CombinatoricsPage::Edit21KeyPress(QChar& key) {
  FilterKey(key, DigitKeys, ui.Edit30, EnterKey::Dropped);
}

void CombinatoricsPage::Edit30KeyPress(QChar& key) {
  FilterKey(key, DigitKeys, ui.Aranjeman, EnterKey::Dropped);
}

}  // namespace kalkora
