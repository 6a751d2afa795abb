#pragma once
// The host's own converter of code page 932 asked directly (iconv's CP932 on POSIX,
// MultiByteToWideChar(932) on Windows), as the reference that the tables of
// text/cp932 are compared with.
#include <optional>
#include <string>

namespace velni::testing {

// The UTF-16 units that `bytes` decode to; none when the host rejects them.
std::optional<std::u16string> ReferenceDecodeCp932(const std::string& bytes);

// Whether a strict Shift_JIS reader (iconv's SHIFT_JIS) reads `bytes` as one
// character; none where the host has no such reader (Windows).
std::optional<bool> ReferenceReadsStrictShiftJis(const std::string& bytes);

}  // namespace velni::testing
