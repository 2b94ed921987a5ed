#include "app/UKalkora.h"

#include <QCloseEvent>
#include <QIcon>
#include <QProxyStyle>
#include <QScreen>
#include <QStyle>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>

#include "app/ErrorReport.h"
#include "app/Fonts.h"
#include "app/OProqramme.h"
#include "app/Texts.h"
#include "app/WorkingWindow.h"
#include "app/pages/CirclePage.h"
#include "app/pages/CombinatoricsPage.h"
#include "app/pages/ConverterPage.h"
#include "app/pages/GraphPage.h"
#include "app/pages/LinearSystemsPage.h"
#include "app/pages/NaturalNumbersPage.h"
#include "app/pages/PolynomialPage.h"
#include "app/pages/ProgressionsPage.h"
#include "app/pages/QuadraticPage.h"
#include "app/pages/TrianglePage.h"
#include "app/widgets/Accessibility.h"

// The pictures live in the static window library, whose resources must be registered by hand.
static void InitKalkoraResources() {
  Q_INIT_RESOURCE(kalkora);
}

namespace kalkora {

namespace {

// The pictures of the toolbar's image list, by index; 6, 10 and 11 have no button.
const char16_t* const kToolBarImages[] = {
    u":/icons/00-natural-numbers.svg",
    u":/icons/01-quadratic.svg",
    u":/icons/02-linear-systems.svg",
    u":/icons/03-progressions.svg",
    u":/icons/04-graph.svg",
    u":/icons/05-combinatorics.svg",
    u":/icons/06-calculator.svg",
    u":/icons/07-triangle.svg",
    u":/icons/08-circle.svg",
    u":/icons/09-converter.svg",
    u":/icons/10-save.svg",
    u":/icons/11-open.svg",
    u":/icons/12-derivative.svg",
};

struct ToolButtonEntry {
  const char16_t* name;
  int image;  // -1: the separator
  const char16_t* hint;
  void (TForm1::*click)();
};

// Left to right; every page has exactly one button.
const ToolButtonEntry kToolButtons[] = {
    {u"TntToolButton1", 0, u"Натуральные числа", &TForm1::TntToolButton1Click},
    {u"TntToolButton2", 1, u"квадратные уранений", &TForm1::TntToolButton2Click},
    {u"TntToolButton3", 2, u"системы линейных уравнений", &TForm1::TntToolButton3Click},
    {u"TntToolButton4", 3, u"прогрессии", &TForm1::TntToolButton4Click},
    {u"TntToolButton5", 4, u"график функций", &TForm1::TntToolButton5Click},
    {u"TntToolButton7", 12, u"Производная многочлена", &TForm1::TntToolButton7Click},
    {u"TntToolButton6", 5, u"комбинаторика", &TForm1::TntToolButton6Click},
    {u"TntToolButton8", -1, nullptr, nullptr},
    {u"TntToolButton9", 7, u"треугольник", &TForm1::TntToolButton9Click},
    {u"TntToolButton10", 8, u"окружность и круг", &TForm1::TntToolButton10Click},
    {u"TntToolButton11", 9, u"дополнение", &TForm1::TntToolButton11Click},
};

constexpr int kToolBarHeight = 36;
constexpr int kSeparatorWidth = 8;
const QSize kToolButtonSize(32, 31);
const QSize kToolImageSize(25, 25);

// The first calculator found is started; on Windows this is "calc".
const QStringList kCalculators = {
    QStringLiteral("gnome-calculator"),
    QStringLiteral("kcalc"),
    QStringLiteral("galculator"),
    QStringLiteral("mate-calc"),
    QStringLiteral("qalculate-qt"),
    QStringLiteral("qalculate-gtk"),
    QStringLiteral("xcalc"),
    QStringLiteral("calc"),
};

const QString kUpdatePage = QStringLiteral("https://kalkora.example//load");

QString Text(const char16_t* text) {
  return QString::fromUtf16(text);
}

// The pages are laid out for a client area of 663 x 379 inside the page control's 671 x 407;
// the style's own frame would leave a few pixels more, so the pages are centred in the pane.
class PageAreaStyle : public QProxyStyle {
 public:
  QRect subElementRect(SubElement element, const QStyleOption* option,
                       const QWidget* widget) const override {
    QRect rect = QProxyStyle::subElementRect(element, option, widget);
    if (element != SE_TabWidgetTabContents) return rect;
    const QSize page(663, 379);
    if (rect.width() < page.width() || rect.height() < page.height()) return rect;
    return {rect.left() + (rect.width() - page.width()) / 2,
            rect.top() + (rect.height() - page.height()) / 2, page.width(), page.height()};
  }
};

}  // namespace

TForm1::TForm1(Platform& platform, QWidget* parent) : QMainWindow(parent), platform_(platform) {
  InitKalkoraResources();
  ui.setupUi(this);
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setWindowTitle(texts::WindowCaption());
  setWindowIcon(QIcon(QStringLiteral(":/pictures/kalkora.svg")));

  BuildToolBar();
  auto* pageAreaStyle = new PageAreaStyle;
  pageAreaStyle->setParent(ui.Cebr);
  ui.Cebr->setStyle(pageAreaStyle);
  ui.Cebr->setFont(Tahoma(11));
  ui.Cebr->tabBar()->setCursor(Qt::PointingHandCursor);
  AddPage(new NaturalNumbersPage(platform_), QStringLiteral("TntTabSheet1"),
          QStringLiteral("Натуральные числа"));
  AddPage(quadraticPage_ = new QuadraticPage(platform_), QStringLiteral("TntTabSheet2"),
          QStringLiteral("Квадратные уравнения"));
  AddPage(new LinearSystemsPage(platform_), QStringLiteral("TntTabSheet3"),
          QStringLiteral("Системы линейных уравнений"));
  AddPage(new ProgressionsPage(platform_), QStringLiteral("TntTabSheet4"),
          QStringLiteral("Прогрессии"));
  AddPage(graphPage_ = new GraphPage(platform_), QStringLiteral("TntTabSheet5"),
          QStringLiteral("График функций"));
  AddPage(new PolynomialPage(platform_), QStringLiteral("TntTabSheet7"),
          QStringLiteral("Производная многочлена"));
  AddPage(new CombinatoricsPage(platform_), QStringLiteral("TntTabSheet9"),
          QStringLiteral("Комбинаторика"));
  AddPage(new TrianglePage(platform_), QStringLiteral("TntTabSheet11"),
          QStringLiteral("Решение треугольников"));
  AddPage(new CirclePage(platform_), QStringLiteral("TntTabSheet6"),
          QStringLiteral("Окружность и круг"));
  AddPage(converterPage_ = new ConverterPage(platform_), QStringLiteral("TntTabSheet8"),
          QStringLiteral("Дополнение"));

  Dialogs& dialogs = platform_.dialogs;
  ConnectGuarded(dialogs, this, ui.N7, &QAction::triggered, [this] { N7Click(); });
  ConnectGuarded(dialogs, this, ui.N4, &QAction::triggered, [this] { N4Click(); });
  ConnectGuarded(dialogs, this, ui.N5, &QAction::triggered, [this] { N5Click(); });
  hellinGedisi_ = new QAction(QStringLiteral("Ход решения"), this);
  hellinGedisi_->setObjectName(QStringLiteral("HellinGedisi"));
  hellinGedisi_->setShortcut(QKeySequence(Qt::Key_F1));
  hellinGedisi_->setShortcutContext(Qt::ApplicationShortcut);  // from the working window too
  hellinGedisi_->setCheckable(true);
  ui.N3->insertAction(ui.N5, hellinGedisi_);
  ui.N3->insertSeparator(ui.N5);
  ConnectGuarded(dialogs, this, hellinGedisi_, &QAction::triggered,
                 [this] { HellinGedisiClick(); });
  connect(ui.Cebr, &QTabWidget::currentChanged, this, &TForm1::FollowPage);
  // Choosing "Калькулятор" both opens its one-line drop-down and starts the calculator.
  ConnectGuarded(dialogs, this, ui.N1, &QMenu::aboutToShow, [this] { N1Click(); });

  // The outer size 697 x 524 of the original frame leaves this client area.
  resize(689, ui.TntMainMenu1->sizeHint().height() + 471);
  if (const QScreen* screen = this->screen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
  FormCreate();
}

void TForm1::BuildToolBar() {
  toolBar_ = new QToolBar(this);
  toolBar_->setObjectName(QStringLiteral("TntToolBar1"));
  toolBar_->setMovable(false);
  toolBar_->setFloatable(false);
  toolBar_->setFixedHeight(kToolBarHeight);
  toolBar_->setIconSize(kToolImageSize);
  toolBar_->setContextMenuPolicy(Qt::PreventContextMenu);
  toolBar_->toggleViewAction()->setVisible(false);
  addToolBar(Qt::TopToolBarArea, toolBar_);

  for (const ToolButtonEntry& entry : kToolButtons) {
    if (entry.image < 0) {
      auto* separator = new QWidget(toolBar_);
      separator->setObjectName(Text(entry.name));
      separator->setFixedWidth(kSeparatorWidth);
      toolBar_->addWidget(separator);
      continue;
    }
    auto* button = new QToolButton(toolBar_);
    button->setObjectName(Text(entry.name));
    button->setIcon(QIcon(Text(kToolBarImages[entry.image])));
    button->setIconSize(kToolImageSize);
    button->setFixedSize(kToolButtonSize);
    button->setToolTip(Text(entry.hint));
    button->setCursor(Qt::PointingHandCursor);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    toolBar_->addWidget(button);
    const auto click = entry.click;
    ConnectGuarded(platform_.dialogs, this, button, &QToolButton::clicked,
                   [this, click] { (this->*click)(); });
  }
}

void TForm1::AddPage(QWidget* page, const QString& sheetName, const QString& caption) {
  page->setObjectName(sheetName);
  // The pages' fixed colours (blue, navy, red captions) are made for a light page: under a dark
  // desktop palette the pages keep the style's light one, so every text stays readable.
  page->setPalette(style()->standardPalette());
  page->setAutoFillBackground(true);
  // Screen readers take a field's name from the label before it.
  NameFieldsByTheirLabels(page);
  ui.Cebr->addTab(page, caption);
  if (auto* solver = qobject_cast<Page*>(page)) {
    connect(solver, &Page::WorkingChanged, this, [this, solver] {
      if (ui.Cebr->currentWidget() == solver) FollowPage();
    });
  }
}

void TForm1::FormCreate() {
  // The number text functions always use the decimal comma, whatever the system's locale; the
  // pages with start-up work of their own do it here, in this order.
  quadraticPage_->Start();  // "Нет корня" hidden
  converterPage_->Start();  // "1" in Edit1, then 1 millimetre in every length unit
  graphPage_->Start();      // the graph's image painted blue
}

void TForm1::FormActivate() {
  ui.Cebr->setCurrentIndex(0);
}

void TForm1::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // Only the first activation selects page 0: modal boxes and switching programs leave the
  // page as it was.
  if (!activated_) {
    activated_ = true;
    RunGuarded(platform_.dialogs, this, [this] { FormActivate(); });
  }
}

void TForm1::closeEvent(QCloseEvent* event) {
  if (platform_.dialogs.AskYesNo(this, QStringLiteral("Вы действительно хотите выйти?"),
                                 QStringLiteral("Подтверждение"))) {
    event->accept();
  } else {
    event->ignore();
  }
}

void TForm1::TntToolButton1Click() {
  ui.Cebr->setCurrentIndex(0);
}
void TForm1::TntToolButton2Click() {
  ui.Cebr->setCurrentIndex(1);
}
void TForm1::TntToolButton3Click() {
  ui.Cebr->setCurrentIndex(2);
}
void TForm1::TntToolButton4Click() {
  ui.Cebr->setCurrentIndex(3);
}
void TForm1::TntToolButton5Click() {
  ui.Cebr->setCurrentIndex(4);
}
void TForm1::TntToolButton7Click() {
  ui.Cebr->setCurrentIndex(5);
}
void TForm1::TntToolButton6Click() {
  ui.Cebr->setCurrentIndex(6);
}
void TForm1::TntToolButton9Click() {
  ui.Cebr->setCurrentIndex(7);
}
void TForm1::TntToolButton10Click() {
  ui.Cebr->setCurrentIndex(8);
}
void TForm1::TntToolButton11Click() {
  ui.Cebr->setCurrentIndex(9);
}

void TForm1::N1Click() {
  platform_.launcher.StartFirstInstalled(kCalculators);
}

void TForm1::N4Click() {
  if (aboutBox_) platform_.dialogs.Exec(*aboutBox_);
}

void TForm1::N5Click() {
  platform_.launcher.OpenUrl(kUpdatePage);
}

void TForm1::N7Click() {
  close();
}

void TForm1::HellinGedisiClick() {
  if (working_ != nullptr && working_->isVisible()) {
    working_->close();
    return;
  }
  if (working_ == nullptr) {
    working_ = new WorkingWindow(platform_, this);
    connect(working_, &WorkingWindow::Closed, this, [this] { hellinGedisi_->setChecked(false); });
  }
  working_->ShowBeside(ui.Cebr->currentWidget());
  hellinGedisi_->setChecked(true);
  FollowPage();
}

void TForm1::FollowPage() {
  if (working_ == nullptr || !working_->isVisible()) return;
  const int index = ui.Cebr->currentIndex();
  const auto* page = qobject_cast<const Page*>(ui.Cebr->widget(index));
  working_->Present(ui.Cebr->tabText(index), page ? page->CurrentWorking() : kalkora::Working());
}

}  // namespace kalkora
