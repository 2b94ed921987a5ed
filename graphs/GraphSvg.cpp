#include "graphs/GraphSvg.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <string_view>

namespace kalkora {

namespace {

// As the raster's pixel mapping: positions far outside the picture are all alike.
constexpr Extended kPositionLimit = 1 << 30;

Extended Clamped(Extended value) {
  if (std::isnan(value)) ThrowInvalidOperation();
  return std::clamp(value, -kPositionLimit, kPositionLimit);
}

long long Trunc(Extended value) {
  return static_cast<long long>(std::trunc(value));
}

struct Placed {
  GraphTrace::Point at;
  long long column;
  long long row;
  std::size_t index;
};

// The point's place and the pixel the raster gives it. The raster puts the value v on row
// H - trunc(v), whose pixel covers H - trunc(v) to H - trunc(v) + 1; H + 1 - v lies there too.
Placed Place(const GraphState& state, std::size_t i) {
  const Extended x = Clamped(Mul(Sub(state.PointsX[i], state.FrameStart), state.ScaleX));
  const Extended y = Clamped(Mul(Sub(state.PointsY[i], state.MinY), state.ScaleY));
  return {{static_cast<double>(x), static_cast<double>(kGraphHeight + 1 - y)},
          Trunc(x),
          kGraphHeight - Trunc(y),
          i};
}

bool SamePixel(const Placed& a, const Placed& b) {
  return a.column == b.column && a.row == b.row;
}

void TraceLines(const GraphState& state, std::size_t n, GraphTrace& trace) {
  std::vector<GraphTrace::Point>& out = trace.points;
  // A run of points in one column draws no more there than its first, highest, lowest and last
  // point joined in their order: millions of points become at most four per column.
  std::array<Placed, 4> run{};  // first, highest, lowest, last
  long long runColumn = 0;
  bool kept = false;
  Placed last{};
  const auto flush = [&] {
    std::array<Placed, 4> keep = run;
    std::sort(keep.begin(), keep.end(),
              [](const Placed& a, const Placed& b) { return a.index < b.index; });
    for (std::size_t k = 0; k < keep.size(); ++k) {
      if (k > 0 && keep[k].index == keep[k - 1].index) continue;
      if (kept && SamePixel(keep[k], last)) continue;
      out.push_back(keep[k].at);
      last = keep[k];
      kept = true;
    }
  };
  for (std::size_t i = 0; i < n; ++i) {
    const Placed p = Place(state, i);
    const long long column = std::clamp<long long>(p.column, -1, kGraphWidth);
    const bool broken = i > 0 && !Joined(state, i - 1);
    if (i == 0 || column != runColumn || broken) {
      if (i > 0) flush();
      if (broken) {
        trace.breaks.push_back(out.size());
        kept = false;
      }
      run = {p, p, p, p};
      runColumn = column;
      continue;
    }
    if (p.at.y < run[1].at.y) run[1] = p;
    if (p.at.y > run[2].at.y) run[2] = p;
    run[3] = p;
  }
  if (n > 0) flush();
}

void TraceDots(const GraphState& state, std::size_t n, std::vector<GraphTrace::Point>& out) {
  std::vector<bool> lit(static_cast<std::size_t>(kGraphWidth) * kGraphHeight);
  for (std::size_t i = 0; i < n; ++i) {
    const Placed p = Place(state, i);
    if (p.column < 0 || p.column >= kGraphWidth || p.row < 0 || p.row >= kGraphHeight) continue;
    const auto pixel = static_cast<std::size_t>(p.row * kGraphWidth + p.column);
    if (lit[pixel]) continue;
    lit[pixel] = true;
    out.push_back(p.at);
  }
}

// Two decimals at most, trailing zeros dropped, in C notation whatever the locale.
void Number(std::string& out, double value) {
  if (!std::isfinite(value)) value = 0;  // positions are clamped: this never happens
  std::array<char, 40> text{};
  const auto [end, error] =
      std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed, 2);
  std::string_view digits(text.data(), static_cast<std::size_t>(end - text.data()));
  if (error != std::errc()) digits = "0";
  while (digits.back() == '0')
    digits.remove_suffix(1);
  if (digits.back() == '.') digits.remove_suffix(1);
  out += digits == "-0" ? "0" : digits;
}

void Line(std::string& out, double x1, double y1, double x2, double y2) {
  out += "<line x1=\"";
  Number(out, x1);
  out += "\" y1=\"";
  Number(out, y1);
  out += "\" x2=\"";
  Number(out, x2);
  out += "\" y2=\"";
  Number(out, y2);
  out += "\"/>\n";
}

void Axes(std::string& out, const GraphTrace& trace) {
  // Dotted as the raster draws them: three pixels yellow, three blue, from the left and top.
  const double row = trace.axisRow + 0.5;
  const double column = trace.axisColumn + 0.5;
  for (const char* pen :
       {"<g stroke=\"#0000ff\">\n", "<g stroke=\"#ffff00\" stroke-dasharray=\"3 3\">\n"}) {
    out += pen;
    if (trace.axisRow >= 0 && trace.axisRow < kGraphHeight) Line(out, 0, row, kGraphWidth, row);
    if (trace.axisColumn >= 0 && trace.axisColumn < kGraphWidth)
      Line(out, column, 0, column, kGraphHeight);
    out += "</g>\n";
  }
}

// #rrggbb.
std::string Hex(Rgb colour) {
  char text[8];
  std::snprintf(text, sizeof text, "#%06x", static_cast<unsigned>(colour & 0xffffff));
  return text;
}

void Curve(std::string& out, const GraphTrace& trace) {
  if (trace.points.empty()) return;
  constexpr std::size_t kPerLine = 12;
  const std::string colour = Hex(trace.colour);
  const std::string polyline =
      "<polyline stroke=\"" + colour + "\" stroke-linejoin=\"round\" points=\"";
  if (trace.lines) {
    out += polyline;
  } else {
    out += "<path fill=\"" + colour + "\" d=\"";
  }
  std::size_t nextBreak = 0;
  for (std::size_t i = 0; i < trace.points.size(); ++i) {
    if (nextBreak < trace.breaks.size() && trace.breaks[nextBreak] == i) {
      // Not joined across a gap or a pole: the line starts again.
      ++nextBreak;
      if (i > 0) out += "\"/>\n" + polyline;
    } else if (i > 0) {
      out += i % kPerLine == 0 ? '\n' : ' ';
    }
    const GraphTrace::Point& p = trace.points[i];
    if (trace.lines) {
      Number(out, p.x);
      out += ',';
      Number(out, p.y);
    } else {
      // A dot is the pixel's square around the point.
      out += 'M';
      Number(out, p.x - 0.5);
      out += ' ';
      Number(out, p.y - 0.5);
      out += "h1v1h-1z";
    }
  }
  out += "\"/>\n";
}

// Text as SVG holds it: a formula may hold anything, "<b>" too.
std::string Escaped(std::string_view text) {
  std::string out;
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        // No control character is allowed in XML text.
        out += static_cast<unsigned char>(c) < 0x20 ? ' ' : c;
    }
  }
  return out;
}

