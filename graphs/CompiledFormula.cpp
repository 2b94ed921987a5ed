#include "graphs/CompiledFormula.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

#include "numtext/NumText.h"
#include "steps/SchoolNotation.h"

namespace kalkora {
namespace {

using Code = CompiledFormula::Code;
using Instruction = CompiledFormula::Instruction;

// Deeper nesting than this is refused rather than parsed by ever deeper recursion.
constexpr int kDeepest = 200;

[[noreturn]] void Refuse(const std::string& what) {
  throw FormulaError("Не понимаю формулу: " + what);
}

std::string At(std::size_t position) {
  return " (символ " + std::to_string(position) + ")";
}

struct Token {
  enum class Kind : std::uint8_t {
    Number,
    X,
    Constant,
    Function,
    Operator,
    Open,
    Close,
    Bar,
    End
  } kind = Kind::End;
  bool spaced = false;  // spaces before it
  char op = 0;          // an operator's character: ^ & \ * / + -
  Code code = Code::Constant;
  std::uint8_t which = 0;
  Extended value = 0;
  std::size_t position = 0;  // its first character, from 1
  std::string text;          // as typed, for messages
};
using Kind = Token::Kind;

struct Name {
  std::string_view name;
  Kind kind;
  Code code;
  std::uint8_t which;
};

constexpr std::uint8_t F(FormulaFunction f) {
  return static_cast<std::uint8_t>(f);
}

// Longest names first where one begins another, so that "sinh" is not read as "sin" "h".
constexpr Name kNames[] = {
    {"arcsin", Kind::Function, Code::Arcsin, 0},
    {"arccos", Kind::Function, Code::Arccos, 0},
    {"arctan", Kind::Function, Code::Arctg, 0},
    {"arctg", Kind::Function, Code::Arctg, 0},
    {"sinh", Kind::Function, Code::Function, F(FormulaFunction::Sinh)},
    {"cosh", Kind::Function, Code::Function, F(FormulaFunction::Cosh)},
    {"sqrt", Kind::Function, Code::Sqrt, 0},
    {"sin", Kind::Function, Code::Function, F(FormulaFunction::Sin)},
    {"cos", Kind::Function, Code::Function, F(FormulaFunction::Cos)},
    {"tan", Kind::Function, Code::Function, F(FormulaFunction::Tan)},
    {"ctg", Kind::Function, Code::Function, F(FormulaFunction::Ctg)},
    {"log", Kind::Function, Code::Function, F(FormulaFunction::Log)},
    {"exp", Kind::Function, Code::Exp, 0},
    {"abs", Kind::Function, Code::Abs, 0},
    {"tg", Kind::Function, Code::Function, F(FormulaFunction::Tan)},
    {"lg", Kind::Function, Code::Function, F(FormulaFunction::Log)},
    {"ln", Kind::Function, Code::Ln, 0},
    {"pi", Kind::Constant, Code::Constant, 0},
    {"e", Kind::Constant, Code::Constant, 1},
    {"x", Kind::X, Code::X, 0},
    {"X", Kind::X, Code::X, 0},
};

// Constants to the full precision of the arithmetic: 2pi then rounds to 6,28318530717959 and
// e^x agrees with exp x, as they would not with 15-digit constants.
Extended ConstantValue(std::uint8_t which) {
  return which == 0 ? std::numbers::pi_v<long double> : std::numbers::e_v<long double>;
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// One UTF-8 character at i: its code point and length; an invalid byte is U+FFFD of length 1.
char32_t Decode(std::string_view s, std::size_t i, std::size_t& length) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char lead = byte(i);
  length = 1;
  if (lead < 0x80) return lead;
  std::size_t n = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
  if (n == 0 || i + n > s.size()) return 0xFFFD;
  char32_t cp = lead & (0x7F >> n);
  for (std::size_t k = 1; k < n; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return 0xFFFD;
    cp = (cp << 6) | (byte(i + k) & 0x3F);
  }
  length = n;
  return cp;
}

// A superscript digit's value, -2 for the superscript minus, -1 for anything else.
int Superscript(char32_t c) {
  switch (c) {
    case 0x2070:
      return 0;
    case 0x00B9:
      return 1;
    case 0x00B2:
      return 2;
    case 0x00B3:
      return 3;
    case 0x207B:
      return -2;
    default:
      return c >= 0x2074 && c <= 0x2079 ? static_cast<int>(c - 0x2070) : -1;
  }
}

class Lexer {
 public:
  explicit Lexer(std::string_view s) : s_(s) {}

