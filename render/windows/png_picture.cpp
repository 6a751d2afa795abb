// PNG through GDI+, part of Windows: the drawing painted on a white bitmap with the
// sheet's margin.
#include "render/png_picture.hpp"

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <cmath>

#include "render/picture_sheet.hpp"
#include "render/windows/gdiplus_drawing.hpp"

namespace velni::render {
namespace {

namespace gp = Gdiplus;

// The PNG encoder of GDI+.
constexpr CLSID kPngEncoder = {0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};

std::optional<std::string> Encoded(gp::Bitmap& bitmap) {
  IStream* stream = nullptr;
  if (CreateStreamOnHGlobal(nullptr, TRUE, &stream) != S_OK) return std::nullopt;
  std::optional<std::string> bytes;
  STATSTG status{};
  if (bitmap.Save(stream, &kPngEncoder, nullptr) == gp::Ok && stream->Stat(&status, STATFLAG_NONAME) == S_OK) {
    bytes.emplace(static_cast<std::size_t>(status.cbSize.QuadPart), '\0');
    LARGE_INTEGER start{};
    ULONG read = 0;
    if (stream->Seek(start, STREAM_SEEK_SET, nullptr) != S_OK ||
        stream->Read(bytes->data(), static_cast<ULONG>(bytes->size()), &read) != S_OK || read != bytes->size()) {
      bytes.reset();
    }
  }
  stream->Release();
  return bytes;
}

}  // namespace

std::optional<std::string> PngPicture(const Drawing& drawing) {
  const GdiplusDrawing painter;
  if (!painter.Started()) return std::nullopt;
  const double k = PngPixelsPerMillimetre(drawing);
  gp::Bitmap bitmap(static_cast<INT>(std::ceil((drawing.width + 2 * kSheetMargin) * k)),
                    static_cast<INT>(std::ceil((drawing.height + 2 * kSheetMargin) * k)), PixelFormat32bppRGB);
  if (bitmap.GetLastStatus() != gp::Ok) return std::nullopt;
  bitmap.SetResolution(static_cast<gp::REAL>(k * 25.4), static_cast<gp::REAL>(k * 25.4));
  {
    gp::Graphics graphics(&bitmap);
    painter.Paint(graphics, drawing, k);
  }
  return Encoded(bitmap);
}

}  // namespace velni::render
