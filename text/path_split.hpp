#pragma once
// Splitting paths at their separator into pieces at indices 1 upward. On POSIX the
// piece before the first "/" is the empty piece 1 and stands where a drive stands.
#include <cstdint>
#include <string>
#include <string_view>

#include "text/text_array.hpp"

namespace velni {

// How many characters of `text` are one of `delimiters` (whole characters).
std::int16_t CountDelimiters(std::u16string_view text, std::u16string_view delimiters);

// Fills pieces[1], pieces[2], ...; elements after the last one written keep what
// they held. An index beyond the array's bound is the subscript failure.
void SplitByDelimiters(std::u16string_view text, std::u16string_view delimiters, TextArray& pieces);

}  // namespace velni
