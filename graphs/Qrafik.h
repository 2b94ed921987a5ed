// The graph page's formula evaluator. It builds no tree: it rewrites the formula text, replacing
// one operation or function call at a time by its result written as number text, until one
// number is left. Formula text is single-byte (Windows-1251); '~' is the evaluator's own minus
// sign inside number text, so that a sign is never taken for a subtraction.
//
// A result that is not a number comes back as text for the caller's reading to reject, except
// one still holding an exponent letter: that would read as a number never computed, so it
// throws ConvertError itself. Operands that are no number throw ConvertError, arithmetic faults
// FloatError.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "common/Float.h"

namespace kalkora {

// Which reduction levels a group's operator characters call for: "^"; "&" and "\"; a space
// (functions); "*" and "/"; "+" and "-".
struct GroupLevels {
  bool power = false, tight = false, space = false, loose = false, additive = false;
  void Note(char c) {
    power |= c == '^';
    tight |= c == '&' || c == '\\';
    space |= c == ' ';
    loose |= c == '*' || c == '/';
    additive |= c == '+' || c == '-';
  }
};

// The operations and functions of the formula language, as the evaluator computes them (before
// its rounding to 15 digits): power, multiplication, division with "/" or with "\\", addition,
// subtraction; throws FloatError.
enum class FormulaOperation { Step, Umn, Del, Drob, Sum, Min };
enum class FormulaFunction { Cos, Sin, Tan, Ctg, Log, Cosh, Sinh };
Extended ComputeOperation(FormulaOperation operation, Extended left, Extended right);
Extended ComputeFunction(FormulaFunction function, Extended argument);

// Normalises a formula (implicit products, signs as '~'); "0" if its parentheses do not balance.
std::string PrepareFormula(std::string_view formula);

// Reduces an x-free formula to number text, or returns what it cannot reduce; throws Error.
std::string EvaluateFormula(std::string_view formula);
// The same, and `droppedResult` set when some result beyond 30 in its exponent became "0".
std::string EvaluateFormula(std::string_view formula, bool& droppedResult);

// Writes exponent form ("E" at 0-based `position`) as plain text; "0" beyond 30 in the exponent.
std::string ExpandExponent(std::string_view text, std::size_t position);

// FormatGeneral15's number in plain digits, never in exponent form, whatever its size (a sign
// is '-'): the text the evaluator reads back as that one number.
std::string PlainNumberText(Extended value);

// Drops a number text's leading zeros, trailing decimal zeros and bare comma; "0" for nothing.
std::string NormalizeNumberText(std::string_view text);

}  // namespace kalkora
