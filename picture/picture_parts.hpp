#pragma once
// The parts the boring-log picture is laid out from, each adding its marks.
#include <optional>
#include <string>

#include "model/boring.hpp"
#include "picture/drawing.hpp"

namespace velni::picture {

// The y of a depth in metres.
double DepthY(double depth);
// A number with two decimals ("12.35").
std::u16string TwoDecimals(double value);
// A depth or number field read as a number; none when it is not one.
std::optional<double> NumberOf(const std::u16string& field);

// The title line, the outer frame, the column heads and lines, the scale and the
// N grid, down to `depth` metres.
void DrawFrame(const MainData& main, double depth, Drawing& drawing);
// Layer bottoms, thicknesses, elevations, the log patterns, names and colours.
void DrawLayers(const MainData& main, Drawing& drawing);
// Each remark wrapped inside its depth range.
void DrawRemarks(const RemarksFile& remarks, Drawing& drawing);
// Blows/penetration and the N-value graph.
void DrawTests(const PenetrationFile& penetration, Drawing& drawing);

}  // namespace velni::picture
