// The formula language as pupils write it, compiled once into a stack program. It keeps the
// graph page's own rules (a sign binds tightest, "^" is left-associative, an implicit product
// binds tighter than "/", a function's argument is what follows it up to "*", "/", "+" or "-",
// and every result is rounded to 15 significant digits) and adds what school algebra writes:
// calls with parentheses, spaces anywhere, signs after "^", more functions and constants, |x|.
//
// The text is UTF-8; positions in messages count its characters from 1.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/Errors.h"
#include "common/Float.h"
#include "graphs/Qrafik.h"

namespace kalkora {

// A formula that cannot be read, or a value it does not have at some x; the message is the
// Russian sentence the user reads.
class FormulaError : public Error {
 public:
  using Error::Error;
};

// Why a formula has no value at a point.
enum class FormulaFault {
  DivisionByZero,
  LogOfNonPositive,
  RootOfNegative,
  PowerOfNegative,  // a negative base with a fractional exponent
  ArcOutOfRange,
  Overflow,
  Undefined,
};

// The sentence for a fault at x: «Деление на ноль при x = 0».
std::string FaultMessage(FormulaFault fault, Extended x);
// The fault an arithmetic error stands for, whatever operation raised it.
FormulaFault FaultOf(const FloatError& error);

class CompiledFormula {
 public:
  // Throws FormulaError, naming the place, when the text is not a formula.
  explicit CompiledFormula(std::string_view formula);

  // y at x; throws FormulaError with the fault and x.
  Extended Evaluate(Extended x) const;

  enum class Code : std::uint8_t {
    Constant,
    X,
    Negate,
    Operation,  // a FormulaOperation on the two values on top
    Function,   // a FormulaFunction of the value on top
    Sqrt,
    Ln,
    Exp,
    Abs,
    Arcsin,
    Arccos,
    Arctg,
  };
  struct Instruction {
    Code code;
    std::uint8_t which;  // the operation or the function
    Extended constant;
  };

 private:
  std::vector<Instruction> program_;
  mutable std::vector<Extended> stack_;
};

}  // namespace kalkora
