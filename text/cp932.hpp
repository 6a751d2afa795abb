#pragma once
// Code page 932 (Japanese Shift-JIS as Windows defines it) is the encoding of every
// file on disk. Every character it defines is one UTF-16 unit in memory.
#include <string>
#include <string_view>

namespace velni {

// Characters without a code-page-932 form are written as "?".
std::string EncodeCp932(std::u16string_view text);
// The same, appended to `out` (the output file's buffer).
void AppendCp932(std::u16string_view text, std::string& out);

// Bytes that do not form a code-page-932 character become U+FFFD, except that a lead
// byte at the very end (a cut inside a character) is dropped.
std::u16string DecodeCp932(std::string_view bytes);

// Number of code-page-932 bytes of one character: 1 for ASCII and half-width
// katakana, 2 for every other character of code page 932, and 1 for a character
// without a code-page-932 form (it is written as "?").
int Cp932Width(char16_t c);

// Whether code page 932 defines the character (only those are written as themselves).
bool HasCp932Form(char16_t c);

}  // namespace velni
