#include "writers/range_line.hpp"

#include <algorithm>
#include <array>
#include <optional>
#include <string>

#include "text/fixed_width.hpp"
#include "text/number_text.hpp"
#include "writers/counted_line.hpp"

namespace velni {
namespace {

constexpr char16_t kRangeTilde = u'～';
constexpr int kFirstFieldWidth = 7;

// A code in two characters ("03", 105 as "05"); a code of 0 as two blanks.
std::u16string TwoDigitSlot(std::int16_t code) {
  if (code == 0) return u"  ";
  const std::u16string number = u"00" + DecimalText(code);
  return number.substr(number.size() - 2);
}

// Six characters: the codes of the first three characters of `part`, a character
// without a key taking no slot.
std::u16string SlotText(const std::u16string& part, const CodeTable& l4) {
  std::array<std::int16_t, kCodedRangeCharacters> codes{};
  std::size_t filled = 0;
  for (std::size_t d = 0; d < std::min(part.size(), kCodedRangeCharacters); ++d) {
    if (auto code = l4.CodeOf(std::u16string(1, part[d]))) codes[filled++] = *code;
  }
  std::u16string text;
  for (std::int16_t code : codes) text += TwoDigitSlot(code);
  return text;
}

}  // namespace

RangeParts SplitRange(const std::u16string& rangeText) {
  const std::size_t tilde = rangeText.find(kRangeTilde);
  return {rangeText.substr(0, tilde), tilde == std::u16string::npos ? u"" : rangeText.substr(tilde + 1)};
}

void WriteRangeLine(OutputFile& x3, std::int16_t& lineNo, const std::u16string& firstField,
                    const std::u16string& rangeText, const CodeTable& l4) {
  const auto [part1, part2] = SplitRange(rangeText);
  const std::u16string slots1 = SlotText(part1, l4);
  const std::u16string slots2 = SlotText(part2, l4);

  WriteLineStart(x3, lineNo, RightAlign(firstField, kFirstFieldWidth));
  x3.Write(slots1);
  x3.Write(u",");
  x3.Write(part1);
  x3.Write(u",");
  x3.Write(slots2);
  x3.Write(u",");
  x3.Write(part2);
  x3.Write(u",");
  x3.Write(part2.empty() ? u"" : u"～");
  EndCountedLine(x3, lineNo);
}

}  // namespace velni
