// Graph files: a headerless sequence of 10-byte little-endian x87 80-bit numbers holding the
// formula's length and character codes, the range end, start and step, then x and y of each
// point. The page reads and writes the bytes; these functions only turn state into bytes and back.
#pragma once

#include <string>
#include <string_view>

#include "graphs/Plot.h"

namespace kalkora {

inline constexpr const char* kGraphFileFilter = "Funksiyanin qrafiki (*.grf)";
inline constexpr const char* kReadBeyondEnd = "Read beyond end of file";

// The file's bytes for a formula (single-byte Windows-1251 text) and the state's range, step
// and points.
std::string EncodeGraphFile(std::string_view formula, const GraphState& state);

// Reads a file's bytes: replaces the state's range, step and points and returns the formula.
// Every complete point is kept. A file that ends before its formula, range and step, or in the
// middle of a point, throws InOutError("Read beyond end of file"); the state then keeps what
// was read before the end: nothing but empty points, or the range, step and complete points.
// A range or step that is no finite number throws FloatError (invalid operation) and leaves the
// state's range as it was.
std::string DecodeGraphFile(std::string_view bytes, GraphState& state);

// Appends ".grf" when the part of the name after the last path separator has no dot.
std::string WithGraphExtension(const std::string& fileName, char separator);

// One 10-byte record and back.
void PutExtended(std::string& out, Extended value);
Extended GetExtended(std::string_view record);

}  // namespace kalkora
