// The graph page's formula compiled once into a plan that evaluates each x without rewriting
// text. Compiling runs the text rewriter's own steps on the formula with x left open, so the
// plan reduces the same operations in the same order, reads its operands the same way, and
// rounds every result to 15 significant digits as writing and reading its text would.
//
// One deliberate difference: where the rewriter writes a result beyond 30 in its exponent as
// "0", the plan carries the value itself.
#pragma once

#include <exception>
#include <string>
#include <string_view>
#include <vector>

#include "common/Float.h"
#include "graphs/Qrafik.h"

namespace kalkora {

// The prepared formula with every x or X replaced by `digits` (the digits of |x|), with the
// sign of a negative x where the evaluator reads it as part of the number: after "^" or "\"
// as its own '~', in place of one sign before x (-(-2) is 2), else as '-'.
std::string SubstituteDigits(std::string_view formula, bool negative, std::string_view digits);

class FormulaPlan {
 public:
  // Compiles the formula as typed (PrepareFormula is applied here).
  explicit FormulaPlan(std::string_view formula);

  // y at x, as ParseFloat(EvaluateFormula(SubstituteX(prepared, x))) gives it; throws the
  // same ConvertError or FloatError at the same operation.
  Extended Evaluate(Extended x);

  // True when no x of this sign can give a value: the text cannot be reduced to a number.
  bool SureToFail(bool negative) const;

  // Where a piece of the text is needed: literal number characters, the digits of |x|, or
  // the written result of an earlier step.
  struct Piece {
    enum class Kind { Literal, X, Value } kind;
    std::string literal;
    int value = 0;
  };
  // How a number is read: a constant, x (or its negation), an earlier result (or its
  // negation by a sign in front), any other run of text, or a reading known to fail.
  struct Operand {
    enum class Kind { Const, X, NegX, Value, NegValue, Text, Fail } kind = Kind::Fail;
    Extended constant = 0;
    int value = 0;
    std::vector<Piece> pieces;
    bool final = false;  // the whole result: only a leading '~' is a sign
    std::exception_ptr error;
  };
  struct Step {
    bool function = false;
    FormulaOperation operation = FormulaOperation::Sum;
    FormulaFunction call = FormulaFunction::Sin;
    Operand left, right;  // a function reads `left` only
  };
  struct Program {
    std::vector<Step> steps;
    bool complete = false;  // false: the last step is sure to fail
    Operand result;
  };

 private:
  Extended Read(const Operand& operand) const;
  std::string Render(const std::vector<Piece>& pieces) const;
  Extended ReadText(const Operand& operand) const;

  std::string prepared_;
  bool reference_ = false;  // texts the plan cannot stand for: evaluated by the rewriter
  Program nonNegative_, negative_;
  std::vector<Extended> values_;
  Extended x_ = 0;     // |x| read back from its digits
  Extended rawX_ = 0;  // |x| itself, for its digits
};

}  // namespace kalkora
