// The graph page's formula: what the page's language has always read is evaluated by its
// compiled plan, value for value and bit for bit; what it could not read, the school forms
// (sin(x), x + 1, |x|, x^-1, √x, π, …), by the compiled school language. Every failure is a
// FormulaError in Russian: where the formula cannot be read, or at which x it has no value.
#pragma once

#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "common/Float.h"
#include "graphs/CompiledFormula.h"
#include "graphs/FormulaPlan.h"

namespace kalkora {

// Throws FormulaError for parentheses that do not pair: one never closed, or one closed
// before it was opened.
void CheckParentheses(std::string_view formula);

class GraphFormula {
 public:
  // The formula as typed, in UTF-8; throws FormulaError when no x could give it a value.
  explicit GraphFormula(std::string_view formula);

  // y at x; throws FormulaError.
  Extended Evaluate(Extended x);

 private:
  [[noreturn]] void ExplainFault(const FloatError& error, Extended x) const;
  const CompiledFormula& School() const;

  std::optional<FormulaPlan> plan_;   // the page's language, for a formula of ASCII characters
  bool planFails_[2] = {true, true};  // for x >= 0 and x < 0: the plan can give no value
  std::unique_ptr<CompiledFormula> school_;
  std::exception_ptr unreadable_;  // why the school language cannot read it either
};

// The formula as a graph file carries it, in Windows-1251: the school signs it lacks written
// as the same formula in letters (π as pi, √ as sqrt, x² as x^2).
std::string FormulaForFile(std::string_view formula);

}  // namespace kalkora
