#include "common/Errors.h"

namespace kalkora {

std::string ConvertError::Message(NumberKind kind, std::string_view text) {
  const std::string_view rest = kind == NumberKind::Integer
                                    ? "' is not a valid integer value"
                                    : "' is not a valid floating point value";
  // Appended piece by piece: GCC 12 takes "'" + std::string(text) for an overlapping copy.
  std::string message;
  message.reserve(1 + text.size() + rest.size());
  message += '\'';
  message.append(text);
  message.append(rest);
  return message;
}

}  // namespace kalkora
