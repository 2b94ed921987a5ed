#include "equations/QuadraticSteps.h"

#include <string>

#include "exact/Exact.h"
#include "steps/SchoolNotation.h"

namespace kalkora {

namespace {

// A typed coefficient or a value computed from them (b², D …) as the working writes it: its
// digits when the page's format writes it exactly (0,36; 1·10⁵⁰⁰⁰), else rounded to 15 digits.
struct Number {
  std::string text;
  bool exact = true;
};

Number Write(const Rational& x) {
  const std::string shown = FormatGeneral15(x);
  return {SchoolNumber(shown), ReadShown(shown) == x};
}

const char* Relation(bool exact) {
  return exact ? " = " : " ≈ ";
}

// A value whose exact form stays short enough to read; beyond, only its decimal is written
// (coefficients of fifteen digits give radicands of a hundred).
bool Readable(const Surd& x) {
  constexpr size_t kLongestBits = 200;
  size_t bits = 0;
  for (const Rational* part : {&x.A(), &x.B(), &x.R()})
    bits += mpz_sizeinbase(part->get_num_mpz_t(), 2) + mpz_sizeinbase(part->get_den_mpz_t(), 2);
  return bits <= kLongestBits;
}

// " = " and the exact root, then its decimal to six places: " = (5 + √13)/6 ≈ 1,434259"; a
// root too long to write exactly is given to fifteen digits.
Formula Root(const Surd& x) {
  if (x.IsRational()) {
    const Rational q = x.ToRational();
    const Number n = Write(q);
    // A decimal of more than six places is written with all its digits: it is the root itself.
    if (n.exact && (!Readable(x) || ReadShown(FormatFixed(q, 18, 6)) != q)) {
      return Formula(" = ") << n.text;
    }
  }
  if (Readable(x)) return Formula(" = ") << ExactThenDecimal(x, 6);
  return Formula(" ≈ ") << SchoolNumber(FormatGeneral15(x));
}

// The sum or product of the roots in Vieta's check: exact, as a decimal when it is one.
Formula Exactly(const Rational& x) {
  const Number n = Write(x);
  if (n.exact || !Readable(Surd(x))) return Formula(Relation(n.exact)) << n.text;
  return Formula(" = ") << ExactForm(x);
}

// first² − second, the two values worked out when neither is 0: "(−5)² − 4·3·1 = 25 − 12".
Formula Difference(const Formula& written, const Rational& square, const Rational& product,
                   bool& exact) {
  Formula line = written;
  if (sgn(square) == 0 || sgn(product) == 0) return line;
  const Number s = Write(square), p = Write(-product);
  exact = exact && s.exact && p.exact;
  return line
         << Relation(s.exact && p.exact)
         << SchoolSum().Term(FormatGeneral15(square)).Term(FormatGeneral15(-product)).Written();
}

bool EvenWhole(const Rational& b) {
  return sgn(b) != 0 && b.get_den() == 1 && mpz_even_p(b.get_num_mpz_t());
}

}  // namespace

Working QuadraticSteps(const Rational& a, const Rational& b, const Rational& c,
                       const QuadraticSolution& solution) {
  const Number A = Write(a), B = Write(b), C = Write(c), D = Write(solution.D);
  const FormulaNode x = Var("x");
  const FormulaNode d = Var("D");
  const Formula x1 = Indexed("x", "1");
  const Formula x2 = Indexed("x", "2");

  Working working = SolvedWorking("Квадратное уравнение");
  SchoolSum equation;
  equation.Term(FormatGeneral15(a), Formula() << x << Sup("2"));
  if (sgn(b) != 0) equation.Term(FormatGeneral15(b), Formula() << x);
  if (sgn(c) != 0) equation.Term(FormatGeneral15(c));
  working.Math(equation.Written() << " = 0");
  working.Math(Formula() << Var("a") << " = " << A.text << "; " << Var("b") << " = " << B.text
                         << "; " << Var("c") << " = " << C.text);

  working.Heading("Дискриминант");
  bool exact = A.exact && B.exact && C.exact;
  Formula discriminant =
      Difference(Formula() << d << " = " << Var("b") << Sup("2") << " − 4" << Var("a") << Var("c")
                           << " = " << SchoolOperand(B.text) << Sup("2") << " − 4·"
                           << SchoolOperand(A.text) << "·" << SchoolOperand(C.text),
                 b * b, 4 * a * c, exact);
  working.Math(discriminant << Relation(exact && D.exact) << D.text);
  if (EvenWhole(b)) {
    // With an even b the halves are smaller numbers: D/4 = k² − ac, k = b/2.
    const Rational k = b / 2;
    const Number K = Write(k);
    working.Prose(Formula() << Var("b") << " — чётное число, поэтому можно взять " << Var("k")
                            << " = " << Frac(Var("b"), "2") << " = " << K.text << ":");
    bool quarterExact = A.exact && K.exact && C.exact;
    Formula quarter =
        Difference(Formula() << Frac(d, "4") << " = " << Var("k") << Sup("2") << " − " << Var("a")
                             << Var("c") << " = " << SchoolOperand(K.text) << Sup("2") << " − "
                             << SchoolOperand(A.text) << "·" << SchoolOperand(C.text),
                   k * k, a * c, quarterExact);
    const Number Q = Write(solution.D / 4);
    working.Math(quarter << Relation(quarterExact && Q.exact) << Q.text);
  }
  if (!solution.HasRoots) {
    working.Prose(Formula() << d << " < 0, поэтому уравнение не имеет действительных корней.");
    working.Answer("действительных корней нет");
    return working;
  }

  // Each root written once, for its line and for the answer: a long one costs a square root.
  const Formula root1 = Root(solution.x1);
  const Formula root2 = sgn(solution.D) == 0 ? Formula() : Root(solution.x2);
  // −b with its sign worked out (+5 is 5); nothing when b is 0.
  const std::string minusB = sgn(b) != 0 ? Write(-b).text : std::string();
  const Formula twiceA = "2·" + SchoolOperand(A.text);
  if (sgn(solution.D) == 0) {
    working.Prose(Formula() << d << " = 0, поэтому уравнение имеет один корень (два равных).");
    working.Heading("Корень");
    // −b/2a with the minus in front of the fraction, as a textbook prints it.
    Formula value;
    if (sgn(b) > 0) value << "−";
    value << Frac(sgn(b) > 0 ? B.text : minusB.empty() ? "0" : minusB, twiceA);
    working.Math(Formula() << x << " = −" << Frac(Var("b"), Formula() << "2" << Var("a")) << " = "
                           << value << root1);
  } else {
    working.Prose(Formula() << d << " > 0, поэтому уравнение имеет два различных корня.");
    working.Heading("Корни");
    // √D taken out when D is a square: the roots are then rational.
    const Surd root(0, 1, solution.D);
    const bool square = root.IsRational();
    const Number sqrtD = square ? Write(root.ToRational()) : Number{};
    const Formula radical = square ? Formula(sqrtD.text) : Formula(Sqrt(D.text));
    Formula general = Formula() << x << Sub("1") << "," << Sub("2") << " = "
                                << Frac(Formula() << "−" << Var("b") << " ± " << Sqrt(d),
                                        Formula() << "2" << Var("a"));
    const auto top = [&](const char* sign, const Formula& r) {
      Formula t;
      if (!minusB.empty()) return t << minusB << " " << sign << " " << r;
      if (std::string(sign) != "+") t << sign;
      return t << r;
    };
    general << Relation(D.exact) << Frac(top("±", Sqrt(D.text)), twiceA);
    if (square) {
      general << Relation(sqrtD.exact) << Frac(top("±", radical), Write(2 * a).text);
    } else if (Readable(solution.x1)) {
      general << " = " << PlusMinusForm(solution.x1);
    }
    working.Math(general);
    const struct {
      const Formula& name;
      const char* sign;
      const Formula& written;
    } roots[] = {{x1, "+", root1}, {x2, "−", root2}};
    const std::string twiceAValue = square ? Write(2 * a).text : std::string();
    for (const auto& r : roots) {
      Formula line = Formula() << r.name;
      if (square) line << " = " << Frac(top(r.sign, radical), twiceAValue);
      working.Math(line << r.written);
    }
  }

  working.Heading("Проверка по теореме Виета");
  const Rational sum = solution.x1.A() + solution.x2.A();
  const Rational product =
      solution.x1.A() * solution.x2.A() + solution.x1.B() * solution.x2.B() * solution.x1.R();
  working.Math(Formula() << x1 << " + " << x2 << Exactly(sum) << " = −"
                         << Frac(Var("b"), Var("a")));
  working.Math(Formula() << x1 << "·" << x2 << Exactly(product) << " = "
                         << Frac(Var("c"), Var("a")));
  if (sgn(solution.D) == 0) {
    working.Answer(Formula() << x << root1);
  } else {
    working.Answer(Formula() << x1 << root1 << "; " << x2 << root2);
  }
  return working;
}

}  // namespace kalkora
