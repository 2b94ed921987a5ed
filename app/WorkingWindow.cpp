#include "app/WorkingWindow.h"

#include <QBuffer>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPageLayout>
#include <QPageSize>
#include <QPaintEvent>
#include <QPainter>
#include <QPdfWriter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <compare>
#include <utility>

#include "app/ErrorReport.h"
#include "app/platform/Files.h"
#include "app/widgets/Picture.h"

namespace kalkora {

namespace {

constexpr double kFontSize = 17;
constexpr int kMargin = 14;
// Layouts are made in pixels of a 96 dpi screen; a PDF page is that many of them wide.
constexpr double kScreenDpi = 96;
// The size it opens at (at least as tall as the main window), and the least it is shrunk to.
constexpr QSize kWantedSize(560, 520);
constexpr QSize kLeastSize(300, 220);

// How much of the controls a window at `place` hides: how many of them, then how much of them.
struct Hidden {
  int controls = 0;
  qint64 area = 0;

  auto operator<=>(const Hidden&) const = default;
};

qint64 Area(const QRect& rect) {
  return rect.isEmpty() ? 0 : qint64{rect.width()} * rect.height();
}

Hidden HiddenBy(const QRect& place, const std::vector<QRect>& controls) {
  Hidden hidden;
  for (const QRect& control : controls) {
    if (const qint64 area = Area(place.intersected(control)); area > 0) {
      ++hidden.controls;
      hidden.area += area;
    }
  }
  return hidden;
}

// The left ends of a window `width` wide, inside [low, high], at which what it hides of one of
// `spans` starts or stops changing in a straight line: the least hidden is at one of them.
std::vector<int> Turns(const std::vector<std::pair<int, int>>& spans, int width, int low,
                       int high) {
  std::vector<int> turns{low, high};
  for (const auto& [first, last] : spans) {
    for (const int at : {first - width, first, last - width + 1, last + 1})
      turns.push_back(std::clamp(at, low, high));
  }
  std::sort(turns.begin(), turns.end());
  turns.erase(std::unique(turns.begin(), turns.end()), turns.end());
  return turns;
}

// The controls inside `widget`, where they are on the screen: what the forms place in a page
// and in its group boxes, but not the pictures beside them.
void CollectControls(const QWidget& widget, std::vector<QRect>& controls) {
  for (const QWidget* child : widget.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (child->isHidden() || child->isWindow() || qobject_cast<const Picture*>(child)) continue;
    if (qobject_cast<const QGroupBox*>(child)) {
      CollectControls(*child, controls);
    } else {
      controls.emplace_back(child->mapToGlobal(QPoint(0, 0)), child->size());
    }
  }
}

}  // namespace

QRect PlaceWorkingWindow(const QRect& screen, const QRect& mainFrame,
                         const std::vector<QRect>& controls, QSize wanted, QSize minimum,
                         const QMargins& frame) {
  const QSize margins(frame.left() + frame.right(), frame.top() + frame.bottom());
  const QSize least = (minimum + margins).boundedTo(screen.size());
  const QSize full = (wanted + margins).expandedTo(least).boundedTo(screen.size());
  const auto inside = [&](const QRect& outer) { return outer.marginsRemoved(frame); };
  // Level with the main window where the screen lets it be.
  const auto levelTop = [&](int height) {
    return std::clamp(mainFrame.top(), screen.top(), screen.bottom() - height + 1);
  };
  const auto levelLeft = [&](int width) {
    return std::clamp(mainFrame.left(), screen.left(), screen.right() - width + 1);
  };

  if (screen.right() - mainFrame.right() >= full.width())
    return inside(QRect(QPoint(mainFrame.right() + 1, levelTop(full.height())), full));
  if (mainFrame.left() - screen.left() >= full.width())
    return inside(QRect(QPoint(mainFrame.left() - full.width(), levelTop(full.height())), full));

  // Beside, below or above the main window, shrunk to the room there.
  const int right = std::min(full.width(), screen.right() - mainFrame.right());
  const int left = std::min(full.width(), mainFrame.left() - screen.left());
  const int below = std::min(full.height(), screen.bottom() - mainFrame.bottom());
  const int above = std::min(full.height(), mainFrame.top() - screen.top());
  const QRect places[] = {
      {levelLeft(full.width()), mainFrame.bottom() + 1, full.width(), below},
      {mainFrame.right() + 1, levelTop(full.height()), right, full.height()},
      {mainFrame.left() - left, levelTop(full.height()), left, full.height()},
      {levelLeft(full.width()), mainFrame.top() - above, full.width(), above},
  };
  std::optional<QRect> largest;
  for (const QRect& place : places) {
    if (place.width() < least.width() || place.height() < least.height()) continue;
    if (HiddenBy(place, controls).controls > 0) continue;
    if (!largest || Area(place) > Area(*largest)) largest = place;
  }
  if (largest) return inside(*largest);

  // Over the main window: at the least size where it hides the fewest controls, the least of
  // them and then the least of the main window. How much of a control a window hides across
  // (and down) changes in straight lines between a few turns as it slides, so the least is at
  // those turns.
  std::vector<std::pair<int, int>> across{{mainFrame.left(), mainFrame.right()}},
      down{{mainFrame.top(), mainFrame.bottom()}};
  for (const QRect& control : controls) {
    across.emplace_back(control.left(), control.right());
    down.emplace_back(control.top(), control.bottom());
  }
  const std::vector<int> xs =
      Turns(across, least.width(), screen.left(), screen.right() - least.width() + 1);
  const std::vector<int> ys =
      Turns(down, least.height(), screen.top(), screen.bottom() - least.height() + 1);
  std::optional<std::pair<Hidden, qint64>> fewest;
  QRect best;
  for (const int y : ys) {
    for (const int x : xs) {
      const QRect place(QPoint(x, y), least);
      const std::pair<Hidden, qint64> hides{HiddenBy(place, controls),
                                            Area(place.intersected(mainFrame))};
      if (!fewest || hides < *fewest) {
        fewest = hides;
        best = place;
      }
    }
  }
  // Then as much bigger, up to the wanted size, as it can be without hiding more: wider first
  // or taller first, whichever makes it larger.
  const Hidden hidden = fewest->first;
  const auto grow = [&](QRect& place, int most, const auto& move) {
    int fits = 0;
    for (int tooFar = most + 1; tooFar - fits > 1;) {
      const int step = fits + (tooFar - fits) / 2;
      QRect grown = place;
      move(grown, step);
      (HiddenBy(grown, controls) == hidden ? fits : tooFar) = step;
    }
    move(place, fits);
  };
  const auto wider = [&](QRect& place) {
    grow(place, std::min(full.width() - place.width(), screen.right() - place.right()),
         [](QRect& r, int by) { r.setRight(r.right() + by); });
    grow(place, std::min(full.width() - place.width(), place.left() - screen.left()),
         [](QRect& r, int by) { r.setLeft(r.left() - by); });
  };
  const auto taller = [&](QRect& place) {
    grow(place, std::min(full.height() - place.height(), screen.bottom() - place.bottom()),
         [](QRect& r, int by) { r.setBottom(r.bottom() + by); });
    grow(place, std::min(full.height() - place.height(), place.top() - screen.top()),
         [](QRect& r, int by) { r.setTop(r.top() - by); });
  };
  QRect widerFirst = best, tallerFirst = best;
  wider(widerFirst);
  taller(widerFirst);
  taller(tallerFirst);
  wider(tallerFirst);
  return inside(Area(tallerFirst) > Area(widerFirst) ? tallerFirst : widerFirst);
}

WorkingView::WorkingView(QWidget* parent) : QWidget(parent), fonts_(kFontSize) {
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, Qt::white);
  setPalette(palette);
}

