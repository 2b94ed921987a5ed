// Start-up timing for the benchmark in bench/startup.sh: when KALKORA_STARTUP_T0 holds the
// wall-clock time in nanoseconds at which the process was started, the program prints the
// milliseconds from then to its first painted frame and quits. Without it nothing happens.
#pragma once

class QWidget;

namespace kalkora {

void WatchFirstFrame(QWidget& window);

}  // namespace kalkora
