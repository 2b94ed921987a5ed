#include "equations/CramerSteps.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string>

#include "steps/SchoolNotation.h"

namespace kalkora {

namespace {

using Matrix = std::vector<std::vector<Rational>>;

const char* const kNames[] = {"x", "y", "z"};
// The equations' ordinals: "первого уравнения", "в первом уравнении".
const char* const kOf[] = {"первого", "второго", "третьего"};
const char* const kIn[] = {"первом", "втором", "третьем"};

// The most significant digits a decimal is written with in full, and the most digits of a
// fraction's numerator or denominator: at the ends of the number range a determinant's exact
// value has thousands of digits, and is then written rounded, after "≈".
constexpr std::size_t kLongestDecimal = 45;
constexpr std::size_t kLongestFraction = 20;

// Every digit of q in the layout of the number formats ("-0,03", and "1,5E-200" at the ends of
// the range) when q is a finite decimal of at most kLongestDecimal significant digits, else
// empty. The typed numbers, their products and sums are finite decimals.
std::string DecimalText(const Rational& q) {
  // Powers of 2 and 5 are found from the sizes and checked by one power or one division each:
  // dividing out factor by factor costs milliseconds on numbers of thousands of digits.
  Integer den = q.get_den();
  const unsigned long twos = mpz_scan1(den.get_mpz_t(), 0);
  mpz_tdiv_q_2exp(den.get_mpz_t(), den.get_mpz_t(), twos);
  unsigned long fives = 0;
  if (den != 1) {
    // 5^b has floor(b·log₂5) + 1 bits: b is one of two numbers, taken from one below them
    // in case the estimate rounds up.
    const double bits = static_cast<double>(mpz_sizeinbase(den.get_mpz_t(), 2));
    fives = static_cast<unsigned long>((bits - 1) / std::log2(5.0));
    fives -= fives > 0 ? 1 : 0;
    Integer power;
    mpz_ui_pow_ui(power.get_mpz_t(), 5, fives);
    for (int tries = 0; power < den && tries < 2; ++tries) {
      power *= 5;
      ++fives;
    }
    if (power != den) return {};
  }
  // |q| = significant · 10^exponent.
  const unsigned long k = std::max(twos, fives);
  Integer significant;
  mpz_ui_pow_ui(significant.get_mpz_t(), twos < k ? 2 : 5, k - std::min(twos, fives));
  significant *= abs(q.get_num());
  long exponent = -static_cast<long>(k);
  // Only a number that ends in enough zeros can be short enough: those are taken off at once.
  const std::size_t size = mpz_sizeinbase(significant.get_mpz_t(), 10);
  if (size > kLongestDecimal + 1) {
    const unsigned long zeros = size - (kLongestDecimal + 1);
    if (mpz_scan1(significant.get_mpz_t(), 0) < zeros) return {};
    Integer power;
    mpz_ui_pow_ui(power.get_mpz_t(), 5, zeros);
    if (!mpz_divisible_p(significant.get_mpz_t(), power.get_mpz_t())) return {};
    mpz_divexact(significant.get_mpz_t(), significant.get_mpz_t(), power.get_mpz_t());
    mpz_tdiv_q_2exp(significant.get_mpz_t(), significant.get_mpz_t(), zeros);
    exponent += static_cast<long>(zeros);
  }
  if (significant != 0) {
    const Integer ten = 10;
    exponent += static_cast<long>(
        mpz_remove(significant.get_mpz_t(), significant.get_mpz_t(), ten.get_mpz_t()));
  }
  // The size in base 10 may be one too large: only a number that may fit is written out.
  if (mpz_sizeinbase(significant.get_mpz_t(), 10) > kLongestDecimal + 1) return {};
  const std::string digits = FormatWhole(significant);
  if (digits.size() > kLongestDecimal) return {};
  const long lead = static_cast<long>(digits.size()) - 1 + exponent;  // that of the first digit
  // Appended piece by piece, which also keeps GCC's false -Wrestrict of "," + text away.
  std::string out = sgn(q) < 0 ? "-" : "";
  if (lead < -6 || lead >= 18) {
    out.append(digits, 0, 1);
    if (digits.size() > 1) out.append(",").append(digits, 1);
    return out.append("E").append(std::to_string(lead));
  }
  if (exponent >= 0) return out.append(digits).append(exponent, '0');
  const long whole = static_cast<long>(digits.size()) + exponent;
  if (whole <= 0) return out.append("0,").append(-whole, '0').append(digits);
  return out.append(digits, 0, whole).append(",").append(digits, whole);
}

// How the working writes q: its decimal, a fraction in lowest terms of short enough parts, or
// else rounded to 15 digits. Found once per number: at the ends of the range each look at the
// exact value costs tens of microseconds.
struct Written {
  Formula value;
  bool exact = false;  // the value itself, not rounded
  bool power = false;  // written with a power of ten
};

Written Write(const Rational& q) {
  const std::string decimal = DecimalText(q);
  if (!decimal.empty()) {
    return {SchoolNumber(decimal), true, decimal.find('E') != std::string::npos};
  }
  if (mpz_sizeinbase(q.get_num_mpz_t(), 10) <= kLongestFraction &&
      mpz_sizeinbase(q.get_den_mpz_t(), 10) <= kLongestFraction) {
    return {ExactForm(q), true, false};
  }
  return {SchoolNumber(FormatGeneral15(q)), false, true};
}

bool WrittenExactly(const Rational& q) {
  return Write(q).exact;
}

Formula Value(const Rational& q) {
  return Write(q).value;
}

// " = q", or " ≈ q" when q is written rounded.
Formula Is(const Rational& q) {
  const Written written = Write(q);
  return Formula() << (written.exact ? " = " : " ≈ ") << written.value;
}

// A value as a factor of a product: in brackets when negative or a power of ten, (1·10⁻²⁰⁰).
Formula Factor(const Rational& q) {
  const Written written = Write(q);
  return sgn(q) < 0 || written.power ? Formula() << "(" << written.value << ")" : written.value;
}

// The digits after the comma of an unknown as the working writes it: all of a short decimal
// (177/40 = 4,425), else two, as on the page.
int Decimals(const Rational& q) {
  const std::string text = DecimalText(q);
  const std::size_t comma = text.find(',');
  if (text.find('E') != std::string::npos || comma == std::string::npos) return 2;
  const int digits = static_cast<int>(text.size() - comma - 1);
  return digits <= 6 ? std::max(digits, 2) : 2;
}

// Writes the determinant of `m` (2×2 or 3×3) with its expansion, `name` = |m| = a·d − b·c = …,
// the products of a 3×3 by the rule of triangles on a line of their own; `tail` ends the last
// line. Returns the value.
Rational WriteDeterminant(Working& working, const Formula& name, const Matrix& m,
                          const std::string& tail = {}) {
  const std::size_t n = m.size();
  std::vector<std::vector<Formula>> cells(n), factors(n);
  for (std::size_t i = 0; i < n; ++i) {
    for (const Rational& cell : m[i]) {
      cells[i].push_back(Value(cell));
      factors[i].push_back(Factor(cell));
    }
  }
  struct Term {
    bool minus;
    int cells[3][2];
  };
  static const Term kTwo[] = {{false, {{0, 0}, {1, 1}}}, {true, {{0, 1}, {1, 0}}}};
  static const Term kThree[] = {
      {false, {{0, 0}, {1, 1}, {2, 2}}}, {false, {{0, 1}, {1, 2}, {2, 0}}},
      {false, {{0, 2}, {1, 0}, {2, 1}}}, {true, {{0, 2}, {1, 1}, {2, 0}}},
      {true, {{0, 0}, {1, 2}, {2, 1}}},  {true, {{0, 1}, {1, 0}, {2, 2}}}};
  const Term* const terms = n == 2 ? kTwo : kThree;
  const std::size_t count = n == 2 ? 2 : 6;
  Formula products;
  Formula values;
  Rational value = 0;
  for (std::size_t t = 0; t < count; ++t) {
    const Term& term = terms[t];
    products << (term.minus ? (t == 0 ? "−" : " − ") : (t == 0 ? "" : " + "));
    Rational product = 1;
    for (std::size_t f = 0; f < n; ++f) {
      const auto [i, j] = term.cells[f];
      products << (f == 0 ? "" : "·") << factors[i][j];
      product *= m[i][j];
    }
    // A product of 0 keeps the sign of its term: 3 − 0.
    const bool negative = sgn(product) != 0 ? (sgn(product) < 0) != term.minus : term.minus;
    values << (negative ? (t == 0 ? "−" : " − ") : (t == 0 ? "" : " + ")) << Value(abs(product));
    value += term.minus ? -product : product;
  }
  Formula first = name;
  if (!name.empty()) first << " = ";
  first << Det(cells) << " = " << products;
  const Formula last = Formula() << values << Is(value) << tail;
  if (n == 2) {
    working.Math(first << " = " << last);
  } else {
    working.Math(first);
    working.Math(Formula() << "= " << last);
  }
  return value;
}

// The matrix of the system `a` (its last column the right-hand sides) with column `replaced`, if
// any, swapped for the right-hand sides.
Matrix Replaced(const Matrix& a, int replaced) {
  const int n = static_cast<int>(a.size());
  Matrix m(n);
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < n; ++j)
      m[i].push_back(a[i][j == replaced ? n : j]);
  }
  return m;
}