void WorkingView::SetLines(std::vector<WorkingLine> lines) {
  lines_ = std::move(lines);
  LayOut();
  update();
}

void WorkingView::LayOut() {
  wrap_ = WrapWidth();
  layout_ = LayOutWorking(lines_, fonts_, std::max(100, wrap_ - 2 * kMargin));
  // A fraction or root wider than the view widens it, and the scroll area scrolls it.
  setMinimumSize(static_cast<int>(std::ceil(layout_.width)) + 2 * kMargin,
                 static_cast<int>(std::ceil(layout_.height)) + 2 * kMargin);
}

bool WorkingView::eventFilter(QObject* watched, QEvent* event) {
  // Only a new width moves words; a new height or this view's own growth changes nothing.
  if (event->type() == QEvent::Resize && WrapWidth() != wrap_) LayOut();
  return QWidget::eventFilter(watched, event);
}

int WorkingView::WrapWidth() const {
  return parentWidget() != nullptr ? parentWidget()->width() : width();
}

void WorkingView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.setPen(Qt::black);
  PaintWorking(painter, layout_, QPointF(kMargin, kMargin), event->rect());
}

WorkingWindow::WorkingWindow(Platform& platform, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Window), platform_(platform), mainWindow_(mainWindow) {
  setObjectName(QStringLiteral("HellinGedisiPencere"));
  setWindowTitle(QStringLiteral("Ход решения"));
  auto* copy = new QPushButton(QStringLiteral("Копировать"), this);
  copy->setObjectName(QStringLiteral("Kopyala"));
  auto* save = new QPushButton(QStringLiteral("Сохранить в PDF…"), this);
  save->setObjectName(QStringLiteral("PdfSaxla"));
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(copy);
  buttons->addWidget(save);
  buttons->addStretch();

  view_ = new WorkingView;
  scroll_ = new QScrollArea(this);
  scroll_->setWidget(view_);
  scroll_->setWidgetResizable(true);
  scroll_->viewport()->installEventFilter(view_);
  scroll_->setFrameShape(QFrame::StyledPanel);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(scroll_);
  ConnectGuarded(platform_.dialogs, this, copy, &QPushButton::clicked, [this] { KopyalaClick(); });
  ConnectGuarded(platform_.dialogs, this, save, &QPushButton::clicked, [this] { PdfSaxlaClick(); });
  view_->setAccessibleName(windowTitle());
  auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(close, &QShortcut::activated, this, &QWidget::close);
  resize(560, 520);
}

