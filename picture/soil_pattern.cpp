#include "picture/soil_pattern.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace velni {
namespace {

struct SoilWord {
  const char16_t* word;
  SoilPattern pattern;
};

constexpr std::array<SoilWord, 17> kSoilWords{{
    {u"砂", SoilPattern::Sand},        {u"礫", SoilPattern::Gravel},      {u"玉石", SoilPattern::Gravel},
    {u"シルト", SoilPattern::Silt},    {u"粘土", SoilPattern::Clay},      {u"ローム", SoilPattern::Clay},
    {u"腐植土", SoilPattern::Organic}, {u"腐植", SoilPattern::Organic},   {u"有機質土", SoilPattern::Organic},
    {u"泥炭", SoilPattern::Organic},   {u"ピート", SoilPattern::Organic}, {u"岩", SoilPattern::Rock},
    {u"礫岩", SoilPattern::Rock},      {u"埋土", SoilPattern::Fill},      {u"盛土", SoilPattern::Fill},
    {u"埋め土", SoilPattern::Fill},    {u"表土", SoilPattern::Fill},
}};

constexpr double kLineWidth = 0.12;

// The part of the segment inside the box (Liang-Barsky), none when it misses.
std::optional<Stroke> ClipToBox(Point a, Point b, const Box& box) {
  double t0 = 0;
  double t1 = 1;
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  const std::array<double, 4> p{-dx, dx, -dy, dy};
  const std::array<double, 4> q{a.x - box.x, box.x + box.width - a.x, a.y - box.y, box.y + box.height - a.y};
  for (std::size_t i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return std::nullopt;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0) t0 = std::max(t0, t);
    if (p[i] > 0) t1 = std::min(t1, t);
  }
  if (t0 >= t1) return std::nullopt;
  return Stroke{{a.x + t0 * dx, a.y + t0 * dy}, {a.x + t1 * dx, a.y + t1 * dy}, kLineWidth};
}

void AddClipped(Point a, Point b, const Box& area, Drawing& drawing) {
  if (auto stroke = ClipToBox(a, b, area)) drawing.strokes.push_back(*stroke);
}

// Diagonals at 45 degrees every `spacing`, rising (slope -1) or falling (slope 1).
void Hatch(const Box& area, double spacing, bool rising, Drawing& drawing) {
  const double span = area.width + area.height;
  for (double offset = spacing / 2; offset < span; offset += spacing) {
    const Point start{area.x + offset - area.height, rising ? area.y + area.height : area.y};
    const Point end{area.x + offset, rising ? area.y : area.y + area.height};
    AddClipped(start, end, area, drawing);
  }
}

// Calls `mark` at the points of a staggered grid inside the area, kept `margin` in.
template <typename Mark>
void Grid(const Box& area, double spacing, double margin, Mark mark) {
  int row = 0;
  for (double y = area.y + spacing / 2; y <= area.y + area.height - margin; y += spacing, ++row) {
    const double shift = (row % 2) * spacing / 2;
    for (double x = area.x + spacing / 2 + shift; x <= area.x + area.width - margin; x += spacing) mark(Point{x, y});
  }
}

void HorizontalLines(const Box& area, double spacing, Drawing& drawing) {
  for (double y = area.y + spacing / 2; y < area.y + area.height; y += spacing) {
    drawing.strokes.push_back({{area.x, y}, {area.x + area.width, y}, kLineWidth});
  }
}

}  // namespace

SoilPattern PatternOf(const std::u16string& soilName) {
  SoilPattern found = SoilPattern::None;
  std::size_t bestEnd = 0;
  std::size_t bestLength = 0;
  for (const SoilWord& word : kSoilWords) {
    const std::u16string text = word.word;
    const std::size_t at = soilName.rfind(text);
    if (at == std::u16string::npos) continue;
    const std::size_t end = at + text.size();
    if (end > bestEnd || (end == bestEnd && text.size() > bestLength)) {
      found = word.pattern;
      bestEnd = end;
      bestLength = text.size();
    }
  }
  return found;
}

void DrawPattern(SoilPattern pattern, const Box& area, Drawing& drawing) {
  switch (pattern) {
    case SoilPattern::None:
      return;
    case SoilPattern::Sand:
      return Grid(area, 1.6, 0.3, [&](Point p) { drawing.circles.push_back({p, 0.18, true}); });
    case SoilPattern::Gravel:
      return Grid(area, 3.0, 1.0, [&](Point p) { drawing.circles.push_back({p, 0.7, false}); });
    case SoilPattern::Silt:
      return Grid(area, 2.4, 0.6, [&](Point p) {
        drawing.strokes.push_back({{p.x - 0.6, p.y}, {p.x + 0.6, p.y}, kLineWidth});
      });
    case SoilPattern::Clay:
      return HorizontalLines(area, 1.2, drawing);
    case SoilPattern::Organic:
      return Grid(area, 2.4, 0.6, [&](Point p) {
        drawing.strokes.push_back({{p.x - 0.4, p.y + 0.4}, {p.x + 0.4, p.y - 0.4}, kLineWidth});
      });
    case SoilPattern::Rock:
      return Hatch(area, 2.0, true, drawing);
    case SoilPattern::Fill:
      Hatch(area, 2.5, true, drawing);
      return Hatch(area, 2.5, false, drawing);
  }
}

}  // namespace velni
