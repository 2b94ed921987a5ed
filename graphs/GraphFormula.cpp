#include "graphs/GraphFormula.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "common/Cp1251.h"

namespace kalkora {

void CheckParentheses(std::string_view formula) {
  std::vector<std::size_t> open;  // positions of the "(" not closed yet
  std::size_t position = 0;
  for (const char c : formula) {
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++position;
    if (c == '(') {
      open.push_back(position);
    } else if (c == ')') {
      if (open.empty())
        throw FormulaError("Не понимаю формулу: лишняя закрывающая скобка (символ " +
                           std::to_string(position) + ")");
      open.pop_back();
    }
  }
  if (!open.empty())
    throw FormulaError("Не понимаю формулу: скобка, открытая в символе " +
                       std::to_string(open.back()) + ", не закрыта");
}

GraphFormula::GraphFormula(std::string_view formula) {
  CheckParentheses(formula);
  const bool ascii = std::all_of(formula.begin(), formula.end(),
                                 [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  if (ascii) {
    plan_.emplace(formula);
    planFails_[0] = plan_->SureToFail(false);
    planFails_[1] = plan_->SureToFail(true);
  }
  try {
    school_ = std::make_unique<CompiledFormula>(formula);
  } catch (const FormulaError&) {
    unreadable_ = std::current_exception();
    if (planFails_[0] && planFails_[1]) throw;
  }
}

const CompiledFormula& GraphFormula::School() const {
  if (unreadable_) std::rethrow_exception(unreadable_);
  return *school_;
}

void GraphFormula::ExplainFault(const FloatError& error, Extended x) const {
  // The school language names the operation that failed; where it reads the formula otherwise,
  // the plan's own error is told as it is.
  if (school_) (void)school_->Evaluate(x);
  throw FormulaError(FaultMessage(FaultOf(error), x));
}

Extended GraphFormula::Evaluate(Extended x) {
  if (!planFails_[x < 0]) {
    try {
      return plan_->Evaluate(x);
    } catch (const ConvertError&) {
      // The page's language cannot read it at this x: the school language may.
    } catch (const FloatError& error) {
      ExplainFault(error, x);
    }
  }
  return School().Evaluate(x);
}

std::string FormulaForFile(std::string_view formula) {
  static constexpr std::string_view kSuperscripts[] = {"⁰", "¹", "²", "³", "⁴", "⁵",
                                                       "⁶", "⁷", "⁸", "⁹", "⁻"};
  // Spaces keep a name apart from letters around it; none after √, so that √(x) stays a call.
  static constexpr std::pair<std::string_view, std::string_view> kSigns[] = {
      {"π", " pi "}, {"√", " sqrt"}, {"−", "-"}, {"·", "*"}, {"×", "*"}};
  std::string ascii;
  bool raised = false;  // the last character was a superscript: the power goes on
  for (std::size_t i = 0; i < formula.size();) {
    const std::string_view rest = formula.substr(i);
    std::size_t used = 0;
    for (std::size_t d = 0; d < std::size(kSuperscripts) && used == 0; ++d) {
      if (!rest.starts_with(kSuperscripts[d])) continue;
      if (!raised) ascii += '^';
      ascii += d < 10 ? static_cast<char>('0' + d) : '-';
      used = kSuperscripts[d].size();
    }
    raised = used != 0;
    for (const auto& [sign, letters] : kSigns) {
      if (used == 0 && rest.starts_with(sign)) {
        ascii += letters;
        used = sign.size();
      }
    }
    if (used == 0) {
      ascii += formula[i];
      used = 1;
    }
    i += used;
  }
  return Utf8ToCp1251(ascii);
}

}  // namespace kalkora
