#pragma once
// The black-and-white pattern of a soil in the log's column, chosen from the last
// soil word of its name (シルト質砂 is a sand, 砂質シルト a silt).
#include <string>

#include "picture/drawing.hpp"

namespace velni {

enum class SoilPattern { None, Sand, Gravel, Silt, Clay, Organic, Rock, Fill };

SoilPattern PatternOf(const std::u16string& soilName);

// Adds the pattern's marks inside `area` (an unknown soil adds none).
void DrawPattern(SoilPattern pattern, const Box& area, Drawing& drawing);

}  // namespace velni
