#pragma once
// Depths of the remarks with two decimals in a fixed-width field.
#include <cstdint>
#include <string>

namespace velni {

// The number with two decimals (further digits cut off, not rounded), right-aligned
// in `width` characters and cut on the left when longer: 12.345 in 7 is "  12.34".
std::u16string FormatFixed2(std::int16_t width, float value);

}  // namespace velni
