#pragma once
// A drawing on A4 pages at its own scale (1:100), the band above the body (title
// and column heads) repeated on each page: the PDF file and the printer alike.
#include <QPagedPaintDevice>

#include "picture/drawing.hpp"

namespace velni::render {

// Paints on `device`, whose pages are A4 with no margins of its own, at
// `pixelsPerMillimetre` device units to the millimetre; false when the device
// cannot be painted on.
bool PaintOnPages(const Drawing& drawing, QPagedPaintDevice& device, double pixelsPerMillimetre);

}  // namespace velni::render
