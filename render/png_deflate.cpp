#include "render/png_deflate.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

namespace velni::render {
namespace {

constexpr std::size_t kShortestMatch = 3;
constexpr std::size_t kLongestMatch = 258;
constexpr std::size_t kFarthest = 32768;  // deflate's window

// Bits in the order deflate sends them: the first bit sent is bit 0.
struct Code {
  std::uint32_t bits = 0;
  int length = 0;
};

// Huffman codes are sent from their highest bit down.
Code Reversed(std::uint32_t code, int length) {
  std::uint32_t bits = 0;
  for (int i = 0; i < length; ++i) bits |= (code >> i & 1u) << (length - 1 - i);
  return {bits, length};
}

// Code `extra` bits of `value` after `code`.
Code Then(Code code, std::uint32_t value, int extra) { return {code.bits | value << code.length, code.length + extra}; }

// Deflate's fixed literal and length codes.
Code FixedCode(int symbol) {
  if (symbol < 144) return Reversed(0x30 + symbol, 8);
  if (symbol < 256) return Reversed(0x190 + symbol - 144, 9);
  if (symbol < 280) return Reversed(symbol - 256, 7);
  return Reversed(0xC0 + symbol - 280, 8);
}

constexpr std::array<int, 29> kLengthBase = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                             31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<int, 29> kLengthExtra = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                              2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<int, 30> kDistanceBase = {1,    2,    3,    4,    5,    7,     9,     13,    17,  25,
                                               33,   49,   65,   97,   129,  193,   257,   385,   513, 769,
                                               1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr std::array<int, 30> kDistanceExtra = {0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                                                6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

// The symbol of a length or distance and its extra bits, from the bases above.
template <std::size_t N>
Code BaseCode(const std::array<int, N>& base, const std::array<int, N>& extra, int value, Code (*code)(int)) {
  std::size_t i = N - 1;
  while (base[i] > value) --i;
  return Then(code(static_cast<int>(i)), static_cast<std::uint32_t>(value - base[i]), extra[i]);
}

Code LengthSymbol(int i) { return FixedCode(257 + i); }
Code DistanceSymbol(int i) { return Reversed(static_cast<std::uint32_t>(i), 5); }

struct Codes {
  std::array<Code, 256> literal;
  std::array<Code, kLongestMatch + 1> length;
  Codes() {
    for (int i = 0; i < 256; ++i) literal[static_cast<std::size_t>(i)] = FixedCode(i);
    for (int n = kShortestMatch; n <= static_cast<int>(kLongestMatch); ++n) {
      length[static_cast<std::size_t>(n)] = BaseCode(kLengthBase, kLengthExtra, n, LengthSymbol);
    }
  }
};

Code DistanceCode(std::size_t distance) {
  return BaseCode(kDistanceBase, kDistanceExtra, static_cast<int>(distance), DistanceSymbol);
}

// Collects bits and hands them on four bytes at a time.
class BitSink {
 public:
  explicit BitSink(std::string& out) : out_(out) {}
  void Put(Code code) {
    buffer_ |= static_cast<std::uint64_t>(code.bits) << filled_;
    filled_ += code.length;
    if (filled_ < 32) return;
    const char bytes[4] = {static_cast<char>(buffer_), static_cast<char>(buffer_ >> 8),
                           static_cast<char>(buffer_ >> 16), static_cast<char>(buffer_ >> 24)};
    out_.append(bytes, 4);
    buffer_ >>= 32;
    filled_ -= 32;
  }
  // Out to the last whole byte.
  void Finish() {
    for (; filled_ > 0; filled_ -= 8, buffer_ >>= 8) out_ += static_cast<char>(buffer_);
    filled_ = 0;
  }

 private:
  std::string& out_;
  std::uint64_t buffer_ = 0;
  int filled_ = 0;
};

// How many bytes from `at` on equal those from `from` on, at most `most`; eight at
// a time, for most matches are long.
std::size_t MatchLength(const char* at, const char* from, std::size_t most) {
  std::size_t n = 0;
  if constexpr (std::endian::native == std::endian::little) {
    for (; n + 8 <= most; n += 8) {
      std::uint64_t a, b;
      std::memcpy(&a, at + n, 8);
      std::memcpy(&b, from + n, 8);
      if (a != b) return n + static_cast<std::size_t>(std::countr_zero(a ^ b) / 8);
    }
  }
  while (n < most && at[n] == from[n]) ++n;
  return n;
}

std::uint32_t Adler32(std::string_view data) {
  constexpr std::uint32_t kModulus = 65521;
  constexpr std::size_t kBlock = 5552;  // the most bytes before the sums can pass 32 bits
  std::uint32_t a = 1, b = 0;
  for (std::size_t start = 0; start < data.size(); start += kBlock) {
    const std::size_t end = std::min(data.size(), start + kBlock);
    for (std::size_t i = start; i < end; ++i) {
      a += static_cast<unsigned char>(data[i]);
      b += a;
    }
    a %= kModulus;
    b %= kModulus;
  }
  return b << 16 | a;
}

void PutU32(std::string& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>(value >> shift & 0xFF);
}

// One final block of fixed codes holding all of `rows`.
void PutBlock(std::string_view rows, std::size_t stride, BitSink& sink) {
  static const Codes codes;
  const bool above = stride > 0 && stride <= kFarthest;
  const Code up = above ? DistanceCode(stride) : Code{};
  const Code repeat = DistanceCode(1);
  sink.Put({0b011, 3});  // the last block, fixed codes
  const char* data = rows.data();
  for (std::size_t at = 0; at < rows.size();) {
    const std::size_t most = std::min(kLongestMatch, rows.size() - at);
    // The first byte tried alone: most bytes that match neither place stop there.
    const bool aboveMay = above && at >= stride && data[at] == data[at - stride];
    const std::size_t fromAbove = aboveMay ? MatchLength(data + at, data + at - stride, most) : 0;
    const bool leftMay = at > 0 && fromAbove < most && data[at] == data[at - 1];
    const std::size_t fromLeft = leftMay ? MatchLength(data + at, data + at - 1, most) : 0;
    const std::size_t length = std::max(fromAbove, fromLeft);
    if (length < kShortestMatch) {
      sink.Put(codes.literal[static_cast<unsigned char>(data[at++])]);
      continue;
    }
    sink.Put(codes.length[length]);
    sink.Put(length == fromAbove ? up : repeat);
    at += length;
  }
  sink.Put(FixedCode(256));  // end of block
  sink.Finish();
}

}  // namespace

std::string DeflateRows(std::string_view rows, std::size_t stride) {
  std::string out("\x78\x01", 2);  // deflate, a window of 32 KB, no dictionary
  out.reserve(rows.size() / 4 + 64);
  BitSink sink(out);
  PutBlock(rows, stride, sink);
  PutU32(out, Adler32(rows));
  return out;
}

}  // namespace velni::render
