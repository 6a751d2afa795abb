#include <algorithm>
#include <cmath>

#include "model/penetration_entry.hpp"
#include "model/record_positions.hpp"
#include "picture/picture_columns.hpp"
#include "picture/picture_parts.hpp"
#include "text/number_text.hpp"

namespace velni::picture {
namespace {

constexpr double kPointRadius = 0.6;
constexpr double kCentimetresPerMetre = 100;

std::u16string WholeOrTwoDecimals(double value) {
  if (value == std::trunc(value) && std::abs(value) < 1e6) return DecimalText(static_cast<std::int64_t>(value));
  return TwoDecimals(value);
}

// The mark of a value beyond the graph: an arrow head pointing out at its edge.
void OverflowMark(Point at, double n, Drawing& drawing) {
  drawing.strokes.push_back({{at.x - 1.6, at.y - 1}, {at.x - 0.6, at.y}, 0.2});
  drawing.strokes.push_back({{at.x - 1.6, at.y + 1}, {at.x - 0.6, at.y}, 0.2});
  drawing.labels.push_back({{at.x - 2, at.y}, WholeOrTwoDecimals(n), 2.0, TextAnchor::Right});
}

}  // namespace

void DrawTests(const PenetrationFile& penetration, Drawing& drawing) {
  Polyline graph;
  graph.width = 0.25;
  double lastLabelY = -kTextSize;
  double lastPointY = -kTextSize;
  for (const SourceRecord& test : penetration.tests) {
    const auto depth = NumberOf(test.fields[test_field::kDepth]);
    const auto entry = ParseDriveEntry(test.fields[test_field::kMainEntry], true);
    if (!depth || !entry) continue;
    // The point stands at the middle of the main drive.
    const double y = DepthY(*depth + entry->penetration / 2 / kCentimetresPerMetre);
    // A count too close to the one above is left out rather than overlapping it.
    if (y - lastLabelY >= kTextSize) {
      drawing.labels.push_back({{kBlows.x + kBlows.width / 2, y},
                                WholeOrTwoDecimals(entry->blows) + u"/" + WholeOrTwoDecimals(entry->penetration),
                                kTextSize, TextAnchor::Center});
      lastLabelY = y;
    }
    const double n = BlowCountN(*entry);
    const double shown = std::clamp(n, 0.0, kLargestN);
    const Point point{kNGraph.x + shown / kLargestN * kNGraph.width, y};
    // A point on the one above it, or a bend the line cannot show, is left out.
    if (y - lastPointY >= 2 * kPointRadius) {
      drawing.circles.push_back({point, kPointRadius, true});
      if (n > kLargestN) OverflowMark(point, n, drawing);
      lastPointY = y;
    }
    if (graph.points.empty() || y - graph.points.back().y >= kFinestGap) graph.points.push_back(point);
  }
  if (graph.points.size() > 1) drawing.polylines.push_back(std::move(graph));
}

}  // namespace velni::picture
