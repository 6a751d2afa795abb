#include "render/qt/paged_drawing.hpp"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "render/drawing_pages.hpp"
#include "render/qt/drawing_painter.hpp"

namespace velni::render {
namespace {

using picture::kPageMarginLeft;
using picture::kPageMarginTop;

// One page: the band above the body as it is, then this page's slice of the body.
void PaintPage(QPainter& painter, const Drawing& drawing, double k, int page, double bodyPerPage) {
  painter.save();
  painter.translate(kPageMarginLeft * k, kPageMarginTop * k);
  painter.setClipRect(QRectF(-1, -1, drawing.width * k + 2, drawing.bodyTop * k + 1));
  PaintDrawing(painter, drawing, k, {-1e300, drawing.bodyTop});
  painter.restore();
  painter.save();
  const double shift = page * bodyPerPage;
  painter.translate(kPageMarginLeft * k, (kPageMarginTop - shift) * k);
  painter.setClipRect(QRectF(-1, (drawing.bodyTop + shift) * k, drawing.width * k + 2, (bodyPerPage + 0.3) * k));
  // Only the marks of this page: a long boring's pages do not each paint it all.
  PaintDrawing(painter, drawing, k, {drawing.bodyTop + shift, drawing.bodyTop + shift + bodyPerPage + 0.3});
  painter.restore();
}

}  // namespace

bool PaintOnPages(const Drawing& drawing, QPagedPaintDevice& device, double pixelsPerMillimetre) {
  // Whole metres of depth per page, so that each page starts at a metre.
  const double bodyPerPage = BodyPerPage(drawing);
  const int pages = PageCount(drawing);
  QPainter painter;
  if (!painter.begin(&device)) return false;
  for (int page = 0; page < pages; ++page) {
    if (page > 0) device.newPage();
    PaintPage(painter, drawing, pixelsPerMillimetre, page, bodyPerPage);
  }
  return painter.end();
}

}  // namespace velni::render
