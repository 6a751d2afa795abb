#include "text/encoding_check.hpp"

#include <algorithm>

namespace velni {
namespace {

// Enough of the start of a file to tell UTF-16 by its NUL bytes.
constexpr std::size_t kUtf16Sample = 512;

bool StartsWith(std::string_view bytes, std::string_view start) { return bytes.substr(0, start.size()) == start; }

std::int64_t LineAt(std::string_view bytes, std::size_t at) {
  return 1 + std::count(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(at), '\n');
}

// ASCII text in UTF-16 has a NUL in every other byte: in one half of the pairs of
// its start at least a quarter, in the other half none. A stray NUL in a
// code-page-932 file is no such pattern.
bool LooksLikeUtf16(std::string_view bytes) {
  const std::size_t pairs = std::min(bytes.size(), kUtf16Sample) / 2;
  std::size_t nulEven = 0;
  std::size_t nulOdd = 0;
  for (std::size_t i = 0; i < pairs; ++i) {
    nulEven += bytes[2 * i] == '\0';
    nulOdd += bytes[2 * i + 1] == '\0';
  }
  const std::size_t enough = std::max<std::size_t>(2, pairs / 4);
  return (nulEven >= enough && nulOdd == 0) || (nulOdd >= enough && nulEven == 0);
}

int ContinuationCount(unsigned char lead) {
  if (lead >= 0xC2 && lead <= 0xDF) return 1;
  if (lead >= 0xE0 && lead <= 0xEF) return 2;
  if (lead >= 0xF0 && lead <= 0xF4) return 3;
  return -1;
}

bool IsContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }

// The place of the first sequence of three or more bytes when the whole text is
// valid UTF-8 (overlong forms and surrogates are not told apart: a code-page-932
// text fails long before).
std::optional<std::size_t> FirstLongUtf8Sequence(std::string_view bytes) {
  std::optional<std::size_t> first;
  for (std::size_t i = 0; i < bytes.size();) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    if (lead < 0x80) {
      ++i;
      continue;
    }
    const int more = ContinuationCount(lead);
    if (more < 0 || i + static_cast<std::size_t>(more) >= bytes.size()) return std::nullopt;
    for (int k = 1; k <= more; ++k) {
      if (!IsContinuation(static_cast<unsigned char>(bytes[i + static_cast<std::size_t>(k)]))) return std::nullopt;
    }
    if (more >= 2 && !first) first = i;
    i += static_cast<std::size_t>(more) + 1;
  }
  return first;
}

}  // namespace

std::optional<ForeignEncodingFinding> FindForeignEncoding(std::string_view bytes) {
  if (StartsWith(bytes, "\xEF\xBB\xBF")) return ForeignEncodingFinding{ForeignEncoding::Utf8ByteOrderMark, 1};
  if (StartsWith(bytes, "\xFF\xFE") || StartsWith(bytes, "\xFE\xFF") || LooksLikeUtf16(bytes)) {
    return ForeignEncodingFinding{ForeignEncoding::Utf16, 1};
  }
  if (const auto at = FirstLongUtf8Sequence(bytes)) {
    return ForeignEncodingFinding{ForeignEncoding::Utf8, LineAt(bytes, *at)};
  }
  return std::nullopt;
}

}  // namespace velni
