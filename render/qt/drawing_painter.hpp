#pragma once
// Painting a drawing description with Qt's painter.
#include <QPainter>

#include "picture/drawing.hpp"
#include "render/mark_extent.hpp"

namespace velni::render {

// Paints the marks of `drawing` that reach `only` (every mark unless said),
// `pixelsPerMillimetre` device units to the millimetre, in the painter's current
// coordinates.
void PaintDrawing(QPainter& painter, const Drawing& drawing, double pixelsPerMillimetre,
                  const Extent& only = {-1e300, 1e300});

// The font the pictures use: the families every renderer asks for, best first.
QFont PictureFont();

}  // namespace velni::render
