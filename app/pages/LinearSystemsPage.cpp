#include "app/pages/LinearSystemsPage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "app/Fonts.h"
#include "app/pages/PageStyle.h"
#include "app/platform/Files.h"
#include "app/widgets/CopyMenu.h"
#include "common/Errors.h"
#include "equations/Cramer.h"
#include "equations/CramerReport.h"
#include "equations/CramerSteps.h"
#include "exact/Exact.h"

namespace kalkora {

LinearSystemsPage::LinearSystemsPage(Platform& platform, QWidget* parent)
    : Page(platform, parent), programFolder_(QCoreApplication::applicationDirPath()) {
  ui.setupUi(this);
  for (QWidget* blue : std::initializer_list<QWidget*>{
           ui.TntCheckBox1, ui.TntCheckBox2, ui.TntLabel4, ui.Label17, ui.Label18, ui.Label19}) {
    blue->setFont(Tahoma(11, true));
    PaintText(blue, kBlueText);
  }
  for (QLabel* label : findChildren<QLabel*>())
    label->adjustSize();
  for (QLabel* result : {ui.Label17, ui.Label18, ui.Label19})
    OfferCopy(result);
  NameGrid(3);
  ui.Ac->setIcon(QIcon(QStringLiteral(":/icons/11-open.svg")));
  ui.Temizle->setIcon(QIcon(QStringLiteral(":/icons/clear.svg")));
  ui.Saxla->setIcon(QIcon(QStringLiteral(":/icons/10-save.svg")));
  ui.HellET->setIcon(QIcon(QStringLiteral(":/icons/solve.svg")));
  ui.HellET->setIconSize(QSize(25, 25));
  ui.HellET->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);

  unknowns_ = Answers({ui.Edit2, ui.Edit3, ui.Edit4, ui.Edit6, ui.Edit7, ui.Edit8, ui.Edit10,
                       ui.Edit11, ui.Edit12, ui.Edit14, ui.Edit15, ui.Edit16},
                      {ui.Label17, ui.Label18, ui.Label19});
  BindSolve(ui.HellET, &QToolButton::clicked, &LinearSystemsPage::HellETClick, unknowns_);
  Bind(ui.Temizle, &QPushButton::clicked, &LinearSystemsPage::TemizleClick);
  // Bound to clicks: unticking the other box from a handler runs no handler of its own.
  Bind(ui.TntCheckBox1, &QCheckBox::clicked, &LinearSystemsPage::TntCheckBox1Click);
  Bind(ui.TntCheckBox2, &QCheckBox::clicked, &LinearSystemsPage::TntCheckBox2Click);
  Bind(ui.Saxla, &QPushButton::clicked, &LinearSystemsPage::SaxlaClick);
  Bind(ui.Ac, &QPushButton::clicked, &LinearSystemsPage::AcClick);
  // Enter walks the grid column by column, the order the fields are read in; every field's key
  // resets the unknowns, the right-hand sides' too.
  const auto grid = [this](QLineEdit* field, QWidget* next, QWidget* otherwise, Reset reset) {
    BindField(field, {.keys = SignedNumberKeys,
                      .next = next,
                      .otherwise = otherwise,
                      .resets = [this, reset] { ResetResults(reset); }});
  };
  grid(ui.Edit2, ui.Edit3, nullptr, Reset::IfZShown);
  grid(ui.Edit3, ui.Edit4, ui.Edit6, Reset::IfZShown);
  grid(ui.Edit4, ui.Edit6, nullptr, Reset::All);
  grid(ui.Edit6, ui.Edit7, nullptr, Reset::IfZShown);
  grid(ui.Edit7, ui.Edit8, ui.Edit10, Reset::IfZShown);
  grid(ui.Edit8, ui.Edit10, nullptr, Reset::All);
  grid(ui.Edit10, ui.Edit11, nullptr, Reset::IfZShown);
  grid(ui.Edit11, ui.Edit12, nullptr, Reset::IfZShown);
  grid(ui.Edit12, ui.Edit14, nullptr, Reset::All);
  grid(ui.Edit14, ui.Edit15, nullptr, Reset::IfZShown);
  grid(ui.Edit15, ui.Edit16, nullptr, Reset::IfZShown);
  grid(ui.Edit16, nullptr, nullptr, Reset::All);
}

