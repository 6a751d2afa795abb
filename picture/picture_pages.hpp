#pragma once
// The A4 pages a boring-log picture is printed on: upright, at 1:100, whole metres
// of depth per page below the title and column heads, which each page repeats.
// A picture is drawn only as deep as a stated number of pages holds, so that no
// input (a layer 1e30 m deep, 100,000 layers) makes it take unbounded time or memory.
#include "picture/picture_columns.hpp"

namespace velni::picture {

inline constexpr double kPageWidth = 210;
inline constexpr double kPageHeight = 297;
inline constexpr double kPageMarginLeft = 11;
inline constexpr double kPageMarginTop = 10;
inline constexpr int kMetresPerPage =
    static_cast<int>((kPageHeight - 2 * kPageMarginTop - kBodyTop) / kMillimetresPerMetre);
inline constexpr int kMostPages = 40;
// The deepest depth a picture is drawn to: 1,000 m.
inline constexpr double kDeepestDrawn = static_cast<double>(kMostPages) * kMetresPerPage;

// The pages a body of `depth` metres takes.
inline int PagesFor(double depth) {
  const int pages = static_cast<int>((depth + kMetresPerPage - 1e-9) / kMetresPerPage);
  return pages < 1 ? 1 : pages;
}

}  // namespace velni::picture
