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
#include "steps/SchoolNotation.h"
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
  const std::vector<Converted> results = ConvertExactly(q, unit, ParseExact(value));
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
      {"Объём", 8, "Кубический метр"}, {"Время", 8, "Секунда"},
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

// Every unit by its definition, built up the way the units are defined, not copied from the
// catalogue's decimals: the names in order, the exact factors and their nearest 80-bit values.
TEST(QuantityCatalogueTest, EveryFactorIsItsUnitsDefinition) {
  const auto d = [](const char* decimal) { return ParseExact(decimal); };
  const Rational inch = d("0,0254"), foot = 12 * inch, yard = 3 * foot, arshin = 28 * inch;
  const Rational sazhen = 3 * arshin, usGallon = 231 * inch * inch * inch;  // 231 cubic inches
  const Rational julianYear = d("365,25") * 86400, gallon = d("0,00454609");
  const Rational pound = d("0,45359237"), russianPound = d("0,40951718");
  Rational kibi = 1;
  std::vector<Rational> byte;
  for (int k = 0; k <= 8; ++k, kibi *= 1024)
    byte.push_back(kibi);
  // Each quantity's units in order, and their factors in the same order; the parsec's 0
  // stands for no rational.
  const std::vector<std::string> names[] = {
      {"Миллиметр", "Сантиметр", "Дециметр", "Метр", "Километр", "Ангстрем", "Дюйм", "Фут", "Аршин",
       "Ярд", "Верста", "Миля", "Морская миля", "Астрономическая единица", "Световой год",
       "Парсек"},
      {"Квадратный миллиметр", "Квадратный сантиметр", "Квадратный дециметр", "Квадратный метр",
       "Квадратный километр", "Ар (сотка)", "Гектар"},
      {"Кубический метр", "Кубический дециметр", "Кубический сантиметр", "Литр", "Бушель", "Галлон",
       "Гектолитр", "Баррель"},
      {"Секунда", "Минута", "Час", "Сутки", "Неделя", "Месяц", "Год", "Век"},
      {"Миллиграмм", "Грамм", "Килограмм", "Карат", "Унция", "Золотник", "Фунт", "Батман", "Пуд",
       "Центнер", "Тонна"},
      {"Джоуль", "Калория", "Килокалория"},
      {"Байт (B)", "Килобайт (KB)", "Мегабайт (MB)", "Гигабайт (GB)", "Терабайт (TB)",
       "Петабайт (PB)", "Эксабайт (EB)", "Зеттабайт (ZB)", "Йоттабайт (YB)"},
  };
  const std::vector<Rational> factors[] = {
      {d("0,001"), d("0,01"), d("0,1"), 1, 1000, d("1E-10"), inch, foot, arshin, yard, 500 * sazhen,
       1760 * yard, 1852, d("149597870700"), julianYear * 299792458, 0},
      {d("1E-6"), d("1E-4"), d("0,01"), 1, 1000 * 1000, 10 * 10, 100 * 100},
      {1, d("0,001"), d("1E-6"), d("0,001"), 8 * gallon, gallon, d("0,1"), 42 * usGallon},
      {1, 60, 3600, 24 * 3600, 7 * 24 * 3600, julianYear / 12, julianYear, 100 * julianYear},
      {d("1E-6"), d("0,001"), 1, d("0,0002"), pound / 16, russianPound / 96, pound, 8,
       40 * russianPound, 100, 1000},
      {1, d("4,1868"), 1000 * d("4,1868")},
      byte,
  };
  ASSERT_EQ(QuantityCatalogue().size(), std::size(names));
  for (int q = 0; q < 7; ++q) {
    ASSERT_EQ(Quantity(q).Units.size(), names[q].size()) << q;
    for (std::size_t i = 0; i < names[q].size(); ++i) {
      const TMeasureUnit& unit = Quantity(q).Units[i];
      EXPECT_EQ(unit.Name, names[q][i]);
      if (sgn(factors[q].at(i)) == 0) continue;
      ASSERT_TRUE(unit.Exact.has_value()) << unit.Name;
      EXPECT_EQ(*unit.Exact, factors[q][i]) << unit.Name;
      EXPECT_EQ(unit.Factor, ToExtended(factors[q][i])) << unit.Name;
    }
  }
  // 648 000/π astronomical units = 30856775814913672,789 m: no rational, and 80 bits within
  // about one unit in the last place.
  const TMeasureUnit& parsec = Quantity(0).Units.at(15);
  EXPECT_FALSE(parsec.Exact.has_value());
  const Extended reference = ParseFloat("30856775814913672,789139");
  EXPECT_LE(std::fabs(parsec.Factor - reference), reference * 0x1p-63L);
}

