// The PNG's resolution: 8 pixels per millimetre while that fits, then fewer, so
// that no boring's PNG takes more than 8 megapixels or 14,000 pixels a side.
#include <gtest/gtest.h>

#include "render/png_picture.hpp"

namespace velni {
namespace {

TEST(PngSize, EightPixelsPerMillimetreUntilTheCapsHold) {
  const struct {
    double metres;
    double pixelsPerMillimetre;
    const char* why;
  } cases[] = {
      {20, 8, "a usual boring: full resolution"},
      {55, 8, "still under 8 megapixels"},
      {100, 6.27, "8 megapixels rule: sqrt(8e6 / (198 x 1028 mm))"},
      {1000, 1.396, "14,000 pixels over 10,028 mm: the side rules"},
  };
  for (const auto& c : cases) {
    Drawing drawing;
    drawing.width = 188;
    drawing.height = 18 + c.metres * 10;
    const double k = render::PngPixelsPerMillimetre(drawing);
    const double pixels = (drawing.width + 10) * (drawing.height + 10) * k * k;
    EXPECT_LE(pixels, render::kPngMostPixels * 1.0001) << c.why;
    EXPECT_LE((drawing.height + 10) * k, render::kPngMostSide + 0.01) << c.why;
    EXPECT_NEAR(k, c.pixelsPerMillimetre, 0.01) << c.why;
  }
}

}  // namespace
}  // namespace velni