void Grid(std::string& out, const GraphAxes& axes) {
  out += "<g stroke=\"" + Hex(kGridColour) + "\">\n";
  for (const AxisTick& tick : axes.x) {
    if (tick.pixel >= 0 && tick.pixel < kGraphWidth)
      Line(out, tick.pixel + 0.5, 0, tick.pixel + 0.5, kGraphHeight);
  }
  for (const AxisTick& tick : axes.y) {
    if (tick.pixel >= 0 && tick.pixel < kGraphHeight)
      Line(out, 0, tick.pixel + 0.5, kGraphWidth, tick.pixel + 0.5);
  }
  out += "</g>\n<g stroke=\"#ffff00\">\n";
  if (axes.RowShown()) {
    for (const AxisTick& tick : axes.x)
      Line(out, tick.pixel + 0.5, axes.row - 2, tick.pixel + 0.5, axes.row + 3);
  }
  if (axes.ColumnShown()) {
    for (const AxisTick& tick : axes.y)
      Line(out, axes.column - 2, tick.pixel + 0.5, axes.column + 3, tick.pixel + 0.5);
  }
  out += "</g>\n";
}

void Text(std::string& out, double x, double y, const char* anchor, std::string_view text) {
  out += "<text x=\"";
  Number(out, x);
  out += "\" y=\"";
  Number(out, y);
  out += "\" text-anchor=\"";
  out += anchor;
  out += "\">" + Escaped(text) + "</text>\n";
}