// Δx, Δy and Δz.
Formula Delta(int j) {
  return Formula() << "Δ" << Var(kNames[j]);
}

// Δ = 0: whether the system has no solution or infinitely many, from the ranks of its matrix and
// of its matrix with the right-hand sides, found as a pupil would show them.
void WriteRanks(Working& working, const Matrix& a, const CramerSolution& s) {
  const int n = static_cast<int>(a.size());
  working.Prose(
      "Δ = 0, поэтому формулы Крамера неприменимы: единственного решения у системы нет. Есть ли "
      "решения вообще, решают ранг матрицы системы и ранг расширенной матрицы (с добавленным "
      "столбцом свободных членов).");
  working.Heading("Ранги матриц");
  if (s.Rank == 0) {
    working.Prose(
        "Все коэффициенты при неизвестных равны 0, поэтому ранг матрицы системы равен 0.");
    int i = 0;
    while (i < n && sgn(a[i][n]) == 0)
      ++i;
    if (i == n) {
      working.Prose("Все свободные члены тоже равны 0, поэтому ранг расширенной матрицы равен 0.");
    } else {
      working.Prose(Formula() << "Свободный член " << kOf[i] << " уравнения равен "
                              << Value(a[i][n])
                              << " ≠ 0, поэтому ранг расширенной матрицы равен 1.");
    }
  } else if (s.Rank == 1) {
    // Every equation's coefficients are those of equation p times a number.
    const int p = s.MinorRows[0];
    const int q = s.MinorColumns[0];
    std::vector<Rational> factors(n);
    for (int i = 0; i < n; ++i)
      factors[i] = a[i][q] / a[p][q];
    for (int i = 0; i < n; ++i) {
      if (i == p) continue;
      working.Prose(Formula() << "Коэффициенты при неизвестных " << kOf[i]
                              << " уравнения — это коэффициенты " << kOf[p] << ", умноженные на "
                              << Value(factors[i]) << ".");
    }
    working.Prose(Formula() << "Коэффициенты " << kOf[p] << " уравнения не все равны 0 (при "
                            << Var(kNames[q]) << " стоит " << Value(a[p][q])
                            << "), поэтому ранг матрицы системы равен 1.");
    working.Prose("Свободные члены с теми же множителями:");
    for (int i = 0; i < n; ++i) {
      if (i == p) continue;
      const bool same = factors[i] * a[p][n] == a[i][n];
      working.Math(Formula() << Value(a[i][n]) << (same ? " = " : " ≠ ") << Factor(factors[i])
                             << "·" << Factor(a[p][n]));
    }
    working.Prose(s.AugmentedRank == 1
                      ? "Они пропорциональны так же, поэтому ранг расширенной матрицы тоже равен 1."
                      : "Они этой пропорции не подчиняются, поэтому ранг расширенной матрицы "
                        "равен 2.");
  } else {
    // Three unknowns and a nonzero minor of order 2.
    const std::vector<int>& rows = s.MinorRows;
    const std::vector<int>& columns = s.MinorColumns;
    working.Prose(Formula() << "Минор второго порядка из коэффициентов при "
                            << Var(kNames[columns[0]]) << " и " << Var(kNames[columns[1]]) << " в "
                            << kIn[rows[0]] << " и " << kIn[rows[1]] << " уравнениях не равен 0:");
    Matrix minor(2);
    for (int i = 0; i < 2; ++i) {
      for (int j = 0; j < 2; ++j)
        minor[i].push_back(a[rows[i]][columns[j]]);
    }
    WriteDeterminant(working, {}, minor, " ≠ 0");
    working.Prose("А Δ = 0, поэтому ранг матрицы системы равен 2.");
    working.Prose(Formula() << "Миноры третьего порядка расширенной матрицы — это Δ и, с точностью "
                               "до знака, "
                            << Delta(0) << ", " << Delta(1) << " и " << Delta(2) << ":");
    int nonzero = -1;
    for (int j = 0; j < n; ++j) {
      const Rational d = WriteDeterminant(working, Delta(j), Replaced(a, j));
      if (nonzero < 0 && sgn(d) != 0) nonzero = j;
    }
    if (nonzero < 0) {
      working.Prose("Все они равны 0, поэтому ранг расширенной матрицы тоже равен 2.");
    } else {
      working.Prose(Formula() << Delta(nonzero)
                              << " ≠ 0, поэтому ранг расширенной матрицы равен 3.");
    }
  }
  if (s.Outcome == CramerOutcome::NoSolution) {
    working.Prose(
        "Ранг расширенной матрицы больше ранга матрицы системы, поэтому по теореме "
        "Кронекера — Капелли система несовместна.");
    working.Answer("система не имеет решений");
  } else {
    working.Prose(Formula() << "Ранги равны, но меньше числа неизвестных (" << std::to_string(n)
                            << "), поэтому по теореме Кронекера — Капелли система совместна и "
                               "имеет бесконечно много решений.");
    working.Answer("система имеет бесконечно много решений");
  }
}

}  // namespace

