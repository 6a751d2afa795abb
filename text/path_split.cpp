#include "text/path_split.hpp"

#include <limits>

#include "text/run_error.hpp"

namespace velni {

namespace {

// How many times the character occurs, counting whole characters: in memory a
// double-byte character whose trail byte is 5C (表, ソ) is one unit and never "\".
std::int32_t InCount(std::u16string_view text, char16_t character) {
  std::int32_t count = 0;
  for (char16_t c : text)
    if (c == character) ++count;
  return count;
}

constexpr std::int32_t kInt16Max = std::numeric_limits<std::int16_t>::max();

}  // namespace

std::int16_t CountDelimiters(std::u16string_view text, std::u16string_view delimiters) {
  std::int32_t count = 0;
  for (char16_t delimiter : delimiters) {
    count += InCount(text, delimiter);
    if (count > kInt16Max) throw RunError(failure::kOverflow);
  }
  return static_cast<std::int16_t>(count);
}

void SplitByDelimiters(std::u16string_view text, std::u16string_view delimiters, TextArray& pieces) {
  if (text.size() > static_cast<std::size_t>(kInt16Max)) throw RunError(failure::kOverflow);
  int index = 1;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (delimiters.find(text[i]) == std::u16string_view::npos) continue;
    pieces[index] = std::u16string(text.substr(start, i - start));
    ++index;
    start = i + 1;
  }
  pieces[index] = std::u16string(text.substr(start));
}

}  // namespace velni
