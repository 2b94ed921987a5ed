#include "graphs/CurveAnalysis.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "common/Errors.h"
#include "graphs/Axes.h"
#include "numtext/NumText.h"

namespace kalkora {
namespace {

// Halvings of a bracket: 200 take any x87 bracket below what 15 digits can tell apart, except
// around 0, where the rounder x below takes over.
constexpr int kMostHalvings = 200;
constexpr int kMostGoldenSteps = 160;

bool Negative(Extended y) {
  return y < 0;
}

// The formula reads x to 15 digits: two x alike in them are one x to it.
bool Alike(Extended a, Extended b) {
  return RoundGeneral15(a) == RoundGeneral15(b);
}

// x rounded to `decimals` places, as a number; nothing where the text would not read back.
std::optional<Extended> RoundedTo(Extended x, int decimals) {
  try {
    return ParseFloat(FormatFixed(x, 18, decimals));
  } catch (const Error&) {
    return std::nullopt;
  }
}

// The roundest x in [low, high] that `accept` takes: the fewest decimals first, from whole
// numbers down to the 15th significant digit of `near`.
template <typename Accept>
std::optional<Extended> Roundest(Extended near, Extended low, Extended high, Accept&& accept) {
  const int magnitude = near == 0 ? 0 : static_cast<int>(std::floor(std::log10(std::fabs(near))));
  const int finest = std::max(0, 15 - 1 - magnitude);
  for (int decimals = 0; decimals <= finest; ++decimals) {
    const std::optional<Extended> c = RoundedTo(near, decimals);
    if (c && *c >= low && *c <= high && accept(*c)) return c;
  }
  return std::nullopt;
}

class Analyser {
 public:
  Analyser(const SampledCurve& curve, const CurveFunction& f)
      : c_(curve), formula_(f), budget_(std::max<std::size_t>(4000, curve.xs.size() / 10)) {}

  CurveMarks Run() {
    const std::size_t n = std::min(c_.xs.size(), c_.ys.size());
    if (n > 0 && c_.xs.front() <= 0 && c_.xs[n - 1] >= 0) {
      if (const std::optional<Extended> y = F(0)) marks_.yIntercept = CurvePoint{0, *y};
    }
    for (std::size_t i = 0; i < n && !exhausted_; ++i) {
      if (c_.ys[i] == 0) AddZero(ExactZero(c_.xs[i]));
      if (i + 1 < n && Joined(i) && c_.ys[i] != 0 && c_.ys[i + 1] != 0 &&
          Negative(c_.ys[i]) != Negative(c_.ys[i + 1]))
        Bisect(c_.xs[i], c_.ys[i], c_.xs[i + 1], c_.ys[i + 1]);
    }
    Extrema(n);
    std::sort(marks_.zeros.begin(), marks_.zeros.end(),
              [](const CurvePoint& a, const CurvePoint& b) { return a.x < b.x; });
    return std::move(marks_);
  }

 private:
  bool Joined(std::size_t i) const { return c_.xs[i + 1] - c_.xs[i] <= c_.step * 1.5L; }

  void AddZero(const CurvePoint& zero) {
    if (exhausted_ || marks_.zeros.size() >= kMostMarks) return;
    for (const CurvePoint& known : marks_.zeros) {
      if (Alike(known.x, zero.x)) return;
    }
    marks_.zeros.push_back(zero);
  }

  // A point of the build where y is 0: at a rounder x nearby if the formula gives 0 there too.
  CurvePoint ExactZero(Extended x) const {
    const Extended room = c_.step * 1e-9L;
    const std::optional<Extended> c = Roundest(x, x - room, x + room, [&](Extended t) {
      const std::optional<Extended> y = F(t);
      return y && *y == 0;
    });
    return {c.value_or(x), 0};
  }

