// The colours and fonts the pages are drawn in.
#pragma once

#include <QColor>

class QLabel;
class QString;
class QWidget;

namespace kalkora {

inline const QColor kBlueText(0, 0, 255);
inline const QColor kNavyText(0, 0, 128);
inline const QColor kTealText(0, 128, 128);
inline const QColor kGreenText(0, 128, 0);
inline const QColor kRedText(255, 0, 0);
inline const QColor kBlackText(0, 0, 0);

// The colour of a control's text, and of the texts inside it that do not set their own.
void PaintText(QWidget* widget, const QColor& colour);

// A group box in blue bold Tahoma, as every group of the pages is.
void PaintGroup(QWidget* group);

// Labels size themselves to their caption, as the window's labels always have; a caption the
// page writes is never shown stale.
void SetCaption(QLabel* label, const QString& caption);

}  // namespace kalkora
