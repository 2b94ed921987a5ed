// The window is laid out in pixels for Tahoma 8 point (11 pixels high).
#pragma once

#include <QFont>

namespace kalkora {

// Loads the Tahoma-metric fonts when the machine has them (Debian's fonts-wine) and sets the
// application font; without them the system's sans font at the same pixel size stands in.
void LoadFonts();

// Tahoma (or its stand-in) at a pixel size.
QFont Tahoma(int pixelSize, bool bold = false);

}  // namespace kalkora
