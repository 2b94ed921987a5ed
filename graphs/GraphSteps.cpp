#include "graphs/GraphSteps.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "numtext/NumText.h"
#include "steps/SchoolNotation.h"

namespace kalkora {

namespace {

// A formula longer than this is cut in the working: it is there to be recognised, not read.
constexpr std::size_t kShownFormula = 120;
// The first points are listed as a table of values, as one does by hand before drawing.
constexpr std::size_t kListedPoints = 5;

std::string Shown(std::string_view formula) {
  if (formula.size() <= kShownFormula) return std::string(formula);
  std::size_t cut = kShownFormula;
  // Never in the middle of a UTF-8 character.
  while (cut > 0 && (static_cast<unsigned char>(formula[cut]) & 0xC0) == 0x80)
    --cut;
  return std::string(formula.substr(0, cut)) + "…";
}

std::string Number(Extended value) {
  return SchoolNumber(FormatGeneral15(value));
}

// "Минимум: (0; −4)", "Минимумы: (…); (…)".
void ListPoints(Working& working, const char* one, const char* many,
                const std::vector<CurvePoint>& points) {
  if (points.empty()) return;
  std::string line = std::string(points.size() == 1 ? one : many) + ": ";
  for (std::size_t i = 0; i < points.size(); ++i)
    line += (i > 0 ? "; " : "") + PointText(points[i]);
  working.Prose(line + ".");
}

void ListMarks(Working& working, const CurveMarks& marks) {
  if (!marks.zeros.empty()) {
    std::string line = "Нули: ";
    for (std::size_t i = 0; i < marks.zeros.size(); ++i)
      line += (i > 0 ? "; x = " : "x = ") + Number(marks.zeros[i].x);
    working.Prose(line + ".");
  }
  ListPoints(working, "Минимум", "Минимумы", marks.minima);
  ListPoints(working, "Максимум", "Максимумы", marks.maxima);
  if (marks.yIntercept)
    working.Prose("Пересечение с осью y: " + PointText(*marks.yIntercept) + ".");
}

// x and y in columns; copied, the numbers as a spreadsheet reads them, no value an empty cell.
FormulaNode TableOfValues(const std::vector<ValueRow>& rows) {
  std::vector<std::vector<Formula>> cells{{Var("x"), Var("y")}};
  std::string plain = "x\ty\n";
  for (const ValueRow& row : rows) {
    cells.push_back({Number(row.x), row.y ? Number(*row.y) : "—"});
    plain += FormatGeneral15(row.x) + "\t" + (row.y ? FormatGeneral15(*row.y) : "") + "\n";
  }
  plain.pop_back();
  return Table(cells, plain);
}

}  // namespace

std::string PointText(const CurvePoint& p) {
  std::string text = "(";  // appended: GCC 12 warns falsely on "(" + string
  text += Number(p.x) + "; " + Number(p.y) + ")";
  return text;
}

Working GraphSteps(std::string_view formula, const GraphState& state, const CurveMarks* marks,
                   const std::vector<ValueRow>* table, const std::vector<CurvePoint>* crossings) {
  Working working = SolvedWorking("График функции");
  working.Math(Formula() << Var("y") << " = " << Shown(formula));
  working.Prose(Formula() << Var("x") << " от " << Number(state.RangeStart) << " до "
                          << Number(state.RangeEnd) << " с шагом " << Number(state.StepValue)
                          << ": точек " << SchoolNumber(std::to_string(state.PointsX.size()))
                          << ".");
  if (!state.Gaps.empty()) {
    // Said once, however many points each run holds.
    constexpr std::size_t kListedGaps = 5;
    Formula gaps;
    gaps << "Значения нет при ";
    for (std::size_t i = 0; i < std::min(kListedGaps, state.Gaps.size()); ++i) {
      const auto& [from, to] = state.Gaps[i];
      if (i > 0) gaps << "; ";
      gaps << Var("x");
      if (from == to) {
        gaps << " = " << Number(from);
      } else {
        gaps << " от " << Number(from) << " до " << Number(to);
      }
    }
    if (state.Gaps.size() > kListedGaps) gaps << "; …";
    working.Prose(gaps << ": там на графике разрыв.");
  }
  working.Prose("Для каждого x формула вычисляется, и соседние точки (x; y) соединяются:");
  const std::size_t listed = std::min(kListedPoints, state.PointsX.size());
  for (std::size_t i = 0; i < listed; ++i) {
    working.Math(Formula() << Var("x") << " = " << Number(state.PointsX[i]) << ",   " << Var("y")
                           << " = " << Number(state.PointsY[i]));
  }
  if (listed < state.PointsX.size()) working.Math("…");
  if (!state.PointsY.empty()) {
    const auto [low, high] = std::minmax_element(state.PointsY.begin(), state.PointsY.end());
    working.Prose(Formula() << "Наименьшее и наибольшее значения: " << Indexed("y", "min") << " = "
                            << Number(*low) << ", " << Indexed("y", "max") << " = " << Number(*high)
                            << ".");
    if (marks != nullptr) ListMarks(working, *marks);
    if (crossings != nullptr) ListPoints(working, "Пересечение", "Пересечения", *crossings);
    if (table != nullptr && !table->empty()) {
      working.Prose("Таблица значений:");
      working.Math(TableOfValues(*table));
    }
    working.Answer(Formula() << "график построен по точкам; " << Indexed("y", "min") << " = "
                             << Number(*low) << ", " << Indexed("y", "max") << " = "
                             << Number(*high) << ".");
  }
  return working;
}

}  // namespace kalkora
