#pragma once
// A picture of black on white as an 8-bit grey PNG: a third of the bytes of colour
// to compress, and the same pixels, for every grey pixel has one value. Compressed
// in one quick pass made for line drawings (render/png_deflate), so that a long
// boring's picture takes a moment, not a second.
#include <QImage>
#include <optional>
#include <string>

namespace velni::render {

// `image` (Format_RGB32) as a grey PNG with its dots per metre; none when a pixel
// is not grey.
std::optional<std::string> GrayPng(const QImage& image);

}  // namespace velni::render
