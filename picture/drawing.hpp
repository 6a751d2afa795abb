#pragma once
// A picture as a list of simple marks in millimetres (x to the right, y downwards),
// drawn by whatever renders it (the window, SVG, PNG, PDF) without knowing what
// they mean.
#include <string>
#include <vector>

namespace velni {

struct Point {
  double x = 0;
  double y = 0;
};

struct Stroke {
  Point from;
  Point to;
  double width = 0.15;
};

struct Box {
  double x = 0;
  double y = 0;
  double width = 0;
  double height = 0;
  double lineWidth = 0.2;
};

struct Circle {
  Point center;
  double radius = 0;
  bool filled = false;
};

struct Polyline {
  std::vector<Point> points;
  double width = 0.25;
};

enum class TextAnchor { Left, Center, Right };

// A one-line text whose middle height is at `at.y`; `at.x` is its left end, middle
// or right end as `anchor` says.
struct Label {
  Point at;
  std::u16string text;
  double size = 2.5;  // character height
  TextAnchor anchor = TextAnchor::Left;
};

struct Drawing {
  double width = 0;
  double height = 0;
  // The title and the column heads lie above this; below it depth runs down, so a
  // paged rendering repeats the band above on each page.
  double bodyTop = 0;
  // Millimetres per metre of depth.
  double depthScale = 10;
  std::vector<Stroke> strokes;
  std::vector<Box> boxes;
  std::vector<Circle> circles;
  std::vector<Polyline> polylines;
  std::vector<Label> labels;
};

}  // namespace velni
