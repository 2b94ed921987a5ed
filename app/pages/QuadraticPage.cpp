#include "app/pages/QuadraticPage.h"

#include "app/Fonts.h"
#include "app/pages/PageStyle.h"
#include "app/widgets/CopyMenu.h"
#include "equations/Quadratic.h"
#include "equations/QuadraticSteps.h"
#include "exact/Exact.h"

namespace kalkora {

QuadraticPage::QuadraticPage(Platform& platform, QWidget* parent) : Page(platform, parent) {
  ui.setupUi(this);
  ui.Image2->SetSource(QStringLiteral(":/pictures/quadratic.svg"));
  for (QLabel* label : {ui.TntLabel7, ui.TntLabel1, ui.TntLabel2, ui.TntLabel3, ui.x1, ui.x2,
                        ui.TntLabel6, ui.TntLabel10}) {
    label->setFont(Tahoma(11, true));
    PaintText(label, label == ui.TntLabel10 ? kRedText : kBlueText);
    label->adjustSize();
  }
  // The discriminant's field has the colour of a button's face.
  QPalette face = ui.Diskriminant->palette();
  face.setColor(QPalette::Base, face.color(QPalette::Button));
  ui.Diskriminant->setPalette(face);
  for (QLabel* result : {ui.x1, ui.x2, ui.TntLabel10})
    OfferCopy(result);

  roots_ = Answers({ui.a, ui.b, ui.c}, {ui.x1, ui.x2, ui.TntLabel10, ui.Diskriminant});
  BindSolve(ui.Tenliyinkoklerinitap, &QPushButton::clicked,
            &QuadraticPage::TenliyinkoklerinitapClick, roots_);
  // Every key typed into a coefficient forgets the roots first, even one the filter drops.
  const auto forget = [this] { ForgetRoots(); };
  BindField(ui.a, {.keys = SignedNumberKeys, .next = ui.b, .resets = forget});
  BindField(ui.b, {.keys = SignedNumberKeys, .next = ui.c, .resets = forget});
  BindField(ui.c, {.keys = SignedNumberKeys, .next = ui.Tenliyinkoklerinitap, .resets = forget});
}

void QuadraticPage::Start() {
  ui.TntLabel10->hide();
}

void QuadraticPage::TenliyinkoklerinitapClick() {
  // Each coefficient is the decimal typed: a is 0 only when it writes 0.
  if (sgn(ParseExact(FieldText(ui.a))) == 0) {
    ShowMessage(QStringLiteral("Если a = 0, то это не квадратное уравнение"));
    return;
  }
  const Rational a = ParseExact(FieldText(ui.a));
  const Rational b = ParseExact(FieldText(ui.b));
  const Rational c = ParseExact(FieldText(ui.c));
  // Everything is computed before anything is written: a fault leaves the page as it was.
  const QuadraticSolution solution = SolveQuadratic(a, b, c);
  Working working = QuadraticSteps(a, b, c, solution);
  const auto shown = [](const Surd& value) {
    return QString::fromStdString(FormatFixed(value, 6, 2));
  };
  if (solution.HasRoots) {
    ui.TntLabel10->hide();
    ui.x1->show();
    ui.x2->show();
    SetCaption(ui.x1, QStringLiteral("x1=") + shown(solution.x1));
    SetCaption(ui.x2, QStringLiteral("x2=") + shown(solution.x2));
  } else {
    ui.x1->hide();
    ui.x2->hide();
    ui.TntLabel10->show();
  }
  ui.Diskriminant->setText(shown(solution.D));
  ShowWorking(std::move(working));
}

void QuadraticPage::ForgetRoots() {
  ui.TntLabel10->hide();
  ui.x1->show();
  ui.x2->show();
  SetCaption(ui.x1, QStringLiteral("x1=..."));
  SetCaption(ui.x2, QStringLiteral("x2=..."));
  ForgetWorking();
}

}  // namespace kalkora
