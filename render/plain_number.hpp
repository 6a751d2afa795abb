#pragma once
// Numbers written into SVG and PDF: at most `decimals` decimals (two: hundredths
// of a millimetre or a point are finer than any printer draws), no trailing zeros,
// a point whatever the locale.
#include <string>

namespace velni::render {

void AppendNumber(std::string& out, double value, int decimals = 2);

// Four hexadecimal digits in capitals, as a PDF writes a glyph or character code.
std::string Hex4(unsigned value);

}  // namespace velni::render
