#include <algorithm>
#include <cmath>

#include "render/picture_sheet.hpp"
#include "render/png_picture.hpp"

namespace velni::render {

double PngPixelsPerMillimetre(const Drawing& drawing) {
  const double width = drawing.width + 2 * kSheetMargin;
  const double height = drawing.height + 2 * kSheetMargin;
  const double byArea = std::sqrt(kPngMostPixels / (width * height));
  return std::min({kPngPixelsPerMillimetre, byArea, kPngMostSide / width, kPngMostSide / height});
}

}  // namespace velni::render
