#include "exchange/remark_text.hpp"

namespace velni {
namespace {

constexpr char16_t kRowMark = u'\uFF20';  // ＠, which starts a new row of the remarks grid
constexpr std::u16string_view kLineBreak = u"\\n";

}  // namespace

std::u16string ExchangeRemarkText(std::u16string_view remark) {
  std::u16string text;
  text.reserve(remark.size());
  for (char16_t c : remark) {
    if (c == kRowMark) {
      text += kLineBreak;
    } else {
      text += c;
    }
  }
  return text;
}

}  // namespace velni