  std::vector<Token> Run() {
    while (i_ < s_.size()) {
      const char c = s_[i_];
      if (c == ' ' || c == '\t') {
        spaced_ = true;
        Skip(1);
      } else if (IsDigit(c) || c == ',') {
        NumberToken();
      } else if (IsLetter(c)) {
        Names();
      } else if (static_cast<unsigned char>(c) >= 0x80) {
        Wide();
      } else {
        Sign(c);
      }
    }
    Token end;
    end.position = position_;
    end.spaced = spaced_;
    tokens_.push_back(end);
    return std::move(tokens_);
  }

 private:
  void Skip(std::size_t bytes) {
    i_ += bytes;
    ++position_;
  }

  Token& Put(Kind kind, std::string text) {
    Token token;
    token.kind = kind;
    token.spaced = spaced_;
    token.position = position_;
    token.text = std::move(text);
    spaced_ = false;
    tokens_.push_back(std::move(token));
    return tokens_.back();
  }

  void Operator(char op, std::string text) { Put(Kind::Operator, std::move(text)).op = op; }

  void NumberToken() {
    std::size_t j = i_;
    while (j < s_.size() && IsDigit(s_[j]))
      ++j;
    if (j < s_.size() && s_[j] == ',') {
      ++j;
      while (j < s_.size() && IsDigit(s_[j]))
        ++j;
    }
    const std::string_view text = s_.substr(i_, j - i_);
    if (text == ",") Refuse("лишняя запятая" + At(position_));
    if (j < s_.size() && s_[j] == '.')
      Refuse("дробную часть отделяют запятой" + At(position_ + (j - i_)));
    if (j + 1 < s_.size() && (s_[j] == 'E' || s_[j] == 'e')) {
      const std::size_t k = j + 1 + (s_[j + 1] == '-' || s_[j + 1] == '+');
      if (k < s_.size() && IsDigit(s_[k]))
        Refuse("число с порядком не принято, пишите 10^5" + At(position_ + (j - i_)));
    }
    Extended value = 0;
    try {
      std::string digits = text.front() == ',' ? "0" : "";  // appended: GCC 12 warns on "0" + s
      digits += text;
      value = ParseFloat(digits);
    } catch (const ConvertError&) {
      Refuse("слишком большое число" + At(position_));
    }
    Put(Kind::Number, std::string(text)).value = value;
    position_ += j - i_;
    i_ = j;
  }

  // A run of letters, read as the names it is made of: "sinx" is sin x, "pix" pi x.
  void Names() {
    std::size_t end = i_;
    while (end < s_.size() && IsLetter(s_[end]))
      ++end;
    std::vector<const Name*> names;
    for (std::size_t k = i_; k < end;) {
      const Name* found = nullptr;
      for (const Name& name : kNames) {
        if (s_.substr(k, std::min(name.name.size(), end - k)) == name.name) {
          found = &name;
          break;
        }
      }
      if (found == nullptr) {
        const std::string run(s_.substr(i_, end - i_));
        Refuse("неизвестное имя \"" + (run.size() > 20 ? run.substr(0, 20) + "…" : run) + "\"" +
               At(position_));
      }
      names.push_back(found);
      k += found->name.size();
    }
    for (const Name* name : names) {
      Token& token = Put(name->kind, std::string(name->name));
      token.code = name->code;
      token.which = name->which;
      if (name->kind == Kind::Constant) token.value = ConstantValue(name->which);
      position_ += name->name.size();
      i_ += name->name.size();
    }
  }

  void Wide() {
    std::size_t length = 0;
    const char32_t c = Decode(s_, i_, length);
    const std::string text(s_.substr(i_, length));
    if (c == 0x00A0) {
      spaced_ = true;
    } else if (c == 0x221A) {
      Token& token = Put(Kind::Function, text);
      token.code = Code::Sqrt;
    } else if (c == 0x03C0) {
      Put(Kind::Constant, text).value = ConstantValue(0);
    } else if (c == 0x2212) {
      Operator('-', text);
    } else if (c == 0x00B7 || c == 0x00D7) {
      Operator('*', text);
    } else if (Superscript(c) != -1) {
      Exponent();
      return;
    } else if (c == 0x0445 || c == 0x0425) {
      Refuse("русская буква \"" + text + "\": наберите латинскую x" + At(position_));
    } else if (c == 0xFFFD) {
      Refuse("недопустимый знак" + At(position_));
    } else {
      Refuse("знак \"" + text + "\" в формулах не используется" + At(position_));
    }
    Skip(length);
  }

