#include "render/qt/gray_png.hpp"

#include <zlib.h>

#include <cstdint>
#include <string_view>

#include "render/png_deflate.hpp"

namespace velni::render {
namespace {

constexpr char kSignature[] = "\x89PNG\r\n\x1a\n";

void PutU32(std::string& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>(value >> shift & 0xFF);
}

void PutChunk(std::string& out, const char* type, std::string_view data) {
  PutU32(out, static_cast<std::uint32_t>(data.size()));
  const std::size_t typeAt = out.size();
  out.append(type, 4).append(data);
  const auto* bytes = reinterpret_cast<const Bytef*>(out.data() + typeAt);
  PutU32(out, static_cast<std::uint32_t>(crc32(crc32(0, nullptr, 0), bytes, static_cast<uInt>(4 + data.size()))));
}

std::string Header(const QImage& image) {
  std::string header;
  PutU32(header, static_cast<std::uint32_t>(image.width()));
  PutU32(header, static_cast<std::uint32_t>(image.height()));
  header += std::string("\x08\x00\x00\x00\x00", 5);  // 8 bits of grey, no interlace
  return header;
}

std::string Density(const QImage& image) {
  std::string density;
  PutU32(density, static_cast<std::uint32_t>(image.dotsPerMeterX()));
  PutU32(density, static_cast<std::uint32_t>(image.dotsPerMeterY()));
  density += '\x01';  // per metre
  return density;
}

// One row's grey values behind its filter byte (none); false at a pixel of colour.
bool GrayRow(const QImage& image, int row, char* out) {
  const auto* pixels = reinterpret_cast<const QRgb*>(image.constScanLine(row));
  const int width = image.width();  // not asked per pixel: the call would cost more than the pixel
  out[0] = 0;
  for (int x = 0; x < width; ++x) {
    const QRgb pixel = pixels[x];
    const int value = qRed(pixel);
    if (qGreen(pixel) != value || qBlue(pixel) != value) return false;
    out[x + 1] = static_cast<char>(value);
  }
  return true;
}

// The rows, compressed; none at a pixel of colour.
std::optional<std::string> Compressed(const QImage& image) {
  const auto stride = static_cast<std::size_t>(image.width()) + 1;
  std::string rows(stride * static_cast<std::size_t>(image.height()), '\0');
  for (int y = 0; y < image.height(); ++y) {
    if (!GrayRow(image, y, rows.data() + stride * static_cast<std::size_t>(y))) return std::nullopt;
  }
  return DeflateRows(rows, stride);
}

}  // namespace

std::optional<std::string> GrayPng(const QImage& image) {
  const std::optional<std::string> rows = Compressed(image);
  if (!rows) return std::nullopt;
  std::string png(kSignature, 8);
  PutChunk(png, "IHDR", Header(image));
  PutChunk(png, "pHYs", Density(image));
  PutChunk(png, "IDAT", *rows);
  PutChunk(png, "IEND", {});
  return png;
}

}  // namespace velni::render