  // A sign change between a and b: a zero, or a pole where |y| grows without bound.
  void Bisect(Extended a, Extended fa, Extended b, Extended fb) {
    if (marks_.zeros.size() >= kMostMarks) return;
    const Extended bound = std::max(std::fabs(fa), std::fabs(fb));
    for (int i = 0; i < kMostHalvings && !Alike(a, b); ++i) {
      const Extended m = a + (b - a) / 2;
      if (m <= a || m >= b) break;
      const std::optional<Extended> fm = F(m);
      if (!fm) return;  // no value inside: not a zero that can be told
      if (*fm == 0) {
        AddZero({Rounder(m, a, b), 0});
        return;
      }
      if (Negative(*fm) == Negative(fa)) {
        a = m;
        fa = *fm;
      } else {
        b = m;
        fb = *fm;
      }
    }
    // Near a pole |y| only grows as the bracket closes in.
    if (std::min(std::fabs(fa), std::fabs(fb)) > bound) return;
    // The point is on the x-axis: its y is 0, whatever the formula's last digits say.
    AddZero({Rounder(std::fabs(fa) <= std::fabs(fb) ? a : b, a, b), 0});
  }

  // The roundest x of the final bracket: the formula cannot place the zero closer than that.
  Extended Rounder(Extended x, Extended a, Extended b) const {
    const std::optional<Extended> c =
        Roundest(x, std::min(a, b), std::max(a, b), [&](Extended t) { return F(t).has_value(); });
    return c.value_or(x);
  }

  void Extrema(std::size_t n) {
    // Each point against the nearest different value on either side, so that a flat top of
    // several equal points is one extremum.
    std::size_t i = 0;
    while (i < n && !exhausted_) {
      std::size_t j = i;
      while (j + 1 < n && Joined(j) && c_.ys[j + 1] == c_.ys[i])
        ++j;
      if (i > 0 && j + 1 < n && Joined(i - 1) && Joined(j)) {
        const bool above = c_.ys[i] > c_.ys[i - 1] && c_.ys[i] > c_.ys[j + 1];
        const bool below = c_.ys[i] < c_.ys[i - 1] && c_.ys[i] < c_.ys[j + 1];
        std::vector<CurvePoint>& list = above ? marks_.maxima : marks_.minima;
        if ((above || below) && list.size() < kMostMarks) {
          const CurvePoint extremum = Extremum(c_.xs[i - 1], c_.xs[j + 1], above);
          if (!exhausted_) list.push_back(extremum);
        }
      }
      i = j + 1;
    }
    // A curve that touches 0 at its extremum has a zero there too.
    for (const auto* list : {&marks_.minima, &marks_.maxima}) {
      for (const CurvePoint& p : *list) {
        if (p.y == 0) AddZero(p);
      }
    }
  }

  // Golden-section search for the top (or bottom) between a and b.
  CurvePoint Extremum(Extended a, Extended b, bool top) const {
    const auto value = [&](Extended x) -> std::optional<Extended> {
      const std::optional<Extended> y = F(x);
      if (!y) return std::nullopt;
      return top ? -*y : *y;
    };
    const Extended ratio = (std::sqrt(5.0L) - 1) / 2;
    Extended low = a, high = b;
    Extended p = high - ratio * (high - low), q = low + ratio * (high - low);
    std::optional<Extended> fp = value(p), fq = value(q);
    for (int i = 0; i < kMostGoldenSteps && !Alike(low, high) && fp && fq; ++i) {
      if (*fp <= *fq) {
        high = q;
        q = p;
        fq = fp;
        p = high - ratio * (high - low);
        fp = value(p);
      } else {
        low = p;
        p = q;
        fp = fq;
        q = low + ratio * (high - low);
        fq = value(q);
      }
    }
    Extended x = fp && (!fq || *fp <= *fq) ? p : q;
    std::optional<Extended> best = value(x);
    if (!best) return {x, 0};
    // The formula cannot tell the x of a flat top apart: the roundest one with the same value.
    if (const std::optional<Extended> c = Roundest(x, a, b, [&](Extended t) {
          const std::optional<Extended> y = value(t);
          return y && *y <= *best;
        })) {
      x = *c;
      best = value(x);
    }
    return {x, top ? -*best : *best};
  }

