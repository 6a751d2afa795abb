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

// Writes the file whole or not at all; empty when written, else why not (the file
// that cannot be written, or the font a PDF needs that is missing). SVG and PDF are
// of our own writing on every host, PNG the host's painter's. A PDF has A4 pages at
// 1:100 with the title and column heads repeated on each page.
std::u16string WritePicture(const Drawing& drawing, const std::u16string& path, PictureFormat format);
// The same, true when written.
bool SavePicture(const Drawing& drawing, const std::u16string& path, PictureFormat format);

}  // namespace velni::render