std::vector<QLineEdit*> LinearSystemsPage::Needed() const {
  if (ui.TntCheckBox1->isChecked()) {
    return {ui.Edit2, ui.Edit3, ui.Edit6, ui.Edit7, ui.Edit10, ui.Edit11};
  }
  return {ui.Edit2,  ui.Edit3,  ui.Edit4,  ui.Edit6,  ui.Edit7,  ui.Edit8,
          ui.Edit10, ui.Edit11, ui.Edit12, ui.Edit14, ui.Edit15, ui.Edit16};
}

void LinearSystemsPage::HellETClick() {
  const bool two = ui.TntCheckBox1->isChecked();
  if (!two && !ui.TntCheckBox2->isChecked()) {
    ShowMessage(QStringLiteral("Выберите число неизвестных"));
    return;
  }
  const std::vector<QLineEdit*> fields = Needed();
  for (const QLineEdit* field : fields) {
    if (field->text().isEmpty()) {
      ShowMessage(QStringLiteral("Введите коэффициенты"));
      return;
    }
  }
  // The typed decimals are the numbers: Δ = 0 is decided on their exact values.
  std::vector<Rational> v;
  for (const QLineEdit* field : fields)
    v.push_back(ParseExact(FieldText(field)));
  const CramerSolution s =
      two ? SolveCramer2(v[0], v[1], v[2], v[3], v[4], v[5])
          : SolveCramer3(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10], v[11]);
  Working working = CramerSteps(v, s);
  if (!s.Solvable) {
    SetCaption(ui.Label17, QStringLiteral("x=..."));
    SetCaption(ui.Label18, QStringLiteral("y=..."));
    if (!two) SetCaption(ui.Label19, QStringLiteral("z=..."));
    ShowMessage(s.Outcome == CramerOutcome::NoSolution
                    ? QStringLiteral("Система не имеет решений")
                    : QStringLiteral("Система имеет бесконечно много решений"));
    // The message fails the working; the working then shows why, from the ranks.
    ShowWorking(std::move(working));
    return;
  }
  const auto unknown = [](const char* name, const Rational& value) {
    return QString::fromUtf8(name) + QString::fromStdString(FormatFixed(value, 4, 2));
  };
  SetCaption(ui.Label17, unknown("x=", s.x));
  SetCaption(ui.Label18, unknown("y=", s.y));
  if (!two) SetCaption(ui.Label19, unknown("z=", s.z));
  ShowWorking(std::move(working));
}

void LinearSystemsPage::TemizleClick() {
  for (QLineEdit* field :
       {ui.Edit2, ui.Edit3, ui.Edit6, ui.Edit7, ui.Edit10, ui.Edit11, ui.Edit14, ui.Edit15}) {
    field->clear();
  }
  SetCaption(ui.Label17, QStringLiteral("x="));
  SetCaption(ui.Label18, QStringLiteral("y="));
  ForgetWorking();
  const bool thirdShown = !ui.Edit4->isHidden() && !ui.Edit8->isHidden() &&
                          !ui.Edit12->isHidden() && !ui.Edit16->isHidden() &&
                          !ui.Label19->isHidden();
  if (!thirdShown) return;
  for (QLineEdit* field : {ui.Edit4, ui.Edit8, ui.Edit12, ui.Edit16})
    field->clear();
  SetCaption(ui.Label19, QStringLiteral("z="));
}

void LinearSystemsPage::NameGrid(int unknowns) {
  // The grid's sign labels stand between fields and name none of them: each field says what it
  // holds, column by column; with two unknowns the third column is the right-hand side.
  QLineEdit* const grid[4][3] = {{ui.Edit2, ui.Edit3, ui.Edit4},
                                 {ui.Edit6, ui.Edit7, ui.Edit8},
                                 {ui.Edit10, ui.Edit11, ui.Edit12},
                                 {ui.Edit14, ui.Edit15, ui.Edit16}};
  const bool chosen = ui.TntCheckBox1->isChecked() || ui.TntCheckBox2->isChecked();
  const QString named[] = {QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("z")};
  const QString numbered[] = {QStringLiteral("x1"), QStringLiteral("x2"), QStringLiteral("x3")};
  for (int column = 0; column < 4; ++column) {
    for (int row = 0; row < 3; ++row) {
      const QString equation = QString::number(row + 1);
      grid[column][row]->setAccessibleName(
          column < unknowns ? QStringLiteral("Уравнение %1: коэффициент при %2")
                                  .arg(equation, chosen ? named[column] : numbered[column])
                            : QStringLiteral("Уравнение %1: правая часть").arg(equation));
    }
  }
}

