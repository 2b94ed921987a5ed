#include "graphs/FormulaPlan.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <utility>

#include "numtext/NumText.h"

namespace kalkora {
namespace {

// Stands for the digits of |x| while compiling: to the rewriter's rules it is a digit.
constexpr char kSlot = '\x01';

enum CharClass : std::uint8_t {
  kDigit = 1,
  kNumber = 2,
  kFinished = 4,
  kBeforeSign = 8,
  kLower = 16,
};

constexpr std::array<std::uint8_t, 256> kClasses = [] {
  std::array<std::uint8_t, 256> table{};
  for (int c = '0'; c <= '9'; ++c)
    table[c] = kDigit | kNumber | kFinished;
  table[static_cast<unsigned char>(kSlot)] = kDigit | kNumber | kFinished;
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

bool FunctionNameAt(std::string_view text, std::size_t i) {
  if (text.size() - i < 3) return false;
  const std::string_view three = text.substr(i, 3);
  return three == "sin" || three == "cos" || three == "tan" || three == "ctg" || three == "log";
}

// The evaluator's own preparation of the text it is given, wrapped in parentheses.
std::string PrepareWrapped(std::string_view formula) {
  std::string out;
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
  put('(');
  for (std::size_t i = 0; i < formula.size(); ++i) {
    const char c = formula[i];
    put(c);
    if ((Is(c, kDigit) || c == ')') && FunctionNameAt(formula, i + 1)) put('*');
  }
  put(')');
  return out;
}

bool Misordered(std::string_view text) {
  long depth = 0;
  long lowest = 0;
  for (const char c : text) {
    depth += (c == '(') - (c == ')');
    lowest = std::min(lowest, depth);
  }
  return depth == 0 && lowest < 0;
}

bool IsSign(std::string_view text, std::size_t i) {
  if (text[i] != '-' && text[i] != '~') return false;
  return i == 0 || std::string_view("*& /+-(").find(text[i - 1]) != std::string_view::npos;
}

using Piece = FormulaPlan::Piece;
using Operand = FormulaPlan::Operand;
using Program = FormulaPlan::Program;

// A character of the text, or (run >= 0) a maximal run of number characters.
struct Cell {
  char c = 0;
  int run = -1;
};

void Append(std::vector<Piece>& pieces, const Piece& piece) {
  if (piece.kind == Piece::Kind::Literal && !pieces.empty() &&
      pieces.back().kind == Piece::Kind::Literal) {
    pieces.back().literal += piece.literal;
  } else {
    pieces.push_back(piece);
  }
}

std::exception_ptr ReadingError(std::string_view text) {
  try {
    (void)ParseFloat(text);
  } catch (...) {
    return std::current_exception();
  }
  return nullptr;
}

// The rewriter's steps on a text whose number runs are known only as pieces.
class Compiler {
 public:
  Compiler(std::string_view text, Program& program) : program_(program) {
    const std::string prepared = PrepareWrapped(text);
    for (std::size_t i = 0; i < prepared.size();) {
      if (!Is(prepared[i], kNumber)) {
        cells_.push_back({prepared[i], -1});
        if (!Is(prepared[i], kFinished)) ++unfinished_;
        ++i;
        continue;
      }
      std::vector<Piece> pieces;
      for (; i < prepared.size() && Is(prepared[i], kNumber); ++i) {
        if (prepared[i] == kSlot)
          Append(pieces, {Piece::Kind::X, {}, 0});
        else
          Append(pieces, {Piece::Kind::Literal, std::string(1, prepared[i]), 0});
      }
      cells_.push_back({0, NewRun(std::move(pieces))});
    }
  }

  void Run() {
    std::size_t scanFrom = 0;
    while (unfinished_ != 0 && !stopped_) {
      std::size_t close = scanFrom;
      while (close < cells_.size() && !IsChar(close, ')'))
        ++close;
      if (close == cells_.size()) {
        std::size_t end = cells_.size();
        ReduceGroup(0, end);
        break;
      }
      std::size_t open = close;
      while (open > 0 && !IsChar(open - 1, '('))
        --open;
      if (open == 0) break;
      --open;
      std::size_t end = close + 1;
      bool finished = true;
      for (std::size_t i = open + 1; i < close; ++i)
        finished = finished && cells_[i].run >= 0;
      if (!finished) ReduceGroup(open, end);
      if (stopped_) return;
      cells_.erase(cells_.begin() + static_cast<std::ptrdiff_t>(end - 1));
      cells_.erase(cells_.begin() + static_cast<std::ptrdiff_t>(open));
      // The group's inside may now touch the runs around it.
      if (end - 2 > open) MergeNext(end - 3);
      MergePrevious(open);
      scanFrom = open > 0 ? open - 1 : 0;
    }
    if (stopped_) return;
    if (!cells_.empty() && IsChar(0, '(')) cells_.erase(cells_.begin());
    if (!cells_.empty() && IsChar(cells_.size() - 1, ')')) cells_.pop_back();
    Operand& result = program_.result;
    if (cells_.size() == 1 && cells_[0].run >= 0) {
      result = ReadOperand(cells_[0].run, true);
    } else {
      std::vector<Piece> pieces;
      for (const Cell& cell : cells_) {
        if (cell.run < 0)
          Append(pieces, {Piece::Kind::Literal, std::string(1, cell.c), 0});
        else
          for (const Piece& piece : runs_[cell.run])
            Append(pieces, piece);
      }
      result.kind = Operand::Kind::Text;
      result.final = true;
      result.pieces = std::move(pieces);
    }
    program_.complete = true;
  }

 private:
  bool IsChar(std::size_t i, char c) const { return cells_[i].run < 0 && cells_[i].c == c; }

  int NewRun(std::vector<Piece> pieces) {
    runs_.push_back(std::move(pieces));
    return static_cast<int>(runs_.size() - 1);
  }

  void MergeNext(std::size_t i) {
    if (i + 1 >= cells_.size() || cells_[i].run < 0 || cells_[i + 1].run < 0) return;
    for (const Piece& piece : runs_[cells_[i + 1].run])
      Append(runs_[cells_[i].run], piece);
    cells_.erase(cells_.begin() + static_cast<std::ptrdiff_t>(i + 1));
  }

  // Joins the run at i with a run right before it; returns where it now starts.
  std::size_t MergePrevious(std::size_t i) {
    if (i >= cells_.size() || cells_[i].run < 0) return i;
    if (i > 0 && cells_[i - 1].run >= 0) {
      for (const Piece& piece : runs_[cells_[i].run])
        Append(runs_[cells_[i - 1].run], piece);
      cells_.erase(cells_.begin() + static_cast<std::ptrdiff_t>(i));
      return i - 1;
    }
    return i;
  }

  Operand ReadOperand(int run, bool final) {
    Operand operand;
    operand.final = final;
    if (run < 0) {
      operand.error = ReadingError("");
      return operand;
    }
    const std::vector<Piece>& pieces = runs_[run];
    operand.pieces = pieces;
    using K = Piece::Kind;
    const auto literal = [&](std::size_t i, std::string_view text) {
      return pieces[i].kind == K::Literal && pieces[i].literal == text;
    };
    if (pieces.size() == 1 && pieces[0].kind == K::Literal) {
      std::string text = pieces[0].literal;
      for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] == '~' && (!final || i == 0)) text[i] = '-';
      try {
        operand.constant = ParseFloat(text);
        operand.kind = Operand::Kind::Const;
      } catch (...) {
        operand.error = std::current_exception();
      }
    } else if (pieces.size() == 1) {
      operand.kind = pieces[0].kind == K::X ? Operand::Kind::X : Operand::Kind::Value;
      operand.value = pieces[0].value;
    } else if (pieces.size() == 2 && literal(0, "~")) {
      operand.kind = pieces[1].kind == K::X ? Operand::Kind::NegX : Operand::Kind::NegValue;
      operand.value = pieces[1].value;
    } else {
      operand.kind = Operand::Kind::Text;
    }
    return operand;
  }

