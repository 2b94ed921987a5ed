// What the window code reaches outside itself through: boxes and dialogs, other programs.
#pragma once

#include "app/platform/Dialogs.h"
#include "app/platform/Launcher.h"

namespace kalkora {

struct Platform {
  Dialogs& dialogs;
  Launcher& launcher;
};

}  // namespace kalkora
