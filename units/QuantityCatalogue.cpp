#include "units/QuantityCatalogue.h"

#include <numbers>
#include <string_view>
#include <utility>

namespace kalkora {

namespace {

// A unit of `factor` base units (a decimal with a comma) divided by `divisor`, both exact.
TMeasureUnit Unit(std::string name, std::string_view factor, long divisor = 1) {
  Rational exact = ParseExact(factor) / divisor;
  const Extended nearest = ToExtended(exact);
  return {std::move(name), nearest, std::move(exact)};
}

// The factors are the units' legal definitions: the international inch, foot, yard, mile and
// pound, the imperial gallon and bushel, the oil barrel of 42 US gallons, the Russian arshin of
// 28 inches and pound of 409.51718 g, the Julian year, the IT calorie, the binary multiples of
// the byte. The parsec, 648 000/π astronomical units, is the one that is not rational.
std::vector<TQuantity> MakeCatalogue() {
  const Extended parsec = 648000.0L * 149597870700.0L / std::numbers::pi_v<Extended>;
  return {
      {"Длина",
       {
           Unit("Миллиметр", "0,001"),
           Unit("Сантиметр", "0,01"),
           Unit("Дециметр", "0,1"),
           Unit("Метр", "1"),
           Unit("Километр", "1000"),
           Unit("Ангстрем", "1E-10"),
           Unit("Дюйм", "0,0254"),
           Unit("Фут", "0,3048"),
           Unit("Аршин", "0,7112"),
           Unit("Ярд", "0,9144"),
           Unit("Верста", "1066,8"),
           Unit("Миля", "1609,344"),
           Unit("Морская миля", "1852"),
           Unit("Астрономическая единица", "149597870700"),
           Unit("Световой год", "9460730472580800"),
           {"Парсек", parsec, std::nullopt},
       }},
      {"Площадь",
       {
           Unit("Квадратный миллиметр", "0,000001"),
           Unit("Квадратный сантиметр", "0,0001"),
           Unit("Квадратный дециметр", "0,01"),
           Unit("Квадратный метр", "1"),
           Unit("Квадратный километр", "1000000"),
           Unit("Ар (сотка)", "100"),
           Unit("Гектар", "10000"),
       }},
      {"Объём",
       {
           Unit("Кубический метр", "1"),
           Unit("Кубический дециметр", "0,001"),
           Unit("Кубический сантиметр", "0,000001"),
           Unit("Литр", "0,001"),
           Unit("Бушель", "0,03636872"),
           Unit("Галлон", "0,00454609"),
           Unit("Гектолитр", "0,1"),
           Unit("Баррель", "0,158987294928"),
       }},
      {"Время",
       {
           Unit("Секунда", "1"),
           Unit("Минута", "60"),
           Unit("Час", "3600"),
           Unit("Сутки", "86400"),
           Unit("Неделя", "604800"),
           Unit("Месяц", "2629800"),  // a twelfth of a year of 365.25 days
           Unit("Год", "31557600"),
           Unit("Век", "3155760000"),
       }},
      {"Масса",
       {
           Unit("Миллиграмм", "0,000001"),
           Unit("Грамм", "0,001"),
           Unit("Килограмм", "1"),
           Unit("Карат", "0,0002"),
           Unit("Унция", "0,028349523125"),
           Unit("Золотник", "0,40951718", 96),
           Unit("Фунт", "0,45359237"),
           Unit("Батман", "8"),
           Unit("Пуд", "16,3806872"),
           Unit("Центнер", "100"),
           Unit("Тонна", "1000"),
       }},
      {"Энергия",
       {
           Unit("Джоуль", "1"),
           Unit("Калория", "4,1868"),
           Unit("Килокалория", "4186,8"),
       }},
      {"Информация",
       {
           Unit("Байт (B)", "1"),
           Unit("Килобайт (KB)", "1024"),
           Unit("Мегабайт (MB)", "1048576"),
           Unit("Гигабайт (GB)", "1073741824"),
           Unit("Терабайт (TB)", "1099511627776"),
           Unit("Петабайт (PB)", "1125899906842624"),
           Unit("Эксабайт (EB)", "1152921504606846976"),
           Unit("Зеттабайт (ZB)", "1180591620717411303424"),
           Unit("Йоттабайт (YB)", "1208925819614629174706176"),
       }},
  };
}

}  // namespace

const std::vector<TQuantity>& QuantityCatalogue() {
  static const std::vector<TQuantity> catalogue = MakeCatalogue();
  return catalogue;
}

}  // namespace kalkora
