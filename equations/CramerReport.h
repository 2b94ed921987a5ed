// The linear system report: the system as typed and its results as shown, as Windows-1251
// text with CR LF line ends.
#pragma once

#include <array>
#include <string>

namespace kalkora {

inline constexpr const char* kCramerReportName = "Решение СЛУ.txt";

// What the page shows, as UTF-8 text.
struct LinearSystemTexts {
  bool twoUnknowns = false;
  bool threeUnknowns = false;
  // Column by column: a11 a21 a31, a12 a22 a32, a13 a23 a33, b1 b2 b3 (Edit2 to Edit16).
  std::array<std::string, 12> grid;
  // The captions of the three result labels.
  std::array<std::string, 3> results;
};

// The report's bytes: four heading lines, then the equations and results of the ticked layout.
std::string CramerReport(const LinearSystemTexts& page);

}  // namespace kalkora
