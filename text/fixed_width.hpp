#pragma once
// Fixed-width fields of the output layouts, counted in characters.
#include <cstdint>
#include <string>
#include <string_view>

namespace velni {

// `text` behind `width` blanks, of which the last `width` characters remain: a
// longer text loses its leading characters (1000 in 3 characters is 000).
std::u16string RightAlign(std::u16string_view text, int width);

// A line counter in its three characters: the number's text form right-aligned.
std::u16string CounterField(std::int16_t counter);

// Blanks (U+0020 only) removed at both ends / at the start / at the end.
std::u16string TrimBlanks(std::u16string_view text);
std::u16string TrimLeadingBlanks(std::u16string_view text);
std::u16string TrimTrailingBlanks(std::u16string_view text);

// Each CR and each LF a blank: a line end read inside a quoted field would break
// a line of an output file in two.
std::u16string LineEndsAsBlanks(std::u16string text);

// Adds 1 to a 16-bit counter; beyond 32767 it is the overflow failure.
void IncrementCounter(std::int16_t& counter);

}  // namespace velni