  // x², x⁻¹, x¹⁰: a power written in superscript.
  void Exponent() {
    Operator('^', "^");
    std::string digits;
    std::size_t digitsAt = 0;
    for (;;) {
      std::size_t length = 0;
      const int value = i_ < s_.size() ? Superscript(Decode(s_, i_, length)) : -1;
      if (value >= 0) {
        if (digits.empty()) digitsAt = position_;
        digits += static_cast<char>('0' + value);
      } else if (value == -2 && digits.empty()) {
        Operator('-', std::string(s_.substr(i_, length)));
      } else {
        break;
      }
      Skip(length);
    }
    if (digits.empty()) return;  // the parser says what is missing
    Token token;
    token.kind = Kind::Number;
    token.position = digitsAt;
    token.text = digits;
    token.value = ParseFloat(digits.size() > 30 ? digits.substr(0, 30) : digits);
    tokens_.push_back(std::move(token));
  }

  void Sign(char c) {
    const std::string text(1, c);
    switch (c) {
      case '^':
      case '&':
      case '\\':
      case '*':
      case '/':
      case '+':
      case '-':
        Operator(c, text);
        break;
      case '(':
        Put(Kind::Open, text);
        break;
      case ')':
        Put(Kind::Close, text);
        break;
      case '|':
        Put(Kind::Bar, text);
        break;
      case '.':
        Refuse("дробную часть отделяют запятой" + At(position_));
      default:
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
          Refuse("недопустимый знак" + At(position_));
        Refuse("знак \"" + text + "\" в формулах не используется" + At(position_));
    }
    Skip(1);
  }

  std::string_view s_;
  std::size_t i_ = 0;
  std::size_t position_ = 1;
  bool spaced_ = false;
  std::vector<Token> tokens_;
};

// Recursive descent by the language's levels, loosest first: "+" "-"; "*" "/" and a product
// before a function; "&" "\" and implicit products; "^"; signs and functions; operands.
class Parser {
 public:
  Parser(const std::vector<Token>& tokens, std::vector<Instruction>& program)
      : t_(tokens), out_(program) {}

  std::size_t Run() {
    Sum();
    const Token& rest = Peek();
    if (rest.kind == Kind::Close) Refuse("лишняя закрывающая скобка" + At(rest.position));
    if (rest.kind != Kind::End) Refuse("лишний знак \"" + rest.text + "\"" + At(rest.position));
    return deepestStack_;
  }

 private:
  enum class Inside { Top, Parenthesis, Bars };

  const Token& Peek(std::size_t ahead = 0) const {
    return t_[std::min(at_ + ahead, t_.size() - 1)];
  }
  const Token& Take() { return t_[at_++]; }
  bool IsOperator(const Token& t, char a, char b = 0) const {
    return t.kind == Kind::Operator && (t.op == a || (b != 0 && t.op == b));
  }
  // sin(x): a name right before "(" takes the parentheses as its argument.
  bool CallForm() const {
    return Peek().kind == Kind::Function && Peek(1).kind == Kind::Open && !Peek(1).spaced;
  }

  void Emit(Code code, std::uint8_t which = 0, Extended constant = 0) {
    out_.push_back({code, which, constant});
    if (code == Code::Constant || code == Code::X) {
      ++stack_;
      deepestStack_ = std::max(deepestStack_, stack_);
    } else if (code == Code::Operation) {
      --stack_;
    }
  }
  void EmitOperation(FormulaOperation op) { Emit(Code::Operation, static_cast<std::uint8_t>(op)); }

  // One level deeper, at the token that opened it.
  void Deeper(const Token& opening) {
    if (++depth_ > kDeepest) Refuse("слишком глубокая вложенность" + At(opening.position));
  }

  void Sum() {
    Loose();
    while (IsOperator(Peek(), '+', '-')) {
      const char op = Take().op;
      Loose();
      EmitOperation(op == '+' ? FormulaOperation::Sum : FormulaOperation::Min);
    }
  }

  void Loose() {
    Tight();
    for (;;) {
      if (IsOperator(Peek(), '*', '/')) {
        const char op = Take().op;
        Tight();
        EmitOperation(op == '*' ? FormulaOperation::Umn : FormulaOperation::Del);
      } else if (Peek().kind == Kind::Function) {
        // 2sin x, x cos x: a product at this level, as "2sin x" has always been.
        Tight();
        EmitOperation(FormulaOperation::Umn);
      } else {
        return;
      }
    }
  }

