#pragma once
// Cutting and measuring texts by their code-page-932 bytes. A cut that falls inside
// a double-byte character keeps only the whole characters before it.
#include <cstdint>
#include <string>
#include <string_view>

namespace velni {

std::u16string LeftBytes(std::u16string_view text, double count);
// `length` < 0 means "to the end".
std::u16string MidBytes(std::u16string_view text, double start, double length = -1);
// Overflow failure beyond 32767.
std::int16_t ByteLength(std::u16string_view text);

}  // namespace velni
