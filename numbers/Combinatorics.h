// Permutations, combinations and arrangements from the texts of the page's fields.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "exact/Exact.h"

namespace kalkora {

inline constexpr const char* kEnterNaturalNumber = "Введите натуральное число";
// Two lines, parted by a carriage return.
inline constexpr const char* kNegativeNumber = "Введите натуральное число.\rЧисло отрицательно.";
inline constexpr const char* kKAboveN = "Не может быть n < k";

// What a count shows: the text of its result field, or the page's message when the fields make
// no count (the result field then keeps its text). Exactly one of the two is not empty.
struct CountOutcome {
  std::string result;
  std::string message;
  // The numbers the count was made of, when it has a result (k is 0 for permutations).
  std::int32_t n = 0;
  std::int32_t k = 0;
  // The count itself, every digit of it, for the working.
  Integer count = 0;
};

// n! as an exact whole number; 1 for n < 2.
Integer ExactFactorial(std::int32_t n);

// The counts are exact whole numbers, written with FormatGeneral15: every digit of a count of up
// to 15 digits, and a longer one rounded to 15 in the form with "E". The fields take 3 digits
// (n <= 999); the work grows with n.

// n! of the text of the permutations' field. A text that is no integer throws ConvertError.
CountOutcome Permutations(std::string_view n);
// C(n, k) = n! / ((n - k)! k!) and A(n, k) = n! / (n - k)!. k is the upper field, n the lower one.
CountOutcome Combinations(std::string_view k, std::string_view n);
CountOutcome Arrangements(std::string_view k, std::string_view n);

}  // namespace kalkora
