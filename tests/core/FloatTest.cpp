#include "common/Float.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>

namespace kalkora {
namespace {

constexpr const char* kInvalid = "Invalid floating point operation";
constexpr const char* kZeroDivide = "Floating point division by zero";
constexpr const char* kOverflow = "Floating point overflow";

constexpr Extended kNaN = std::numeric_limits<Extended>::quiet_NaN();
constexpr Extended kInf = std::numeric_limits<Extended>::infinity();

struct FloatCase {
  const char* name;
  Extended (*op)();
  Extended value;       // the result when no error is expected
  const char* message;  // the error expected, or nullptr
};

void RunCases(const FloatCase* begin, const FloatCase* end) {
  for (const FloatCase* c = begin; c != end; ++c) {
    SCOPED_TRACE(c->name);
    try {
      const Extended result = c->op();
      if (c->message != nullptr) {
        ADD_FAILURE() << "returned " << static_cast<double>(result) << " instead of failing";
        continue;
      }
      EXPECT_EQ(result, c->value);
      EXPECT_EQ(std::signbit(result), std::signbit(c->value)) << "sign of zero";
    } catch (const FloatError& e) {
      if (c->message == nullptr) {
        ADD_FAILURE() << "failed with \"" << e.what() << "\"";
      } else {
        EXPECT_STREQ(e.what(), c->message);
      }
    }
  }
}

TEST(FloatTest, ArithmeticFaults) {
  const FloatCase cases[] = {
      {"0/0", [] { return Div(0, 0); }, 0, kInvalid},
      {"-0/0", [] { return Div(-0.0L, 0); }, 0, kInvalid},
      {"0/-0", [] { return Div(0, -0.0L); }, 0, kInvalid},
      {"1/0", [] { return Div(1, 0); }, 0, kZeroDivide},
      {"-1/0", [] { return Div(-1, 0); }, 0, kZeroDivide},
      {"1/-0", [] { return Div(1, -0.0L); }, 0, kZeroDivide},
      {"tiny/0", [] { return Div(LDBL_TRUE_MIN, 0); }, 0, kZeroDivide},
      {"1/4", [] { return Div(1, 4); }, 0.25L, nullptr},
      {"-0/5", [] { return Div(-0.0L, 5); }, -0.0L, nullptr},
      {"max/0.5", [] { return Div(LDBL_MAX, 0.5L); }, 0, kOverflow},
      {"min/max underflows", [] { return Div(LDBL_MIN, LDBL_MAX); }, 0, nullptr},
      {"max*2", [] { return Mul(LDBL_MAX, 2); }, 0, kOverflow},
      {"-max*2", [] { return Mul(-LDBL_MAX, 2); }, 0, kOverflow},
      {"min*min underflows", [] { return Mul(LDBL_MIN, LDBL_MIN); }, 0, nullptr},
      {"-min*min underflows to -0", [] { return Mul(-LDBL_MIN, LDBL_MIN); }, -0.0L, nullptr},
      {"-0*3", [] { return Mul(-0.0L, 3); }, -0.0L, nullptr},
      {"3*-4", [] { return Mul(3, -4); }, -12, nullptr},
      {"max+max", [] { return Add(LDBL_MAX, LDBL_MAX); }, 0, kOverflow},
      {"max+1 is inexact only", [] { return Add(LDBL_MAX, 1); }, LDBL_MAX, nullptr},
      {"-0+-0", [] { return Add(-0.0L, -0.0L); }, -0.0L, nullptr},
      {"-max-max", [] { return Sub(-LDBL_MAX, LDBL_MAX); }, 0, kOverflow},
      {"0-0", [] { return Sub(0, 0); }, 0, nullptr},
      {"1.5-4", [] { return Sub(1.5L, 4); }, -2.5L, nullptr},
  };
  RunCases(std::begin(cases), std::end(cases));
}

TEST(FloatTest, FunctionFaults) {
  const FloatCase cases[] = {
      {"sqrt(-1)", [] { return Sqrt(-1); }, 0, kInvalid},
      {"sqrt(-tiny)", [] { return Sqrt(-LDBL_TRUE_MIN); }, 0, kInvalid},
      {"sqrt(-0)", [] { return Sqrt(-0.0L); }, -0.0L, nullptr},
      {"sqrt(0.25)", [] { return Sqrt(0.25L); }, 0.5L, nullptr},
      {"ln(0)", [] { return Ln(0); }, 0, kZeroDivide},
      {"ln(-0)", [] { return Ln(-0.0L); }, 0, kZeroDivide},
      {"ln(-1)", [] { return Ln(-1); }, 0, kInvalid},
      {"ln(1)", [] { return Ln(1); }, 0, nullptr},
      {"exp(0)", [] { return Exp(0); }, 1, nullptr},
      {"exp(11357) overflows", [] { return Exp(11357); }, 0, kOverflow},
      {"exp(-20000) underflows", [] { return Exp(-20000); }, 0, nullptr},
      {"checked NaN", [] { return Checked(kNaN); }, 0, kInvalid},
      {"checked +inf", [] { return Checked(kInf); }, 0, kOverflow},
      {"checked -inf", [] { return Checked(-kInf); }, 0, kOverflow},
      {"checked -0", [] { return Checked(-0.0L); }, -0.0L, nullptr},
  };
  RunCases(std::begin(cases), std::end(cases));
  // Just below the overflow threshold the result is finite.
  EXPECT_TRUE(std::isfinite(Exp(11356)));
}

TEST(FloatTest, ToDoubleFaults) {
  // Half a unit in the last place of DBL_MAX: from there on, rounding reaches infinity.
  static const Extended kHalfUlp = std::ldexp(1.0L, 970);
  const FloatCase cases[] = {
      {"1e400", [] { return Extended{ToDouble(1e400L)}; }, 0, kOverflow},
      {"-1e400", [] { return Extended{ToDouble(-1e400L)}; }, 0, kOverflow},
      {"LDBL_MAX", [] { return Extended{ToDouble(LDBL_MAX)}; }, 0, kOverflow},
      {"DBL_MAX + half ulp rounds up",
       [] { return Extended{ToDouble(Extended{DBL_MAX} + kHalfUlp)}; }, 0, kOverflow},
      {"DBL_MAX + quarter ulp rounds down",
       [] { return Extended{ToDouble(Extended{DBL_MAX} + kHalfUlp / 2)}; }, Extended{DBL_MAX},
       nullptr},
      {"NaN", [] { return Extended{ToDouble(kNaN)}; }, 0, kInvalid},
      {"LDBL_MIN underflows", [] { return Extended{ToDouble(LDBL_MIN)}; }, 0, nullptr},
      {"-LDBL_MIN underflows to -0", [] { return Extended{ToDouble(-LDBL_MIN)}; }, -0.0L, nullptr},
      {"-0", [] { return Extended{ToDouble(-0.0L)}; }, -0.0L, nullptr},
      {"1/3 rounds", [] { return Extended{ToDouble(1.0L / 3)}; }, Extended{1.0 / 3}, nullptr},
  };
  RunCases(std::begin(cases), std::end(cases));
}

TEST(FloatTest, ErrorsDeriveFromErrorWithTheirMessage) {
  const struct {
    const char* message;
    void (*raise)();
    bool (*is_kind)(const Error&);
  } cases[] = {
      {kInvalid, [] { ThrowInvalidOperation(); },
       [](const Error& e) { return dynamic_cast<const FloatError*>(&e) != nullptr; }},
      {kZeroDivide, [] { ThrowDivisionByZero(); },
       [](const Error& e) { return dynamic_cast<const FloatError*>(&e) != nullptr; }},
      {kOverflow, [] { ThrowOverflow(); },
       [](const Error& e) { return dynamic_cast<const FloatError*>(&e) != nullptr; }},
      {"Division by zero", [] { throw IntDivError(); },
       [](const Error& e) { return dynamic_cast<const IntDivError*>(&e) != nullptr; }},
      {"'абв' is not a valid integer value", [] { throw ConvertError(NumberKind::Integer, "абв"); },
       [](const Error& e) { return dynamic_cast<const ConvertError*>(&e) != nullptr; }},
      {"File not found", [] { throw InOutError("File not found"); },
       [](const Error& e) { return dynamic_cast<const InOutError*>(&e) != nullptr; }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    try {
      c.raise();
      ADD_FAILURE() << "nothing thrown";
    } catch (const Error& e) {
      EXPECT_STREQ(e.what(), c.message);
      EXPECT_TRUE(c.is_kind(e));
      EXPECT_NE(dynamic_cast<const std::runtime_error*>(&e), nullptr);
    }
  }
}

TEST(FloatTest, WrapAroundIntegers) {
  constexpr std::int32_t kMax = INT32_MAX;
  constexpr std::int32_t kMin = INT32_MIN;
  // Overflow in a constant expression would not compile.
  static_assert(WrapAdd(kMax, 1) == kMin);
  static_assert(WrapNeg(kMin) == kMin);

  const struct {
    char op;
    std::int32_t a, b, expected;
  } cases[] = {
      {'+', kMax, 1, kMin},  {'+', kMin, -1, kMax},  {'+', -1, -1, -2},
      {'-', kMin, 1, kMax},  {'-', kMax, -1, kMin},  {'-', 0, kMin, kMin},
      {'*', kMin, -1, kMin}, {'*', 65536, 65536, 0}, {'*', 46341, 46341, -2147479015},
      {'*', -3, 7, -21},     {'n', kMin, 0, kMin},   {'n', kMax, 0, kMin + 1},
      {'n', 5, 0, -5},       {'n', 0, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.a << ' ' << c.op << ' ' << c.b);
    std::int32_t result = 0;
    switch (c.op) {
      case '+':
        result = WrapAdd(c.a, c.b);
        break;
      case '-':
        result = WrapSub(c.a, c.b);
        break;
      case '*':
        result = WrapMul(c.a, c.b);
        break;
      default:
        result = WrapNeg(c.a);
        break;
    }
    EXPECT_EQ(result, c.expected);
  }
}

}  // namespace
}  // namespace kalkora
