#pragma once
// The Japanese font the picture files are drawn with: the bundled IPAGothic
// (fonts/ipag.ttf beside the program, where the build and the Windows packages put
// it), else where Debian's fonts-ipafont-gothic installs it.
#include <string>
#include <vector>

#include "render/true_type_font.hpp"

namespace velni::render {

// The places looked at, in order.
std::vector<std::u16string> BundledFontPlaces();
// The first of them that holds a file; empty when none does.
std::u16string BundledFontPath();
// The font read once per process; null when no place holds a usable one.
const TrueTypeFont* BundledFont();

}  // namespace velni::render
