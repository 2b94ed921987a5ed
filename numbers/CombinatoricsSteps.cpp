#include "numbers/CombinatoricsSteps.h"

#include "exact/Exact.h"
#include "numbers/Combinatorics.h"
#include "numtext/NumText.h"

namespace kalkora {

namespace {

// Up to 17! every factorial has at most 15 digits, so its text is exact and worth writing out.
constexpr std::int32_t kLargestWrittenFactorial = 17;

// A count in exponent form shows 15 digits of a longer number: it is rounded.
std::string Equals(const std::string& value) {
  return value.find('E') == std::string::npos ? " = " : " ≈ ";
}

std::string FactorialValue(std::int32_t n) {
  return FormatWhole(ExactFactorial(n));
}

// C or A with n below and k above.
Formula Symbol(const char* letter, const Formula& n, const Formula& k) {
  return Formula(letter) << Sub(n) << Sup(k);
}

}  // namespace

Working PermutationSteps(std::int32_t n, const std::string& result) {
  const std::string nText = FormatInteger(n);
  // "из 1 элемента", "из 21 элемента", but "из 11 элементов".
  const bool one = n % 10 == 1 && n % 100 != 11;
  Working working =
      SolvedWorking("Число перестановок из " + nText + (one ? " элемента" : " элементов"));
  working.Math(Formula() << "P" << Sub(Var("n")) << " = " << Var("n") << "!");
  Formula numbers = Formula() << "P" << Sub(nText) << " = " << nText << "!";
  if (n == 0) {
    working.Prose("По определению 0! = 1:");
  } else if (n <= 7) {
    numbers << (n > 1 ? " = 1" : "");
    for (std::int32_t i = 2; i <= n; ++i)
      numbers << "·" << FormatInteger(i);
  } else {
    numbers << " = 1·2·3·…·" << nText;
  }
  working.Math(numbers << Equals(result) << result);
  return working;
}

Working CombinationSteps(std::int32_t k, std::int32_t n, const std::string& result) {
  const std::string nText = FormatInteger(n);
  const std::string kText = FormatInteger(k);
  const std::string restText = FormatInteger(n - k);
  Working working = SolvedWorking("Число сочетаний из " + nText + " по " + kText);
  working.Math(Formula() << Symbol("C", Var("n"), Var("k")) << " = "
                         << Frac(Formula() << Var("n") << "!", Formula()
                                                                   << Var("k") << "!(" << Var("n")
                                                                   << " − " << Var("k") << ")!"));
  Formula numbers = Formula() << Symbol("C", nText, kText) << " = "
                              << Frac(nText + "!", kText + "!·(" + nText + " − " + kText + ")!")
                              << " = " << Frac(nText + "!", kText + "!·" + restText + "!");
  if (n <= kLargestWrittenFactorial) {
    numbers << " = " << Frac(FactorialValue(n), FactorialValue(k) + "·" + FactorialValue(n - k));
  }
  working.Math(numbers << Equals(result) << result);
  return working;
}

Working ArrangementSteps(std::int32_t k, std::int32_t n, const std::string& result) {
  const std::string nText = FormatInteger(n);
  const std::string kText = FormatInteger(k);
  const std::string restText = FormatInteger(n - k);
  Working working = SolvedWorking("Число размещений из " + nText + " по " + kText);
  working.Math(Formula() << Symbol("A", Var("n"), Var("k")) << " = "
                         << Frac(Formula() << Var("n") << "!",
                                 Formula() << "(" << Var("n") << " − " << Var("k") << ")!"));
  Formula numbers = Formula() << Symbol("A", nText, kText) << " = "
                              << Frac(nText + "!", "(" + nText + " − " + kText + ")!") << " = "
                              << Frac(nText + "!", restText + "!");
  if (n <= kLargestWrittenFactorial) {
    numbers << " = " << Frac(FactorialValue(n), FactorialValue(n - k));
  }
  working.Math(numbers << Equals(result) << result);
  return working;
}

}  // namespace kalkora
