#pragma once
// Saving a drawing as SVG, PNG or PDF, chosen by the file's extension. The
// interface has no Qt type, so the command line stays free of them.
#include <optional>
#include <string>

#include "picture/drawing.hpp"

namespace velni::render {

enum class PictureFormat { Svg, Png, Pdf };

// The format an extension names (any letter case); none for another one.
std::optional<PictureFormat> FormatOfPath(const std::u16string& path);

// Writes the file; false when it cannot be written. A PDF has A4 pages at 1:100
// with the title and column heads repeated on each page.
bool SavePicture(const Drawing& drawing, const std::u16string& path, PictureFormat format);

}  // namespace velni::render
