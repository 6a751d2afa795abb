#pragma once
// A remark's text as the exchange file holds it.
#include <string>
#include <string_view>

namespace velni {

// The source's row mark "＠" inside a remark is the exchange format's line break,
// the two characters "\n" (a backslash and the letter n).
std::u16string ExchangeRemarkText(std::u16string_view remark);

}  // namespace velni
