#pragma once
// The encodings a delivered XML document comes in, told from its byte-order mark and
// its declaration, and its text as UTF-8 for the parser.
#include <string>
#include <string_view>

namespace velni {

// The document's text as UTF-8. Shift_JIS (and its names for code page 932) is read
// as code page 932. Another declared encoding, or bytes that do not form the
// declared one, is a RunError naming `path` (and for bad bytes their line).
std::string XmlTextAsUtf8(std::string_view bytes, const std::u16string& path);

}  // namespace velni
