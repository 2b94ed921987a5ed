#include "tests/app/AppTest.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include "app/Fonts.h"
#include "app/Translations.h"

namespace kalkora::testing {

void WindowTest::SetUp() {
  form = std::make_unique<TForm1>(platform);
  form->SetAboutBox(new TAboutBox(form.get()));
  form->show();
  QApplication::processEvents();
}

void WindowTest::TearDown() {
  // Let the window go without the close question.
  form->hide();
  form.reset();
  QApplication::processEvents();
}

void WindowTest::Click(const char* name) const {
  QTest::mouseClick(Find<QAbstractButton>(name), Qt::LeftButton);
}

void ActiveWindowTest::SetUp() {
  WindowTest::SetUp();
  ASSERT_TRUE(Activate(form.get()));
}

bool Activate(QWidget* window) {
  window->activateWindow();
  return QTest::qWaitForWindowActive(window);
}

void Type(QWidget* widget, const QString& text) {
  for (const QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(widget, &release);
  }
}

void SendMouse(QWidget* widget, QEvent::Type type, QPointF pos, Qt::MouseButton button,
               Qt::MouseButtons buttons) {
  QMouseEvent event(type, pos, widget->mapToGlobal(pos), button, buttons, Qt::NoModifier);
  QApplication::sendEvent(widget, &event);
}

void SendWheel(QWidget* widget, QPointF pos, int delta) {
  QWheelEvent event(pos, widget->mapToGlobal(pos), QPoint(), QPoint(0, delta), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(widget, &event);
}

}  // namespace kalkora::testing

namespace {

// The offscreen platform warns about window features it lacks; those warnings are noise here.
QtMessageHandler previousHandler = nullptr;

void QuietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.startsWith(u"This plugin does not support")) return;
  if (previousHandler) previousHandler(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  previousHandler = qInstallMessageHandler(QuietMessages);
  ::testing::InitGoogleTest(&argc, argv);
  QApplication application(argc, argv);
  // As the program starts: Qt's texts in Russian.
  kalkora::LoadRussianTranslations();
  kalkora::LoadFonts();

  // A modal window that nothing answers would hang the run: fail the test and close it.
  QTimer watchdog;
  QObject::connect(&watchdog, &QTimer::timeout, [] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      ADD_FAILURE() << "unexpected modal window: " << modal->windowTitle().toStdString();
      modal->close();
    }
  });
  watchdog.start(200);
  return RUN_ALL_TESTS();
}
