#include "app/pages/TrianglePage.h"

#include "app/Fonts.h"
#include "app/pages/PageStyle.h"
#include "geometry/Triangle.h"
#include "geometry/TriangleSteps.h"

namespace kalkora {

TrianglePage::TrianglePage(Platform& platform, QWidget* parent) : Page(platform, parent) {
  ui.setupUi(this);
  ui.Image1->SetSource(QStringLiteral(":/pictures/triangle.svg"));
  ui.TntGroupBox7->setFont(Tahoma(11, true));
  const std::pair<QWidget*, QColor> groups[] = {
      {ui.TntGroupBox6, kBlackText},
      {ui.TntGroupBox8, kBlueText},
      {ui.TntGroupBox9, kGreenText},
      {ui.TntGroupBox10, kRedText},
  };
  for (const auto& [group, colour] : groups)
    PaintText(group, colour);
  PaintText(ui.UcbucaginHelli, kTealText);
  for (QLabel* label : findChildren<QLabel*>())
    label->adjustSize();

  BindSolve(ui.UcbucaginHelli, &QPushButton::clicked, &TrianglePage::UcbucaginHelliClick,
            Answers({ui.Edit22, ui.Edit23, ui.Edit24},
                    {ui.Edit32, ui.Edit33, ui.Edit34, ui.Edit35, ui.Edit36, ui.Edit37, ui.Edit38,
                     ui.Edit39, ui.Edit40, ui.Edit41, ui.Edit42}));
  BindField(ui.Edit22, {.keys = SignedNumberKeys, .next = ui.Edit23});
  BindField(ui.Edit23, {.keys = SignedNumberKeys, .next = ui.Edit24});
  BindField(ui.Edit24, {.keys = SignedNumberKeys});
  // The segments are read-only: no character changes them, while copying and selecting work
  // as in any field.
  for (QLineEdit* segment : {ui.Edit34, ui.Edit35, ui.Edit36, ui.Edit37, ui.Edit38, ui.Edit39,
                             ui.Edit40, ui.Edit41, ui.Edit42}) {
    BindField(segment, {.keys = SignedNumberKeys});
  }
}

void TrianglePage::UcbucaginHelliClick() {
  const Rational AB = ParseExact(FieldText(ui.Edit22));
  const Rational BC = ParseExact(FieldText(ui.Edit23));
  const Rational AC = ParseExact(FieldText(ui.Edit24));
  if (!TriangleExists(AB, BC, AC)) {
    const QString message = QStringLiteral("Треугольника с такими сторонами не существует!");
    ShowMessage(message);
    // The failed working then says which side is too long.
    ShowWorking(AbsentTriangleSteps(AB, BC, AC, message.toStdString()));
    return;
  }
  // All eleven values first: a fault leaves every field as it was.
  const TriangleSolution t = SolveTriangle(AB, BC, AC);
  Working working = TriangleSteps(AB, BC, AC, t);
  const auto put = [](QLineEdit* field, const Surd& value) {
    field->setText(QString::fromStdString(FormatFixed(value, 4, 2)));
  };
  put(ui.Edit32, t.S);
  put(ui.Edit33, t.P);
  // Each group from A, B and C, as the fields are captioned: AH1, BH2, CH3.
  const std::array<QLineEdit*, 3> heights = {ui.Edit34, ui.Edit35, ui.Edit36};
  const std::array<QLineEdit*, 3> medians = {ui.Edit37, ui.Edit38, ui.Edit39};
  const std::array<QLineEdit*, 3> bisectors = {ui.Edit40, ui.Edit41, ui.Edit42};
  for (std::size_t i = 0; i < 3; ++i)
    put(heights[i], t.heights[i]);
  for (std::size_t i = 0; i < 3; ++i)
    put(medians[i], t.medians[i]);
  for (std::size_t i = 0; i < 3; ++i)
    put(bisectors[i], t.bisectors[i]);
  ShowWorking(std::move(working));
}

}  // namespace kalkora
