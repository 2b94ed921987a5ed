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
#include "app/widgets/Field.h"

// The pictures live in the static window library, whose resources must be registered by hand.
static void InitKalkoraResources() {
  Q_INIT_RESOURCE(kalkora);
}

namespace kalkora {

namespace {

template <typename PageType>
Page* Make(Platform& platform) {
  return new PageType(platform);
}

// The toolbar's separator, which stands before the triangle's button.
constexpr const char16_t* kToolBarGap = u"TntToolButton8";

}  // namespace

const std::array<PageEntry, kPageCount>& PageTable() {
  static const std::array<PageEntry, kPageCount> table = {{
      {PageId::NaturalNumbers, u"TntTabSheet1", u"Натуральные числа", u"TntToolButton1",
       u":/icons/00-natural-numbers.svg", u"Натуральные числа", false, &Make<NaturalNumbersPage>},
      {PageId::Quadratic, u"TntTabSheet2", u"Квадратные уравнения", u"TntToolButton2",
       u":/icons/01-quadratic.svg", u"Квадратные уравнения", false, &Make<QuadraticPage>},
      {PageId::LinearSystems, u"TntTabSheet3", u"Системы линейных уравнений", u"TntToolButton3",
       u":/icons/02-linear-systems.svg", u"Системы линейных уравнений", false,
       &Make<LinearSystemsPage>},
      {PageId::Progressions, u"TntTabSheet4", u"Прогрессии", u"TntToolButton4",
       u":/icons/03-progressions.svg", u"Прогрессии", false, &Make<ProgressionsPage>},
      {PageId::Graph, u"TntTabSheet5", u"График функций", u"TntToolButton5",
       u":/icons/04-graph.svg", u"График функций", false, &Make<GraphPage>},
      {PageId::Polynomial, u"TntTabSheet7", u"Производная многочлена", u"TntToolButton7",
       u":/icons/12-derivative.svg", u"Производная многочлена", false, &Make<PolynomialPage>},
      {PageId::Combinatorics, u"TntTabSheet9", u"Комбинаторика", u"TntToolButton6",
       u":/icons/05-combinatorics.svg", u"Комбинаторика", false, &Make<CombinatoricsPage>},
      {PageId::Triangle, u"TntTabSheet11", u"Решение треугольников", u"TntToolButton9",
       u":/icons/07-triangle.svg", u"Треугольник", true, &Make<TrianglePage>},
      {PageId::Circle, u"TntTabSheet6", u"Окружность и круг", u"TntToolButton10",
       u":/icons/08-circle.svg", u"Окружность и круг", false, &Make<CirclePage>},
      {PageId::Converter, u"TntTabSheet8", u"Дополнение", u"TntToolButton11",
       u":/icons/09-converter.svg", u"Дополнение", false, &Make<ConverterPage>},
  }};
  return table;
}

namespace {

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
  for (const PageEntry& entry : PageTable())
    AddPage(entry);
  quadraticPage_ = qobject_cast<QuadraticPage*>(PageWidget(PageId::Quadratic));
  graphPage_ = qobject_cast<GraphPage*>(PageWidget(PageId::Graph));
  converterPage_ = static_cast<ConverterPage*>(PageWidget(PageId::Converter));

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

  for (const PageEntry& entry : PageTable()) {
    if (entry.gapBefore) {
      auto* separator = new QWidget(toolBar_);
      separator->setObjectName(Text(kToolBarGap));
      separator->setFixedWidth(kSeparatorWidth);
      toolBar_->addWidget(separator);
    }
    auto* button = new QToolButton(toolBar_);
    button->setObjectName(Text(entry.button));
    button->setIcon(QIcon(Text(entry.icon)));
    button->setIconSize(kToolImageSize);
    button->setFixedSize(kToolButtonSize);
    button->setToolTip(Text(entry.hint));
    button->setCursor(Qt::PointingHandCursor);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    toolBar_->addWidget(button);
    // Each button selects its page exactly as a click on the page's tab would.
    const PageId id = entry.id;
    ConnectGuarded(platform_.dialogs, this, button, &QToolButton::clicked,
                   [this, id] { ShowPage(id); });
  }
}

void TForm1::AddPage(const PageEntry& entry) {
  Page* page = entry.make(platform_);
  page->setObjectName(Text(entry.sheet));
  // The pages' fixed colours (blue, navy, red captions) are made for a light page: under a dark
  // desktop palette the pages keep the style's light one, so every text stays readable.
  page->setPalette(style()->standardPalette());
  page->setAutoFillBackground(true);
  // Screen readers take a field's name from the label before it.
  NameFieldsByTheirLabels(page);
  // A field the page gave no rule still takes pastes as typing: without line breaks, and
  // refused whole when it would not fit.
  for (QLineEdit* field : page->findChildren<QLineEdit*>()) {
    if (!HasFieldRule(field)) InstallField(field, {});
  }
  ui.Cebr->addTab(page, Text(entry.caption));
  connect(page, &Page::WorkingChanged, this, [this, page] {
    if (ui.Cebr->currentWidget() == page) FollowPage();
  });
  connect(page, &Page::StatusMessage, this,
          [this](const QString& text) { ui.StatusBar1->showMessage(text); });
}

QWidget* TForm1::PageWidget(PageId id) const {
  return ui.Cebr->widget(PageIndex(id));
}

void TForm1::ShowPage(PageId id) {
  ui.Cebr->setCurrentIndex(PageIndex(id));
}

void TForm1::FormCreate() {
  // The number text functions always use the decimal comma, whatever the system's locale; the
  // pages with start-up work of their own do it here, in this order.
  quadraticPage_->Start();  // "Действительных корней нет" hidden
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