  // Puts the result of the last step in place of cells [first, last].
  std::size_t Splice(std::size_t first, std::size_t last, std::size_t& end) {
    for (std::size_t i = first; i <= last; ++i)
      if (cells_[i].run < 0 && !Is(cells_[i].c, kFinished)) --unfinished_;
    const int value = static_cast<int>(program_.steps.size() - 1);
    cells_.erase(cells_.begin() + static_cast<std::ptrdiff_t>(first),
                 cells_.begin() + static_cast<std::ptrdiff_t>(last + 1));
    cells_.insert(cells_.begin() + static_cast<std::ptrdiff_t>(first),
                  Cell{0, NewRun({{Piece::Kind::Value, {}, value}})});
    const std::size_t before = cells_.size();
    MergeNext(first);
    const std::size_t at = MergePrevious(first);
    end = end - (last - first + 1) + 1 - (before - cells_.size());
    return at + 1;
  }

  // Records a step; false when it is sure to fail, which ends the program.
  bool Emit(FormulaPlan::Step step) {
    const bool fails = step.left.kind == Operand::Kind::Fail ||
                       (!step.function && step.right.kind == Operand::Kind::Fail);
    program_.steps.push_back(std::move(step));
    if (fails) stopped_ = true;
    return !fails;
  }

  void ReduceOperators(std::size_t begin, std::size_t& end, char first, FormulaOperation firstOp,
                       char second, FormulaOperation secondOp) {
    std::size_t i = begin;
    while (i < end && !stopped_) {
      const Cell cell = cells_[i];
      if (cell.run >= 0 || (cell.c != first && cell.c != second)) {
        ++i;
        continue;
      }
      const bool hasLeft = i > begin && cells_[i - 1].run >= 0;
      const bool hasRight = i + 1 < end && cells_[i + 1].run >= 0;
      FormulaPlan::Step step;
      step.operation = cell.c == first ? firstOp : secondOp;
      step.left = ReadOperand(hasLeft ? cells_[i - 1].run : -1, false);
      step.right = ReadOperand(hasRight ? cells_[i + 1].run : -1, false);
      if (!Emit(std::move(step))) return;
      i = Splice(hasLeft ? i - 1 : i, hasRight ? i + 1 : i, end);
    }
  }

