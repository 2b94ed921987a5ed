#include "app/platform/Dialogs.h"

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

#include "app/Texts.h"

namespace kalkora {

namespace {

int ShowBox(QWidget* parent, QMessageBox::Icon icon, const QString& caption, const QString& text,
            QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton) {
  QMessageBox box(icon, caption, texts::Shown(text), buttons, parent);
  // The text may hold what the user typed or pasted: never read it as markup.
  box.setTextFormat(Qt::PlainText);
  box.setDefaultButton(defaultButton);
  return box.exec();
}

}  // namespace

void QtDialogs::ShowMessage(QWidget* parent, const QString& text) {
  ShowBox(parent, QMessageBox::NoIcon, texts::ApplicationTitle(), text, QMessageBox::Ok,
          QMessageBox::Ok);
}

void QtDialogs::ShowError(QWidget* parent, const QString& text) {
  ShowBox(parent, QMessageBox::Critical, texts::ApplicationTitle(), text, QMessageBox::Ok,
          QMessageBox::Ok);
}

bool QtDialogs::AskYesNo(QWidget* parent, const QString& text, const QString& caption) {
  return ShowBox(parent, QMessageBox::Information, caption, text,
                 QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes;
}

int QtDialogs::Exec(QDialog& dialog) {
  return dialog.exec();
}

QString QtDialogs::GetOpenFileName(QWidget* parent, const QString& filter,
                                   const QString& fileName) {
  return QFileDialog::getOpenFileName(parent, QString(), fileName, filter);
}

QString QtDialogs::GetSaveFileName(QWidget* parent, const QString& filter,
                                   const QString& fileName) {
  // Saving over an existing file asks nothing: the program always has.
  return QFileDialog::getSaveFileName(parent, QString(), fileName, filter, nullptr,
                                      QFileDialog::DontConfirmOverwrite);
}

QString QtDialogs::GetSaveFileNameAndFilter(QWidget* parent, const QString& filter,
                                            const QString& fileName, QString& chosenFilter) {
  return QFileDialog::getSaveFileName(parent, QString(), fileName, filter, &chosenFilter,
                                      QFileDialog::DontConfirmOverwrite);
}

}  // namespace kalkora
