#include "app/WorkingWindow.h"

#include <QBuffer>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileInfo>
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

#include "app/ErrorReport.h"
#include "app/platform/Files.h"

namespace kalkora {

namespace {

constexpr double kFontSize = 17;
constexpr int kMargin = 14;
// Layouts are made in pixels of a 96 dpi screen; a PDF page is that many of them wide.
constexpr double kScreenDpi = 96;

}  // namespace

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

void WorkingWindow::ShowBeside() {
  if (!isVisible()) {
    const QRect main = mainWindow_->frameGeometry();
    resize(width(), std::max(height(), mainWindow_->height()));
    QPoint at(main.right() + 1, main.top());
    if (const QScreen* screen = mainWindow_->screen()) {
      const QRect room = screen->availableGeometry();
      const int frame = frameGeometry().width() - width();
      if (at.x() + width() + frame > room.right() && main.left() - width() - frame >= room.left()) {
        at.setX(main.left() - width() - frame);
      }
      at.setX(std::clamp(at.x(), room.left(), std::max(room.left(), room.right() - width())));
    }
    move(at);
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
  QWidget::closeEvent(event);
  Q_EMIT Closed();
}

}  // namespace kalkora
