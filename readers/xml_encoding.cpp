#include "readers/xml_encoding.hpp"

#include <algorithm>
#include <array>
#include <cstdint>

#include "text/cp932.hpp"
#include "text/number_text.hpp"
#include "text/run_error.hpp"
#include "text/utf.hpp"

namespace velni {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

enum class ByteOrder { Little, Big };

std::u16string Utf16Text(std::string_view bytes, ByteOrder order) {
  std::u16string text;
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const auto first = static_cast<std::uint8_t>(bytes[i]);
    const auto second = static_cast<std::uint8_t>(bytes[i + 1]);
    text += static_cast<char16_t>(order == ByteOrder::Little ? first | second << 8 : first << 8 | second);
  }
  return text;
}

// The encoding named in the declaration at the start, upper-cased; empty without one.
std::string DeclaredEncoding(std::string_view bytes) {
  if (!bytes.starts_with("<?xml")) return {};
  const std::string_view declaration = bytes.substr(0, bytes.find("?>"));
  const std::size_t key = declaration.find("encoding");
  if (key == std::string_view::npos) return {};
  const std::size_t open = declaration.find_first_of("\"'", key);
  if (open == std::string_view::npos) return {};
  const std::size_t close = declaration.find(declaration[open], open + 1);
  std::string name(declaration.substr(open + 1, close - open - 1));
  std::transform(name.begin(), name.end(), name.begin(), [](char c) { return c >= 'a' && c <= 'z' ? c - 32 : c; });
  return name;
}

bool IsShiftJisName(const std::string& name) {
  static constexpr std::array<std::string_view, 8> kNames = {"SHIFT_JIS", "SHIFT-JIS", "SJIS",   "CP932",
                                                             "WINDOWS-31J", "MS_KANJI", "X-SJIS", "MS932"};
  return std::find(kNames.begin(), kNames.end(), name) != kNames.end();
}

RunError BadBytes(const std::u16string& decoded, const std::u16string& path) {
  const std::size_t at = decoded.find(u'\uFFFD');
  const auto line = 1 + std::count(decoded.begin(), decoded.begin() + static_cast<std::ptrdiff_t>(at), u'\n');
  return RunError(u"宣言された文字コードで読めない文字があります。", path, DecimalText(line) + u" 行目");
}

std::string CheckedUtf8(std::string_view bytes, const std::u16string& path) {
  const std::u16string decoded = FromUtf8(bytes);
  if (ToUtf8(decoded) != bytes) throw BadBytes(decoded, path);
  return std::string(bytes);
}

}  // namespace

std::string XmlTextAsUtf8(std::string_view bytes, const std::u16string& path) {
  if (bytes.starts_with(kUtf8Mark)) return CheckedUtf8(bytes.substr(kUtf8Mark.size()), path);
  if (bytes.starts_with("\xFF\xFE")) return ToUtf8(Utf16Text(bytes.substr(2), ByteOrder::Little));
  if (bytes.starts_with("\xFE\xFF")) return ToUtf8(Utf16Text(bytes.substr(2), ByteOrder::Big));
  if (bytes.starts_with(std::string_view("<\0?\0", 4))) return ToUtf8(Utf16Text(bytes, ByteOrder::Little));
  if (bytes.starts_with(std::string_view("\0<\0?", 4))) return ToUtf8(Utf16Text(bytes, ByteOrder::Big));
  const std::string name = DeclaredEncoding(bytes);
  if (name.empty() || name == "UTF-8") return CheckedUtf8(bytes, path);
  if (!IsShiftJisName(name)) {
    throw RunError(u"文字コード \"" + FromUtf8(name) + u"\" の交換用データは読めません（Shift_JIS、UTF-8、UTF-16 を読みます）。",
                   path);
  }
  const std::u16string decoded = DecodeCp932(bytes);
  if (decoded.find(u'\uFFFD') != std::u16string::npos) throw BadBytes(decoded, path);
  return ToUtf8(decoded);
}

}  // namespace velni
