#pragma once
// Texts are UTF-16 in memory; paths and terminal output are UTF-8 on POSIX.
#include <string>
#include <string_view>

namespace velni {

std::string ToUtf8(std::u16string_view text);
// Invalid UTF-8 sequences become U+FFFD.
std::u16string FromUtf8(std::string_view text);

}  // namespace velni
