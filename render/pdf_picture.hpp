#pragma once
// A drawing as a PDF file of our own writing: A4 pages upright at the drawing's
// scale, the title and column heads repeated on each page, the Japanese texts in a
// subset of the bundled font embedded in the file.
#include <string>

#include "picture/drawing.hpp"
#include "render/true_type_font.hpp"

namespace velni::render {

std::string PdfPicture(const Drawing& drawing, const TrueTypeFont& font);

}  // namespace velni::render
