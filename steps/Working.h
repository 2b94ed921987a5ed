// The worked solution of a page: lines of prose and formulas in school notation, built by the
// plain step functions next to each computation and drawn by the window, or written as text.
#pragma once

#include <string>
#include <vector>

namespace kalkora {

class Formula;

// One piece of a formula. Text is set upright, a variable in italics; the other kinds hold
// their parts as formulas of their own.
struct FormulaNode {
  enum class Kind {
    Text,         // text
    Variable,     // text, in italics
    Fraction,     // parts: numerator, denominator
    Root,         // parts: radicand
    Superscript,  // parts: the exponent, raised after what comes before it
    Subscript,    // parts: the index, lowered after what comes before it
    Determinant,  // parts: the cells row by row, `columns` to a row, between vertical bars
    System,       // parts: the equations, one under another behind a brace
    Scripts,      // parts: the index and the exponent, one above the other, after what precedes
    Table,        // parts: the cells row by row, `columns` to a row, the first row a header;
                  // text: the same rows for a spreadsheet, tab-separated
  };
  Kind kind = Kind::Text;
  std::string text;
  std::vector<Formula> parts;
  int columns = 0;
};

// A row of nodes, built with <<: strings are upright text, formulas are spliced in.
class Formula {
 public:
  Formula() = default;
  Formula(const char* text) { *this << text; }         // NOLINT: a formula reads like its text
  Formula(const std::string& text) { *this << text; }  // NOLINT
  Formula(const FormulaNode& node) { *this << node; }  // NOLINT

  Formula& operator<<(const std::string& text);
  Formula& operator<<(const char* text) { return *this << std::string(text); }
  Formula& operator<<(const FormulaNode& node);
  Formula& operator<<(const Formula& formula);

  const std::vector<FormulaNode>& nodes() const { return nodes_; }
  bool empty() const { return nodes_.empty(); }

 private:
  std::vector<FormulaNode> nodes_;
};

// The node builders.
FormulaNode Var(const std::string& name);
FormulaNode Frac(const Formula& numerator, const Formula& denominator);
FormulaNode Sqrt(const Formula& radicand);
FormulaNode Sup(const Formula& exponent);
FormulaNode Sub(const Formula& index);
// A determinant of `rows` (each row the same length), drawn between vertical bars.
FormulaNode Det(const std::vector<std::vector<Formula>>& rows);
// A table of `rows` (each row the same length, the first the header), shown in columns;
// `plain` is what it copies as: its rows on lines of their own, the cells tab-separated.
FormulaNode Table(const std::vector<std::vector<Formula>>& rows, const std::string& plain);
// Equations under a brace, as a system is written.
FormulaNode System(const std::vector<Formula>& equations);
// An index with an exponent above it after what precedes: C with Scripts("5", "2") is C₅².
FormulaNode Scripts(const Formula& index, const Formula& exponent);
// A variable with an index: Indexed("x", "1") is x₁.
Formula Indexed(const std::string& name, const std::string& index);
// A number text as an operand: a negative number goes in brackets, so b² with b = -3 reads (-3)².
std::string Operand(const std::string& number);

struct WorkingLine {
  enum class Kind {
    Heading,  // a section's title
    Prose,    // a sentence
    Formula,  // a formula on a line of its own
  };
  Kind kind = Kind::Prose;
  Formula formula;
};

// A page's worked solution, or why there is none.
struct Working {
  enum class State {
    Empty,   // nothing solved yet
    Failed,  // the last solve failed; `failure` says why
    Solved,
  };
  State state = State::Empty;
  std::string title;      // what was solved
  std::string failure;    // the message the page showed
  bool outdated = false;  // the fields were edited after this solve
  std::vector<WorkingLine> lines;

  Working& Heading(const Formula& text);
  Working& Prose(const Formula& text);
  Working& Math(const Formula& formula);
  // The closing line "Ответ: …".
  Working& Answer(const Formula& answer);
  // Appends every line of `other` (its title becomes a heading).
  Working& Append(const Working& other);
};

// A solved working with this title.
Working SolvedWorking(const std::string& title);
// The working of a solve that failed with `message`.
Working FailedWorking(const std::string& title, const std::string& message);

// What a working shows under `title` (the working's own title when it has one): a heading, then
// its lines, or the sentence saying that nothing is solved yet or why the last solve failed.
std::vector<WorkingLine> PresentedLines(const Working& working, const std::string& title);

// Plain text: powers and indices of digits as Unicode superscripts and subscripts, fractions as
// a/b with brackets where needed, determinants as |a b; c d|; one line, but for a system, whose
// equations stand on lines of their own behind ⎧, ⎨ and ⎩.
std::string PlainText(const Formula& formula);
// The presented lines as plain text, one line per line, a blank line before each heading but the
// first; formulas are indented by two spaces.
std::string PlainText(const std::vector<WorkingLine>& lines);
// A working as plain text under its own title.
std::string PlainText(const Working& working);

// The sentence shown for a working that is empty or failed, and the empty page's title.
extern const char* const kNothingSolvedYet;
// The sentence that comes first in a working whose fields were edited after it was solved.
extern const char* const kOutdatedWorking;
std::string FailureSentence(const std::string& message);

}  // namespace kalkora
