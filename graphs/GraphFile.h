// Graph files: a headerless sequence of 10-byte little-endian x87 80-bit numbers holding the
// formula's length and character codes, the range end, start and step, then x and y of each
// point. The page reads and writes the bytes; these functions only turn state into bytes and back.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "graphs/Plot.h"

namespace kalkora {

inline constexpr const char* kGraphFileFilter = "График функции (*.grf)";
inline constexpr const char* kReadBeyondEnd = "Read beyond end of file";

// The largest file the program writes: the longest formula a file can name (its count keeps 16
// bits) and the most points a build makes. Anything larger is no graph file of ours.
inline constexpr std::int64_t kLargestGraphFile = 10 * (65535 + 4 + 2 * kMaxGraphPoints);

// The file's bytes for a formula (single-byte Windows-1251 text) and the state's range, step
// and points.
std::string EncodeGraphFile(std::string_view formula, const GraphState& state);

// What a graph file lacks that a whole one holds.
struct GraphFileDamage {
  std::size_t pointsRead = 0;
  // The points the file's range and step call for, when they make a valid build.
  std::optional<std::int64_t> pointsExpected;
  // Bytes after the last whole point: half a point or part of a record.
  bool cutRecord = false;
  // Points missing between others: the build left gaps where the formula had no value, and
  // fewer points than the range calls for are no damage.
  bool gapped = false;

  bool Damaged() const;
};

// Reads a file's bytes: replaces the state's range, step and points and returns the formula.
// Every whole point is kept, and `damage` (when given) tells what the file lacks. A file that
// ends before its formula, range and step throws InOutError("Read beyond end of file") with the
// points empty. A range or step that is no finite number throws FloatError (invalid operation)
// and leaves the state's range as it was.
std::string DecodeGraphFile(std::string_view bytes, GraphState& state,
                            GraphFileDamage* damage = nullptr);

// The page's message about a damaged file: how many of how many points were read.
std::string DamageMessage(const GraphFileDamage& damage);

// Appends ".grf" when the part of the name after the last path separator has no dot.
std::string WithGraphExtension(const std::string& fileName, char separator);

// One 10-byte record and back.
void PutExtended(std::string& out, Extended value);
Extended GetExtended(std::string_view record);

}  // namespace kalkora
