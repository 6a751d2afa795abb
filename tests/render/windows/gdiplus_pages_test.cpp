// Printing goes page by page to a device context, as it does to a printer's: here
// each page is recorded as a metafile of an A4 sheet and played back onto a bitmap,
// where the head band stands on every page and each slice of the body on its own
// page only, at the pages' margins.
#include "render/windows/gdiplus_pages.hpp"

#include <gtest/gtest.h>

#include <vector>

#include "picture/picture_pages.hpp"

namespace velni {
namespace {

constexpr int kPixelsPerMillimetre = 4;

// Each page a metafile, played back onto a white bitmap of the sheet.
class MetafilePages : public render::PageTarget {
 public:
  HDC StartPage() override {
    const RECT a4{0, 0, 21000, 29700};  // hundredths of a millimetre
    dc_ = CreateEnhMetaFileW(nullptr, nullptr, &a4, nullptr);
    return dc_;
  }
  bool EndPage() override {
    const HENHMETAFILE page = CloseEnhMetaFile(dc_);
    if (page == nullptr) return false;
    sheets.push_back(Played(page));
    DeleteEnhMetaFile(page);
    return true;
  }
  // Whether the sheet of `page` is dark about the point (x, y) millimetres from its corner.
  bool Inked(std::size_t page, double x, double y) const {
    const auto& [bits, width] = sheets[page];
    int dark = 0;
    for (int dy = -2; dy <= 2; ++dy) {
      for (int dx = -2; dx <= 2; ++dx) {
        const int px = static_cast<int>(x * kPixelsPerMillimetre) + dx;
        const int py = static_cast<int>(y * kPixelsPerMillimetre) + dy;
        dark += (bits[static_cast<std::size_t>(py * width + px)] & 0xFF) < 128;
      }
    }
    return dark > 0;
  }

  std::vector<std::pair<std::vector<std::uint32_t>, int>> sheets;

 private:
  static std::pair<std::vector<std::uint32_t>, int> Played(HENHMETAFILE page) {
    const int width = 210 * kPixelsPerMillimetre, height = 297 * kPixelsPerMillimetre;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const HDC memory = CreateCompatibleDC(nullptr);
    const HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ old = SelectObject(memory, bitmap);
    const RECT sheet{0, 0, width, height};
    FillRect(memory, &sheet, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    PlayEnhMetaFile(memory, page, &sheet);
    GdiFlush();
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    std::vector<std::uint32_t> copy(pixels, pixels + static_cast<std::size_t>(width) * height);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    return {std::move(copy), width};
  }

  HDC dc_ = nullptr;
};

TEST(GdiplusPagesTest, TheHeadsOnEveryPageAndEachSliceOfTheBodyOnItsOwnPage) {
  Drawing drawing;
  drawing.width = 188;
  drawing.bodyTop = 18;
  drawing.height = 18 + 60 * 10;  // 60 m at 1:100
  drawing.boxes.push_back({0, 0, 188, 18, 0.6});
  const double perPage = picture::kMetresPerPage * drawing.depthScale;
  // A thick dash in the middle of each page's slice, each at its own left end.
  const double lefts[] = {20, 80, 140};
  for (int page = 0; page < 3; ++page) {
    const double y = drawing.bodyTop + (page + 0.5) * perPage;
    drawing.strokes.push_back({{lefts[page], y}, {lefts[page] + 30, y}, 1.0});
  }
  const render::GdiplusDrawing painter;
  MetafilePages pages;
  ASSERT_TRUE(render::PaintOnPages(painter, drawing, pages));
  ASSERT_EQ(pages.sheets.size(), 3u);
  const double left = picture::kPageMarginLeft, top = picture::kPageMarginTop;
  const double dashY = top + drawing.bodyTop + perPage / 2;
  for (std::size_t page = 0; page < 3; ++page) {
    EXPECT_TRUE(pages.Inked(page, left + 94, top)) << "head band, page " << page + 1;
    EXPECT_FALSE(pages.Inked(page, left + 94, top - 3)) << "above the margin, page " << page + 1;
    for (std::size_t dash = 0; dash < 3; ++dash) {
      EXPECT_EQ(pages.Inked(page, left + lefts[dash] + 15, dashY), dash == page)
          << "dash " << dash + 1 << " on page " << page + 1;
    }
  }
}

}  // namespace
}  // namespace velni
