#include "equations/CramerReport.h"

#include "common/Cp1251.h"

namespace kalkora {

namespace {

// A coefficient after the first gets "+" unless its text brings its own "-".
std::string Signed(const std::string& text) {
  return (!text.empty() && text.front() == '-' ? "" : "+") + text;
}

}  // namespace

std::string CramerReport(const LinearSystemTexts& page) {
  const auto& g = page.grid;
  std::string text =
      "<<Калкора1.0>>\r\n<<Решение системы линейных уравнений методом Крамера>>\r\n" +
      std::string(75, '-') + "\r\n\r\n";
  const auto line = [&text](const std::string& content) { text += content + "\r\n"; };
  if (page.threeUnknowns) {
    for (int row = 0; row < 3; ++row) {
      line(g[row] + "x" + Signed(g[3 + row]) + "y" + Signed(g[6 + row]) + "z=" + g[9 + row]);
    }
    line("");
    for (const std::string& result : page.results)
      line(result);
  }
  if (page.twoUnknowns) {
    // Two unknowns: the third column holds the right-hand sides.
    for (int row = 0; row < 2; ++row)
      line(g[row] + "x" + Signed(g[3 + row]) + "y=" + g[6 + row]);
    line("");
    line(page.results[0]);
    line(page.results[1]);
  }
  return Utf8ToCp1251(text);
}

}  // namespace kalkora
