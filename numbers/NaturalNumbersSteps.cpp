#include "numbers/NaturalNumbersSteps.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <string>
#include <vector>

#include "numtext/NumText.h"
#include "steps/SchoolNotation.h"

namespace kalkora {

namespace {

std::string Text(std::int64_t value) {
  return SchoolNumber(std::to_string(value));
}

// The factors in the factor text of a caption such as "-12=-1*2*2*3" or "7=7": a leading -1 only
// sets `negative`.
std::vector<std::int64_t> ShownFactors(const std::string& caption, bool& negative) {
  std::vector<std::int64_t> factors;
  negative = false;
  const std::size_t equals = caption.find('=');
  if (equals == std::string::npos) return factors;
  const char* at = caption.data() + equals + 1;
  const char* const end = caption.data() + caption.size();
  while (at < end) {
    const bool minus = *at == '-';
    if (minus) ++at;
    std::int64_t factor = 0;
    at = std::from_chars(at, end, factor).ptr;
    if (minus) {
      negative = true;
    } else if (factor > 1) {
      factors.push_back(factor);
    }
    if (at < end) ++at;  // the "*"
  }
  return factors;
}

// 2·2·2·3·3·5 as 2³·3²·5.
Formula Powers(const std::vector<std::int64_t>& factors) {
  Formula product;
  for (std::size_t i = 0; i < factors.size();) {
    std::size_t j = i;
    while (j < factors.size() && factors[j] == factors[i])
      ++j;
    if (i > 0) product << "·";
    product << Text(factors[i]);
    if (j - i > 1) product << Sup(Text(static_cast<std::int64_t>(j - i)));
    i = j;
  }
  return product;
}

}  // namespace

Working GcdLcmSteps(std::int32_t a, std::int32_t b, std::int64_t gcd, std::int64_t lcm) {
  const std::string aText = Text(a);
  const std::string bText = Text(b);
  const std::string pair = "(" + aText + "; " + bText + ")";
  Working working = SolvedWorking("НОД и НОК чисел " + aText + " и " + bText);
  const std::int64_t x = std::llabs(a);
  const std::int64_t y = std::llabs(b);
  const bool negative = a < 0 || b < 0;
  if (negative) {
    Formula moduli("Знак не меняет делителей числа, поэтому берём модули: ");
    if (a < 0) moduli << "|" << aText << "| = " << Text(x) << (b < 0 ? ", " : ".");
    if (b < 0) moduli << "|" << bText << "| = " << Text(y) << ".";
    working.Prose(moduli);
  }
  if (x == 0 || y == 0) {
    working.Prose(
        "Алгоритм Евклида здесь не нужен: 0 делится на любое число, поэтому НОД равен другому "
        "числу:");
  } else {
    working.Prose(
        "Алгоритм Евклида: делим большее число на меньшее с остатком, затем делитель — на "
        "остаток, пока остаток не станет равным 0:");
    // At most 45 divisions: the slowest pair below 2^31 is two neighbouring Fibonacci numbers.
    for (std::int64_t big = std::max(x, y), small = std::min(x, y); small != 0;) {
      const std::int64_t rest = big % small;
      working.Math(Text(big) + " = " + Text(small) + "·" + Text(big / small) + " + " + Text(rest));
      big = small;
      small = rest;
    }
    working.Prose("НОД равен последнему делителю:");
  }
  working.Math("НОД" + pair + " = " + Text(gcd));
  working.Prose(negative ? "НОК равно произведению модулей чисел, делённому на их НОД:"
                         : "НОК равно произведению чисел, делённому на их НОД:");
  // |a|·|b| <= 2^62: the product fits in 64 bits.
  Formula lcmLine = Formula("НОК" + pair + " = ") << Frac(Text(x) + "·" + Text(y), Text(gcd));
  if (gcd != 1) lcmLine << " = " << Frac(Text(x * y), Text(gcd));
  working.Math(lcmLine << " = " << Text(lcm));
  working.Answer("НОД" + pair + " = " + Text(gcd) + ", НОК" + pair + " = " + Text(lcm) + ".");
  return working;
}

Working FactorisationSteps(std::int32_t n, const Factorisation& shown) {
  const std::string nText = Text(n);
  Working working = SolvedWorking("Разложение числа " + nText + " на простые множители");
  if (n == 1) {
    working.Prose(
        "Число 1 не является ни простым, ни составным: у него только один делитель, и на простые "
        "множители оно не раскладывается.");
    working.Answer("1 не простое и не составное число.");
    return working;
  }
  if (n == 0) {
    working.Prose(
        "Число 0 делится на любое натуральное число, поэтому на простые множители оно не "
        "раскладывается.");
    working.Answer("0 не раскладывается на простые множители.");
    return working;
  }
  bool negative = false;
  const std::vector<std::int64_t> factors = ShownFactors(shown.caption, negative);
  const std::int64_t magnitude = std::llabs(static_cast<std::int64_t>(n));
  if (negative) {
    working.Prose("Число отрицательное: выносим множитель −1 и раскладываем " + Text(magnitude) +
                  ".");
  }
  if (factors.empty()) {
    working.Prose("У числа 1 простых множителей нет:");
    working.Math(nText + " = −1");
    working.Answer(nText + " = −1.");
    return working;
  }
  if (factors.size() == 1) {
    const std::string product = (negative ? "−1·" : "") + Text(magnitude);
    working.Prose(Text(magnitude) + " — простое число: оно делится только на 1 и на само себя.");
    if (negative) working.Math(nText + " = " + product);
    working.Answer(negative ? nText + " = " + product + "."
                            : nText + " — простое число, " + nText + " = " + nText + ".");
    return working;
  }
  working.Prose("Делим на наименьший простой делитель, пока частное не станет равным 1:");
  std::int64_t quotient = magnitude;
  for (const std::int64_t p : factors) {
    working.Math(Text(quotient) + " : " + Text(p) + " = " + Text(quotient / p));
    quotient /= p;
  }
  working.Prose("Записываем делители произведением, одинаковые — степенью:");
  const Formula product = Formula(nText + " = " + (negative ? "−1·" : "")) << Powers(factors);
  working.Math(product);
  working.Answer(Formula(product) << ".");
  return working;
}

Working PrimesSteps(std::int32_t n, std::int64_t count) {
  const std::string nText = Text(n);
  Working working = SolvedWorking("Простые числа от 1 до " + nText);
  if (n < 2) {
    working.Prose("Простых чисел, не больших " + nText + ", нет: наименьшее простое число — 2.");
    working.Answer("простых чисел от 1 до " + nText + " нет.");
    return working;
  }
  working.Prose(Formula("Решето Эратосфена: из чисел от 2 до " + nText +
                        " вычёркиваем кратные каждого простого числа ")
                << Var("p") << ", для которого " << Var("p") << Sup("2") << " ≤ " << nText
                << "; оставшиеся числа — простые.");
  working.Prose("Всего простых чисел от 1 до " + nText + ": " + Text(count) + ".");
  working.Answer("простых чисел от 1 до " + nText + " — " + Text(count) + ".");
  return working;
}

}  // namespace kalkora
