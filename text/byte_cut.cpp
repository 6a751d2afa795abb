#include "text/byte_cut.hpp"

#include <cmath>
#include <limits>

#include "text/cp932.hpp"
#include "text/number_text.hpp"
#include "text/run_error.hpp"

namespace velni {

namespace {

// The characters whose bytes lie wholly within bytes first..last (counted from 1):
// a character cut at either end is left out.
std::u16string WholeCharactersWithin(std::u16string_view text, double first, double last) {
  std::u16string result;
  double byte = 1;
  for (char16_t c : text) {
    const int width = Cp932Width(c);
    if (byte > last) break;
    if (byte >= first && byte + width - 1 <= last) result += c;
    byte += width;
  }
  return result;
}

}  // namespace

std::u16string LeftBytes(std::u16string_view text, double count) {
  const double bytes = RoundHalfEven(count);
  if (!(bytes >= 0)) throw RunError(failure::kInvalidArgument);
  return WholeCharactersWithin(text, 1, bytes);
}

std::u16string MidBytes(std::u16string_view text, double start, double length) {
  const double first = RoundHalfEven(start);
  if (!(first >= 1)) throw RunError(failure::kInvalidArgument);
  const double last = length < 0 ? std::numeric_limits<double>::infinity() : first + RoundHalfEven(length) - 1;
  return WholeCharactersWithin(text, first, last);
}

std::int16_t ByteLength(std::u16string_view text) {
  long bytes = 0;
  for (char16_t c : text) bytes += Cp932Width(c);
  if (bytes > std::numeric_limits<std::int16_t>::max()) throw RunError(failure::kOverflow);
  return static_cast<std::int16_t>(bytes);
}

}  // namespace velni
