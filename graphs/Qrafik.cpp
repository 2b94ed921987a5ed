#include "graphs/Qrafik.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include "common/Float.h"
#include "numtext/NumText.h"

namespace kalkora {
namespace {

// ---- characters ----

enum CharClass : std::uint8_t {
  kDigit = 1,
  kNumber = 2,      // digits, ',' and '~': what an operand scan collects
  kFinished = 4,    // number characters and parentheses: a text of these only is reduced
  kBeforeSign = 8,  // a '-' right after one of these is a sign
  kLower = 16,      // a to z: a digit or ')' before one is an implicit product
};

constexpr std::array<std::uint8_t, 256> kClasses = [] {
  std::array<std::uint8_t, 256> table{};
  for (int c = '0'; c <= '9'; ++c)
    table[c] = kDigit | kNumber | kFinished;
  table[','] = table['~'] = kNumber | kFinished;
  table['('] = kFinished | kBeforeSign;
  table[')'] = kFinished;
  for (const char c : {'*', '&', ' ', '/', '+', '-'})
    table[static_cast<unsigned char>(c)] = kBeforeSign;
  for (int c = 'a'; c <= 'z'; ++c)
    table[c] = kLower;
  return table;
}();

bool Is(char c, std::uint8_t mask) {
  return (kClasses[static_cast<unsigned char>(c)] & mask) != 0;
}

std::size_t CountUnfinished(std::string_view text) {
  return static_cast<std::size_t>(
      std::count_if(text.begin(), text.end(), [](char c) { return !Is(c, kFinished); }));
}

// ---- operations ----

using Operation = FormulaOperation;
using Function = FormulaFunction;

struct FunctionName {
  std::string_view name;  // with its one space
  Function function;
};
constexpr std::array<FunctionName, 5> kShortNames = {{{"cos ", Function::Cos},
                                                      {"sin ", Function::Sin},
                                                      {"tan ", Function::Tan},
                                                      {"ctg ", Function::Ctg},
                                                      {"log ", Function::Log}}};
constexpr std::array<FunctionName, 2> kLongNames = {
    {{"cosh ", Function::Cosh}, {"sinh ", Function::Sinh}}};

// Does a digit or ')' before text[i] make a product with a function name starting there?
bool FunctionNameAt(std::string_view text, std::size_t i) {
  if (text.size() - i < 3) return false;
  const std::string_view three = text.substr(i, 3);
  return three == "sin" || three == "cos" || three == "tan" || three == "ctg" || three == "log";
}

// ---- one evaluation ----

// The working state of one EvaluateFormula call: the text being rewritten and the result of
// the last reduction with the span of text it replaces.
class Evaluation {
 public:
  explicit Evaluation(bool* droppedResult = nullptr) : droppedResult_(droppedResult) {}
  std::string Run(std::string_view formula);

 private:
  // Reads the operands around the operator at `position` of `group`; sets the result and span.
  void ApplyOperator(std::string_view group, std::size_t position, Operation operation);
  // Reads the argument after the name (with its space) starting at `position` of `group`.
  void ApplyFunction(std::string_view group, std::size_t position, std::size_t nameLength,
                     Function function);
  Extended ReadNumber(std::string_view text);
  void WriteResult(Extended value);
  // Puts LastResult in place of the span of the group starting at `begin`; moves `end`.
  void Splice(std::size_t begin, std::size_t& end);
  // Reduces the operators and functions of text_[begin, end) level by level; moves `end`.
  void ReduceGroup(std::size_t begin, std::size_t& end);
  void ReduceOperators(std::size_t begin, std::size_t& end, char first, Operation firstOperation,
                       char second, Operation secondOperation);
  template <std::size_t N>
  void ReduceFunctions(std::size_t begin, std::size_t& end,
                       const std::array<FunctionName, N>& names);

