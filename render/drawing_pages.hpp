#pragma once
// How a drawing falls on A4 pages: the band above its body (title and column heads)
// on every page, then whole metres of its body per page, for the PDF file and the
// printer alike.
#include "picture/drawing.hpp"
#include "picture/picture_pages.hpp"

namespace velni::render {

// Millimetres of the drawing's body on one page.
inline double BodyPerPage(const Drawing& drawing) { return picture::kMetresPerPage * drawing.depthScale; }

inline int PageCount(const Drawing& drawing) {
  return picture::PagesFor((drawing.height - drawing.bodyTop) / drawing.depthScale);
}

// The top of page `page`'s slice of the body, in the drawing's millimetres.
inline double SliceTop(const Drawing& drawing, int page) { return drawing.bodyTop + page * BodyPerPage(drawing); }

}  // namespace velni::render
