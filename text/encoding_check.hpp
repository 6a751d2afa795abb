#pragma once
// Telling a file that is not code page 932 before it is read: an editor that re-saved
// a boring as UTF-8 or UTF-16 leaves bytes that decode as code page 932 without a
// single invalid pair, so validity alone never catches it.
#include <cstdint>
#include <optional>
#include <string_view>

namespace velni {

enum class ForeignEncoding {
  Utf8ByteOrderMark,  // EF BB BF at the start
  Utf16,              // FF FE / FE FF at the start, or NUL bytes in every other place
  Utf8,               // valid UTF-8 holding sequences of three or four bytes
};

struct ForeignEncodingFinding {
  ForeignEncoding encoding;
  std::int64_t line;  // the first line that shows it, from 1
};

// The encoding the bytes are in when they are plainly not code page 932. A
// code-page-932 text practically never is valid UTF-8 with three-byte sequences: its
// kana and kanji lead bytes (81-9F) cannot start a UTF-8 sequence.
std::optional<ForeignEncodingFinding> FindForeignEncoding(std::string_view bytes);

}  // namespace velni
