#pragma once
// The code-page-932 decoder and encoder over arbitrary bytes, and the byte cuts
// built on them. The bytes are read twice: as code page 932 (decoded, written back
// and read again) and as UTF-16 units (written, read back, measured and cut at byte
// counts taken from the input). Returns what went wrong, empty when every
// round trip held.
#include <string>
#include <string_view>

namespace velni::fuzzing {

std::string Cp932Entry(std::string_view input);

}  // namespace velni::fuzzing
