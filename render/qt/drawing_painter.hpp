#pragma once
// Painting a drawing description with Qt's painter.
#include <QPainter>

#include "picture/drawing.hpp"

namespace velni::render {

// Paints every mark of `drawing`, `pixelsPerMillimetre` device units to the
// millimetre, in the painter's current coordinates.
void PaintDrawing(QPainter& painter, const Drawing& drawing, double pixelsPerMillimetre);

// The font the pictures use: the families every renderer asks for, best first.
QFont PictureFont();

}  // namespace velni::render
