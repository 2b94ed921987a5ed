// The error types that end a handler and reach the default error report.
// Every message is UTF-8 text exactly as the user sees it, before the report adds its full stop.
#pragma once

#include <stdexcept>
#include <string>

namespace kalkora {

// Base of every error the program reports to the user.
class Error : public std::runtime_error {
 public:
  explicit Error(const std::string& message) : std::runtime_error(message) {}
};

// Field text that is not a number of the kind being read.
class ConvertError : public Error {
 public:
  using Error::Error;
};

// Invalid operation, division by zero or overflow in floating point arithmetic.
class FloatError : public Error {
 public:
  using Error::Error;
};

// Integer division by zero.
class IntDivError : public Error {
 public:
  IntDivError() : Error("Division by zero") {}
};

// A file could not be read or written; the message is the system's own.
class InOutError : public Error {
 public:
  using Error::Error;
};

inline constexpr const char* kInvalidOperationMessage = "Invalid floating point operation";
inline constexpr const char* kDivisionByZeroMessage = "Floating point division by zero";
inline constexpr const char* kOverflowMessage = "Floating point overflow";

}  // namespace kalkora
