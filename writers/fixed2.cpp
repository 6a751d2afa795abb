#include "writers/fixed2.hpp"

#include "text/fixed_width.hpp"
#include "text/number_text.hpp"

namespace velni {

namespace {

// "-.5" and ".5" as the depth column shows them: "-0.5", "0.5".
void PutZeroBeforePoint(std::u16string& text, std::size_t point) {
  const std::size_t minus = text.find(u'-');
  // Built by appending: g++ 12 at -O3 warns (-Wrestrict) on an insertion at the front.
  if (point == 0) {
    text = std::u16string(u"0").append(text);
  } else if (minus != std::u16string::npos && minus + 1 == point) {
    text = std::u16string(u"-0.").append(text, point + 1);
  }
}

// Exactly two digits after the point: one more zero, or the rest cut off (never
// rounded, so 12.345 stays 12.34).
void KeepTwoDecimals(std::u16string& text) {
  const std::size_t point = text.find(u'.');
  const std::size_t decimals = text.size() - point - 1;
  if (decimals == 1) {
    text += u"0";
  } else {
    text.resize(point + 3 < text.size() ? point + 3 : text.size());
  }
}

}  // namespace

std::u16string FormatFixed2(std::int16_t width, float value) {
  std::u16string text = TrimLeadingBlanks(SingleText(value));
  const std::size_t point = text.find(u'.');
  if (point == std::u16string::npos) {
    text += u".00";
  } else {
    PutZeroBeforePoint(text, point);
    KeepTwoDecimals(text);
  }
  return RightAlign(text, width);
}

}  // namespace velni
