#pragma once
// A drawing as PNG bytes, painted by the host's own painter (Qt's on Linux, GDI+
// on Windows) on white with the sheet's margin, at most kPngPixelsPerMillimetre
// and never larger than kPngMostPixels.
#include <optional>
#include <string>

#include "picture/drawing.hpp"

namespace velni::render {

inline constexpr double kPngPixelsPerMillimetre = 8;
// 32 MB of pixels (four bytes each) while painting; a boring of 60 m still gets
// 8 px/mm. A deeper one's PNG has fewer pixels per millimetre rather than more
// memory and time; its PDF keeps the scale.
inline constexpr double kPngMostPixels = 8e6;
// No side longer than this: image viewers struggle beyond it, and GDI+ under Wine
// overflowed its stack on a PNG 16,000 pixels tall (checked under Wine only).
inline constexpr double kPngMostSide = 14000;

// The pixels per millimetre of the PNG of `drawing` (its margin included).
double PngPixelsPerMillimetre(const Drawing& drawing);

// None when it cannot be painted.
std::optional<std::string> PngPicture(const Drawing& drawing);

}  // namespace velni::render