void LinearSystemsPage::ApplyLayout(bool three) {
  for (QWidget* third : std::initializer_list<QWidget*>{
           ui.Edit4, ui.Edit8, ui.Edit12, ui.Edit14, ui.Edit15, ui.Edit16, ui.Label3, ui.Label7,
           ui.Label9, ui.Label10, ui.Label11, ui.Label19}) {
    third->setVisible(three);
  }
  for (QLabel* label : {ui.Label1, ui.Label2, ui.Label3})
    SetCaption(label, QStringLiteral("x+"));
  for (QLabel* label : {ui.Label5, ui.Label6, ui.Label7})
    SetCaption(label, three ? QStringLiteral("y+") : QStringLiteral("y="));
  for (QLabel* label : {ui.Label9, ui.Label10, ui.Label11})
    SetCaption(label, QStringLiteral("z="));
  SetCaption(ui.Label17, QStringLiteral("x="));
  SetCaption(ui.Label18, QStringLiteral("y="));
  if (three) SetCaption(ui.Label19, QStringLiteral("z="));
  ui.HellET->setGeometry(three ? QRect(328, 135, 63, 50) : QRect(273, 126, 63, 45));
  NameGrid(three ? 3 : 2);
}

void LinearSystemsPage::TntCheckBox1Click() {
  ui.TntCheckBox2->setChecked(false);
  ApplyLayout(false);
}

void LinearSystemsPage::TntCheckBox2Click() {
  ui.TntCheckBox1->setChecked(false);
  ApplyLayout(true);
}

QString LinearSystemsPage::ReportPath() const {
  // A package puts the program where no user may write; the report then goes to the user's
  // data folder for the program.
  QString folder = programFolder_;
  if (!QFileInfo(folder).isWritable()) {
    folder = QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
                 .filePath(QStringLiteral("kalkora"));
  }
  return QDir(folder).filePath(QString::fromUtf8(kCramerReportName));
}

void LinearSystemsPage::SaxlaClick() {
  // Without a layout there is no system to report: a good report is not replaced by headings.
  if (!ui.TntCheckBox1->isChecked() && !ui.TntCheckBox2->isChecked()) {
    ShowMessage(QStringLiteral("Выберите число неизвестных"));
    return;
  }
  LinearSystemTexts texts;
  texts.twoUnknowns = ui.TntCheckBox1->isChecked();
  texts.threeUnknowns = ui.TntCheckBox2->isChecked();
  const QLineEdit* grid[] = {ui.Edit2,  ui.Edit3,  ui.Edit4,  ui.Edit6,  ui.Edit7,  ui.Edit8,
                             ui.Edit10, ui.Edit11, ui.Edit12, ui.Edit14, ui.Edit15, ui.Edit16};
  for (std::size_t i = 0; i < texts.grid.size(); ++i)
    texts.grid[i] = FieldText(grid[i]);
  texts.results = {ui.Label17->text().toStdString(), ui.Label18->text().toStdString(),
                   ui.Label19->text().toStdString()};
  const QString path = ReportPath();
  const QString folder = QFileInfo(path).absolutePath();
  if (!QDir().mkpath(folder)) {
    throw InOutError(QStringLiteral("Не удалось создать папку для отчёта: %1")
                         .arg(QDir::toNativeSeparators(folder))
                         .toStdString());
  }
  SaveFile(path, CramerReport(texts));
  // It may be in the data folder rather than beside the program: say where.
  Q_EMIT StatusMessage(QStringLiteral("Отчёт сохранён: ") + QDir::toNativeSeparators(path));
}

void LinearSystemsPage::AcClick() {
  const QString path = ReportPath();
  if (!OpenCp1251Text(platform().launcher, path)) {
    ShowMessage(QStringLiteral("Не удалось открыть отчёт: не найден текстовый редактор. Отчёт "
                               "находится здесь: %1")
                    .arg(QDir::toNativeSeparators(path)));
  }
}

void LinearSystemsPage::ResetResults(Reset reset) {
  SetCaption(ui.Label17, QStringLiteral("x=..."));
  SetCaption(ui.Label18, QStringLiteral("y=..."));
  if (reset == Reset::All || !ui.Label19->isHidden()) {
    SetCaption(ui.Label19, QStringLiteral("z=..."));
  }
}

}  // namespace kalkora
