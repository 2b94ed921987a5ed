#include "graphs/GraphFile.h"

#include <cmath>
#include <cstdint>
#include <cstring>

#include "common/Errors.h"
#include "common/Float.h"

namespace kalkora {

namespace {

constexpr std::size_t kRecordSize = 10;

// The low bits of Trunc(value) as a two's complement integer, for any finite value: numbers of
// 2^64 and more are whole multiples of every power of two up to it, so only their remainder
// counts. A value that is no number gives 0.
std::uint32_t LowBits(Extended value, Extended modulus) {
  if (!std::isfinite(value)) return 0;
  Extended remainder = std::fmod(std::trunc(value), modulus);
  if (remainder < 0) remainder += modulus;
  return static_cast<std::uint32_t>(remainder);
}

class RecordReader {
 public:
  explicit RecordReader(std::string_view bytes) : bytes_(bytes) {}

  // Only whole records count: a few bytes left over at the end are no record.
  std::size_t Left() const { return bytes_.size() / kRecordSize - next_; }

  Extended Next() {
    if (Left() == 0) throw InOutError(kReadBeyondEnd);
    return GetExtended(bytes_.substr(kRecordSize * next_++, kRecordSize));
  }

 private:
  std::string_view bytes_;
  std::size_t next_ = 0;
};

}  // namespace

void PutExtended(std::string& out, Extended value) {
  unsigned char record[kRecordSize];
  std::memcpy(record, &value, kRecordSize);
  out.append(reinterpret_cast<const char*>(record), kRecordSize);
}

Extended GetExtended(std::string_view record) {
  std::uint64_t significand = 0;
  std::uint16_t signAndExponent = 0;
  std::memcpy(&significand, record.data(), 8);
  std::memcpy(&signAndExponent, record.data() + 8, 2);
  const int exponent = signAndExponent & 0x7fff;
  const bool negative = (signAndExponent & 0x8000) != 0;
  const bool integerBit = (significand >> 63) != 0;
  // Encodings the processor refuses to compute with (a missing integer bit on a non-zero
  // exponent) are no number; a denormal with the integer bit set has the smallest exponent.
  if (exponent != 0 && !integerBit) return std::nan("");
  if (exponent == 0 && integerBit) {
    const Extended magnitude = std::ldexp(static_cast<Extended>(significand), -16445);
    return negative ? -magnitude : magnitude;
  }
  Extended value = 0;
  std::memcpy(&value, record.data(), kRecordSize);
  return value;
}

std::string EncodeGraphFile(std::string_view formula, const GraphState& state) {
  const std::size_t points = std::min(state.PointsX.size(), state.PointsY.size());
  std::string bytes;
  bytes.reserve(kRecordSize * (formula.size() + 4 + 2 * points));
  PutExtended(bytes, static_cast<Extended>(formula.size()));
  for (const char c : formula)
    PutExtended(bytes, static_cast<unsigned char>(c));
  PutExtended(bytes, state.RangeEnd);
  PutExtended(bytes, state.RangeStart);
  PutExtended(bytes, state.StepValue);
  for (std::size_t i = 0; i < points; ++i) {
    PutExtended(bytes, state.PointsX[i]);
    PutExtended(bytes, state.PointsY[i]);
  }
  return bytes;
}

bool GraphFileDamage::Damaged() const {
  return cutRecord ||
         (!gapped && pointsExpected && static_cast<std::int64_t>(pointsRead) < *pointsExpected);
}

std::string DecodeGraphFile(std::string_view bytes, GraphState& state, GraphFileDamage* damage) {
  state.PointsX.clear();
  state.PointsY.clear();
  state.Gaps.clear();
  state.PolesAfter.clear();
  RecordReader reader(bytes);
  const std::uint32_t length = LowBits(reader.Next(), 65536);
  if (length > reader.Left()) throw InOutError(kReadBeyondEnd);
  std::string formula;
  formula.reserve(length);
  for (std::uint32_t i = 0; i < length; ++i) {
    formula += static_cast<char>(LowBits(reader.Next(), 256));
  }
  const Extended rangeEnd = reader.Next();
  const Extended rangeStart = reader.Next();
  const Extended step = reader.Next();
  // The range and step go into the page's fields; an infinity or a non-number there would be
  // shown as such and then fail every computation, so such a file is refused before it counts.
  if (!std::isfinite(rangeEnd) || !std::isfinite(rangeStart) || !std::isfinite(step)) {
    ThrowInvalidOperation();
  }
  state.RangeEnd = rangeEnd;
  state.RangeStart = rangeStart;
  state.StepValue = step;
  // The file's size bounds the points: nothing is reserved beyond what it holds.
  const std::size_t points = reader.Left() / 2;
  std::vector<Extended> xs;
  std::vector<Extended> ys;
  xs.reserve(points);
  ys.reserve(points);
  for (std::size_t i = 0; i < points; ++i) {
    xs.push_back(reader.Next());
    ys.push_back(reader.Next());
  }
  state.PointsX = std::move(xs);
  state.PointsY = std::move(ys);
  if (damage != nullptr) {
    damage->pointsRead = points;
    damage->pointsExpected.reset();
    try {
      if (StepIsValid(rangeStart, rangeEnd, step)) damage->pointsExpected = PointCount(state);
    } catch (const FloatError&) {
      // A range too wide to measure calls for no number of points.
    }
    // An x without its y, or bytes short of a record.
    damage->cutRecord = reader.Left() != 0 || bytes.size() % kRecordSize != 0;
    damage->gapped = false;
    for (std::size_t i = 0; i + 1 < state.PointsX.size() && !damage->gapped; ++i)
      damage->gapped = !Joined(state, i) && state.PointsX[i + 1] > state.PointsX[i];
  }
  return formula;
}

std::string DamageMessage(const GraphFileDamage& damage) {
  std::string text = damage.cutRecord ? "Файл графика обрезан: неполная запись в конце пропущена"
                                      : "В файле не все точки графика";
  text += ". Прочитано точек: " + std::to_string(damage.pointsRead);
  if (damage.pointsExpected) text += " из " + std::to_string(*damage.pointsExpected);
  return text;
}

std::string WithGraphExtension(const std::string& fileName, char separator) {
  const std::size_t slash = fileName.rfind(separator);
  const std::size_t lastPart = slash == std::string::npos ? 0 : slash + 1;
  if (fileName.find('.', lastPart) != std::string::npos) return fileName;
  return fileName + ".grf";
}

}  // namespace kalkora
