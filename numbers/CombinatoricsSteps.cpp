#include "numbers/CombinatoricsSteps.h"

#include <algorithm>

#include "exact/Exact.h"
#include "numbers/Combinatorics.h"
#include "numtext/NumText.h"
#include "steps/SchoolNotation.h"

namespace kalkora {

namespace {

// Up to 17! every factorial has at most 15 digits, so its text is exact and worth writing out.
constexpr std::int32_t kLargestWrittenFactorial = 17;

std::string Whole(const Integer& value) {
  return SchoolNumber(FormatWhole(value));
}

std::string FactorialValue(std::int32_t n) {
  return Whole(ExactFactorial(n));
}

// C or A with k above n, as Russian books write it.
Formula Symbol(const char* letter, const Formula& n, const Formula& k) {
  return Formula(letter) << Scripts(n, k);
}

// A few factors are cancelled as a pupil does: n!/(n − m)! = (n − m + 1)·…·n.
constexpr std::int32_t kMostCancelledFactors = 6;

// The product from..to of consecutive numbers, "1" when it is empty.
std::string Product(std::int32_t from, std::int32_t to) {
  std::string product;
  for (std::int32_t i = from; i <= to; ++i)
    product += (product.empty() ? "" : "·") + FormatInteger(i);
  return product.empty() ? "1" : product;
}

// Ends `numbers` in the exact count and, when the page shows it rounded in the form with "E",
// in the page's value too; the working closes with the answer.
void Close(Working& working, Formula numbers, const Formula& symbol, const Integer& count,
           const std::string& result) {
  const bool rounded = result.find('E') != std::string::npos;
  numbers << " = " << Whole(count);
  if (rounded) numbers << " ≈ " << SchoolNumber(result);
  working.Math(numbers);
  if (rounded) {
    working.Prose(
        "Число слишком длинное для поля, поэтому на странице оно округлено до 15 "
        "значащих цифр.");
  }
  working.Answer(Formula() << symbol << " = " << Whole(count));
}

}  // namespace

Working PermutationSteps(std::int32_t n, const Integer& count, const std::string& result) {
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
  Close(working, numbers, Formula() << "P" << Sub(nText), count, result);
  return working;
}

Working CombinationSteps(std::int32_t k, std::int32_t n, const Integer& count,
                         const std::string& result) {
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
  // The smaller of k! and (n − k)! cancels against n!.
  const std::int32_t m = std::min(k, n - k);
  if (m >= 1 && m <= kMostCancelledFactors && n > 1) {
    numbers << " = " << Frac(Product(n - m + 1, n), Product(1, m));
  } else if (n <= kLargestWrittenFactorial) {
    numbers << " = " << Frac(FactorialValue(n), FactorialValue(k) + "·" + FactorialValue(n - k));
  }
  Close(working, numbers, Symbol("C", nText, kText), count, result);
  return working;
}

Working ArrangementSteps(std::int32_t k, std::int32_t n, const Integer& count,
                         const std::string& result) {
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
  if (k >= 1 && k <= kMostCancelledFactors && n > 1) {
    numbers << " = " << Product(n - k + 1, n);
  } else if (n <= kLargestWrittenFactorial) {
    numbers << " = " << Frac(FactorialValue(n), FactorialValue(n - k));
  }
  Close(working, numbers, Symbol("A", nText, kText), count, result);
  return working;
}

}  // namespace kalkora
