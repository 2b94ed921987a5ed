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

  void Edit2KeyPress(QChar& key);
  void Edit3KeyPress(QChar& key);
  void Edit4KeyPress(QChar& key);
  void Edit6KeyPress(QChar& key);
  void Edit7KeyPress(QChar& key);
  void Edit8KeyPress(QChar& key);
  void Edit10KeyPress(QChar& key);
  void Edit11KeyPress(QChar& key);
  void Edit12KeyPress(QChar& key);
  void Edit14KeyPress(QChar& key);
  void Edit15KeyPress(QChar& key);
  void Edit16KeyPress(QChar& key);

  // The report goes to the program's folder when it is writable (the executable's, unless set
  // otherwise), else to the user's data folder for the program.
  void SetProgramFolder(const QString& folder) { programFolder_ = folder; }
  QString ReportPath() const;

 private:
  enum class Reset { None, IfZShown, All };
  // Enter moves the focus to `next` (nowhere when null), the filter applies, then the results
  // are reset as the field's row of the table says, also for a dropped character.
  void GridKey(QChar& key, QWidget* next, Reset reset);
  // `field` when it is shown in the current layout, else `otherwise`.
  static QWidget* IfShown(QWidget* field, QWidget* otherwise = nullptr);
  void ApplyLayout(bool threeUnknowns);
  // The fields a solve reads, in reading order.
  std::vector<QLineEdit*> Needed() const;

  Ui::LinearSystemsPage ui;
  QString programFolder_;
};

}  // namespace kalkora
