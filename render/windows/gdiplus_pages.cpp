#include "render/windows/gdiplus_pages.hpp"

#include "render/drawing_pages.hpp"
#include "render/picture_sheet.hpp"

namespace velni::render {
namespace {

namespace gp = Gdiplus;

using picture::kPageMarginLeft;
using picture::kPageMarginTop;

constexpr double kMillimetresPerInch = 25.4;

gp::REAL R(double value) { return static_cast<gp::REAL>(value); }

// One page: the band above the body as it is, then this page's slice of the body.
// The painter puts the drawing's origin the sheet's margin in; the page's margin is
// wider, and is measured from the paper's edge, not from where the device starts.
void PaintPage(const GdiplusDrawing& painter, const Drawing& drawing, HDC dc, int page) {
  const double k = GetDeviceCaps(dc, LOGPIXELSX) / kMillimetresPerInch;
  gp::Graphics graphics(dc);
  graphics.SetPageUnit(gp::UnitPixel);
  graphics.TranslateTransform(R(-GetDeviceCaps(dc, PHYSICALOFFSETX)), R(-GetDeviceCaps(dc, PHYSICALOFFSETY)));
  graphics.ScaleTransform(1, R(static_cast<double>(GetDeviceCaps(dc, LOGPIXELSY)) / GetDeviceCaps(dc, LOGPIXELSX)));
  graphics.TranslateTransform(R((kPageMarginLeft - kSheetMargin) * k), R((kPageMarginTop - kSheetMargin) * k));
  const double left = kSheetMargin * k - 1;
  const double width = drawing.width * k + 2;
  graphics.SetClip(gp::RectF(R(left), R(kSheetMargin * k - 1), R(width), R(drawing.bodyTop * k + 1)));
  painter.PaintMarks(graphics, drawing, k);
  const double shift = page * BodyPerPage(drawing);
  graphics.TranslateTransform(0, R(-shift * k));
  graphics.SetClip(gp::RectF(R(left), R((kSheetMargin + drawing.bodyTop + shift) * k), R(width),
                             R((BodyPerPage(drawing) + 0.3) * k)));
  painter.PaintMarks(graphics, drawing, k);
}

// The printer's document: started, its pages, then ended, or aborted on a failure.
class PrinterPages : public PageTarget {
 public:
  explicit PrinterPages(HDC printer) : printer_(printer) {}
  bool StartDocument(const std::u16string& title) {
    DOCINFOW document{};
    document.cbSize = sizeof document;
    document.lpszDocName = reinterpret_cast<const wchar_t*>(title.c_str());
    return StartDocW(printer_, &document) > 0;
  }
  HDC StartPage() override { return ::StartPage(printer_) > 0 ? printer_ : nullptr; }
  bool EndPage() override { return ::EndPage(printer_) > 0; }
  bool Finish(bool painted) {
    if (painted && EndDoc(printer_) > 0) return true;
    AbortDoc(printer_);
    return false;
  }

 private:
  HDC printer_;
};

}  // namespace

bool PaintOnPages(const GdiplusDrawing& painter, const Drawing& drawing, PageTarget& target) {
  if (!painter.Started()) return false;
  for (int page = 0; page < PageCount(drawing); ++page) {
    const HDC dc = target.StartPage();
    if (dc == nullptr) return false;
    PaintPage(painter, drawing, dc, page);
    if (!target.EndPage()) return false;
  }
  return true;
}

bool PrintDrawing(const GdiplusDrawing& painter, const Drawing& drawing, HDC printer, const std::u16string& title) {
  PrinterPages pages(printer);
  if (!pages.StartDocument(title)) return false;
  return pages.Finish(PaintOnPages(painter, drawing, pages));
}

}  // namespace velni::render
