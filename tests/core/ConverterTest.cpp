#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "common/Errors.h"
#include "numtext/NumText.h"
#include "units/Converter.h"
#include "units/ConverterSteps.h"
#include "units/QuantityCatalogue.h"

namespace kalkora {
namespace {

const TQuantity& Quantity(int q) {
  return QuantityCatalogue().at(static_cast<std::size_t>(q));
}

// The result lines for a value typed as text, as the converter page shows them.
std::vector<std::string> Lines(int q, std::int32_t unit, const std::string& value) {
  const std::vector<Extended> results = ConvertToAllUnits(q, unit, ParseFloat(value));
  std::vector<std::string> lines;
  for (std::size_t j = 0; j < results.size(); ++j) {
    lines.push_back(FormatResultLine(results[j], Quantity(q).Units.at(j).Name));
  }
  return lines;
}

// ---- the catalogue ----

TEST(QuantityCatalogueTest, SevenQuantitiesInTabOrderWithTheirBaseUnits) {
  const struct {
    const char* caption;
    std::size_t units;
    const char* base;
  } quantities[] = {
      {"Длина", 16, "Метр"},           {"Площадь", 7, "Квадратный метр"},
      {"Объем", 8, "Кубический метр"}, {"Время", 8, "Секунда"},
      {"Масса", 11, "Килограмм"},      {"Энергия", 3, "Джоуль"},
      {"Информация", 9, "Байт (B)"},
  };
  ASSERT_EQ(QuantityCatalogue().size(), std::size(quantities));
  for (int q = 0; q < 7; ++q) {
    const TQuantity& quantity = Quantity(q);
    EXPECT_EQ(quantity.Caption, quantities[q].caption);
    EXPECT_EQ(quantity.Units.size(), quantities[q].units) << quantity.Caption;
    int bases = 0;
    for (const TMeasureUnit& unit : quantity.Units) {
      if (unit.Factor == 1) {
        ++bases;
        EXPECT_EQ(unit.Name, quantities[q].base);
      }
    }
    EXPECT_EQ(bases, 1) << quantity.Caption;
  }
}

// The result tables below show the other quantities' names and factors, but not these.
TEST(QuantityCatalogueTest, AreaAndVolumeUnitsWithTheNearestFactors) {
  using Units = std::vector<std::pair<std::string, const char*>>;
  const std::pair<int, Units> quantities[] = {
      {1,
       {{"Квадратный миллиметр", "0,000001"},
        {"Квадратный сантиметр", "0,0001"},
        {"Квадратный дециметр", "0,01"},
        {"Квадратный метр", "1"},
        {"Квадратный километр", "1000000"},
        {"Aр(сотка)", "100"},
        {"Гектар", "10000"}}},
      {2,
       {{"Кубический метр", "1"},
        {"Кубический дециметр", "0,001"},
        {"Кубический сантиметр", "0,000001"},
        {"Литр", "0,001"},
        {"Бушель", "0,03637"},
        {"Галлон", "0,004546"},
        {"Гектолитр", "0,1"},
        {"Баррель", "0,15899"}}},
  };
  for (const auto& [q, units] : quantities) {
    ASSERT_EQ(Quantity(q).Units.size(), units.size());
    for (std::size_t i = 0; i < units.size(); ++i) {
      EXPECT_EQ(Quantity(q).Units[i].Name, units[i].first);
      EXPECT_EQ(Quantity(q).Units[i].Factor, ParseFloat(units[i].second)) << units[i].first;
    }
  }
  // The name of the are begins with the Latin capital A, then the Cyrillic "р".
  EXPECT_EQ(Quantity(1).Units.at(5).Name.substr(0, 3), "A\xD1\x80");
  // The yottabyte is 1,20892581961463E24 rounded to 80 bits, a whole number.
  EXPECT_EQ(Quantity(6).Units.at(8).Factor, ParseFloat("1208925819614629999935488"));
  EXPECT_EQ(Quantity(6).Units.at(8).Factor, ParseFloat("1,20892581961463E24"));
}

// ---- conversion and result lines ----

struct ConversionCase {
  const char* title;
  int q;
  std::int32_t unit;
  std::string value;
  std::vector<std::pair<int, std::string>> lines;  // unit index and its whole line
};
void PrintTo(const ConversionCase& c, std::ostream* os) {
  *os << c.title;
}

class ConversionTable : public testing::TestWithParam<ConversionCase> {};

TEST_P(ConversionTable, GivesEveryLineCharacterForCharacter) {
  const ConversionCase& c = GetParam();
  const std::vector<std::string> lines = Lines(c.q, c.unit, c.value);
  ASSERT_EQ(lines.size(), Quantity(c.q).Units.size());
  for (const auto& [j, line] : c.lines) {
    EXPECT_EQ(lines.at(static_cast<std::size_t>(j)), line) << "line " << j;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Tables, ConversionTable,
    testing::Values(
        ConversionCase{"1 millimetre",
                       0,
                       0,
                       "1",
                       {{0, "1 Миллиметр"},
                        {1, "0,1 Сантиметр"},
                        {2, "0,01 Дециметр"},
                        {3, "0,001 Метр"},
                        {4, "1E-6 Километр"},
                        {5, "10000000 Ангстрем"},
                        {6, "0,0393700787401575 Дюйм"},
                        {7, "0,00328083989501312 Фут"},
                        {8, "0,00140646976090014 Аршин"},
                        {9, "0,00109361329833771 Ярд"},
                        {10, "9,37382827146607E-7 Верст"},
                        {11, "6,21504039776259E-7 Миля"},
                        {12, "5,39956803455724E-7 Морская миля"},
                        {13, "6,68896321070234E-15 Астрономическая единица"},
                        {14, "1,05708245243129E-19 Световой год"},
                        {15, "3,24044069993519E-20 Парсек"}}},
        ConversionCase{"1 century",
                       3,
                       7,
                       "1",
                       {{0, "3155760000 Секунда"},
                        {1, "52596000 Минута"},
                        {2, "876600 Час"},
                        {3, "36525 Сутка"},
                        {4, "5217,85714285714 Неделя"},
                        {5, "1200 Месяц"},
                        {6, "100 Год"},
                        {7, "1 Век"}}},
        ConversionCase{"1 petabyte",
                       6,
                       5,
                       "1",
                       {{0, "1,12589990684262E15 Байт (B)"},
                        {1, "1099511627776 Килобайт (KB)"},
                        {2, "1073741824 Мегабайт (MB)"},
                        {3, "1048576 Гигабайт (GB)"},
                        {4, "1024 Терабайт (TB)"},
                        {5, "1 Петабайт (PB)"},
                        {6, "0,000976562499999994 Эксабайт (EB)"},
                        {7, "9,53674316406248E-7 Зеттабайт (ZB)"},
                        {8, "9,31322574615475E-10 Йоттабайт (YB)"}}},
        ConversionCase{"1 pood",
                       4,
                       8,
                       "1",
                       {{0, "16380000 Миллиграмм"},
                        {1, "16380 Грамм"},
                        {2, "16,38 Килограмм"},
                        {3, "81900 Карат"},
                        {4, "577,777777777778 Унция"},
                        {5, "3845,07042253521 Золотник"},
                        {6, "36,1119072289953 Фунт"},
                        {7, "2,0475 Батман"},
                        {8, "1 Пуд"},
                        {9, "0,1638 Центнер"},
                        {10, "0,01638 Тонна"}}},
        ConversionCase{"1 are",
                       1,
                       5,
                       "1",
                       {{0, "100000000 Квадратный миллиметр"},
                        {4, "0,0001 Квадратный километр"},
                        {6, "0,01 Гектар"}}},
        ConversionCase{"1 calorie",
                       5,
                       1,
                       "1",
                       {{0, "4,1868 Джоуль"}, {1, "1 Калория"}, {2, "0,001 Килокалория"}}},
        ConversionCase{"-2.5 metres",
                       0,
                       3,
                       "-2,5",
                       {{0, "-2500 Миллиметр"},
                        {4, "-0,0025 Километр"},
                        {5, "-25000000000 Ангстрем"},
                        {6, "-98,4251968503937 Дюйм"},
                        {15, "-8,10110174983798E-17 Парсек"}}},
        ConversionCase{"1 byte", 6, 0, "1", {{0, "1 Байт (B)"}, {1, "0,0009765625 Килобайт (KB)"}}},
        // The largest plain number, and one that only reaches 10^15 when cut to 15 digits.
        ConversionCase{"15 nines of metres",
                       0,
                       3,
                       "999999999999999",
                       {{0, "9,99999999999999E17 Миллиметр"},
                        {3, "999999999999999 Метр"},
                        {4, "999999999999,999 Километр"}}},
        ConversionCase{"rounds up to 10^15", 0, 3, "999999999999999,5", {{3, "1E15 Метр"}}},
        // The smallest plain number, and the two sides of it after rounding to 15 digits.
        ConversionCase{"0.0001 metre",
                       0,
                       3,
                       "0,0001",
                       {{2, "0,001 Дециметр"}, {3, "0,0001 Метр"}, {4, "1E-7 Километр"}}},
        ConversionCase{
            "just below 0.0001", 0, 3, "0,0000999999999999999", {{3, "9,99999999999999E-5 Метр"}}},
        ConversionCase{"rounds up to 0.0001", 0, 3, "0,00009999999999999999", {{3, "0,0001 Метр"}}},
        // Near both ends of the range: no overflow, and what underflows is a plain zero.
        ConversionCase{"1E4920 metres",
                       0,
                       3,
                       "1E4920",
                       {{5, "1E4930 Ангстрем"}, {15, "3,24044069993519E4903 Парсек"}}},
        ConversionCase{"-1E-4950 metres", 0, 3, "-1E-4950", {{4, "0 Километр"}, {15, "0 Парсек"}}}),
    [](const testing::TestParamInfo<ConversionCase>& info) {
      std::string name;
      for (const char* p = info.param.title; *p; ++p) {
        if ((*p >= 'a' && *p <= 'z') || (*p >= 'A' && *p <= 'Z') || (*p >= '0' && *p <= '9'))
          name += *p;
      }
      return name + "_" + std::to_string(info.index);
    });

// Zero in any spelling gives an unsigned 0 on every line of every quantity.
TEST(ConverterTest, ZeroIsZeroEverywhereWithoutASign) {
  for (const char* zero : {"0", "-0", ",", "-0,000", "0E5"}) {
    for (int q = 0; q < 7; ++q) {
      const auto& units = Quantity(q).Units;
      for (std::int32_t i = 0; i < static_cast<std::int32_t>(units.size()); ++i) {
        const std::vector<std::string> lines = Lines(q, i, zero);
        ASSERT_EQ(lines.size(), units.size());
        for (std::size_t j = 0; j < lines.size(); ++j) {
          EXPECT_EQ(lines[j], "0 " + units[j].Name) << zero << " q" << q << " i" << i;
        }
      }
    }
  }
}

// The selected unit's own line is (x * f) / f, rounded twice, not x itself.
TEST(ConverterTest, TheSelectedUnitIsConvertedToo) {
  const Extended x = ParseFloat("0,1");
  const Extended inch = Quantity(0).Units[6].Factor;
  const Extended viaBase = Div(Mul(x, inch), inch);
  const std::vector<Extended> results = ConvertToAllUnits(0, 6, x);
  ASSERT_EQ(results.size(), 16u);
  EXPECT_EQ(results[6], viaBase);
  // 0,1 does not come back exactly from the round trip, so a shortcut would show here.
  EXPECT_NE(viaBase, x);
}

TEST(ConverterTest, NoResultsOutsideTheCatalogue) {
  const struct {
    int q;
    std::int32_t unit;
  } outside[] = {
      {0, -1},
      {0, 16},
      {5, 3},
      {6, 9},
      {-1, 0},
      {7, 0},
      {0, std::numeric_limits<std::int32_t>::min()},
      {0, std::numeric_limits<std::int32_t>::max()},
  };
  for (const auto& o : outside) {
    EXPECT_TRUE(ConvertToAllUnits(o.q, o.unit, 1).empty()) << o.q << " " << o.unit;
  }
}

// A product or quotient beyond the 80-bit range is an overflow, never an infinity.
TEST(ConverterTest, LeavingTheRangeIsAnOverflow) {
  const struct {
    int q;
    std::int32_t unit;
    const char* value;
  } overflows[] = {
      {0, 15, "1E4932"},                // the product, in parsecs
      {0, 15, "-1E4932"},               // negative: still an overflow
      {0, 3, "1E4930"},                 // the quotient, into angstroms
      {6, 8, "1E4910"},                 // the product, in yottabytes
      {0, 3, "1,18973149535723E4932"},  // the largest value: into millimetres
  };
  for (const auto& o : overflows) {
    try {
      ConvertToAllUnits(o.q, o.unit, ParseFloat(o.value));
      ADD_FAILURE() << o.value << " converted without an error";
    } catch (const FloatError& e) {
      EXPECT_STREQ(e.what(), kOverflowMessage) << o.value;
    }
  }
}

TEST(ConverterTest, ResultLineIsNumberSpaceName) {
  EXPECT_EQ(FormatResultLine(2.5L, "Метр"), "2,5 Метр");
  EXPECT_EQ(FormatResultLine(-0.0L, "Aр(сотка)"), "0 Aр(сотка)");
  EXPECT_EQ(FormatResultLine(1e20L, ""), "1E20 ");
}

TEST(ConverterTest, StepsGoThroughTheBaseUnitToEveryLine) {
  const Extended value = ParseFloat("2,5");
  const std::vector<Extended> results = ConvertToAllUnits(0, 4, value);  // kilometres
  const std::string text = PlainText(ConversionSteps(0, 4, value, results));
  const std::string expected =
      "Перевод единиц: Длина\n"
      "Значение переводится в основную единицу (Метр): умножается на число основных единиц в "
      "одной единице.\n"
      "  2,5 Километр = 2,5 · 1000 = 2500\n"
      "Затем делится на число основных единиц в каждой единице:\n"
      "  2500 : 0,001 = 2500000 Миллиметр\n"
      "  2500 : 0,01 = 250000 Сантиметр\n";
  EXPECT_EQ(text.substr(0, expected.size()), expected);
  // One line per unit, each ending in the very line the page lists.
  for (std::size_t j = 0; j < results.size(); ++j) {
    const std::string line = FormatResultLine(results[j], QuantityCatalogue()[0].Units[j].Name);
    EXPECT_NE(text.find(" = " + line + "\n"), std::string::npos) << line;
  }
  EXPECT_EQ(ConversionSteps(0, -1, value, {}).state, Working::State::Empty);
}

}  // namespace
}  // namespace kalkora
