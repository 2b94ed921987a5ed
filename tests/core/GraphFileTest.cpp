// Graph files: the byte layout, round trips, and files that are short or malformed.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "common/Errors.h"
#include "graphs/GraphFile.h"
#include "graphs/Plot.h"

namespace kalkora {
namespace {

std::string Hex(std::string_view bytes) {
  static const char digits[] = "0123456789ABCDEF";
  std::string text;
  for (const unsigned char b : bytes) {
    if (!text.empty()) text += ' ';
    text += digits[b >> 4];
    text += digits[b & 15];
  }
  return text;
}

std::string Record(Extended value) {
  std::string bytes;
  PutExtended(bytes, value);
  return bytes;
}

std::string Records(std::initializer_list<Extended> values) {
  std::string bytes;
  for (const Extended v : values)
    PutExtended(bytes, v);
  return bytes;
}

GraphState DefaultGraph() {
  GraphState state;
  state.RangeStart = -2;
  state.RangeEnd = 4.5L;
  state.StepValue = 0.01L;
  ComputePoints(state, "x^4-4*x^3");
  return state;
}

TEST(GraphFileTest, RecordsAreLittleEndianX87) {
  const struct {
    Extended value;
    const char* bytes;
  } cases[] = {
      {1, "00 00 00 00 00 00 00 80 FF 3F"},   {9, "00 00 00 00 00 00 00 90 02 40"},
      {120, "00 00 00 00 00 00 00 F0 05 40"}, {4.5L, "00 00 00 00 00 00 00 90 01 40"},
      {-2, "00 00 00 00 00 00 00 80 00 C0"},  {0, "00 00 00 00 00 00 00 00 00 00"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Hex(Record(c.value)), c.bytes);
    EXPECT_EQ(GetExtended(Record(c.value)), c.value);
  }
}

TEST(GraphFileTest, DefaultGraphFileAndItsRoundTrip) {
  const GraphState saved = DefaultGraph();
  const std::string bytes = EncodeGraphFile("x^4-4*x^3", saved);
  ASSERT_EQ(bytes.size(), 13150u);
  EXPECT_EQ(Hex(bytes.substr(0, 10)), "00 00 00 00 00 00 00 90 02 40");   // 9 characters
  EXPECT_EQ(Hex(bytes.substr(10, 10)), "00 00 00 00 00 00 00 F0 05 40");  // 'x'
  EXPECT_EQ(bytes.substr(100, 10), Record(4.5L));                         // the end first
  EXPECT_EQ(bytes.substr(110, 10), Record(-2));

  GraphState opened;
  opened.MaxY = 7;  // opening leaves the extremes alone
  EXPECT_EQ(DecodeGraphFile(bytes, opened), "x^4-4*x^3");
  EXPECT_EQ(opened.RangeEnd, 4.5L);
  EXPECT_EQ(opened.RangeStart, -2);
  EXPECT_EQ(opened.StepValue, 0.01L);
  // Every point comes back, the last one too.
  EXPECT_EQ(opened.PointsX, saved.PointsX);
  EXPECT_EQ(opened.PointsY, saved.PointsY);
  EXPECT_EQ(opened.MaxY, 7);
  EXPECT_EQ(EncodeGraphFile("x^4-4*x^3", opened), bytes);
}

TEST(GraphFileTest, FormulaCodesAndNoPoints) {
  GraphState state;
  state.RangeEnd = 1;
  const std::string formula(256, '\xe0');  // 256 times the code page's "а"
  const std::string bytes = EncodeGraphFile(formula, state);
  ASSERT_EQ(bytes.size(), 10u * (256 + 4));
  EXPECT_EQ(bytes.substr(0, 10), Record(256));
  EXPECT_EQ(bytes.substr(10, 10), Record(224));
  GraphState opened;
  opened.PointsX = {1, 2};
  opened.PointsY = {3, 4};
  EXPECT_EQ(DecodeGraphFile(bytes, opened), formula);
  EXPECT_TRUE(opened.PointsX.empty());
  EXPECT_TRUE(opened.PointsY.empty());
}

TEST(GraphFileTest, CountsAndCodesAreTruncatedToTheirLowBits) {
  const Extended huge = std::numeric_limits<Extended>::max();
  const struct {
    Extended count;
    std::vector<Extended> codes;
    std::string formula;
  } cases[] = {
      {2.9L, {65.7L, 66}, "AB"},                   // fractions are cut toward zero
      {65538, {67, 68}, "CD"},                     // a count keeps its low 16 bits: 2
      {2, {256 + 69, -187}, "EE"},                 // codes keep their low 8 bits, negatives too
      {2, {huge, 70}, std::string("\0F", 2)},      // a huge code is a multiple of 256
      {1, {std::nanl("")}, std::string("\0", 1)},  // no number at all reads as 0
  };
  for (const auto& c : cases) {
    std::string bytes = Record(c.count);
    for (const Extended code : c.codes)
      PutExtended(bytes, code);
    bytes += Records({1, 0, 0.5L});
    GraphState state;
    EXPECT_EQ(DecodeGraphFile(bytes, state), c.formula);
    EXPECT_EQ(state.RangeEnd, 1);
    EXPECT_EQ(state.StepValue, 0.5L);
  }
}

TEST(GraphFileTest, ShortFilesEndWithReadBeyondEndOfFile) {
  const std::string cases[] = {
      "",                        // nothing at all
      "123",                     // less than one record
      Records({300, 120, 120}),  // a count far beyond the file
      Records({-1, 120}),        // -1 keeps 65535 as its count
      Records({1, 120, 5}),      // no start and no step
  };
  for (const std::string& bytes : cases) {
    GraphState state;
    state.PointsX = {1};
    state.PointsY = {2};
    state.RangeEnd = 42;
    try {
      DecodeGraphFile(bytes, state);
      ADD_FAILURE() << "no error for " << Hex(bytes);
    } catch (const InOutError& e) {
      EXPECT_STREQ(e.what(), "Read beyond end of file");
    }
    EXPECT_TRUE(state.PointsX.empty());
    EXPECT_TRUE(state.PointsY.empty());
  }
}

TEST(GraphFileTest, DamagedFilesKeepTheirWholePointsAndSayWhatIsMissing) {
  const std::string whole = EncodeGraphFile("x^4-4*x^3", DefaultGraph());
  ASSERT_EQ(whole.size(), 13150u);
  const struct {
    std::string bytes;
    std::size_t points;
    bool cut;
    const char* message;
  } cases[] = {
      // Cut on a record boundary, and in the middle of one, as a full disk leaves it.
      {whole.substr(0, 4090), 198, false,
       "В файле не все точки графика. Прочитано точек: 198 из 651"},
      {whole.substr(0, 4096), 198, true,
       "Файл графика обрезан: неполная запись в конце пропущена. Прочитано точек: 198 из 651"},
      // Stray bytes after the last point.
      {whole + "xyz", 651, true,
       "Файл графика обрезан: неполная запись в конце пропущена. Прочитано точек: 651 из 651"},
      // The range and step call for no number of points: only a cut record counts.
      {Records({0, 4, 0, 0, 2, 3}) + "xyz", 1, true,
       "Файл графика обрезан: неполная запись в конце пропущена. Прочитано точек: 1"},
  };
  for (const auto& c : cases) {
    GraphState state;
    GraphFileDamage damage;
    EXPECT_NO_THROW(DecodeGraphFile(c.bytes, state, &damage));
    EXPECT_EQ(state.PointsX.size(), c.points);
    EXPECT_EQ(state.PointsY.size(), c.points);
    EXPECT_EQ(damage.cutRecord, c.cut);
    EXPECT_TRUE(damage.Damaged());
    EXPECT_EQ(DamageMessage(damage), c.message);
  }
  GraphState cut;
  DecodeGraphFile(whole.substr(0, 4096), cut);
  EXPECT_EQ(cut.PointsY.back(), DefaultGraph().PointsY[197]);
}

TEST(GraphFileTest, WholeFilesAndFilesWithoutPointsAreNotDamaged) {
  GraphState empty;  // saved before any build: no range, no step, no points
  for (const std::string& bytes :
       {EncodeGraphFile("x^4-4*x^3", DefaultGraph()), EncodeGraphFile("x", empty)}) {
    GraphState state;
    GraphFileDamage damage;
    DecodeGraphFile(bytes, state, &damage);
    EXPECT_FALSE(damage.Damaged()) << DamageMessage(damage);
  }
}

TEST(GraphFileTest, EncodingsTheProcessorRefusesReadAsNoNumber) {
  // An exponent without the integer bit (an "unnormal") and a NaN.
  const std::string unnormal("\x00\x00\x00\x00\x00\x00\x00\x40\xff\x3f", 10);
  EXPECT_TRUE(std::isnan(GetExtended(unnormal)));
  // A denormal with the integer bit set is worth the same as with the smallest exponent.
  const std::string pseudoDenormal("\x00\x00\x00\x00\x00\x00\x00\x80\x00\x00", 10);
  EXPECT_EQ(GetExtended(pseudoDenormal), std::numeric_limits<Extended>::min());
}

TEST(GraphFileTest, ARangeOrStepThatIsNoFiniteNumberIsRefused) {
  const Extended infinity = std::numeric_limits<Extended>::infinity();
  for (const std::string& bytes : {Records({0, infinity, 0, 1}), Records({0, 1, std::nanl(""), 1}),
                                   Records({0, 1, 0, -infinity, 5, 6})}) {
    GraphState state;
    state.RangeEnd = 42;
    state.PointsX = {1};
    state.PointsY = {2};
    try {
      DecodeGraphFile(bytes, state);
      ADD_FAILURE() << "no error for " << Hex(bytes);
    } catch (const FloatError& e) {
      EXPECT_STREQ(e.what(), "Invalid floating point operation");
    }
    EXPECT_EQ(state.RangeEnd, 42);
    EXPECT_TRUE(state.PointsX.empty());
  }
}

TEST(GraphFileTest, GraphExtensionGoesOnNamesWithoutADotInTheirLastPart) {
  const struct {
    const char* name;
    const char* written;
  } cases[] = {
      {"/home/u/graph", "/home/u/graph.grf"},     {"/home/u.v/graph", "/home/u.v/graph.grf"},
      {"/home/u/graph.grf", "/home/u/graph.grf"}, {"/home/u/graph.txt", "/home/u/graph.txt"},
      {"/home/u/.graph", "/home/u/.graph"},       {"graph", "graph.grf"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(WithGraphExtension(c.name, '/'), c.written);
}

}  // namespace
}  // namespace kalkora