void WorkingWindow::Present(const QString& caption, const Working& working) {
  lines_ = PresentedLines(working, caption.toStdString());
  view_->SetLines(lines_);
  // The picture of the formulas says nothing to a screen reader; their text does.
  view_->setAccessibleDescription(Text());
}

void WorkingWindow::ShowBeside(const QWidget* page) {
  if (!isVisible()) {
    if (kept_ && QGuiApplication::screenAt(kept_->center()) != nullptr) {
      setGeometry(*kept_);
    } else if (const QScreen* screen = mainWindow_->screen()) {
      const QRect main = mainWindow_->frameGeometry(), mainInside = mainWindow_->geometry();
      // Before it is first shown, its own frame is not known yet: the main window's is alike.
      const bool framed = frameGeometry() != geometry();
      const QRect outer = framed ? frameGeometry() : main, inner = framed ? geometry() : mainInside;
      const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(),
                           outer.right() - inner.right(), outer.bottom() - inner.bottom());
      // The menu, the toolbar and the tabs above the page count as controls too.
      std::vector<QRect> controls;
      if (page != nullptr) {
        CollectControls(*page, controls);
        const int pageTop = page->mapToGlobal(QPoint(0, 0)).y();
        controls.emplace_back(mainInside.left(), mainInside.top(), mainInside.width(),
                              pageTop - mainInside.top());
      }
      if (controls.empty()) controls.push_back(mainInside);
      const QSize wanted(kWantedSize.width(),
                         std::max(kWantedSize.height(), mainWindow_->height()));
      placed_ = PlaceWorkingWindow(screen->availableGeometry(), main, controls, wanted,
                                   kLeastSize.expandedTo(minimumSizeHint()), frame);
      setGeometry(placed_);
    }
  }
  show();
  raise();
}

QString WorkingWindow::Text() const {
  return QString::fromStdString(PlainText(lines_));
}

void WorkingWindow::KopyalaClick() {
  QGuiApplication::clipboard()->setText(Text());
}

QByteArray WorkingWindow::Pdf() const {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter pdf(&buffer);
    pdf.setTitle(QStringLiteral("Ход решения"));
    pdf.setCreator(QStringLiteral("Калкора"));
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                  QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter));
    const double scale = pdf.resolution() / kScreenDpi;
    const QRect page = pdf.pageLayout().paintRectPixels(pdf.resolution());
    const double width = page.width() / scale, height = page.height() / scale;
    const WorkingLayout layout = LayOutWorking(lines_, FormulaFonts(kFontSize * 0.8), width);

    QPainter painter(&pdf);
    painter.scale(scale, scale);
    painter.setPen(Qt::black);
    // Lines go on a page as long as they fit; a line taller than a page gets one of its own.
    double pageTop = 0;
    for (const WorkingLayout::Line& line : layout.lines) {
      if (line.top + line.box.height() - pageTop > height && line.top > pageTop) {
        pdf.newPage();
        pageTop = line.top;
      }
      line.box.paint(painter, {line.left, line.top - pageTop + line.box.ascent});
    }
  }
  return bytes;
}

void WorkingWindow::PdfSaxlaClick() {
  QString path = platform_.dialogs.GetSaveFileName(this, QStringLiteral("Документ PDF (*.pdf)"),
                                                   QStringLiteral("Ход решения.pdf"));
  if (path.isEmpty()) return;
  // A name without an extension gets the document's own; any other extension is the user's.
  if (QFileInfo(path).suffix().isEmpty())
    path += path.endsWith(u'.') ? QStringLiteral("pdf") : QStringLiteral(".pdf");
  const QByteArray pdf = Pdf();
  SaveFile(path, std::string_view(pdf.constData(), static_cast<size_t>(pdf.size())));
}

void WorkingWindow::closeEvent(QCloseEvent* event) {
  // Anywhere but where it was put, the user put it there.
  if (kept_ || geometry() != placed_) kept_ = geometry();
  QWidget::closeEvent(event);
  Q_EMIT Closed();
}

}  // namespace kalkora
