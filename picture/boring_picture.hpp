#pragma once
// The boring-log picture of a boring, laid out from the model at 1:100: a title
// line, the column heads and one band per layer, remark and test down the depth.
#include "model/boring.hpp"
#include "picture/drawing.hpp"

namespace velni {

Drawing LayOutBoringPicture(const Boring& boring);

}  // namespace velni
