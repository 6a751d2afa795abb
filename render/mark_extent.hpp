#pragma once
// The top and bottom of each kind of mark, in the drawing's millimetres, so that a
// page is given only the marks that reach it.
#include <algorithm>

#include "picture/drawing.hpp"

namespace velni::render {

struct Extent {
  double top;
  double bottom;
  bool Meets(const Extent& other) const { return top <= other.bottom && bottom >= other.top; }
};

inline Extent ExtentOf(const Stroke& s) { return {std::min(s.from.y, s.to.y), std::max(s.from.y, s.to.y)}; }
inline Extent ExtentOf(const Box& b) { return {b.y, b.y + b.height}; }
inline Extent ExtentOf(const Circle& c) { return {c.center.y - c.radius, c.center.y + c.radius}; }
inline Extent ExtentOf(const Label& l) { return {l.at.y - l.size, l.at.y + l.size}; }
inline Extent ExtentOf(const Polyline& line) {
  Extent extent{1e300, -1e300};
  for (const Point& p : line.points) extent = {std::min(extent.top, p.y), std::max(extent.bottom, p.y)};
  return extent;
}

}  // namespace velni::render
