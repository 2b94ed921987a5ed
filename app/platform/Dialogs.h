// The seam to every modal box and file dialog the program shows, so that tests can answer them.
#pragma once

#include <QString>

class QDialog;
class QWidget;

namespace kalkora {

class Dialogs {
 public:
  virtual ~Dialogs() = default;

  // The pages' own message box: the text, the application title as caption, one OK button.
  virtual void ShowMessage(QWidget* parent, const QString& text) = 0;
  // The default error report: the text (its full stop already added), stop icon, one OK button.
  virtual void ShowError(QWidget* parent, const QString& text) = 0;
  // A Yes/No question with the information icon; true when the answer is Yes.
  virtual bool AskYesNo(QWidget* parent, const QString& text, const QString& caption) = 0;
  // Shows one of the program's own dialogs modally and returns its result code.
  virtual int Exec(QDialog& dialog) = 0;
  // File dialogs; each returns the chosen path, or an empty string when cancelled.
  virtual QString GetOpenFileName(QWidget* parent, const QString& filter,
                                  const QString& fileName) = 0;
  virtual QString GetSaveFileName(QWidget* parent, const QString& filter,
                                  const QString& fileName) = 0;
  // A save dialog that also says which entry of `filter` was chosen: `chosenFilter` names the
  // entry to start with, and is the chosen one on return (empty when the dialog cannot say).
  virtual QString GetSaveFileNameAndFilter(QWidget* parent, const QString& filter,
                                           const QString& fileName, QString& chosenFilter) {
    chosenFilter.clear();
    return GetSaveFileName(parent, filter, fileName);
  }
};

// The real boxes and dialogs of the platform.
class QtDialogs final : public Dialogs {
 public:
  void ShowMessage(QWidget* parent, const QString& text) override;
  void ShowError(QWidget* parent, const QString& text) override;
  bool AskYesNo(QWidget* parent, const QString& text, const QString& caption) override;
  int Exec(QDialog& dialog) override;
  QString GetOpenFileName(QWidget* parent, const QString& filter, const QString& fileName) override;
  QString GetSaveFileName(QWidget* parent, const QString& filter, const QString& fileName) override;
  QString GetSaveFileNameAndFilter(QWidget* parent, const QString& filter, const QString& fileName,
                                   QString& chosenFilter) override;
};

}  // namespace kalkora