  struct Name {
    std::string_view name;
    FormulaFunction function;
  };

  void ReduceFunctions(std::size_t begin, std::size_t& end, const std::vector<Name>& names) {
    const std::size_t length = names[0].name.size();
    std::size_t i = begin;
    while (i + length + 1 <= end && !stopped_) {
      const Name* match = nullptr;
      for (const Name& name : names) {
        bool same = true;
        for (std::size_t k = 0; k < length && same; ++k)
          same = cells_[i + k].run < 0 && cells_[i + k].c == name.name[k];
        if (same) {
          match = &name;
          break;
        }
      }
      if (match == nullptr) {
        ++i;
        continue;
      }
      const std::size_t argument = i + length;
      const bool hasArgument = argument < end && cells_[argument].run >= 0;
      FormulaPlan::Step step;
      step.function = true;
      step.call = match->function;
      step.left = ReadOperand(hasArgument ? cells_[argument].run : -1, false);
      if (!Emit(std::move(step))) return;
      i = Splice(i, hasArgument ? argument : argument - 1, end);
    }
  }

  void ReduceGroup(std::size_t begin, std::size_t& end) {
    GroupLevels levels;
    for (std::size_t i = begin; i < end; ++i) {
      if (cells_[i].run < 0) levels.Note(cells_[i].c);
    }
    const auto [power, tight, space, loose, additive] = levels;
    using Op = FormulaOperation;
    using F = FormulaFunction;
    if (power) ReduceOperators(begin, end, '^', Op::Step, '^', Op::Step);
    if (tight && !stopped_) ReduceOperators(begin, end, '&', Op::Umn, '\\', Op::Drob);
    if (space && !stopped_) {
      ReduceFunctions(begin, end,
                      {{"cos ", F::Cos},
                       {"sin ", F::Sin},
                       {"tan ", F::Tan},
                       {"ctg ", F::Ctg},
                       {"log ", F::Log}});
      if (!stopped_) ReduceFunctions(begin, end, {{"cosh ", F::Cosh}, {"sinh ", F::Sinh}});
    }
    if (loose && !stopped_) ReduceOperators(begin, end, '*', Op::Umn, '/', Op::Del);
    if (additive && !stopped_) ReduceOperators(begin, end, '+', Op::Sum, '-', Op::Min);
  }

  Program& program_;
  std::vector<Cell> cells_;
  std::vector<std::vector<Piece>> runs_;
  std::size_t unfinished_ = 0;
  bool stopped_ = false;
};

// A result as the rewriter writes it: plain digits, '~' for its sign.
std::string ResultText(Extended value) {
  std::string text = PlainNumberText(value);
  if (text.front() == '-') text.front() = '~';
  return text;
}

}  // namespace

