#pragma once
// Width conversion of codes before they are compared with table entries: digits,
// capital letters and katakana, character by character.
#include <string>
#include <string_view>

namespace velni {

std::u16string ToFullWidth(std::u16string_view text);
std::u16string ToHalfWidth(std::u16string_view text);

// Half-width katakana and their punctuation (U+FF61 to U+FF9F) in full width, a
// voicing mark joined to the letter before it where the two make one full-width
// letter (ｶﾞ is ガ, ﾎﾟ is ポ, ｳﾞ is ヴ); any other mark stands alone as ゛ or ゜.
// Everything else stays as it is.
std::u16string KatakanaToFullWidth(std::u16string_view text);

}  // namespace velni
