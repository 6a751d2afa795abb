// Which characters are Shift_JIS proper, one row per class of code page 932.
#include "text/shift_jis.hpp"

#include <gtest/gtest.h>

namespace velni {
namespace {

TEST(ShiftJis, EachClassOfCodePage932) {
  const struct {
    char16_t c;
    bool shiftJis;
    bool extension;
    const char* reason;
  } cases[] = {
      {u'A', true, false, "ASCII"},
      {u'ｱ', true, false, "half-width katakana, JIS X 0201"},
      {u'あ', true, false, "row 4"},
      {u'～', true, false, "81 60, row 1 (a strict reader reads it as U+301C)"},
      {u'≒', true, false, "also in row 13, written in row 2"},
      {u'￢', true, false, "also in the IBM extension, written in row 2"},
      {u'亜', true, false, "row 16, the first kanji"},
      {u'熙', true, false, "84-06, the last JIS X 0208 character"},
      {u'①', false, true, "row 13, NEC special characters"},
      {u'Ⅲ', false, true, "row 13"},
      {u'㈱', false, true, "row 13"},
      {u'ⅰ', false, true, "IBM extension, row 115"},
      {u'髙', false, true, "IBM extension, row 119"},
      {u'纊', false, true, "NEC-selected IBM extension, written in row 115"},
      {u'\uE000', false, true, "user-defined area, row 95"},
      {u'é', false, false, "no code-page-932 form"},
      {u'〜', false, false, "U+301C has no code-page-932 form"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(HasShiftJisForm(c.c), c.shiftJis) << c.reason;
    EXPECT_EQ(IsCp932Extension(c.c), c.extension) << c.reason;
  }
}

}  // namespace
}  // namespace velni
