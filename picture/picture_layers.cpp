#include <algorithm>
#include <cmath>

#include "check/header_facts.hpp"
#include "model/record_positions.hpp"
#include "picture/picture_columns.hpp"
#include "picture/picture_parts.hpp"
#include "picture/soil_pattern.hpp"
#include "picture/text_wrap.hpp"

namespace velni::picture {
namespace {

constexpr double kLineHeight = kTextSize * 1.25;

struct Band {
  double top;     // metres
  double bottom;  // metres
};

// The lines of a text in a column of a band, or none when they do not fit its height.
std::vector<std::u16string> FittingLines(const std::u16string& text, const Column& column, double height) {
  const int columns = std::max(1, static_cast<int>((column.width - 1) / kTextSize));
  std::vector<std::u16string> lines = WrapText(text, columns);
  if (lines.size() * kLineHeight > height) lines.clear();
  return lines;
}

// A text centred in the band, left out when it does not fit.
void CentreInBand(const std::u16string& text, const Column& column, const Band& band, Drawing& drawing) {
  const double height = (band.bottom - band.top) * kMillimetresPerMetre;
  const std::vector<std::u16string> lines = FittingLines(text, column, height);
  const double middle = (DepthY(band.top) + DepthY(band.bottom)) / 2;
  double y = middle - (static_cast<double>(lines.size()) - 1) * kLineHeight / 2;
  for (const std::u16string& line : lines) {
    drawing.labels.push_back({{column.x + column.width / 2, y}, line, kTextSize, TextAnchor::Center});
    y += kLineHeight;
  }
}

// The numbers at a layer's bottom, just above its line.
void BottomNumbers(const MainData& main, const Band& band, Drawing& drawing) {
  const double y = DepthY(band.bottom) - kTextSize * 0.6;
  const auto right = [](const Column& column) { return column.x + column.width - 0.5; };
  if (const auto elevation = Elevation(main)) {
    drawing.labels.push_back({{right(kElevation), y}, TwoDecimals(*elevation - band.bottom), kTextSize, TextAnchor::Right});
  }
  drawing.labels.push_back({{right(kThickness), y}, TwoDecimals(band.bottom - band.top), kTextSize, TextAnchor::Right});
  drawing.labels.push_back({{right(kDepth), y}, TwoDecimals(band.bottom), kTextSize, TextAnchor::Right});
}

void DrawLayer(const MainData& main, const SourceRecord& layer, const Band& band, bool numbersFit,
               Drawing& drawing) {
  const double y = DepthY(band.bottom);
  const Box area{kLog.x, DepthY(band.top), kLog.width, y - DepthY(band.top), 0.15};
  if (area.height >= kThinnestPattern) DrawPattern(PatternOf(layer.fields[layer_field::kSoilName]), area, drawing);
  if (numbersFit) BottomNumbers(main, band, drawing);
  CentreInBand(layer.fields[layer_field::kSoilName], kSoilName, band, drawing);
  CentreInBand(layer.fields[layer_field::kColour], kColour, band, drawing);
}

}  // namespace

void DrawLayers(const MainData& main, Drawing& drawing) {
  double top = 0;
  double lastNumbersY = kBodyTop;
  double lastLineY = kBodyTop;
  for (const SourceRecord& layer : main.layers) {
    const auto bottom = NumberOf(layer.fields[layer_field::kDepth]);
    if (!bottom || *bottom <= top) continue;  // no band to draw
    // Numbers too close to the ones above are left out rather than overlapping.
    const bool numbersFit = DepthY(*bottom) - lastNumbersY >= kTextSize;
    if (numbersFit) lastNumbersY = DepthY(*bottom);
    if (DepthY(*bottom) - lastLineY >= kFinestGap) {
      lastLineY = DepthY(*bottom);
      drawing.strokes.push_back({{kElevation.x, lastLineY}, {kRemarks.x, lastLineY}, 0.15});
    }
    DrawLayer(main, layer, {top, *bottom}, numbersFit, drawing);
    top = *bottom;
  }
}

void DrawRemarks(const RemarksFile& remarks, Drawing& drawing) {
  double top = 0;
  double lastLineY = kBodyTop;
  const int columns = static_cast<int>((kRemarks.width - 2) / kTextSize);
  for (const SourceRecord& remark : remarks.records) {
    const auto bottom = NumberOf(remark.fields[remark_field::kDepth]);
    if (!bottom || *bottom <= top) continue;
    const double last = DepthY(*bottom) - kLineHeight / 2;
    double y = DepthY(top) + kLineHeight / 2 + 0.3;
    for (const std::u16string& line : WrapText(remark.fields[remark_field::kText], columns)) {
      if (y > last + 0.01) break;  // the rest has no room in its range
      drawing.labels.push_back({{kRemarks.x + 1, y}, line, kTextSize, TextAnchor::Left});
      y += kLineHeight;
    }
    if (DepthY(*bottom) - lastLineY >= kFinestGap) {
      lastLineY = DepthY(*bottom);
      drawing.strokes.push_back({{kRemarks.x, lastLineY}, {kRemarks.x + kRemarks.width, lastLineY}, 0.1});
    }
    top = *bottom;
  }
}

}  // namespace velni::picture