// The numbers, the origin and the names of the axes, where the window writes them.
void AxisTexts(std::string& out, const GraphAxes& axes) {
  const double baseline = kAxisTextHeight - 2;
  out += "<g font-family=\"sans-serif\" font-size=\"10\" fill=\"#ffffff\">\n";
  for (const AxisTick& tick : axes.x) {
    if (!tick.text.empty())
      Text(out, tick.pixel + 0.5, axes.xTextTop + baseline, "middle", tick.text);
  }
  for (const AxisTick& tick : axes.y) {
    if (!tick.text.empty()) Text(out, axes.yTextLeft, tick.pixel + 4, "start", tick.text);
  }
  if (axes.origin) Text(out, axes.column + 4, axes.xTextTop + baseline, "start", "0");
  if (axes.RowShown()) Text(out, kGraphWidth - 4, axes.row - 4, "end", "x");
  if (axes.ColumnShown()) Text(out, axes.yTextLeft, baseline, "start", "y");
  out += "</g>\n";
}

void Marks(std::string& out, const GraphTrace& trace) {
  for (const GraphTrace::Point& p : trace.marks) {
    out += "<circle cx=\"";
    Number(out, p.x);
    out += "\" cy=\"";
    Number(out, p.y);
    out += "\" r=\"3.5\" stroke=\"#ffffff\" stroke-width=\"1.5\"/>\n";
  }
}

// The legend in the top left corner, as the window paints it: a swatch and a label a curve.
void Legend(std::string& out, const std::vector<GraphTrace>& traces) {
  std::vector<const GraphTrace*> named;
  for (const GraphTrace& trace : traces) {
    if (!trace.label.empty()) named.push_back(&trace);
  }
  if (named.empty()) return;
  if (named.size() > kLegendLines) named.erase(named.begin(), named.end() - kLegendLines);
  constexpr int kLine = 14;
  out += "<rect x=\"4\" y=\"4\" width=\"210\" height=\"" +
         std::to_string(8 + kLine * static_cast<int>(named.size())) +
         "\" fill=\"#000050\" fill-opacity=\"0.75\"/>\n";
  out += "<g font-family=\"sans-serif\" font-size=\"11\" fill=\"#ffffff\">\n";
  for (std::size_t k = 0; k < named.size(); ++k) {
    const int y = 8 + kLine * static_cast<int>(k);
    const std::string colour = Hex(named[k]->colour);
    out += "<rect x=\"8\" y=\"" + std::to_string(y + kLine / 2 - 1) +
           "\" width=\"14\" height=\"3\" fill=\"" + colour + "\"/>\n";
    // Cut by characters, never inside one: UTF-8 continuation bytes are 10xxxxxx.
    std::string label;
    std::size_t characters = 0;
    for (std::size_t i = 0; i < named[k]->label.size(); ++i) {
      const auto byte = static_cast<unsigned char>(named[k]->label[i]);
      if ((byte & 0xC0) != 0x80 && ++characters > kLegendCharacters - 1) {
        label += "…";
        break;
      }
      label += named[k]->label[i];
    }
    out += "<text x=\"26\" y=\"" + std::to_string(y + kLine - 3) + "\">" + Escaped(label) +
           "</text>\n";
  }
  out += "</g>\n";
}

}  // namespace

GraphTrace TraceGraph(const GraphState& state, bool lines, Rgb colour) {
  GraphTrace trace;
  trace.lines = lines;
  trace.colour = colour;
  trace.axisRow = static_cast<int>(kGraphHeight - Trunc(Clamped(Mul(-state.MinY, state.ScaleY))));
  trace.axisColumn = static_cast<int>(Trunc(Clamped(Mul(-state.FrameStart, state.ScaleX))));
  const std::size_t n = std::min(state.PointsX.size(), state.PointsY.size());
  if (lines) {
    TraceLines(state, n, trace);
  } else {
    TraceDots(state, n, trace.points);
  }
  return trace;
}

std::string GraphSvg(const std::vector<GraphTrace>& traces, int width, int height,
                     const GraphAxes* axes) {
  std::string out;
  std::string size;
  size += "width=\"" + std::to_string(width) + "\" height=\"" + std::to_string(height) + '"';
  out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  out += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" " + size + " viewBox=\"0 0 " +
         std::to_string(width) + ' ' + std::to_string(height) + "\">\n";
  out += "<rect " + size + " fill=\"#0000ff\"/>\n";
  out += "<g fill=\"none\" stroke-width=\"1\">\n";
  if (axes != nullptr) Grid(out, *axes);
  for (const GraphTrace& trace : traces) {
    Axes(out, trace);
    Curve(out, trace);
  }
  for (const GraphTrace& trace : traces)
    Marks(out, trace);
  out += "</g>\n";
  if (axes != nullptr) AxisTexts(out, *axes);
  Legend(out, traces);
  out += "</svg>\n";
  return out;
}

}  // namespace kalkora