  // The formula, within the budget: a tenth of the build's evaluations (a few thousand at
  // least), so that even a slow formula of a long file is never analysed for longer than that.
  std::optional<Extended> F(Extended x) const {
    if (used_ >= budget_) {
      exhausted_ = true;
      return std::nullopt;
    }
    ++used_;
    return formula_(x);
  }

  const SampledCurve& c_;
  const CurveFunction& formula_;
  const std::size_t budget_;
  mutable std::size_t used_ = 0;
  mutable bool exhausted_ = false;  // what is refined after this is dropped, not guessed
  CurveMarks marks_;
};

}  // namespace

CurveMarks AnalyseCurve(const SampledCurve& curve, const CurveFunction& f) {
  return Analyser(curve, f).Run();
}

std::vector<CurvePoint> Crossings(const SampledCurve& curve, const CurveFunction& f,
                                  const CurveFunction& g) {
  // The crossings are the zeros of f - g, found on f's points; g is evaluated there.
  const CurveFunction difference = [&](Extended x) -> std::optional<Extended> {
    const std::optional<Extended> a = f(x);
    const std::optional<Extended> b = g(x);
    if (!a || !b) return std::nullopt;
    return *a - *b;
  };
  std::vector<Extended> xs, ys;
  xs.reserve(curve.xs.size());
  ys.reserve(curve.xs.size());
  for (std::size_t i = 0; i < std::min(curve.xs.size(), curve.ys.size()); ++i) {
    if (const std::optional<Extended> b = g(curve.xs[i])) {
      xs.push_back(curve.xs[i]);
      ys.push_back(curve.ys[i] - *b);
    }
  }
  const CurveMarks marks = AnalyseCurve({xs, ys, curve.step}, difference);
  std::vector<CurvePoint> crossings;
  for (const CurvePoint& zero : marks.zeros) {
    if (const std::optional<Extended> y = f(zero.x)) crossings.push_back({zero.x, *y});
  }
  return crossings;
}

std::vector<ValueRow> ValueTable(const SampledCurve& curve, Extended low, Extended high,
                                 const CurveFunction& f, const CurveMarks* marks) {
  constexpr int kRows = 20;
  const std::size_t n = std::min(curve.xs.size(), curve.ys.size());
  std::vector<ValueRow> rows;
  if (n <= kTabledPoints) {
    for (std::size_t i = 0; i < n; ++i)
      rows.push_back({curve.xs[i], curve.ys[i]});
  } else if (f) {
    // Round x read best in a table, and the formula gives their values exactly.
    for (const Extended x : Ticks(low, high, TickStep(high - low, kRows), 4 * kRows))
      rows.push_back({x, f(x)});
  } else {
    const std::size_t every = (n + kRows - 1) / kRows;
    for (std::size_t i = 0; i < n; i += every)
      rows.push_back({curve.xs[i], curve.ys[i]});
    if ((n - 1) % every != 0) rows.push_back({curve.xs[n - 1], curve.ys[n - 1]});
  }
  if (marks != nullptr) {
    for (const auto* kind : {&marks->zeros, &marks->minima, &marks->maxima}) {
      for (const CurvePoint& p : *kind)
        rows.push_back({p.x, p.y});
    }
    if (marks->yIntercept) rows.push_back({marks->yIntercept->x, marks->yIntercept->y});
  }
  std::stable_sort(rows.begin(), rows.end(),
                   [](const ValueRow& a, const ValueRow& b) { return a.x < b.x; });
  rows.erase(std::unique(rows.begin(), rows.end(),
                         [](const ValueRow& a, const ValueRow& b) { return a.x == b.x; }),
             rows.end());
  return rows;
}

}  // namespace kalkora
