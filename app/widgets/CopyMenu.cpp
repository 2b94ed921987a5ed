#include "app/widgets/CopyMenu.h"

#include <QAbstractItemView>
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QTextDocumentFragment>
#include <algorithm>
#include <functional>
#include <vector>

namespace kalkora {

namespace {

using TextOf = std::function<QString()>;

// The entry copies what `text` gives at that moment; the menu offers it only when there is any.
void AddCopyEntry(QWidget* widget, QWidget* menuArea, const TextOf& text) {
  auto* copy = new QAction(QStringLiteral("Копировать"), widget);
  widget->addAction(copy);
  QObject::connect(copy, &QAction::triggered, widget, [text] {
    const QString copied = text();
    if (!copied.isEmpty()) QGuiApplication::clipboard()->setText(copied);
  });
  widget->setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(widget, &QWidget::customContextMenuRequested, widget,
                   [widget, menuArea, copy, text](const QPoint& at) {
                     copy->setEnabled(!text().isEmpty());
                     QMenu::exec(widget->actions(), menuArea->mapToGlobal(at), nullptr, widget);
                   });
}

QString ShownText(const QLabel& label) {
  const Qt::TextFormat format = label.textFormat();
  const bool rich =
      format == Qt::RichText || (format == Qt::AutoText && Qt::mightBeRichText(label.text()));
  return rich ? QTextDocumentFragment::fromHtml(label.text()).toPlainText() : label.text();
}

QString RowsText(const QAbstractItemView& list) {
  const QItemSelectionModel* selection = list.selectionModel();
  if (selection == nullptr || !selection->hasSelection())
    return list.currentIndex().data().toString();
  // Row by row through the selected ranges in order, never through the whole model.
  const QItemSelection selected = selection->selection();
  std::vector<QItemSelectionRange> ranges(selected.cbegin(), selected.cend());
  std::sort(
      ranges.begin(), ranges.end(),
      [](const QItemSelectionRange& a, const QItemSelectionRange& b) { return a.top() < b.top(); });
  QStringList rows;
  qint64 next = 0;  // rows before this one are copied already
  for (const QItemSelectionRange& range : ranges) {
    for (qint64 row = std::max<qint64>(range.top(), next);
         row <= range.bottom() && rows.size() < kMostCopiedRows; ++row) {
      rows << range.model()
                  ->index(static_cast<int>(row), range.left(), range.parent())
                  .data()
                  .toString();
    }
    next = std::max<qint64>(next, qint64{range.bottom()} + 1);
  }
  return rows.join(u'\n');
}

}  // namespace

void OfferCopy(QLabel* label, const QLabel* caption) {
  AddCopyEntry(label, label, [label, caption] {
    const QString text = ShownText(*label);
    return caption == nullptr || text.isEmpty() ? text : ShownText(*caption) + text;
  });
}

void OfferCopy(QAbstractItemView* list) {
  // An item view reports the menu's place in its viewport.
  AddCopyEntry(list, list->viewport(), [list] { return RowsText(*list); });
}

}  // namespace kalkora
