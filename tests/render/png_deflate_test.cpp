// The PNG rows' own deflate: zlib (the reader every PNG viewer uses) inflates it
// back to the very bytes, at each length and distance code's edges, beyond the
// window and for every byte value; rows that repeat the row above cost next to
// nothing.
#if __has_include(<zlib.h>)
#include "render/png_deflate.hpp"

#include <gtest/gtest.h>
#include <zlib.h>

#include <random>

namespace velni {
namespace {

std::string Inflated(const std::string& stream, std::size_t size) {
  std::string out(size + 1, '\0');
  uLongf got = out.size();
  const int status = uncompress(reinterpret_cast<Bytef*>(out.data()), &got,
                                reinterpret_cast<const Bytef*>(stream.data()), static_cast<uLong>(stream.size()));
  if (status != Z_OK) return "zlib status " + std::to_string(status);
  out.resize(got);
  return out;
}

std::string Noise(std::size_t size, unsigned seed) {
  std::mt19937 random(seed);
  std::string bytes(size, '\0');
  for (char& c : bytes) c = static_cast<char>(random() & 0xFF);
  return bytes;
}

std::string Repeated(const std::string& row, int times) {
  std::string rows;
  for (int i = 0; i < times; ++i) rows += row;
  return rows;
}

std::string EveryByte() {
  std::string bytes;
  for (int i = 0; i < 256; ++i) bytes += static_cast<char>(i);
  return bytes;
}

std::string Runs(std::initializer_list<std::size_t> lengths) {
  std::string bytes;
  char value = 0;
  for (std::size_t length : lengths) bytes += std::string(length, ++value);
  return bytes;
}

TEST(PngDeflate, InflatesBackToTheRows) {
  const struct {
    std::string rows;
    std::size_t stride;
    const char* why;
  } cases[] = {
      {"", 1, "no rows"},
      {std::string(1, '\0'), 1, "one byte"},
      {std::string(1, '\0') + std::string(987, '\xFF'), 988, "a white row: filter byte, then a run"},
      {Repeated(std::string("\0\xFF\xFF\x80\xFF", 5) + std::string(500, '\xFF'), 40), 505,
       "a vertical line: rows copied from above"},
      {Repeated(EveryByte(), 3), 256, "every literal, both code lengths, then copies"},
      {Runs({1, 3, 4, 10, 11, 257, 258, 259, 516, 517, 1000}), 3000, "runs at the length codes' edges and past 258"},
      {Noise(5, 1) + Noise(5, 1) + Noise(5, 1), 5, "distance 5: the first code with an extra bit"},
      {Repeated(Noise(14001, 2), 3), 14001, "the widest picture's rows"},
      {Repeated(Noise(32768, 3), 2), 32768, "the farthest distance deflate has"},
      {Repeated(Noise(40000, 4), 2), 40000, "rows wider than the window: no copy from above"},
      {Noise(3000, 5) + std::string(3000, '\0'), 600, "noise, then rows of zeros"},
  };
  for (const auto& c : cases) {
    const std::string stream = render::DeflateRows(c.rows, c.stride);
    EXPECT_EQ(Inflated(stream, c.rows.size()), c.rows) << c.why;
  }
}

TEST(PngDeflate, RowsThatRepeatTheRowAboveCostNextToNothing) {
  const std::string row = std::string(1, '\0') + Noise(999, 6);
  const std::string stream = render::DeflateRows(Repeated(row, 1000), row.size());
  EXPECT_LT(stream.size(), row.size() + 1000 * 12);  // the first row, then four copies a row
}

}  // namespace
}  // namespace velni
#endif
