// "Ход решения": a window beside the main one that shows how the page in front reached its last
// result, in school notation; it can be copied as text and saved as PDF.
#pragma once

#include <QByteArray>
#include <QMargins>
#include <QRect>
#include <QSize>
#include <QString>
#include <QWidget>
#include <optional>
#include <vector>

#include "app/platform/Platform.h"
#include "app/widgets/FormulaLayout.h"
#include "steps/Working.h"

class QScrollArea;
class QPushButton;

namespace kalkora {

// Paints the presented lines of a working, as wide as its scroll area and as tall as it needs.
class WorkingView : public QWidget {
 public:
  explicit WorkingView(QWidget* parent = nullptr);

  void SetLines(std::vector<WorkingLine> lines);

 protected:
  void paintEvent(QPaintEvent* event) override;
  // The scroll area's viewport: prose wraps at its width, even when a wide formula makes this
  // view wider than it.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void LayOut();
  int WrapWidth() const;

  std::vector<WorkingLine> lines_;
  int wrap_ = -1;  // the width the lines were last laid out in
  FormulaFonts fonts_;
  WorkingLayout layout_;
};

// Where the working window goes, as its geometry inside the frame. `screen` is the room on the
// main window's screen, `mainFrame` the main window with its frame, `controls` where the main
// window has the controls it must leave visible; `wanted` and `minimum` are sizes inside the
// frame, whose margins are `frame`. Beside the main window at the wanted size where there is
// room, on the right or else on the left; else the largest place beside, below or above it,
// shrunk to the room there but no smaller than the minimum; else over the main window, at the
// minimum size where it hides the fewest controls and the least of them, grown toward the wanted
// size as far as it can without hiding more.
QRect PlaceWorkingWindow(const QRect& screen, const QRect& mainFrame,
                         const std::vector<QRect>& controls, QSize wanted, QSize minimum,
                         const QMargins& frame);

class WorkingWindow : public QWidget {
  Q_OBJECT
 public:
  WorkingWindow(Platform& platform, QWidget* mainWindow);

  // Shows `working` of the page captioned `caption`.
  void Present(const QString& caption, const Working& working);
  // Opens the window beside the main one if it can, else where it hides the fewest controls of
  // `page` and of the menu and toolbar above it (the main window's whole inside when there is
  // no page); once the user has moved or sized it, where the user left it.
  void ShowBeside(const QWidget* page = nullptr);

  QString Text() const;  // what "Копировать" puts on the clipboard
  QByteArray Pdf() const;

  void KopyalaClick();
  void PdfSaxlaClick();

 Q_SIGNALS:
  void Closed();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  Platform& platform_;
  QWidget* mainWindow_;
  QRect placed_;  // where it was last put
  // Where the user moved or sized it: it opens there again for the rest of the run.
  std::optional<QRect> kept_;
  std::vector<WorkingLine> lines_;
  WorkingView* view_;
  QScrollArea* scroll_;
};

}  // namespace kalkora
