#pragma once
// The rows of a PNG picture as one zlib stream, made in one quick pass for line
// drawings: a stretch of bytes is sent as a copy of the row above or as a repeat of
// the byte before it, the rest byte by byte, in deflate's fixed codes. A row of a
// line drawing mostly repeats the row above (the columns' vertical lines) or runs
// of white, so these two places are where its matches lie: no general search.
#include <cstddef>
#include <string>
#include <string_view>

namespace velni::render {

// `rows`: the rows one after another, `stride` bytes each (the filter byte
// included); any bytes are taken, and inflating the result gives `rows` back.
std::string DeflateRows(std::string_view rows, std::size_t stride);

}  // namespace velni::render
