// The error types that end a handler and reach the default error report.
// The core's messages are the platform's own English words, in UTF-8; the window's report shows
// them in Russian (app/Messages) and any other message, such as the window's own, as it is.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace kalkora {

// The platform's messages for the arithmetic faults.
inline constexpr const char* kInvalidOperationMessage = "Invalid floating point operation";
inline constexpr const char* kDivisionByZeroMessage = "Floating point division by zero";
inline constexpr const char* kOverflowMessage = "Floating point overflow";
inline constexpr const char* kIntDivisionByZeroMessage = "Division by zero";

// Base of every error the program reports to the user.
class Error : public std::runtime_error {
 public:
  explicit Error(const std::string& message) : std::runtime_error(message) {}
};

// The kinds of number a field text is read as.
enum class NumberKind { Integer, Float };

// Field text that is not a number of the kind being read. The message is the platform's
// "'text' is not a valid ... value"; the text itself is kept apart, whole and with any NUL in it,
// for a report that quotes it its own way.
class ConvertError : public Error {
 public:
  // `outOfRange`: the text writes a number, but one beyond what the kind holds.
  ConvertError(NumberKind kind, std::string_view text, bool outOfRange = false)
      : Error(Message(kind, text)), kind_(kind), text_(text), outOfRange_(outOfRange) {}

  NumberKind Kind() const noexcept { return kind_; }
  // The text as it was read: UTF-8 field text, or the graph evaluator's Windows-1251 text.
  const std::string& Text() const noexcept { return text_; }
  bool OutOfRange() const noexcept { return outOfRange_; }

 private:
  static std::string Message(NumberKind kind, std::string_view text);

  NumberKind kind_;
  std::string text_;
  bool outOfRange_;
};

// Invalid operation, division by zero or overflow in floating point arithmetic.
class FloatError : public Error {
 public:
  using Error::Error;
};

// Integer division by zero.
class IntDivError : public Error {
 public:
  IntDivError() : Error(kIntDivisionByZeroMessage) {}
};

// A file could not be read or written, or a file's content ended early.
class InOutError : public Error {
 public:
  using Error::Error;
};

}  // namespace kalkora
