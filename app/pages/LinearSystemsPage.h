// Page 2 "Системы линейных уравнений": two or three unknowns by Cramer's rule, and the report.
#pragma once

#include <QString>
#include <vector>

#include "app/pages/Page.h"
#include "ui_LinearSystemsPage.h"

namespace kalkora {

class LinearSystemsPage : public Page {
  Q_OBJECT
 public:
  explicit LinearSystemsPage(Platform& platform, QWidget* parent = nullptr);

  void HellETClick();
  void TemizleClick();
  void TntCheckBox1Click();
  void TntCheckBox2Click();
  void SaxlaClick();
  void AcClick();

  // The report goes to the program's folder when it is writable (the executable's, unless set
  // otherwise), else to the user's data folder for the program.
  void SetProgramFolder(const QString& folder) { programFolder_ = folder; }
  QString ReportPath() const;

 private:
  // What a key typed into a field of the grid does to the results, also a dropped one: z is
  // reset from the third row and column always, from the other fields only while it is shown.
  enum class Reset { IfZShown, All };
  void ResetResults(Reset reset);
  void ApplyLayout(bool threeUnknowns);
  // What screen readers call each field of the grid in the current layout.
  void NameGrid(int unknowns);
  // The fields a solve reads, in reading order.
  std::vector<QLineEdit*> Needed() const;

  Ui::LinearSystemsPage ui;
  Results* unknowns_ = nullptr;
  QString programFolder_;
};

}  // namespace kalkora
