// What every page of the page control shares: the platform seams, handlers run under the
// default error report, key handlers on entry fields and the page's own message box.
#pragma once

#include <QChar>
#include <QLineEdit>
#include <QString>
#include <QWidget>
#include <new>
#include <string>
#include <utility>

#include "app/ErrorReport.h"
#include "app/platform/Platform.h"
#include "app/widgets/KeyFilter.h"
#include "numtext/NumText.h"
#include "steps/Working.h"

namespace kalkora {

class Page : public QWidget {
  Q_OBJECT
 public:
  explicit Page(Platform& platform, QWidget* parent = nullptr)
      : QWidget(parent), platform_(platform) {}

  // How the page's last result was reached, or why there is none.
  const Working& CurrentWorking() const { return working_; }

 Q_SIGNALS:
  void WorkingChanged();

 protected:
  Platform& platform() const { return platform_; }

  // Connects a signal of a control to a handler of this page.
  template <typename Sender, typename Signal, typename PageType>
  void Bind(Sender* sender, Signal signal, void (PageType::*handler)()) {
    auto* self = static_cast<PageType*>(this);
    ConnectGuarded(platform_.dialogs, this, sender, signal,
                   [self, handler] { (self->*handler)(); });
  }

  // Binds a handler that solves: its working is shown when it calls ShowWorking, and a message
  // it shows or an error it raises is the working's failure.
  template <typename Sender, typename Signal, typename PageType>
  void BindSolve(Sender* sender, Signal signal, void (PageType::*handler)()) {
    auto* self = static_cast<PageType*>(this);
    ConnectGuarded(platform_.dialogs, this, sender, signal,
                   [this, self, handler] { Solve([&] { (self->*handler)(); }); });
  }

  // Runs `solve` as a solving handler (for solves that are not bound to one signal).
  template <typename Solver>
  void Solve(Solver&& solve) {
    solving_ = true;
    try {
      std::forward<Solver>(solve)();
    } catch (const std::bad_alloc&) {
      Fail("Out of memory");
      throw;
    } catch (const std::exception& e) {
      Fail(e.what());
      throw;
    }
    solving_ = false;
  }

  void ShowWorking(Working working) {
    working_ = std::move(working);
    Q_EMIT WorkingChanged();
  }
  // The page's results were cleared: there is nothing left to explain.
  void ForgetWorking() { ShowWorking(Working()); }

  // Routes the characters typed into `edit` through a key handler of this page.
  template <typename PageType>
  void BindKeys(QLineEdit* edit, void (PageType::*handler)(QChar&)) {
    auto* self = static_cast<PageType*>(this);
    InstallKeyHandler(edit, [this, self, handler](QChar& key) {
      RunGuarded(platform_.dialogs, window(), [&] { (self->*handler)(key); });
    });
  }

  // A field's text as the plain computations take it: UTF-8.
  static std::string FieldText(const QLineEdit* field) { return field->text().toStdString(); }
  // A result in fixed notation with two decimals and at most `precision` digits.
  static QString Fixed(double value, int precision) {
    return QString::fromStdString(FormatFixed(value, precision, 2));
  }

  // The page's own message box, captioned with the application title.
  void ShowMessage(const QString& text) {
    if (solving_) Fail(text.toStdString());
    platform_.dialogs.ShowMessage(window(), text);
  }

 private:
  void Fail(const std::string& message) {
    solving_ = false;
    ShowWorking(FailedWorking({}, message));
  }

  Platform& platform_;
  Working working_;
  bool solving_ = false;
};

}  // namespace kalkora
