#include "steps/Working.h"

#include <cstdint>

namespace kalkora {

const char* const kNothingSolvedYet =
    "Пока нечего показать: на этой странице ещё ничего не решено.";
const char* const kOutdatedWorking =
    "Данные изменены после этого решения: ход решения и результаты относятся к прежним данным.";

namespace {

// The message as it reads after a colon: a sentence's capital first letter, Latin or Cyrillic
// (А-Я, Ё in UTF-8), made small; a word in capitals such as "НОД" or "PDF" is left as it is.
std::string AfterColon(std::string text) {
  const auto capital = [&text](std::size_t i) -> int {
    if (i >= text.size()) return 0;
    const auto c = static_cast<unsigned char>(text[i]);
    if (c >= 'A' && c <= 'Z') return 1;
    if (i + 1 >= text.size()) return 0;
    const auto d = static_cast<unsigned char>(text[i + 1]);
    return (c == 0xD0 && ((d >= 0x90 && d <= 0xAF) || d == 0x81)) ? 2 : 0;
  };
  const int first = capital(0);
  if (first == 0 || capital(static_cast<std::size_t>(first)) != 0) return text;
  if (first == 1) {
    text[0] = static_cast<char>(text[0] - 'A' + 'a');
    return text;
  }
  const auto d = static_cast<unsigned char>(text[1]);
  if (d == 0x81) {  // Ё U+0401 → ё U+0451
    text[0] = static_cast<char>(0xD1);
    text[1] = static_cast<char>(0x91);
  } else if (d <= 0x9F) {  // А..П U+0410..041F → а..п U+0430..043F
    text[1] = static_cast<char>(d + 0x20);
  } else {  // Р..Я U+0420..042F → р..я U+0440..044F
    text[0] = static_cast<char>(0xD1);
    text[1] = static_cast<char>(d - 0x20);
  }
  return text;
}

}  // namespace

std::string FailureSentence(const std::string& message) {
  return "Последнее решение не удалось: " + AfterColon(message);
}

Formula& Formula::operator<<(const std::string& text) {
  if (text.empty()) return *this;
  // Neighbouring texts become one, so the plain text and the layout see whole words.
  if (!nodes_.empty() && nodes_.back().kind == FormulaNode::Kind::Text) {
    nodes_.back().text += text;
  } else {
    nodes_.push_back({FormulaNode::Kind::Text, text, {}, 0});
  }
  return *this;
}

Formula& Formula::operator<<(const FormulaNode& node) {
  if (node.kind == FormulaNode::Kind::Text) return *this << node.text;
  nodes_.push_back(node);
  return *this;
}

Formula& Formula::operator<<(const Formula& formula) {
  for (const FormulaNode& node : formula.nodes_)
    *this << node;
  return *this;
}

FormulaNode Var(const std::string& name) {
  return {FormulaNode::Kind::Variable, name, {}, 0};
}
FormulaNode Frac(const Formula& numerator, const Formula& denominator) {
  return {FormulaNode::Kind::Fraction, {}, {numerator, denominator}, 0};
}
FormulaNode Sqrt(const Formula& radicand) {
  return {FormulaNode::Kind::Root, {}, {radicand}, 0};
}
FormulaNode Sup(const Formula& exponent) {
  return {FormulaNode::Kind::Superscript, {}, {exponent}, 0};
}
FormulaNode Sub(const Formula& index) {
  return {FormulaNode::Kind::Subscript, {}, {index}, 0};
}

FormulaNode Det(const std::vector<std::vector<Formula>>& rows) {
  FormulaNode node{FormulaNode::Kind::Determinant, {}, {}, 0};
  node.columns = rows.empty() ? 0 : static_cast<int>(rows.front().size());
  for (const auto& row : rows)
    node.parts.insert(node.parts.end(), row.begin(), row.end());
  return node;
}

FormulaNode Table(const std::vector<std::vector<Formula>>& rows, const std::string& plain) {
  FormulaNode node = Det(rows);
  node.kind = FormulaNode::Kind::Table;
  node.text = plain;
  return node;
}

FormulaNode System(const std::vector<Formula>& equations) {
  return {FormulaNode::Kind::System, {}, equations, 0};
}
FormulaNode Scripts(const Formula& index, const Formula& exponent) {
  return {FormulaNode::Kind::Scripts, {}, {index, exponent}, 0};
}

Formula Indexed(const std::string& name, const std::string& index) {
  return Formula() << Var(name) << Sub(index);
}

std::string Operand(const std::string& number) {
  const bool negative = number.starts_with('-') || number.starts_with("−");
  return negative ? "(" + number + ")" : number;
}

Working& Working::Heading(const Formula& text) {
  lines.push_back({WorkingLine::Kind::Heading, text});
  return *this;
}
Working& Working::Prose(const Formula& text) {
  lines.push_back({WorkingLine::Kind::Prose, text});
  return *this;
}
Working& Working::Math(const Formula& formula) {
  lines.push_back({WorkingLine::Kind::Formula, formula});
  return *this;
}

Working& Working::Answer(const Formula& answer) {
  return Prose(Formula() << "Ответ: " << answer);
}

Working& Working::Append(const Working& other) {
  if (other.state == State::Failed) {
    Heading(other.title).Prose(FailureSentence(other.failure));
    lines.insert(lines.end(), other.lines.begin(), other.lines.end());
    return *this;
  }
  if (other.state != State::Solved) return *this;
  if (!other.title.empty()) Heading(other.title);
  lines.insert(lines.end(), other.lines.begin(), other.lines.end());
  return *this;
}

Working SolvedWorking(const std::string& title) {
  Working working;
  working.state = Working::State::Solved;
  working.title = title;
  return working;
}

Working FailedWorking(const std::string& title, const std::string& message) {
  Working working;
  working.state = Working::State::Failed;
  working.title = title;
  working.failure = message;
  return working;
}

namespace {

// The code points of UTF-8 text that this program wrote itself.
std::u32string Decode(const std::string& text) {
  std::u32string out;
  for (size_t i = 0; i < text.size();) {
    const auto byte = static_cast<unsigned char>(text[i]);
    const int length = byte < 0x80 ? 1 : byte < 0xE0 ? 2 : byte < 0xF0 ? 3 : 4;
    char32_t code = length == 1   ? byte
                    : length == 2 ? byte & 0x1F
                    : length == 3 ? byte & 0x0F
                                  : byte & 0x07;
    for (int k = 1; k < length && i + k < text.size(); ++k) {
      code = (code << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    }
    out.push_back(code);
    i += length;
  }
  return out;
}

void Encode(char32_t code, std::string& out) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// The raised or lowered form of a character, or 0 when Unicode has none.
char32_t Raised(char32_t c) {
  static const char32_t kDigits[] = {0x2070, 0xB9,   0xB2,   0xB3,   0x2074,
                                     0x2075, 0x2076, 0x2077, 0x2078, 0x2079};
  if (c >= '0' && c <= '9') return kDigits[c - '0'];
  switch (c) {
    case '-':
    case U'−':
      return U'⁻';
    case '+':
      return U'⁺';
    case '(':
      return U'⁽';
    case ')':
      return U'⁾';
    case 'n':
      return U'ⁿ';
    case 'k':
      return U'ᵏ';
    default:
      return 0;
  }
}

char32_t Lowered(char32_t c) {
  if (c >= '0' && c <= '9') return U'₀' + (c - '0');
  switch (c) {
    case '-':
    case U'−':
      return U'₋';
    case '+':
      return U'₊';
    case '(':
      return U'₍';
    case ')':
      return U'₎';
    case 'a':
      return U'ₐ';
    case 'e':
      return U'ₑ';
    case 'k':
      return U'ₖ';
    case 'n':
      return U'ₙ';
    case 'x':
      return U'ₓ';
    default:
      return 0;
  }
}

// The script as Unicode raised or lowered characters, or empty when one of them has no such form.
std::string Script(const std::string& text, char32_t (*form)(char32_t)) {
  std::string out;
  for (char32_t c : Decode(text)) {
    const char32_t shifted = form(c);
    if (shifted == 0) return {};
    Encode(shifted, out);
  }
  return out;
}

// A part that reads as one operand needs no brackets around it: no space and no sign inside.
bool IsAtom(const std::string& text) {
  const std::u32string codes = Decode(text);
  for (size_t i = 0; i < codes.size(); ++i) {
    const char32_t c = codes[i];
    if (c == ' ' || c == '+' || c == U'−' || c == U'·' || c == '/' || c == ':' || c == '=' ||
        (c == '-' && i > 0)) {
      return false;
    }
  }
  return !codes.empty();
}

std::string Bracketed(const std::string& text) {
  return IsAtom(text) ? text : "(" + text + ")";
}

std::string ScriptText(const Formula& script, bool up) {
  const std::string text = PlainText(script);
  const std::string shifted = Script(text, up ? Raised : Lowered);
  if (!shifted.empty()) return shifted;
  // Appended, not added to a literal: GCC 12 warns of a false overlap in the latter.
  std::string out = up ? "^" : "_";
  out += Bracketed(text);
  return out;
}

}  // namespace

std::string PlainText(const Formula& formula) {
  std::string out;
  for (const FormulaNode& node : formula.nodes()) {
    switch (node.kind) {
      case FormulaNode::Kind::Text:
      case FormulaNode::Kind::Variable:
        out += node.text;
        break;
      case FormulaNode::Kind::Fraction:
        out += Bracketed(PlainText(node.parts[0])) + "/" + Bracketed(PlainText(node.parts[1]));
        break;
      case FormulaNode::Kind::Root:
        out += "√";
        out += Bracketed(PlainText(node.parts[0]));
        break;
      case FormulaNode::Kind::Superscript:
        out += ScriptText(node.parts[0], true);
        break;
      case FormulaNode::Kind::Subscript:
        out += ScriptText(node.parts[0], false);
        break;
      case FormulaNode::Kind::Scripts:
        out += ScriptText(node.parts[0], false) + ScriptText(node.parts[1], true);
        break;
      case FormulaNode::Kind::System: {
        // The brace's pieces: ⎧ … ⎩ around ⎨ for the middle rows, { for a single equation.
        const size_t n = node.parts.size();
        for (size_t i = 0; i < n; ++i) {
          if (i > 0) out += "\n";
          out += n == 1 ? "{ " : i == 0 ? "⎧ " : i + 1 == n ? "⎩ " : "⎨ ";
          out += PlainText(node.parts[i]);
        }
        break;
      }
      case FormulaNode::Kind::Determinant: {
        out += "|";
        for (size_t i = 0; i < node.parts.size(); ++i) {
          if (i > 0) out += node.columns > 0 && i % node.columns == 0 ? "; " : " ";
          out += PlainText(node.parts[i]);
        }
        out += "|";
        break;
      }
      case FormulaNode::Kind::Table:
        out += node.text;
        break;
    }
  }
  return out;
}

std::vector<WorkingLine> PresentedLines(const Working& working, const std::string& title) {
  std::vector<WorkingLine> lines;
  const std::string& heading = working.title.empty() ? title : working.title;
  if (!heading.empty()) lines.push_back({WorkingLine::Kind::Heading, heading});
  if (working.state == Working::State::Empty) {
    lines.push_back({WorkingLine::Kind::Prose, kNothingSolvedYet});
  } else if (working.state == Working::State::Failed) {
    lines.push_back({WorkingLine::Kind::Prose, FailureSentence(working.failure)});
    // A failure may say why in lines of its own.
    lines.insert(lines.end(), working.lines.begin(), working.lines.end());
  } else {
    if (working.outdated) lines.push_back({WorkingLine::Kind::Prose, kOutdatedWorking});
    lines.insert(lines.end(), working.lines.begin(), working.lines.end());
  }
  return lines;
}

std::string PlainText(const std::vector<WorkingLine>& lines) {
  std::string out;
  for (const WorkingLine& line : lines) {
    if (line.kind == WorkingLine::Kind::Heading && !out.empty()) out += "\n";
    // A table is not indented: its rows go into a spreadsheet cell for cell.
    const bool table = line.formula.nodes().size() == 1 &&
                       line.formula.nodes().front().kind == FormulaNode::Kind::Table;
    const std::string indent = line.kind == WorkingLine::Kind::Formula && !table ? "  " : "";
    // A system's further equations are indented like its first.
    std::string text = PlainText(line.formula);
    for (size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 1))
      text.insert(at + 1, indent);
    out += indent + text + "\n";
  }
  return out;
}

std::string PlainText(const Working& working) {
  return PlainText(PresentedLines(working, {}));
}

}  // namespace kalkora