  void Tight() {
    Power();
    for (;;) {
      const Token& next = Peek();
      if (IsOperator(next, '&', '\\')) {
        Take();
        Power();
        EmitOperation(next.op == '&' ? FormulaOperation::Umn : FormulaOperation::Drob);
      } else if (next.kind == Kind::X || next.kind == Kind::Constant || next.kind == Kind::Open ||
                 (next.kind == Kind::Bar && inside_ != Inside::Bars)) {
        Power();  // 2x, (x+1)(x-1), 2pi, x|x|
        EmitOperation(FormulaOperation::Umn);
      } else if (next.kind == Kind::Number) {
        Refuse("пропущен знак действия перед числом" + At(next.position));
      } else {
        return;
      }
    }
  }

  void Power() {
    Unary();
    while (IsOperator(Peek(), '^')) {
      Take();
      Unary();
      EmitOperation(FormulaOperation::Step);
    }
  }

  void Unary() {
    if (IsOperator(Peek(), '-', '+')) {
      const Token& sign = Take();
      Deeper(sign);
      Unary();
      --depth_;
      if (sign.op == '-') Emit(Code::Negate);
      return;
    }
    if (Peek().kind == Kind::Function && !CallForm()) {
      // sin x, sin 2x, sin x^2: the argument runs up to "*", "/", "+" or "-".
      const Token& name = Take();
      if (!StartsOperand(Peek()))
        Refuse("после \"" + name.text + "\" ожидается аргумент" + At(Peek().position));
      Deeper(name);
      Tight();
      --depth_;
      Emit(name.code, name.which);
      return;
    }
    Operand();
  }

  bool StartsOperand(const Token& t) const {
    switch (t.kind) {
      case Kind::Number:
      case Kind::X:
      case Kind::Constant:
      case Kind::Function:
      case Kind::Open:
      case Kind::Bar:
        return true;
      case Kind::Operator:
        return t.op == '-' || t.op == '+';
      default:
        return false;
    }
  }

  void Operand() {
    const Token& t = Peek();
    switch (t.kind) {
      case Kind::Number:
      case Kind::Constant:
        Take();
        Emit(Code::Constant, 0, t.value);
        return;
      case Kind::X:
        Take();
        Emit(Code::X);
        return;
      case Kind::Function: {  // the call form
        const Token& name = Take();
        Enclosed(Kind::Close);
        Emit(name.code, name.which);
        return;
      }
      case Kind::Open:
        Enclosed(Kind::Close);
        return;
      case Kind::Bar:
        Enclosed(Kind::Bar);
        Emit(Code::Abs);
        return;
      default:
        Missing();
    }
  }

  // (…) or |…|, from its opening token.
  void Enclosed(Kind closing) {
    const Token& open = Take();
    if (Peek().kind == Kind::Close && closing == Kind::Close)
      Refuse("пустые скобки" + At(open.position));
    const Inside outer = inside_;
    inside_ = closing == Kind::Close ? Inside::Parenthesis : Inside::Bars;
    Deeper(open);
    Sum();
    --depth_;
    inside_ = outer;
    const Token& end = Peek();
    if (end.kind == closing) {
      Take();
      return;
    }
    if (closing == Kind::Bar) {
      if (end.kind == Kind::Close)
        Refuse("скобка закрыта раньше модуля, открытого в символе " +
               std::to_string(open.position) + At(end.position));
      Refuse("модуль, открытый в символе " + std::to_string(open.position) + ", не закрыт");
    }
    Refuse("скобка, открытая в символе " + std::to_string(open.position) + ", не закрыта");
  }

  [[noreturn]] void Missing() const {
    const Token& t = Peek();
    if (at_ == 0 && t.kind == Kind::End) Refuse("она пуста");
    if (t.kind == Kind::Operator || t.kind == Kind::Close || t.kind == Kind::Bar)
      Refuse("перед \"" + t.text + "\" нет числа, x или скобки" + At(t.position));
    const Token& before = t_[at_ - 1];
    Refuse("после \"" + before.text + "\" ожидается число, x или скобка" + At(t.position));
  }