std::string SubstituteDigits(std::string_view formula, bool negative, std::string_view digits) {
  std::string text;
  text.reserve(formula.size() + 8 * (digits.size() + 1));
  for (std::size_t i = 0; i < formula.size(); ++i) {
    const char c = formula[i];
    if (c != 'x' && c != 'X') {
      text += c;
      continue;
    }
    if (negative) {
      const char before = i > 0 ? formula[i - 1] : '(';
      if (before == '^' || before == '\\') {
        // The evaluator's own sign: a '-' here would be read as a subtraction.
        text += '~';
      } else if (i > 0 && IsSign(formula, i - 1) && !(i > 1 && IsSign(formula, i - 2))) {
        // One sign in front of a negative x: -(-2) is 2. Two signs fail as they always have.
        text.pop_back();
      } else {
        // After an operator or "(" the evaluator reads the '-' as a sign; after a digit or a
        // letter it stays a subtraction.
        text += '-';
      }
    }
    text += digits;
  }
  return text;
}

FormulaPlan::FormulaPlan(std::string_view formula) : prepared_(PrepareFormula(formula)) {
  if (prepared_.find(kSlot) != std::string::npos ||
      Misordered(SubstituteDigits(prepared_, false, "0"))) {
    reference_ = true;
    return;
  }
  const std::string slot(1, kSlot);
  Compiler(SubstituteDigits(prepared_, false, slot), nonNegative_).Run();
  Compiler(SubstituteDigits(prepared_, true, slot), negative_).Run();
  values_.resize(std::max(nonNegative_.steps.size(), negative_.steps.size()));
}

std::string FormulaPlan::Render(const std::vector<Piece>& pieces) const {
  std::string text;
  for (const Piece& piece : pieces) {
    switch (piece.kind) {
      case Piece::Kind::Literal:
        text += piece.literal;
        break;
      case Piece::Kind::X:
        text += PlainNumberText(rawX_);
        break;
      case Piece::Kind::Value:
        text += ResultText(values_[static_cast<std::size_t>(piece.value)]);
        break;
    }
  }
  return text;
}

Extended FormulaPlan::ReadText(const Operand& operand) const {
  std::string text = Render(operand.pieces);
  if (operand.final) {
    if (!text.empty() && text.front() == '~') text.front() = '-';
    if (text.find_first_of("Ee") != std::string::npos) throw ConvertError(NumberKind::Float, text);
  } else {
    std::replace(text.begin(), text.end(), '~', '-');
  }
  return ParseFloat(text);
}

Extended FormulaPlan::Read(const Operand& operand) const {
  switch (operand.kind) {
    case Operand::Kind::Const:
      return operand.constant;
    case Operand::Kind::X:
      return x_;
    case Operand::Kind::NegX:
      return -x_;
    case Operand::Kind::Value:
      return values_[static_cast<std::size_t>(operand.value)];
    case Operand::Kind::NegValue: {
      // A sign before a negative result makes two signs, which no reading takes.
      const Extended value = values_[static_cast<std::size_t>(operand.value)];
      if (!(value < 0)) return -value;
      return ReadText(operand);
    }
    case Operand::Kind::Text:
      return ReadText(operand);
    case Operand::Kind::Fail:
      break;
  }
  std::rethrow_exception(operand.error);
}

bool FormulaPlan::SureToFail(bool negative) const {
  if (reference_) return false;
  const Program& program = negative ? negative_ : nonNegative_;
  if (!program.complete) return true;
  if (program.result.kind != Operand::Kind::Text) return false;
  // A letter, an operator or a bracket left over is never read as a number.
  for (const Piece& piece : program.result.pieces) {
    if (piece.kind != Piece::Kind::Literal) continue;
    for (const char c : piece.literal) {
      const auto u = static_cast<unsigned char>(c);
      if (u >= 0x80 || std::isalpha(u) ||
          std::string_view("()^&\\*/|").find(c) != std::string_view::npos)
        return true;
    }
  }
  return false;
}

Extended FormulaPlan::Evaluate(Extended x) {
  if (reference_)
    return ParseFloat(
        EvaluateFormula(SubstituteDigits(prepared_, x < 0, PlainNumberText(std::fabs(x)))));
  rawX_ = std::fabs(x);
  x_ = RoundGeneral15(rawX_);
  const Program& program = x < 0 ? negative_ : nonNegative_;
  for (std::size_t i = 0; i < program.steps.size(); ++i) {
    const Step& step = program.steps[i];
    Extended value;
    if (step.function) {
      value = ComputeFunction(step.call, Read(step.left));
    } else {
      const Extended left = Read(step.left);
      const Extended right = Read(step.right);
      value = ComputeOperation(step.operation, left, right);
    }
    value = RoundGeneral15(value);
    if (std::isinf(value)) ThrowOverflow();
    values_[i] = value;
  }
  return Read(program.result);
}

}  // namespace kalkora
