#include "graphs/Axes.h"

#include <algorithm>
#include <cmath>

#include "numtext/NumText.h"

namespace kalkora {

Extended TickStep(Extended span, int wanted) {
  span = std::fabs(span);
  if (!std::isfinite(span) || span == 0) return 1;
  const Extended raw = span / std::max(wanted, 1);
  const Extended power = std::pow(10.0L, std::floor(std::log10(raw)));
  // Of 1, 2, 5 and 10 times the power, the one nearest the raw step by ratio.
  Extended best = power;
  for (const Extended m : {2.0L, 5.0L, 10.0L}) {
    if (std::fabs(std::log(m * power / raw)) < std::fabs(std::log(best / raw))) best = m * power;
  }
  return RoundGeneral15(best);
}

std::vector<Extended> Ticks(Extended low, Extended high, Extended step, int most) {
  std::vector<Extended> ticks;
  if (!(step > 0) || !std::isfinite(low) || !std::isfinite(high) || low > high) return ticks;
  const Extended first = std::ceil(low / step - 1e-9L);
  for (int k = 0; k < most; ++k) {
    const Extended tick = RoundGeneral15((first + k) * step);
    if (tick > high + step * 1e-9L) break;
    ticks.push_back(tick == 0 ? 0 : tick);  // never -0
  }
  return ticks;
}

}  // namespace kalkora
