#pragma once
// A drawing on A4 pages through GDI+, as the PDF file has it: the band above the
// body (title and column heads) on every page, then whole metres of the body per
// page. The pages go to a printer, or in tests to metafiles.
#include <windows.h>

#include <string>

#include "picture/drawing.hpp"
#include "render/windows/gdiplus_drawing.hpp"

namespace velni::render {

// Where the pages go: each page a device context from StartPage to EndPage, whose
// resolution (LOGPIXELSX, LOGPIXELSY) and unprintable edge (PHYSICALOFFSETX,
// PHYSICALOFFSETY) are the device's.
class PageTarget {
 public:
  virtual ~PageTarget() = default;
  // The context of a new page; nullptr when the page cannot be started.
  virtual HDC StartPage() = 0;
  virtual bool EndPage() = 0;
};

// Paints every page at the device's own resolution, the page's margins from the
// paper's edge; false when a page could not be started or finished.
bool PaintOnPages(const GdiplusDrawing& painter, const Drawing& drawing, PageTarget& target);

// Prints on `printer` (the context the print dialog returns) as one document named
// `title`; false when the printer refused it, and then no part of it stays queued.
bool PrintDrawing(const GdiplusDrawing& painter, const Drawing& drawing, HDC printer, const std::u16string& title);

}  // namespace velni::render
