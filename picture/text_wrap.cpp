#include "picture/text_wrap.hpp"

#include "text/cp932.hpp"

namespace velni {
namespace {

constexpr char16_t kLineBreakMark = u'＠';

double CharacterColumns(char16_t c) { return Cp932Width(c) == 1 ? 0.5 : 1.0; }

}  // namespace

double TextColumns(const std::u16string& text) {
  double columns = 0;
  for (char16_t c : text) columns += CharacterColumns(c);
  return columns;
}

std::vector<std::u16string> WrapText(const std::u16string& text, int fullWidthColumns) {
  std::vector<std::u16string> lines(1);
  double used = 0;
  for (char16_t c : text) {
    if (c == kLineBreakMark || c == u'\n') {
      lines.emplace_back();
      used = 0;
      continue;
    }
    if (c == u'\r') continue;
    if (used + CharacterColumns(c) > fullWidthColumns && !lines.back().empty()) {
      lines.emplace_back();
      used = 0;
    }
    lines.back() += c;
    used += CharacterColumns(c);
  }
  if (lines.back().empty() && lines.size() > 1) lines.pop_back();
  return lines;
}

}  // namespace velni
