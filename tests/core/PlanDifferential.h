// The rewriter and the compiled plan on the same formula and x, for the differential test and
// the fuzz target: same value to the bit or the same error.
#pragma once

#include <cstring>
#include <optional>
#include <random>
#include <string>
#include <string_view>

#include "common/Errors.h"
#include "graphs/FormulaPlan.h"
#include "graphs/GraphFormula.h"
#include "graphs/Plot.h"
#include "graphs/Qrafik.h"
#include "numtext/NumText.h"

namespace kalkora::plancheck {

struct Outcome {
  int kind = 0;  // 0 a value, 1 ConvertError, 2 FloatError, 3 FormulaError
  Extended value = 0;
  std::string message;
  bool dropped = false;  // the rewriter wrote a result beyond 30 in its exponent as 0
};

template <typename F>
Outcome Catch(F&& f) {
  Outcome outcome;
  try {
    outcome.value = f(outcome);
  } catch (const ConvertError& e) {
    outcome.kind = 1;
    outcome.message = e.what();
  } catch (const FloatError& e) {
    outcome.kind = 2;
    outcome.message = e.what();
  } catch (const FormulaError& e) {
    outcome.kind = 3;
    outcome.message = e.what();
  }
  return outcome;
}

inline Outcome Reference(std::string_view formula, Extended x) {
  return Catch([&](Outcome& o) {
    return ParseFloat(EvaluateFormula(SubstituteX(PrepareFormula(formula), x), o.dropped));
  });
}

inline Outcome Planned(FormulaPlan& plan, Extended x) {
  return Catch([&](Outcome&) { return plan.Evaluate(x); });
}

// The graph page's formula, or nothing when it refused the text.
inline std::optional<GraphFormula> Graph(std::string_view formula) {
  try {
    return GraphFormula(formula);
  } catch (const FormulaError&) {
    return std::nullopt;
  }
}

inline Outcome Graphed(std::optional<GraphFormula>& graph, Extended x) {
  if (!graph) {
    Outcome refused;
    refused.kind = 3;
    return refused;
  }
  return Catch([&](Outcome&) { return graph->Evaluate(x); });
}

inline bool Paired(std::string_view formula) {
  long open = 0;
  for (const char c : formula) {
    open += c == '(' ? 1 : c == ')' ? -1 : 0;
    if (open < 0) return false;
  }
  return open == 0;
}

// Empty when the graph page's formula keeps what the plan gives: its value to the bit, a
// FormulaError for its arithmetic faults where the plan can read the formula at this sign of x
// at all, anything but another error elsewhere; and unpaired parentheses, which the rewriter
// reads as 0, are refused.
inline std::string GraphDifference(std::string_view formula, const FormulaPlan& plan, Extended x,
                                   const Outcome& planned, const Outcome& graphed) {
  if (!Paired(formula)) return graphed.kind == 3 ? "" : "unpaired parentheses not refused";
  if (graphed.kind == 1 || graphed.kind == 2) return "graph formula let out: " + graphed.message;
  if (planned.kind == 0 &&
      (graphed.kind != 0 || std::memcmp(&planned.value, &graphed.value, 10) != 0))
    return "plan " + FormatFixed(planned.value, 30, 20) + ", graph formula " +
           (graphed.kind == 0 ? FormatFixed(graphed.value, 30, 20) : graphed.message);
  if (planned.kind == 2 && !plan.SureToFail(x < 0) && graphed.kind != 3)
    return "graph formula gave a value for a fault";
  return {};
}

// Empty when the two agree (or the rewriter dropped a result), else what differs.
inline std::string Difference(const Outcome& reference, const Outcome& planned) {
  if (reference.dropped) return {};
  if (reference.kind != planned.kind || reference.message != planned.message)
    return "rewriter: " + std::to_string(reference.kind) + " " + reference.message +
           ", plan: " + std::to_string(planned.kind) + " " + planned.message;
  if (reference.kind == 0 && std::memcmp(&reference.value, &planned.value, 10) != 0)
    return "rewriter " + FormatFixed(reference.value, 30, 20) + ", plan " +
           FormatFixed(planned.value, 30, 20);
  return {};
}

// A random formula of the graph page's language, mostly well formed, sometimes not.
class FormulaMaker {
 public:
  explicit FormulaMaker(std::uint64_t seed) : random_(seed) {}

  std::string Make() {
    std::string out;
    Expression(out, 0);
    // Now and then a character dropped, doubled or put in, as typing does.
    if (Pick(6) == 0 && !out.empty()) {
      const std::size_t at = Pick(out.size());
      static constexpr std::string_view kNoise = "()-+*/^&\\ ,~xXE0s";
      switch (Pick(3)) {
        case 0:
          out.erase(at, 1);
          break;
        case 1:
          out.insert(at, 1, out[at]);
          break;
        default:
          out.insert(at, 1, kNoise[Pick(kNoise.size())]);
      }
    }
    return out;
  }

  Extended X() {
    static constexpr Extended kSpecial[] = {0,      1,  -1,    2,      -2,    0.5L,
                                            -0.5L,  3,  1e-7L, -1e-5L, 1e20L, -1e16L,
                                            1e-40L, 10, 1.5L,  2000,   -2000};
    switch (Pick(4)) {
      case 0:
        return kSpecial[Pick(std::size(kSpecial))];
      case 1:
        return static_cast<Extended>(static_cast<int>(Pick(2001)) - 1000) / 100;
      case 2:
        return std::uniform_real_distribution<double>(-1e6, 1e6)(random_);
      default:
        return std::ldexp(std::uniform_real_distribution<double>(-1, 1)(random_),
                          static_cast<int>(Pick(200)) - 100);
    }
  }

 private:
  std::size_t Pick(std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_);
  }

  void Number(std::string& out) {
    static constexpr std::string_view kNumbers[] = {
        "0", "1", "2", "3", "4", "10", "0,5", ",5", "1,5", "100", "7", "1000000", "12,25", "9"};
    out += kNumbers[Pick(std::size(kNumbers))];
  }

  void Operand(std::string& out, int depth) {
    switch (depth > 4 ? Pick(3) : Pick(12)) {
      case 0:
      case 1:
        out += Pick(6) == 0 ? 'X' : 'x';
        break;
      case 2:
        Number(out);
        break;
      case 3:
      case 4:
        out += '(';
        Expression(out, depth + 1);
        out += ')';
        break;
      case 5: {
        static constexpr std::string_view kNames[] = {"sin ", "cos ",  "tan ", "ctg ",
                                                      "log ", "sinh ", "cosh "};
        out += kNames[Pick(std::size(kNames))];
        Operand(out, depth + 1);
        break;
      }
      case 6:
        out += '-';
        Operand(out, depth + 1);
        break;
      case 7:
        Number(out);
        Operand(out, depth + 1);  // an implicit product
        break;
      case 8:
        Number(out);
        out += "E";
        Number(out);
        break;
      default:
        out += "x^";
        out += "0123410"[Pick(7)];
    }
  }

  void Expression(std::string& out, int depth) {
    Operand(out, depth);
    const std::size_t more = depth > 3 ? Pick(2) : Pick(4);
    for (std::size_t i = 0; i < more; ++i) {
      static constexpr std::string_view kOperators = "^&\\*/+-^*+-";
      out += kOperators[Pick(kOperators.size())];
      Operand(out, depth + 1);
    }
  }

  std::mt19937_64 random_;
};

}  // namespace kalkora::plancheck
