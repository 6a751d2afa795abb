#pragma once
// A drawing as an SVG document of our own writing: millimetres as user units, a
// white margin around the frame, every text one <text> element (a soil name is
// found whole in the file), one list of font families for every text, UTF-8.
#include <string>

#include "picture/drawing.hpp"

namespace velni::render {

std::string SvgPicture(const Drawing& drawing);

}  // namespace velni::render
