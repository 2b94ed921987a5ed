// The yardstick of the start-up benchmark: a bare Qt main window of the same size with a page
// control of ten empty tabs, timed to its first frame exactly as the program is.
#include <QApplication>
#include <QMainWindow>
#include <QTabWidget>

#include "app/StartupProbe.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QMainWindow window;
  auto* tabs = new QTabWidget(&window);
  for (int i = 0; i < 10; ++i)
    tabs->addTab(new QWidget, QStringLiteral("Страница %1").arg(i + 1));
  window.setCentralWidget(tabs);
  window.resize(689, 495);
  kalkora::WatchFirstFrame(window);
  window.show();
  return QApplication::exec();
}
