#include <cmath>
#include <cstdio>

#include "check/header_facts.hpp"
#include "picture/picture_columns.hpp"
#include "picture/picture_parts.hpp"
#include "picture/text_wrap.hpp"
#include "text/fixed_width.hpp"
#include "text/number_text.hpp"

namespace velni::picture {
namespace {

constexpr double kFrameLine = 0.3;
constexpr double kThinLine = 0.08;
constexpr double kMajorTick = 4;
constexpr double kHalfTick = 2.5;
constexpr double kMinorTick = 1.5;
constexpr double kNGridStep = 10;
constexpr double kTitleSize = 3.5;

// The start of a text that fits `fullWidthColumns`: a name of any length from a
// broken file stays one line inside the frame.
std::u16string CutToWidth(const std::u16string& text, double fullWidthColumns) {
  std::u16string cut;
  for (char16_t c : text) {
    if (TextColumns(cut + c) > fullWidthColumns) break;
    cut += c;
  }
  return cut;
}

void DrawTitle(const MainData& main, Drawing& drawing) {
  const auto field = [&main](int n) { return TrimBlanks(main.headerFields[static_cast<std::size_t>(n)]); };
  const std::u16string title = u"ボーリング名 " + field(kBoringNameField) + u"　　孔口標高 " +
                               field(kElevationField) + u" m　　総掘進長 " + field(kTotalDepthField) + u" m";
  drawing.labels.push_back({{0, kTitleHeight / 2}, CutToWidth(title, kWidth / kTitleSize), kTitleSize, TextAnchor::Left});
}

void DrawHeads(double bottom, Drawing& drawing) {
  const double top = kTitleHeight;
  drawing.boxes.push_back({0, top, kWidth, bottom - top, kFrameLine});
  drawing.strokes.push_back({{0, kBodyTop}, {kWidth, kBodyTop}, kFrameLine});
  for (const Column& column : kColumns) {
    if (column.x > 0) drawing.strokes.push_back({{column.x, top}, {column.x, bottom}, 0.15});
    const double headY = column.x == kNGraph.x ? top + kHeadHeight * 0.3 : top + kHeadHeight / 2;
    const double size = std::min(kTextSize, column.width / (std::u16string(column.head).size() + 0.5));
    drawing.labels.push_back({{column.x + column.width / 2, headY}, column.head, size, TextAnchor::Center});
  }
}

void DrawScale(double depth, Drawing& drawing) {
  const double right = kScale.x + kScale.width;
  const int tenths = static_cast<int>(std::lround(depth * 10));
  for (int i = 1; i <= tenths; ++i) {
    const double y = DepthY(i / 10.0);
    const double tick = i % 10 == 0 ? kMajorTick : (i % 5 == 0 ? kHalfTick : kMinorTick);
    drawing.strokes.push_back({{right - tick, y}, {right, y}, 0.1});
    // Each metre's number stands just above its tick, so that the last one stays
    // inside the frame.
    if (i % 10 == 0) {
      drawing.labels.push_back(
          {{right - kMajorTick - 0.5, y - kTextSize * 0.6}, DecimalText(i / 10), kTextSize, TextAnchor::Right});
    }
  }
}

void DrawNGrid(double bottom, Drawing& drawing) {
  const double labelY = kTitleHeight + kHeadHeight * 0.75;
  for (double n = 0; n <= kLargestN; n += kNGridStep) {
    const double x = kNGraph.x + n / kLargestN * kNGraph.width;
    if (n > 0 && n < kLargestN) drawing.strokes.push_back({{x, kBodyTop}, {x, bottom}, kThinLine});
    const TextAnchor anchor = n == 0 ? TextAnchor::Left : (n == kLargestN ? TextAnchor::Right : TextAnchor::Center);
    drawing.labels.push_back({{x + (n == 0 ? 0.5 : (n == kLargestN ? -0.5 : 0)), labelY},
                              DecimalText(static_cast<std::int64_t>(n)), 2.0, anchor});
  }
  for (double y = DepthY(1); y < bottom; y += kMillimetresPerMetre) {
    drawing.strokes.push_back({{kNGraph.x, y}, {kNGraph.x + kNGraph.width, y}, kThinLine});
  }
}

}  // namespace

double DepthY(double depth) { return kBodyTop + depth * kMillimetresPerMetre; }

std::u16string TwoDecimals(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", value);
  return std::u16string(text, text + std::char_traits<char>::length(text));
}

std::optional<double> NumberOf(const std::u16string& field) {
  const auto value = ParseDouble(TrimBlanks(field));
  if (!value || !std::isfinite(*value)) return std::nullopt;
  return value;
}

void DrawFrame(const MainData& main, double depth, Drawing& drawing) {
  const double bottom = DepthY(depth);
  drawing.width = kWidth;
  drawing.height = bottom;
  drawing.bodyTop = kBodyTop;
  drawing.depthScale = kMillimetresPerMetre;
  DrawTitle(main, drawing);
  DrawHeads(bottom, drawing);
  DrawScale(depth, drawing);
  DrawNGrid(bottom, drawing);
}

}  // namespace velni::picture
