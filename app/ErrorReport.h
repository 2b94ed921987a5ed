// The default error report: every handler runs through RunGuarded, so no exception ever
// crosses the event loop; the message is shown in Russian (ReportedText) with a full stop by the
// usual rule.
#pragma once

#include <QObject>
#include <QString>
#include <QWidget>
#include <exception>
#include <type_traits>

#include "app/Messages.h"
#include "app/platform/Dialogs.h"
#include "common/Errors.h"

namespace kalkora {

// Appends a full stop when the last character's code is above that of "." itself,
// so letters, digits and "?" get one while ".", "!" and "'" do not.
QString WithFullStop(const QString& message);

// Shows `message` in the default error report.
void ReportError(Dialogs& dialogs, QWidget* parent, const QString& message);

// Runs a handler; an error it raises ends it there and is reported, and the program goes on.
template <typename Handler>
void RunGuarded(Dialogs& dialogs, QWidget* parent, Handler&& handler) noexcept {
  try {
    handler();
  } catch (const std::exception& e) {
    // std::bad_alloc included: ReportedText names it.
    ReportError(dialogs, parent, ReportedText(e));
  }
}

// Connects `signal` to `handler` so that the handler runs under the default error report. The
// handler takes the signal's arguments, or none when it does not need them.
template <typename Sender, typename Signal, typename Handler>
void ConnectGuarded(Dialogs& dialogs, QWidget* context, Sender* sender, Signal signal,
                    Handler handler) {
  QObject::connect(sender, signal, context, [&dialogs, context, handler](const auto&... args) {
    RunGuarded(dialogs, context->window(), [&] {
      if constexpr (std::is_invocable_v<const Handler&, decltype(args)...>) {
        handler(args...);
      } else {
        handler();
      }
    });
  });
}

}  // namespace kalkora
