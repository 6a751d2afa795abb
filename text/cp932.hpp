#pragma once
// Code page 932 (Japanese Shift-JIS as Windows defines it) is the encoding of every
// file on disk. Every character it defines is one UTF-16 unit in memory.
#include <string>
#include <string_view>

namespace velni {

// Characters without a code-page-932 form are written as "?".
std::string EncodeCp932(std::u16string_view text);

// Bytes that do not form a code-page-932 character become U+FFFD, except that a lead
// byte at the very end (a cut inside a character) is dropped.
std::u16string DecodeCp932(std::string_view bytes);

// Number of code-page-932 bytes of one character: 1 for ASCII and half-width
// katakana, 2 for everything else.
int Cp932Width(char16_t c);

}  // namespace velni
