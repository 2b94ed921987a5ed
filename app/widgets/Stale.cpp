#include "app/widgets/Stale.h"

#include <QPalette>
#include <QVariant>
#include <QWidget>

#include "app/widgets/ImageView.h"

namespace kalkora {

namespace {

constexpr const char* kStale = "kalkoraStale";
constexpr const char* kOwnPalette = "kalkoraOwnPalette";
constexpr const char* kOwnToolTip = "kalkoraOwnToolTip";

// Readable on the white, light grey and black backgrounds the results are shown on.
const QColor kStaleText(128, 128, 128);

}  // namespace

bool IsShownStale(const QWidget* result) {
  return result->property(kStale).toBool();
}

void ShowStale(QWidget* result, const QString& why) {
  if (!IsShownStale(result)) {
    result->setProperty(kStale, true);
    result->setProperty(kOwnPalette, result->palette());
    result->setProperty(kOwnToolTip, result->toolTip());
    QPalette grey = result->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
      for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        grey.setColor(group, role, kStaleText);
    }
    result->setPalette(grey);
    if (auto* image = qobject_cast<ImageView*>(result)) image->SetFaded(true);
  }
  result->setToolTip(why);
}

void ShowFresh(QWidget* result) {
  if (!IsShownStale(result)) return;
  result->setPalette(result->property(kOwnPalette).value<QPalette>());
  result->setToolTip(result->property(kOwnToolTip).toString());
  result->setProperty(kStale, QVariant());
  result->setProperty(kOwnPalette, QVariant());
  result->setProperty(kOwnToolTip, QVariant());
  if (auto* image = qobject_cast<ImageView*>(result)) image->SetFaded(false);
}

}  // namespace kalkora
