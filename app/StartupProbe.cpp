#include "app/StartupProbe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace kalkora {

namespace {

class FirstFrameWatcher : public QObject {
 public:
  FirstFrameWatcher(QWidget& window, long long startNs) : QObject(&window), startNs_(startNs) {
    window.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !seen_) {
      seen_ = true;
      // The frame reaches the screen once the paint has been flushed, after this event.
      QTimer::singleShot(0, this, [this] {
        const long long nowNs = std::chrono::duration_cast<std::chrono::nanoseconds>(
                                    std::chrono::system_clock::now().time_since_epoch())
                                    .count();
        std::printf("first frame after %.1f ms\n", static_cast<double>(nowNs - startNs_) / 1e6);
        std::fflush(stdout);
        QCoreApplication::exit(0);
      });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  long long startNs_;
  bool seen_ = false;
};

}  // namespace

void WatchFirstFrame(QWidget& window) {
  const char* start = std::getenv("KALKORA_STARTUP_T0");
  if (start == nullptr || *start == '\0') return;
  new FirstFrameWatcher(window, std::atoll(start));
}

}  // namespace kalkora
