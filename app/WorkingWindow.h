// "Ход решения": a window beside the main one that shows how the page in front reached its last
// result, in school notation; it can be copied as text and saved as PDF.
#pragma once

#include <QByteArray>
#include <QString>
#include <QWidget>
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

class WorkingWindow : public QWidget {
  Q_OBJECT
 public:
  WorkingWindow(Platform& platform, QWidget* mainWindow);

  // Shows `working` of the page captioned `caption`.
  void Present(const QString& caption, const Working& working);
  // Opens the window beside the main one, or on top of it when the screen has no room.
  void ShowBeside();

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
  std::vector<WorkingLine> lines_;
  WorkingView* view_;
  QScrollArea* scroll_;
};

}  // namespace kalkora