  std::string text_;
  std::size_t unfinished_ = 0;  // characters of text_ that are not kFinished
  std::string lastResult_;
  std::size_t spanStart_ = 0;  // inclusive, relative to the group
  std::size_t spanEnd_ = 0;
  std::string operand_;  // an operand with '~' turned into '-'
  bool* droppedResult_;
};

Extended Evaluation::ReadNumber(std::string_view text) {
  if (text.find('~') == std::string_view::npos) return ParseFloat(text);
  operand_.assign(text);
  std::replace(operand_.begin(), operand_.end(), '~', '-');
  return ParseFloat(operand_);
}

void Evaluation::WriteResult(Extended value) {
  lastResult_ = FormatGeneral15(value);
  if (lastResult_.front() == '-') lastResult_.front() = '~';
  const std::size_t e = lastResult_.find('E');
  if (e != std::string::npos) lastResult_ = ExpandExponent(lastResult_, e);
  if (droppedResult_ != nullptr && value != 0 && lastResult_ == "0") *droppedResult_ = true;
}

void Evaluation::ApplyOperator(std::string_view group, std::size_t position, Operation operation) {
  std::size_t left = position;
  while (left > 0 && Is(group[left - 1], kNumber))
    --left;
  std::size_t right = position + 1;
  while (right < group.size() && Is(group[right], kNumber))
    ++right;
  spanStart_ = left;
  spanEnd_ = right - 1;
  const Extended a = ReadNumber(group.substr(left, position - left));
  const Extended b = ReadNumber(group.substr(position + 1, right - position - 1));
  WriteResult(ComputeOperation(operation, a, b));
}

void Evaluation::ApplyFunction(std::string_view group, std::size_t position, std::size_t nameLength,
                               Function function) {
  const std::size_t argument = std::min(position + nameLength + 1, group.size());
  std::size_t end = argument;
  while (end < group.size() && Is(group[end], kNumber))
    ++end;
  spanStart_ = position;
  spanEnd_ = position + nameLength + (end - argument);
  WriteResult(ComputeFunction(function, ReadNumber(group.substr(argument, end - argument))));
}

void Evaluation::Splice(std::size_t begin, std::size_t& end) {
  const std::size_t start = begin + spanStart_;
  const std::size_t length = spanEnd_ - spanStart_ + 1;
  unfinished_ -= CountUnfinished(std::string_view(text_).substr(start, length));
  text_.replace(start, length, lastResult_);
  end = end - length + lastResult_.size();
}

void Evaluation::ReduceOperators(std::size_t begin, std::size_t& end, char first,
                                 Operation firstOperation, char second, Operation secondOperation) {
  // Text before a reduced span holds none of the level's operators, so the scan goes on from
  // the span instead of from the start of the group.
  std::size_t i = begin;
  while (i < end) {
    const char c = text_[i];
    if (c != first && c != second) {
      ++i;
      continue;
    }
    const std::string_view group = std::string_view(text_).substr(begin, end - begin);
    ApplyOperator(group, i - begin, c == first ? firstOperation : secondOperation);
    Splice(begin, end);
    i = begin + spanStart_ + lastResult_.size();
  }
}

template <std::size_t N>
void Evaluation::ReduceFunctions(std::size_t begin, std::size_t& end,
                                 const std::array<FunctionName, N>& names) {
  // Windows end before the group's last character. A result never starts a name nor ends one
  // with its space, so the scan goes on from the reduced span.
  const std::size_t length = names[0].name.size();
  std::size_t i = begin;
  while (i + length + 1 <= end) {
    const std::string_view window = std::string_view(text_).substr(i, length);
    const auto match = window.back() != ' '
                           ? names.end()
                           : std::find_if(names.begin(), names.end(),
                                          [&](const FunctionName& f) { return f.name == window; });
    if (match == names.end()) {
      ++i;
      continue;
    }
    const std::string_view group = std::string_view(text_).substr(begin, end - begin);
    ApplyFunction(group, i - begin, length - 1, match->function);
    Splice(begin, end);
    i = begin + spanStart_ + lastResult_.size();
  }
}

void Evaluation::ReduceGroup(std::size_t begin, std::size_t& end) {
  // Results bring no operator characters in, so a level absent at the start stays absent.
  GroupLevels levels;
  for (std::size_t i = begin; i < end; ++i)
    levels.Note(text_[i]);
  const auto [power, tight, space, loose, additive] = levels;
  if (power) ReduceOperators(begin, end, '^', Operation::Step, '^', Operation::Step);
  if (tight) ReduceOperators(begin, end, '&', Operation::Umn, '\\', Operation::Drob);
  if (space) {
    ReduceFunctions(begin, end, kShortNames);
    ReduceFunctions(begin, end, kLongNames);
  }
  if (loose) ReduceOperators(begin, end, '*', Operation::Umn, '/', Operation::Del);
  if (additive) ReduceOperators(begin, end, '+', Operation::Sum, '-', Operation::Min);
}

// Does some ")" come before its "(" although the counts agree?
bool Misordered(std::string_view text) {
  long depth = 0;
  long lowest = 0;
  for (const char c : text) {
    depth += (c == '(') - (c == ')');
    lowest = std::min(lowest, depth);
  }
  return depth == 0 && lowest < 0;
}

// Writes the prepared form of `formula` (wrapped in parentheses when `wrap`) into `out`.
void PrepareInto(std::string_view formula, bool wrap, std::string& out) {
  long balance = 0;
  for (const char c : formula)
    balance += (c == '(') - (c == ')');
  out.clear();
  if (balance != 0) {
    out += '0';
    return;
  }
  out.reserve(2 * formula.size() + 2);
  // Each character is checked against the one written before it, which is what rescanning the
  // text from the start after every insertion amounts to: an insertion never makes an earlier
  // pair match.
  const auto put = [&out](char next) {
    if (!out.empty()) {
      const char previous = out.back();
      if (!Is(previous, kDigit) && next == ',') {
        out += '0';
      } else if ((Is(previous, kDigit) || previous == ')') && (next == '(' || Is(next, kLower))) {
        out += '&';
      } else if (next == '-' && Is(previous, kBeforeSign)) {
        next = '~';
      }
    }
    out += next;
  };
  if (wrap) put('(');
  for (std::size_t i = 0; i < formula.size(); ++i) {
    const char c = formula[i];
    put(c);
    if ((Is(c, kDigit) || c == ')') && FunctionNameAt(formula, i + 1)) put('*');
  }
  if (wrap) put(')');
}

std::string Evaluation::Run(std::string_view formula) {
  // A ")" before its "(" cannot be grouped; the text comes back as it is, which no reading
  // takes for a number.
  if (Misordered(formula)) return std::string(formula);
  PrepareInto(formula, true, text_);
  unfinished_ = CountUnfinished(text_);
  std::size_t scanFrom = 0;  // text_ holds no ")" before this
  while (unfinished_ != 0) {
    const std::size_t close = text_.find(')', scanFrom);
    if (close == std::string::npos) {
      // No parentheses left: the whole text is the group; nothing is left to strip.
      std::size_t end = text_.size();
      ReduceGroup(0, end);
      break;
    }
    const std::size_t open = text_.rfind('(', close);
    if (open == std::string::npos) break;  // cannot happen for a well-ordered text
    std::size_t end = close + 1;
    const bool finished = std::all_of(text_.begin() + static_cast<std::ptrdiff_t>(open) + 1,
                                      text_.begin() + static_cast<std::ptrdiff_t>(close),
                                      [](char c) { return Is(c, kNumber); });
    if (!finished) ReduceGroup(open, end);
    text_.erase(end - 1, 1);
    text_.erase(open, 1);
    scanFrom = open;
  }
  if (!text_.empty() && text_.front() == '(') text_.erase(0, 1);
  if (!text_.empty() && text_.back() == ')') text_.pop_back();
  if (!text_.empty() && text_.front() == '~') text_.front() = '-';
  // An exponent letter left over means that the rewriting took the digits on its two sides
  // for two numbers: the text would read as a number it never computed.
  if (text_.find_first_of("Ee") != std::string::npos) throw ConvertError(NumberKind::Float, text_);
  return std::move(text_);
}

}  // namespace

Extended ComputeOperation(FormulaOperation operation, Extended left, Extended right) {
  switch (operation) {
    case FormulaOperation::Step:
      return Power(left, right);
    case FormulaOperation::Umn:
      return Mul(left, right);
    case FormulaOperation::Del:
    case FormulaOperation::Drob:
      return Div(left, right);
    case FormulaOperation::Sum:
      return Add(left, right);
    case FormulaOperation::Min:
      return Sub(left, right);
  }
  ThrowInvalidOperation();
}

Extended ComputeFunction(FormulaFunction function, Extended a) {
  // Below this the hyperbolic functions are taken as exactly 0 and 1.
  constexpr Extended kTiny = 1e-16L;
  switch (function) {
    case FormulaFunction::Sin:
      return Checked(std::sin(a));
    case FormulaFunction::Cos:
      return Checked(std::cos(a));
    case FormulaFunction::Tan:
      return Div(std::sin(a), std::cos(a));
    case FormulaFunction::Ctg:
      return Div(std::cos(a), std::sin(a));
    case FormulaFunction::Log:
      if (a < 0) ThrowInvalidOperation();
      if (a == 0) ThrowDivisionByZero();
      return Checked(std::log10(a));
    case FormulaFunction::Sinh:
      if (std::fabs(a) <= kTiny) return 0;
      // (e^a - e^-a)/2 written with e^t - 1, so that small arguments lose no digits to the
      // subtraction; it overflows where e^a does.
      return Div(Sub(Checked(std::expm1(a)), Checked(std::expm1(-a))), 2);
    case FormulaFunction::Cosh:
      if (std::fabs(a) <= kTiny) return 1;
      return Div(Add(Exp(a), Exp(-a)), 2);
  }
  ThrowInvalidOperation();
}

std::string PrepareFormula(std::string_view formula) {
  std::string out;
  PrepareInto(formula, false, out);
  return out;
}

std::string EvaluateFormula(std::string_view formula) {
  return Evaluation().Run(formula);
}

std::string EvaluateFormula(std::string_view formula, bool& droppedResult) {
  droppedResult = false;
  return Evaluation(&droppedResult).Run(formula);
}

namespace {

// Exponent form with the "E" at `position` written in plain digits; beyond `limit` in the
// exponent the text becomes "0".
std::string ExpandExponentUpTo(std::string_view text, std::size_t position, long limit) {
  if (position >= text.size() || text[position] != 'E') return std::string(text);
  std::size_t first = position;
  while (first > 0 && Is(text[first - 1], kNumber))
    --first;
  std::string_view mantissa = text.substr(first, position - first);
  const bool negative = !mantissa.empty() && mantissa.front() == '~';
  if (negative) mantissa.remove_prefix(1);

  // The exponent, kept small: only whether it exceeds the limit matters beyond its digits.
  std::size_t i = position + 1;
  const bool negativeExponent = i < text.size() && (text[i] == '-' || text[i] == '~');
  if (negativeExponent) ++i;
  long exponent = 0;
  for (; i < text.size() && Is(text[i], kDigit); ++i)
    exponent = std::min(exponent * 10 + (text[i] - '0'), limit + 1);
  if (exponent > limit) return "0";

  std::string digits;
  std::size_t decimals = 0;
  bool afterComma = false;
  for (const char c : mantissa) {
    if (c == ',') {
      afterComma = true;
      continue;
    }
    digits += c;
    if (afterComma) ++decimals;
  }
  const auto shift = static_cast<std::size_t>(exponent);
  std::string plain;
  if (!negativeExponent) {
    if (decimals < shift) {
      plain = digits + std::string(shift - decimals, '0');
    } else {
      plain = digits;
      plain.insert(plain.size() - (decimals - shift), 1, ',');
    }
  } else {
    plain = std::string(shift, '0') + digits;
    if (!plain.empty()) plain.insert(1, 1, ',');
  }
  std::string result = NormalizeNumberText(plain);
  if (negative) result.insert(0, 1, '~');
  return result;
}

}  // namespace

std::string ExpandExponent(std::string_view text, std::size_t position) {
  return ExpandExponentUpTo(text, position, 30);
}

std::string PlainNumberText(Extended value) {
  const std::string text = FormatGeneral15(value);
  const std::size_t e = text.find('E');
  if (e == std::string::npos) return text;
  // The 80-bit range ends near 10^4932 and 10^-4951: no exponent reaches this limit.
  const std::size_t sign = text.front() == '-' ? 1 : 0;
  std::string plain = ExpandExponentUpTo(std::string_view(text).substr(sign), e - sign, 100000);
  if (sign != 0) plain.insert(0, 1, '-');
  return plain;
}

std::string NormalizeNumberText(std::string_view text) {
  const bool negative = !text.empty() && text.front() == '-';
  if (negative) text.remove_prefix(1);
  if (text.empty()) return "0";
  const std::size_t firstNonZero = text.find_first_not_of('0');
  if (firstNonZero == std::string_view::npos) return "0";
  text.remove_prefix(firstNonZero);
  if (text.find(',') != std::string_view::npos) {
    while (text.back() == '0')
      text.remove_suffix(1);
  }
  if (text.back() == ',') text.remove_suffix(1);
  if (text.empty()) return "0";
  std::string result;
  result.reserve(text.size() + 2);
  if (negative && text != "0") result += '-';
  if (text.front() == ',') result += '0';
  result += text;
  return result;
}

}  // namespace kalkora
