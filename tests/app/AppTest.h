// Shared by the window tests: recording fakes of the platform seams, a fixture that builds the
// main window the way the program starts, and the few ways a test acts as the user.
#pragma once

#include <gtest/gtest.h>

#include <QDialog>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <QTabWidget>
#include <deque>
#include <memory>
#include <ostream>
#include <vector>

#include "app/OProqramme.h"
#include "app/UKalkora.h"
#include "app/platform/Platform.h"

// GoogleTest prints a QString (and so a QStringList) as its UTF-8 text.
inline void PrintTo(const QString& text, std::ostream* os) {
  *os << '"' << text.toStdString() << '"';
}

namespace kalkora::testing {

using namespace Qt::StringLiterals;

// Records every box and dialog; questions are answered from a queue (No when it is empty).
class FakeDialogs : public Dialogs {
 public:
  void ShowMessage(QWidget*, const QString& text) override { messages.push_back(text); }
  void ShowError(QWidget*, const QString& text) override { errors.push_back(text); }
  bool AskYesNo(QWidget*, const QString& text, const QString& caption) override {
    questions.push_back(caption + u'|' + text);
    if (answers.empty()) return false;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
  }
  int Exec(QDialog& dialog) override {
    shownDialogs.push_back(dialog.objectName());
    return QDialog::Accepted;
  }
  QString GetOpenFileName(QWidget*, const QString& filter, const QString& fileName) override {
    fileDialogs.push_back(u"open|"_s + filter + u'|' + fileName);
    return TakeFileName();
  }
  QString GetSaveFileName(QWidget*, const QString& filter, const QString& fileName) override {
    fileDialogs.push_back(u"save|"_s + filter + u'|' + fileName);
    return TakeFileName();
  }

  QStringList messages, errors, questions, shownDialogs, fileDialogs;
  std::deque<bool> answers;
  std::deque<QString> fileNames;  // an empty name cancels the dialog

 private:
  QString TakeFileName() {
    if (fileNames.empty()) return {};
    QString name = fileNames.front();
    fileNames.pop_front();
    return name;
  }
};

class FakeLauncher : public Launcher {
 public:
  bool StartFirstInstalled(const QStringList& programs) override {
    started.push_back(programs);
    return false;
  }
  bool OpenUrl(const QString& url) override {
    urls.push_back(url);
    return false;
  }
  bool OpenFile(const QString& path) override {
    files.push_back(path);
    return false;
  }
  QString FindProgram(const QString& name) override {
    return installed.contains(name) ? u"/usr/bin/"_s + name : QString();
  }
  bool StartDetached(const QString& program, const QStringList& arguments) override {
    commands.push_back(QStringList{program} + arguments);
    return true;
  }

  std::vector<QStringList> started;
  QStringList urls, files;
  QStringList installed;              // the programs FindProgram finds
  std::vector<QStringList> commands;  // each started program with its arguments
};

// The main window and the about box, made in start-up order and shown.
class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  template <typename T>
  T* Find(const char* name) const {
    T* found = form->findChild<T*>(QString::fromLatin1(name));
    if (found == nullptr) ADD_FAILURE() << "no control named " << name;
    return found;
  }
  QLineEdit* Field(const char* name) const { return Find<QLineEdit>(name); }
  QLabel* Label(const char* name) const { return Find<QLabel>(name); }
  QString Caption(const char* name) const { return Label(name)->text(); }
  // A click on a button as the user makes it.
  void Click(const char* name) const;
  int CurrentPage() const { return form->Cebr()->currentIndex(); }
  void ShowPage(PageId id) const { form->ShowPage(id); }

  FakeDialogs dialogs;
  FakeLauncher launcher;
  Platform platform{dialogs, launcher};
  std::unique_ptr<TForm1> form;
};

// The main window made the active one first, for the tests that follow where the keyboard focus
// goes.
class ActiveWindowTest : public WindowTest {
 protected:
  void SetUp() override;
};

// Asks for `window` to become the active window and waits until it is; false if it did not.
[[nodiscard]] bool Activate(QWidget* window);

// Types a text into a widget one key at a time; each character is sent with its own text, so
// Cyrillic and other characters QTest cannot name arrive as typed characters too.
void Type(QWidget* widget, const QString& text);

// A mouse event at `pos` in the widget, sent straight to it, for the moves and presses QTest
// cannot make with the buttons held.
void SendMouse(QWidget* widget, QEvent::Type type, QPointF pos, Qt::MouseButton button,
               Qt::MouseButtons buttons);

// A turn of the mouse wheel over `pos` in the widget: `delta` in eighths of a degree, away from
// the user when positive.
void SendWheel(QWidget* widget, QPointF pos, int delta);

}  // namespace kalkora::testing
