// What every page of the page control shares: the platform seams, handlers run under the
// default error report, the rules of its entry fields, the results that belong to them, and the
// page's own message box.
#pragma once

#include <QChar>
#include <QLineEdit>
#include <QString>
#include <QVariant>
#include <QWidget>
#include <initializer_list>
#include <memory>
#include <new>
#include <string>
#include <utility>
#include <vector>

#include "app/ErrorReport.h"
#include "app/platform/Platform.h"
#include "app/widgets/Field.h"
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
  // A short note for the window's status bar (where a saved file went).
  void StatusMessage(const QString& text);

 protected:
  // The fields one kind of solve reads and the controls that show its answer. While the fields
  // are edited after a solve, or when a solve is refused or fails, the controls that still show
  // the last answer are greyed, until a solve succeeds.
  struct Results {
    std::vector<QLineEdit*> fields;
    std::vector<QWidget*> shown;
    std::vector<QVariant> answered;  // what each control showed after the last good solve
  };
  Results* Answers(std::initializer_list<QLineEdit*> fields, std::initializer_list<QWidget*> shown);
  // The fields of `results` were changed by the page itself (a keypad, a file opened).
  void MarkOutdated(Results* results);

  Platform& platform() const { return platform_; }

  // Connects a signal of a control to a handler of this page.
  template <typename Sender, typename Signal, typename PageType>
  void Bind(Sender* sender, Signal signal, void (PageType::*handler)()) {
    auto* self = static_cast<PageType*>(this);
    ConnectGuarded(platform_.dialogs, this, sender, signal,
                   [self, handler] { (self->*handler)(); });
  }

  // Binds a handler that solves for `results`: its working is shown when it calls ShowWorking,
  // and a message it shows or an error it raises is the working's failure.
  template <typename Sender, typename Signal, typename PageType>
  void BindSolve(Sender* sender, Signal signal, void (PageType::*handler)(), Results* results) {
    auto* self = static_cast<PageType*>(this);
    ConnectGuarded(platform_.dialogs, this, sender, signal,
                   [this, self, handler, results] { Solve(results, [&] { (self->*handler)(); }); });
  }

  // Runs `solve` as a solving handler for `results` (for solves not bound to one signal).
  template <typename Solver>
  void Solve(Results* results, Solver&& solve) {
    const SolveState outer = solve_;
    solve_ = {true, false, false, results};
    try {
      std::forward<Solver>(solve)();
    } catch (const std::exception& e) {
      Fail(ReportedText(e).toStdString());
      EndSolve(outer);
      throw;
    }
    EndSolve(outer);
  }

  void ShowWorking(Working working);
  // The page's results were cleared: there is nothing left to explain.
  void ForgetWorking() { ShowWorking(Working()); }

  // Gives `field` its rule; the resets run under the default error report.
  void BindField(QLineEdit* field, FieldRule rule);

  // A field's text as the plain computations take it: UTF-8.
  static std::string FieldText(const QLineEdit* field) { return field->text().toStdString(); }
  // A result in fixed notation with two decimals and at most `precision` digits.
  static QString Fixed(double value, int precision) {
    return QString::fromStdString(FormatFixed(value, precision, 2));
  }

  // The page's own message box, captioned with the application title.
  void ShowMessage(const QString& text);

 private:
  struct SolveState {
    bool active = false;
    bool answered = false;  // it published a solved working
    bool failed = false;    // it showed a message or raised an error, and answered nothing since
    Results* results = nullptr;
  };
  void Fail(const std::string& message);
  void EndSolve(const SolveState& outer);
  void MarkStale(Results* results, const QString& why);

  Platform& platform_;
  Working working_;
  Results* workingResults_ = nullptr;  // whose solve `working_` explains
  SolveState solve_;
  std::vector<std::unique_ptr<Results>> results_;
};

}  // namespace kalkora
