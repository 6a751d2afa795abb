#pragma once
// Width conversion of codes before they are compared with table entries: digits,
// capital letters and katakana, character by character.
#include <string>
#include <string_view>

namespace velni {

std::u16string ToFullWidth(std::u16string_view text);
std::u16string ToHalfWidth(std::u16string_view text);

}  // namespace velni
