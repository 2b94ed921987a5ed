#include "app/pages/ConverterPage.h"

#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QTabBar>
#include <initializer_list>

#include "app/Fonts.h"
#include "app/widgets/CopyMenu.h"
#include "exact/Exact.h"
#include "numtext/KeySets.h"
#include "units/Converter.h"
#include "units/ConverterSteps.h"
#include "units/QuantityCatalogue.h"

namespace kalkora {

namespace {

constexpr int kItemHeight = 13;
const QColor kResultsBackground(229, 229, 229);

// List lines 13 pixels high, as the page was laid out for.
class FixedItemHeight : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    return {QStyledItemDelegate::sizeHint(option, index).width(), kItemHeight};
  }
};

void StyleList(QListWidget* list, const QColor& background) {
  list->setFont(Tahoma(11));
  list->setItemDelegate(new FixedItemHeight(list));
  QPalette palette = list->palette();
  palette.setColor(QPalette::Base, background);
  palette.setColor(QPalette::Text, Qt::black);
  list->setPalette(palette);
}

// Line j of a list: an existing line only changes its text, so a selected line stays selected;
// a list of exactly j lines gets it appended.
void PutLine(QListWidget* list, int j, const QString& text) {
  if (j < list->count()) {
    list->item(j)->setText(text);
  } else {
    list->addItem(text);
  }
}

}  // namespace

ConverterPage::ConverterPage(Platform& platform, QWidget* parent) : Page(platform, parent) {
  ui.setupUi(this);
  designSize_ = size();

  for (const TQuantity& quantity : QuantityCatalogue()) {
    ui.Vahid->addTab(new QWidget, QString::fromStdString(quantity.Caption));
  }
  ui.Vahid->setFont(Tahoma(11));
  // The unit list, the field and the results lie on the tab control itself, the same for
  // every tab, rather than on one of its pages.
  for (QWidget* control :
       std::initializer_list<QWidget*>{ui.Kemiyyetler, ui.Edit1, ui.UpDown1, ui.Neticeler}) {
    const QRect place = control->geometry();
    control->setParent(ui.Vahid);
    control->setGeometry(place);
    control->raise();
  }

  ui.Kemiyyetler->setAccessibleName(QStringLiteral("Единицы измерения"));
  ui.Edit1->setAccessibleName(QStringLiteral("Значение"));
  ui.Neticeler->setAccessibleName(QStringLiteral("Значение в каждой единице"));

  const QColor highlightedText = palette().color(QPalette::HighlightedText);
  StyleList(ui.Kemiyyetler, highlightedText);
  StyleList(ui.Neticeler, kResultsBackground);
  OfferCopy(ui.Neticeler);
  ui.Edit1->setFont(Tahoma(13));
  QPalette editPalette = ui.Edit1->palette();
  editPalette.setColor(QPalette::Base, highlightedText);
  ui.Edit1->setPalette(editPalette);

  // The form already places the field and its spinner side by side.
  const QRect field = ui.Edit1->geometry();
  const QRect spinner = ui.UpDown1->geometry();
  ui.UpDown1->Associate(ui.Edit1);
  ui.Edit1->setGeometry(field);
  ui.UpDown1->setGeometry(spinner);
  ui.UpDown1->SetRange(1, 32500);
  ui.UpDown1->SetEnds(UpDown::Ends::Wrap);
  ui.UpDown1->SetPosition(1);

  anchored_ = {
      {ui.Edit1, field, true, false},
      {ui.UpDown1, spinner, false, false},
      {ui.Neticeler, ui.Neticeler->geometry(), true, true},
  };

  // The spinner has no handler: its write into Edit1 is a change like any other.
  // Every change of the value solves again: only a value that cannot be read leaves the lines
  // of the one before.
  lines_ = Answers({}, {ui.Neticeler});
  BindSolve(ui.Vahid, &QTabWidget::currentChanged, &ConverterPage::VahidChange, lines_);
  BindSolve(ui.Edit1, &QLineEdit::textChanged, &ConverterPage::Edit1Change, lines_);
  BindSolve(ui.Kemiyyetler, &QListWidget::itemSelectionChanged, &ConverterPage::KemiyyetlerClick,
            lines_);
  BindField(ui.Edit1, {.keys = SignedNumberKeys, .enter = EnterKey::PassedOn});
}

void ConverterPage::Start() {
  ui.Edit1->setText(QStringLiteral("1"));
  FillUnits();
  // The first lines answer the first value, as every later change's do.
  Solve(lines_, [this] { Edit1Change(); });
}

void ConverterPage::FillUnits() {
  const QSignalBlocker noClick(ui.Kemiyyetler);
  for (const TMeasureUnit& unit : QuantityCatalogue().at(ui.Vahid->currentIndex()).Units) {
    ui.Kemiyyetler->addItem(QString::fromStdString(unit.Name));
  }
  ui.Kemiyyetler->setCurrentRow(0);
}

void ConverterPage::VahidChange() {
  ui.Neticeler->clear();
  {
    const QSignalBlocker noClick(ui.Kemiyyetler);
    ui.Kemiyyetler->clear();
  }
  // Whatever was typed is replaced; a text other than "1" runs Edit1Change here, which writes
  // nothing while no unit is selected.
  ui.Edit1->setText(QStringLiteral("1"));
  FillUnits();
  Edit1Change();
}

void ConverterPage::Edit1Change() {
  const QString text = ui.Edit1->text();
  if (text.isEmpty()) {
    // The lines stay, for the last value that was read.
    MarkOutdated(lines_);
    return;
  }
  // Read exactly, so that the lines are the typed number's own and not its 80-bit neighbour's.
  converterValue_ = ParseExact(FieldText(ui.Edit1));
  const int quantity = ui.Vahid->currentIndex();
  // Everything is converted before the first line is written, so an overflow leaves the
  // previous results whole.
  const std::vector<Converted> results = ConvertExactly(quantity, SelectedUnit(), converterValue_);
  for (std::size_t j = 0; j < results.size(); ++j) {
    const std::string& name = QuantityCatalogue()[quantity].Units[j].Name;
    PutLine(ui.Neticeler, static_cast<int>(j),
            QString::fromStdString(FormatResultLine(results[j], name)));
  }
  ShowWorking(ConversionSteps(quantity, SelectedUnit(), converterValue_, results));
}

int ConverterPage::SelectedUnit() const {
  // The selected line, not the current one: Ctrl+click can leave a current line unselected.
  const QList<QListWidgetItem*> selected = ui.Kemiyyetler->selectedItems();
  return selected.isEmpty() ? -1 : ui.Kemiyyetler->row(selected.front());
}

void ConverterPage::KemiyyetlerClick() {
  try {
    Edit1Change();
  } catch (...) {
    // The lines would describe the unit chosen before: better none than a wrong one.
    ui.Neticeler->clear();
    throw;
  }
}

void ConverterPage::resizeEvent(QResizeEvent* event) {
  Page::resizeEvent(event);
  ui.Vahid->setGeometry(rect());
  const QSize grown = size() - designSize_;
  for (const Anchored& a : anchored_) {
    QRect place = a.design;
    if (a.stretchWidth) {
      place.setWidth(place.width() + grown.width());
    } else {
      place.translate(grown.width(), 0);
    }
    if (a.stretchHeight) place.setHeight(place.height() + grown.height());
    a.control->setGeometry(place);
  }
}

}  // namespace kalkora