// Names are Russian words: no Latin letter outside the parentheses of the byte's multiples (the
// are's "A" once was one).
TEST(QuantityCatalogueTest, NamesHaveNoLatinLetters) {
  for (const TQuantity& quantity : QuantityCatalogue()) {
    std::vector<std::string> texts = {quantity.Caption};
    for (const TMeasureUnit& unit : quantity.Units)
      texts.push_back(unit.Name.substr(0, unit.Name.find('(')));
    for (const std::string& text : texts) {
      for (const char c : text)
        EXPECT_FALSE((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) << text;
    }
  }
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
                        {8, "0,00140607424071991 Аршин"},
                        {9, "0,00109361329833771 Ярд"},
                        {10, "9,37382827146607E-7 Верста"},
                        {11, "6,21371192237334E-7 Миля"},
                        {12, "5,39956803455724E-7 Морская миля"},
                        {13, "6,68458712226845E-15 Астрономическая единица"},
                        {14, "1,05700083402462E-19 Световой год"},
                        {15, "3,24077928944437E-20 Парсек"}}},
        ConversionCase{"1 century",
                       3,
                       7,
                       "1",
                       {{0, "3155760000 Секунда"},
                        {1, "52596000 Минута"},
                        {2, "876600 Час"},
                        {3, "36525 Сутки"},
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
                        {6, "0,0009765625 Эксабайт (EB)"},
                        {7, "9,5367431640625E-7 Зеттабайт (ZB)"},
                        {8, "9,31322574615479E-10 Йоттабайт (YB)"}}},
        ConversionCase{"1 pood",
                       4,
                       8,
                       "1",
                       {{0, "16380687,2 Миллиграмм"},
                        {1, "16380,6872 Грамм"},
                        {2, "16,3806872 Килограмм"},
                        {3, "81903,436 Карат"},
                        {4, "577,811737000779 Унция"},
                        {5, "3840 Золотник"},
                        {6, "36,1132335625487 Фунт"},
                        {7, "2,0475859 Батман"},
                        {8, "1 Пуд"},
                        {9, "0,163806872 Центнер"},
                        {10, "0,0163806872 Тонна"}}},
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
                        {15, "-8,10194822361091E-17 Парсек"}}},
        ConversionCase{"1 byte", 6, 0, "1", {{0, "1 Байт (B)"}, {1, "0,0009765625 Килобайт (KB)"}}},
        ConversionCase{"1 kilobyte",
                       6,
                       1,
                       "1",
                       {{0, "1024 Байт (B)"},
                        {5, "9,09494701772928E-13 Петабайт (PB)"},
                        {6, "8,88178419700125E-16 Эксабайт (EB)"},
                        {8, "8,470329472543E-22 Йоттабайт (YB)"}}},
        // 2,675 in 80 bits is a little more, enough to round the 15th digit up.
        ConversionCase{"2.675 bytes", 6, 0, "2,675", {{5, "2,37587727269783E-15 Петабайт (PB)"}}},
        ConversionCase{"1 mile",
                       0,
                       11,
                       "1",
                       {{3, "1609,344 Метр"},
                        {4, "1,609344 Километр"},
                        {8, "2262,85714285714 Аршин"},
                        {10, "1,50857142857143 Верста"},
                        {12, "0,868976241900648 Морская миля"},
                        {13, "1,07578001777E-8 Астрономическая единица"},
                        {14, "1,70107795023251E-13 Световой год"}}},
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
                       {{5, "1E4930 Ангстрем"}, {15, "3,24077928944437E4903 Парсек"}}},
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
    EXPECT_TRUE(ConvertExactly(o.q, o.unit, 1).empty()) << o.q << " " << o.unit;
  }
}

// A product or quotient beyond the 80-bit range is an overflow, never an infinity, whether it
// is exact or in 80 bits.
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
    for (const bool exactly : {false, true}) {
      try {
        if (exactly) {
          ConvertExactly(o.q, o.unit, ParseExact(o.value));
        } else {
          ConvertToAllUnits(o.q, o.unit, ParseFloat(o.value));
        }
        ADD_FAILURE() << o.value << " converted without an error";
      } catch (const FloatError& e) {
        EXPECT_STREQ(e.what(), kOverflowMessage) << o.value;
      }
    }
  }
}

TEST(ConverterTest, ResultLineIsNumberSpaceName) {
  EXPECT_EQ(FormatResultLine(2.5L, "Метр"), "2,5 Метр");
  EXPECT_EQ(FormatResultLine(-0.0L, "Ар (сотка)"), "0 Ар (сотка)");
  EXPECT_EQ(FormatResultLine(1e20L, ""), "1E20 ");
  EXPECT_EQ(FormatResultLine(Converted(Rational(1, 3)), "Год"), "0,333333333333333 Год");
}

TEST(ConverterTest, StepsGoThroughTheBaseUnitToEveryLine) {
  const Rational value = ParseExact("2,5");
  const std::vector<Converted> results = ConvertExactly(0, 4, value);  // kilometres
  const std::string text = PlainText(ConversionSteps(0, 4, value, results));
  const std::string expected =
      "Перевод единиц: Длина\n"
      "Значение переводится в основную единицу (Метр): умножается на число основных единиц в "
      "одной единице.\n"
      "  2,5 Километр = 2,5 · 1000 = 2500\n"
      "Затем делится на число основных единиц в каждой единице:\n"
      "  2500 : 0,001 = 2\u2009500\u2009000 Миллиметр\n"
      "  2500 : 0,01 = 250\u2009000 Сантиметр\n";
  EXPECT_EQ(text.substr(0, expected.size()), expected);
  // One line per unit, each ending in the very line the page lists: "=" where that is the
  // value itself, "≈" where it is rounded.
  for (std::size_t j = 0; j < results.size(); ++j) {
    const std::string line =
        SchoolNumber(FormatConverted(results[j])) + " " + QuantityCatalogue()[0].Units[j].Name;
    const char* relation = j >= 6 ? " ≈ " : " = ";
    EXPECT_NE(text.find(relation + line + "\n"), std::string::npos) << line;
  }
  EXPECT_NE(text.find("  2500 : 1609,344 ≈ 1,55342798059333 Миля\n"), std::string::npos);
  // The answer chains the page's lines, the typed unit left out.
  EXPECT_NE(
      text.find(
          "\nОтвет: 2,5 Километр = 2\u2009500\u2009000 Миллиметр = 250\u2009000 Сантиметр = "),
      std::string::npos);
  EXPECT_EQ(text.find("= 2,5 Километр", text.find("Ответ:")), std::string::npos);
  EXPECT_EQ(ConversionSteps(0, -1, value, {}).state, Working::State::Empty);
}

}  // namespace
}  // namespace kalkora