  const std::vector<Token>& t_;
  std::vector<Instruction>& out_;
  std::size_t at_ = 0;
  std::size_t stack_ = 0, deepestStack_ = 0;
  int depth_ = 0;
  Inside inside_ = Inside::Top;
};

// A result as the language carries it: 15 digits, and an infinity is an overflow.
Extended Carried(Extended value) {
  value = RoundGeneral15(value);
  if (std::isinf(value)) ThrowOverflow();
  return value;
}

}  // namespace

std::string FaultMessage(FormulaFault fault, Extended x) {
  std::string what;
  switch (fault) {
    case FormulaFault::DivisionByZero:
      what = "Деление на ноль";
      break;
    case FormulaFault::LogOfNonPositive:
      what = "Логарифм неположительного числа";
      break;
    case FormulaFault::RootOfNegative:
      what = "Корень из отрицательного числа";
      break;
    case FormulaFault::PowerOfNegative:
      what = "Дробная степень отрицательного числа";
      break;
    case FormulaFault::ArcOutOfRange:
      what = "Арксинус или арккосинус числа больше 1 по модулю";
      break;
    case FormulaFault::Overflow:
      what = "Слишком большое значение";
      break;
    case FormulaFault::Undefined:
      what = "Значение не определено";
      break;
  }
  return what + " при x = " + SchoolNumber(FormatGeneral15(x));
}

FormulaFault FaultOf(const FloatError& error) {
  const std::string_view message = error.what();
  if (message == kOverflowMessage) return FormulaFault::Overflow;
  if (message == kDivisionByZeroMessage) return FormulaFault::DivisionByZero;
  return FormulaFault::Undefined;
}

namespace {

// The fault of the instruction that failed: 0/0 is a division by zero too, and log 0 is a
// logarithm of a non-positive number, whichever arithmetic fault stands for it.
FormulaFault FaultAt(const FloatError& error, const Instruction& at) {
  const FormulaFault fault = FaultOf(error);
  if (fault == FormulaFault::Overflow) return fault;
  if (at.code == Code::Function && at.which == F(FormulaFunction::Log))
    return FormulaFault::LogOfNonPositive;
  if (at.code != Code::Operation) return fault;
  switch (static_cast<FormulaOperation>(at.which)) {
    case FormulaOperation::Del:
    case FormulaOperation::Drob:
      return FormulaFault::DivisionByZero;
    case FormulaOperation::Step:
      return fault == FormulaFault::DivisionByZero ? fault : FormulaFault::PowerOfNegative;
    default:
      return fault;
  }
}

}  // namespace

CompiledFormula::CompiledFormula(std::string_view formula) {
  const std::vector<Token> tokens = Lexer(formula).Run();
  stack_.resize(Parser(tokens, program_).Run());
}

Extended CompiledFormula::Evaluate(Extended x) const {
  // x as the language reads it: its 15-digit value.
  const Extended shownX = x < 0 ? -RoundGeneral15(-x) : RoundGeneral15(x);
  Extended* top = stack_.data();
  const Instruction* at = program_.data();
  try {
    for (; at != program_.data() + program_.size(); ++at) {
      switch (at->code) {
        case Code::Constant:
          *top++ = at->constant;
          break;
        case Code::X:
          *top++ = shownX;
          break;
        case Code::Negate:
          top[-1] = -top[-1];
          break;
        case Code::Operation: {
          --top;
          top[-1] =
              Carried(ComputeOperation(static_cast<FormulaOperation>(at->which), top[-1], top[0]));
          break;
        }
        case Code::Function:
          top[-1] = Carried(ComputeFunction(static_cast<FormulaFunction>(at->which), top[-1]));
          break;
        case Code::Sqrt:
          if (top[-1] < 0) throw FormulaError(FaultMessage(FormulaFault::RootOfNegative, x));
          top[-1] = Carried(Sqrt(top[-1]));
          break;
        case Code::Ln:
          if (!(top[-1] > 0)) throw FormulaError(FaultMessage(FormulaFault::LogOfNonPositive, x));
          top[-1] = Carried(Ln(top[-1]));
          break;
        case Code::Exp:
          top[-1] = Carried(Exp(top[-1]));
          break;
        case Code::Abs:
          top[-1] = std::fabs(top[-1]);
          break;
        case Code::Arcsin:
        case Code::Arccos:
          if (std::fabs(top[-1]) > 1)
            throw FormulaError(FaultMessage(FormulaFault::ArcOutOfRange, x));
          top[-1] = Carried(at->code == Code::Arcsin ? std::asin(top[-1]) : std::acos(top[-1]));
          break;
        case Code::Arctg:
          top[-1] = Carried(std::atan(top[-1]));
          break;
      }
    }
  } catch (const FloatError& error) {
    throw FormulaError(FaultMessage(FaultAt(error, *at), x));
  }
  return top[-1];
}

}  // namespace kalkora
