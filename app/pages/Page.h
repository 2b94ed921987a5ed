// What every page of the page control shares: the platform seams, handlers run under the
// default error report, key handlers on entry fields and the page's own message box.
#pragma once

#include <QChar>
#include <QLineEdit>
#include <QString>
#include <QWidget>
#include <string>

#include "app/ErrorReport.h"
#include "app/platform/Platform.h"
#include "app/widgets/KeyFilter.h"
#include "numtext/NumText.h"

namespace kalkora {

class Page : public QWidget {
 public:
  explicit Page(Platform& platform, QWidget* parent = nullptr)
      : QWidget(parent), platform_(platform) {}

 protected:
  Platform& platform() const { return platform_; }

  // Connects a signal of a control to a handler of this page.
  template <typename Sender, typename Signal, typename PageType>
  void Bind(Sender* sender, Signal signal, void (PageType::*handler)()) {
    auto* self = static_cast<PageType*>(this);
    ConnectGuarded(platform_.dialogs, this, sender, signal,
                   [self, handler] { (self->*handler)(); });
  }

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
  void ShowMessage(const QString& text) { platform_.dialogs.ShowMessage(window(), text); }

 private:
  Platform& platform_;
};

}  // namespace kalkora
