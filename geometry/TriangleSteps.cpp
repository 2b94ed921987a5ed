#include "geometry/TriangleSteps.h"

#include <array>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "exact/Exact.h"
#include "steps/SchoolNotation.h"

namespace kalkora {

namespace {

const char* const kTitle = "Треугольник по трём сторонам";
constexpr int kDecimals = 2;  // as many as the page writes

const std::array<const char*, 3> kSide = {"AB", "BC", "AC"};
// The two other sides of each side, in the order the formulas take them.
constexpr std::size_t kOthers[3][2] = {{1, 2}, {0, 2}, {0, 1}};

// An exact form of more digits than this helps no reader (sides of 10⁴⁹³² beside 10⁻⁴⁹⁵⁰ give
// ten thousand), nor is it worth the time to simplify: such a value is written rounded.
constexpr std::size_t kLongestExact = 40;

bool Long(const Rational& x) {
  return mpz_sizeinbase(x.get_num_mpz_t(), 10) + mpz_sizeinbase(x.get_den_mpz_t(), 10) >
         kLongestExact;
}

bool Long(const Surd& x) {
  return Long(x.A()) || Long(x.B()) || Long(x.R());
}

Formula Rounded(const Surd& x) {
  return SchoolNumber(FormatGeneral15(x));
}

// A number in a substitution: a typed decimal as it is, else exact, else rounded.
Formula Number(const Rational& x) {
  if (IsShortDecimal(x) || !Long(x)) return DecimalForm(x);
  return Rounded(x);
}

Formula Number(const Surd& x) {
  if (x.IsRational()) return Number(x.ToRational());
  return Long(x) ? Rounded(x) : ExactForm(x);
}

// " = 24/5 = 4,8", " = √73/2 ≈ 4,27": what a formula comes to, exact and then in decimals.
Formula Equals(const Surd& x) {
  if (!Long(x)) return Formula() << " = " << ExactThenDecimal(x, kDecimals);
  if (x.IsRational() && IsShortDecimal(x.ToRational())) {
    return Formula() << " = " << DecimalForm(x.ToRational());
  }
  return Formula() << " ≈ " << Rounded(x);
}

// The sides as typed, ready to be copied into the formulas.
struct Sides {
  std::array<Rational, 3> value;
  std::array<Formula, 3> written;
  Formula sum;  // "3 + 4 + 5"
};

Sides Read(const Rational& AB, const Rational& BC, const Rational& AC) {
  Sides s{{AB, BC, AC}, {}, {}};
  for (std::size_t i = 0; i < 3; ++i)
    s.written[i] = Number(s.value[i]);
  s.sum << s.written[0] << " + " << s.written[1] << " + " << s.written[2];
  return s;
}

// A number raised to a power needs brackets when it is a fraction or a power of ten.
Formula Squared(const Formula& operand) {
  const std::vector<FormulaNode>& nodes = operand.nodes();
  const bool single = nodes.size() == 1 && nodes[0].kind == FormulaNode::Kind::Text &&
                      nodes[0].text.find("·") == std::string::npos;
  Formula out;
  if (single) {
    out << operand;
  } else {
    out << "(" << operand << ")";
  }
  return out << Sup("2");
}

// The segment as its field is captioned: AH₁ from A, BH₂ from B, CH₃ from C.
Formula Segment(std::size_t vertex, const char* foot) {
  return Formula() << kVertex[vertex] << foot << Sub(std::to_string(vertex + 1));
}

// The textbook's name of the same segment: hₐ, m_b, l_c, the letter of the vertex below.
Formula Named(const char* letter, std::size_t vertex) {
  static const char* const kLetters[] = {"a", "b", "c"};
  return Formula() << Var(letter) << Sub(Var(kLetters[vertex]));
}

Formula Opening(const Sides& s) {
  return Formula() << "AB = " << s.written[0] << ", BC = " << s.written[1]
                   << ", AC = " << s.written[2];
}

// "S = 6,00" or "AM₁ ≈ 3,61": a value as the page writes it.
Formula Shown(const Formula& name, const Surd& value) {
  const std::string text = FormatFixed(value, 4, kDecimals);
  return Formula() << name << EqualsShown(value, text) << SchoolNumber(text);
}

}  // namespace

Working TriangleSteps(const Rational& AB, const Rational& BC, const Rational& AC,
                      const TriangleSolution& solution) {
  const Sides s = Read(AB, BC, AC);
  const auto& n = s.written;
  Working working = SolvedWorking(kTitle);
  working.Math(Opening(s));

  working.Heading("Проверка сторон");
  // The page's test: no side longer than the other two together.
  std::size_t degenerate = 3;
  std::array<Formula, 3> comparisons;
  for (std::size_t i = 0; i < 3; ++i) {
    const auto [y, z] = kOthers[i];
    const bool equal = s.value[i] == s.value[y] + s.value[z];
    if (equal && degenerate == 3) degenerate = i;
    comparisons[i] = Formula() << n[i] << (equal ? " = " : " < ") << n[y] << " + " << n[z];
  }
  working.Prose(degenerate < 3 ? "Ни одна сторона не больше суммы двух других:"
                               : "Каждая сторона меньше суммы двух других, значит, треугольник "
                                 "существует:");
  for (const Formula& comparison : comparisons)
    working.Math(comparison);
  if (degenerate < 3) {
    working.Prose(std::string("Сторона ") + kSide[degenerate] +
                  " равна сумме двух других: треугольник вырожденный, его вершины лежат на "
                  "одной прямой, площадь и высоты равны нулю.");
  }

  const Rational p = HalfPerimeter(AB, BC, AC);
  const Formula pn = Number(p);
  const FormulaNode pVar = Var("p");
  const FormulaNode S = Var("S");
  working.Heading("Площадь по формуле Герона");
  working.Math(Formula() << pVar << " = " << Frac("AB + BC + AC", "2") << " = " << Frac(s.sum, "2")
                         << " = " << pn);
  Formula product;
  product << pn;
  for (std::size_t i = 0; i < 3; ++i)
    product << "·(" << pn << " − " << n[i] << ")";
  const Rational squared = p * (p - AB) * (p - BC) * (p - AC);
  working.Math(Formula() << S << " = "
                         << Sqrt(Formula() << pVar << "(" << pVar << " − AB)(" << pVar << " − BC)("
                                           << pVar << " − AC)")
                         << " = " << Sqrt(product) << " = " << Sqrt(Number(squared))
                         << Equals(solution.S));

  const Rational P = solution.P;
  working.Heading("Периметр");
  working.Math(Formula() << Var("P") << " = AB + BC + AC = " << s.sum << " = " << Number(P));

  working.Heading("Высоты");
  for (std::size_t v = 0; v < 3; ++v) {
    const std::size_t x = kOppositeSide[v];
    working.Math(Formula() << Segment(v, "H") << " = " << Named("h", v) << " = "
                           << Frac(Formula() << "2" << S, kSide[x]) << " = "
                           << Frac(Formula() << "2·" << Number(solution.S), n[x])
                           << Equals(solution.heights[v]));
  }

  working.Heading("Медианы");
  for (std::size_t v = 0; v < 3; ++v) {
    const std::size_t x = kOppositeSide[v];
    const auto [y, z] = kOthers[x];
    working.Math(Formula() << Segment(v, "M") << " = " << Named("m", v) << " = ½"
                           << Sqrt(Formula() << "2" << Squared(kSide[y]) << " + 2"
                                             << Squared(kSide[z]) << " − " << Squared(kSide[x]))
                           << " = ½"
                           << Sqrt(Formula() << "2·" << Squared(n[y]) << " + 2·" << Squared(n[z])
                                             << " − " << Squared(n[x]))
                           << Equals(solution.medians[v]));
  }

  working.Heading("Биссектрисы");
  for (std::size_t v = 0; v < 3; ++v) {
    const std::size_t x = kOppositeSide[v];
    const auto [y, z] = kOthers[x];
    const std::string pair = std::string(kSide[y]) + " + " + kSide[z];
    const Formula pairText = Formula() << n[y] << " + " << n[z];
    working.Math(Formula() << Segment(v, "T") << " = " << Named("l", v) << " = "
                           << Frac(Sqrt(std::string(kSide[y]) + "·" + kSide[z] +
                                        "·(AB + BC + AC)·(" + pair + " − " + kSide[x] + ")"),
                                   pair)
                           << " = "
                           << Frac(Sqrt(Formula() << n[y] << "·" << n[z] << "·(" << s.sum << ")·("
                                                  << pairText << " − " << n[x] << ")"),
                                   pairText)
                           << Equals(solution.bisectors[v]));
  }

  // The fields of the page, in their order.
  Formula answer;
  answer << Shown(S, solution.S) << "; " << Shown(Var("P"), P);
  const std::pair<const char*, const std::array<Surd, 3>*> groups[] = {
      {"H", &solution.heights}, {"M", &solution.medians}, {"T", &solution.bisectors}};
  for (const auto& [foot, values] : groups) {
    for (std::size_t v = 0; v < 3; ++v)
      answer << "; " << Shown(Segment(v, foot), (*values)[v]);
  }
  working.Answer(answer);
  return working;
}

Working AbsentTriangleSteps(const Rational& AB, const Rational& BC, const Rational& AC,
                            const std::string& message) {
  const Sides s = Read(AB, BC, AC);
  Working working = FailedWorking(kTitle, message);
  working.Math(Opening(s));
  working.Heading("Проверка сторон");
  for (std::size_t i = 0; i < 3; ++i) {
    if (sgn(s.value[i]) < 0) {
      working.Prose(Formula() << "Длина стороны не бывает отрицательной, а " << kSide[i] << " = "
                              << s.written[i] << ".");
    }
  }
  // The first side the page's test finds longer than the other two together.
  for (std::size_t i = 0; i < 3; ++i) {
    const auto [y, z] = kOthers[i];
    if (s.value[i] <= s.value[y] + s.value[z]) continue;
    working.Prose(std::string("Сторона ") + kSide[i] + " больше суммы двух других:");
    working.Math(Formula() << kSide[i] << " > " << kSide[y] << " + " << kSide[z] << ", "
                           << s.written[i] << " > " << s.written[y] << " + " << s.written[z]);
    break;
  }
  working.Prose("А в треугольнике каждая сторона меньше суммы двух других.");
  working.Answer("треугольника с такими сторонами не существует");
  return working;
}

}  // namespace kalkora
