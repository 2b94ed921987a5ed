// Kalkora's main window.
//
// How the program is laid out:
//   common/, numtext/    errors, checked 80-bit arithmetic, number text, key filter sets
//   exact/               exact values (GMP): a typed decimal as the rational it writes, a + b·√r,
//                        exact signs, and the number formats written from exact values
//   formulas/ numbers/ equations/ geometry/ polynomials/ graphs/ units/
//                        the plain computations of each page: no Qt, tested on their own; beside
//                        each, its ...Steps functions that write the worked solution
//   steps/               the worked solution: lines of prose and formulas, and their plain text
//   app/                 the window: this shell (TForm1), the about box (OProqramme), the
//                        working window (WorkingWindow, "Ход решения"), the table of pages
//                        (PageTable), pages/ (one class per page), widgets/ (field rules,
//                        greyed stale results, spinner),
//                        platform/ (message boxes, file dialogs, other programs, and
//                        Files: the one save routine and the one file reader)
//
// How a click flows: a page gives each entry field a rule (BindField: its keys, where Enter
// moves, what a key resets), which every way of typing or pasting goes through, and binds each
// control's signal to one of its handlers under the system's name (EBOBveEKOBClick). The handler
// reads its fields with ParseInteger or ParseFloat, calls the plain functions of its subsystem, and
// writes the texts back into its controls; a handler that solves (bound with BindSolve) then hands
// its working to ShowWorking, which the working window shows while its page is in front. An error
// raised on the way ends the handler and reaches the default error report (ErrorReport.h), and the
// page's working says the solve failed; boxes and dialogs go through Dialogs, so tests can answer
// them.
#pragma once

#include <QMainWindow>
#include <vector>

#include "app/PageTable.h"
#include "app/platform/Platform.h"
#include "ui_UKalkora.h"

class QToolBar;
class QToolButton;

namespace kalkora {

class TAboutBox;
class WorkingWindow;
class QuadraticPage;
class GraphPage;
class ConverterPage;

class TForm1 : public QMainWindow {
  Q_OBJECT
 public:
  explicit TForm1(Platform& platform, QWidget* parent = nullptr);

  // The about box is made after the main window, as the program starts, and shown by N4Click.
  void SetAboutBox(TAboutBox* aboutBox) { aboutBox_ = aboutBox; }

  QTabWidget* Cebr() const { return ui.Cebr; }

  void FormCreate();
  void FormActivate();

  // Brings a page to the front, as a click on its tab or its toolbar button does.
  void ShowPage(PageId id);
  QWidget* PageWidget(PageId id) const;

  void N1Click();
  void N4Click();
  void N5Click();
  void N7Click();
  // "Ход решения": opens the working window beside this one, or closes it.
  void HellinGedisiClick();
  WorkingWindow* SolutionWindow() const { return working_; }

 protected:
  void showEvent(QShowEvent* event) override;
  // FormClose: asks before the window closes.
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildToolBar();
  void AddPage(const PageEntry& entry);
  // Shows the working of the page in front, when the working window is open.
  void FollowPage();

  Ui::TForm1 ui;
  Platform& platform_;
  QToolBar* toolBar_ = nullptr;
  // The pages with start-up work of their own in FormCreate.
  QuadraticPage* quadraticPage_ = nullptr;
  GraphPage* graphPage_ = nullptr;
  ConverterPage* converterPage_ = nullptr;
  TAboutBox* aboutBox_ = nullptr;
  QAction* hellinGedisi_ = nullptr;
  WorkingWindow* working_ = nullptr;  // made when first opened
  bool activated_ = false;
};

}  // namespace kalkora
