#pragma once
// CNT.TXT lines 1 to 3: folder levels 2 to 4 of the path pieces the run split last
// (the first cut to 4 bytes).
#include <array>
#include <string>

#include "text/text_array.hpp"

namespace velni {

using ControlLines = std::array<std::u16string, 3>;

ControlLines ControlLinesOf(const TextArray& pathPieces);

}  // namespace velni