Working CramerSteps(const std::vector<Rational>& values, const CramerSolution& solution) {
  const int n = values.size() == 6 ? 2 : 3;
  // a[i][j]: equation i, column j; column n is the right-hand side.
  Matrix a(n);
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j <= n; ++j)
      a[i].push_back(values[j * n + i]);
  }

  Working working = SolvedWorking("Система линейных уравнений");
  std::vector<Formula> equations;
  for (int i = 0; i < n; ++i) {
    SchoolSum equation;
    for (int j = 0; j < n; ++j) {
      if (sgn(a[i][j]) != 0) equation.Term(PlainText(Value(a[i][j])), Formula() << Var(kNames[j]));
    }
    equations.push_back(equation.Written() << " = " << Value(a[i][n]));
  }
  working.Math(System(equations));

  working.Heading("Главный определитель");
  WriteDeterminant(working, "Δ", Replaced(a, -1));
  if (!solution.Solvable) {
    WriteRanks(working, a, solution);
    return working;
  }
  working.Prose("Δ ≠ 0, поэтому система имеет единственное решение.");

  working.Heading("Определители неизвестных");
  for (int j = 0; j < n; ++j)
    WriteDeterminant(working, Delta(j), Replaced(a, j));

  working.Heading("Неизвестные по формулам Крамера");
  const Rational* const unknowns[] = {&solution.x, &solution.y, &solution.z};
  const Rational* const dets[] = {&solution.DetX, &solution.DetY, &solution.DetZ};
  for (int j = 0; j < n; ++j) {
    Formula line = Formula() << Var(kNames[j]) << " = " << Frac(Delta(j), "Δ") << " = ";
    const Formula quotient = Frac(Value(*dets[j]), Value(solution.Det));
    const Rational& x = *unknowns[j];
    if (!WrittenExactly(x)) {
      working.Math(line << quotient << Is(x));
      continue;
    }
    // 7/3 is not written twice.
    if (PlainText(quotient) != PlainText(ExactForm(x))) line << quotient << " = ";
    working.Math(line << ExactThenDecimal(Surd(x), Decimals(x)));
  }

  working.Heading("Проверка");
  bool exact = true;
  for (int j = 0; j < n; ++j)
    exact = exact && WrittenExactly(*unknowns[j]);
  bool allHold = true;
  for (int i = 0; i < n; ++i) {
    Formula line;
    Rational left = 0;
    for (int j = 0; j < n; ++j) {
      const Rational& c = a[i][j];
      const Rational& v = *unknowns[j];
      if (sgn(c) == 0) continue;
      left += c * v;
      if (!exact) continue;
      // x = −2 in −x is written 2, not −(−2); 3y with y = −2 is 3·(−2).
      const bool unit = abs(c) == 1;
      const bool minus = unit ? sgn(c) * sgn(v) < 0 : sgn(c) < 0;
      line << (minus ? (line.empty() ? "−" : " − ") : (line.empty() ? "" : " + "));
      if (unit) {
        line << Value(abs(v));
      } else {
        line << Factor(abs(c)) << "·" << Factor(v);
      }
    }
    const bool holds = left == a[i][n];
    allHold = allHold && holds;
    if (exact) {
      working.Math(line << (holds ? " = " : " ≠ ") << Value(a[i][n]) << (holds ? " ✓" : ""));
    }
  }
  // Values of thousands of digits are not put in by hand.
  if (!exact) {
    working.Prose(
        allHold ? "Точные значения неизвестных обращают каждое уравнение в верное равенство."
                : "Точные значения неизвестных не обращают все уравнения в верные равенства.");
  }
  Formula answer = exact ? "(" : "≈ (";
  for (int j = 0; j < n; ++j)
    answer << (j == 0 ? "" : "; ") << Value(*unknowns[j]);
  working.Answer(answer << ")");
  return working;
}

}  // namespace kalkora
