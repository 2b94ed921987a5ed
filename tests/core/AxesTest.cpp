#include "graphs/Axes.h"

#include <gtest/gtest.h>

#include <string>

#include "numtext/NumText.h"

namespace kalkora {
namespace {

std::string Shown(const std::vector<Extended>& ticks) {
  std::string out;
  for (const Extended t : ticks)
    out += FormatGeneral15(t) + " ";
  return out;
}

TEST(Axes, TicksAtRoundStepsAcrossEveryRange) {
  const struct {
    Extended low, high;
    const char* step;
    const char* ticks;
  } cases[] = {
      {-2, 4.5L, "1", "-2 -1 0 1 2 3 4 "},
      {-27, 48, "10", "-20 -10 0 10 20 30 40 "},
      {0, 1, "0,2", "0 0,2 0,4 0,6 0,8 1 "},
      {0, 1.5L, "0,2", "0 0,2 0,4 0,6 0,8 1 1,2 1,4 "},
      {-0.3L, 0.35L, "0,1", "-0,3 -0,2 -0,1 0 0,1 0,2 0,3 "},
      {1000, 9000, "1000", "1000 2000 3000 4000 5000 6000 7000 8000 9000 "},
      {0.00001L, 0.00004L, "5E-6", "1E-5 1,5E-5 2E-5 2,5E-5 3E-5 3,5E-5 4E-5 "},
      {-1e20L, 1e20L, "5E19", "-1E20 -5E19 0 5E19 1E20 "},
  };
  for (const auto& c : cases) {
    const Extended step = TickStep(c.high - c.low, 6);
    EXPECT_EQ(FormatGeneral15(step), c.step) << c.low << " " << c.high;
    EXPECT_EQ(Shown(Ticks(c.low, c.high, step)), c.ticks) << c.low << " " << c.high;
  }
  EXPECT_EQ(TickStep(0, 6), 1);
  EXPECT_EQ(Ticks(0, 1e30L, 1e-30L, 10).size(), 10u);
}

}  // namespace
}  // namespace kalkora
