// Which characters are Shift_JIS proper, one row per class of code page 932.
#include "text/shift_jis.hpp"

#include <gtest/gtest.h>

#include "tests/support/reference_cp932.hpp"
#include "text/cp932.hpp"

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

// The rows taken as JIS X 0208 agree, character by character, with a strict
// reader over every character of code page 932.
TEST(ShiftJis, AgreesWithAStrictReaderOverEveryCharacter) {
  if (!testing::ReferenceReadsStrictShiftJis("A")) GTEST_SKIP() << "no strict Shift_JIS reader on this host";
  int shiftJis = 0;
  for (char32_t c = 0x80; c <= 0xFFFF; ++c) {
    const auto unit = static_cast<char16_t>(c);
    if (!HasCp932Form(unit)) continue;
    const std::string code = EncodeCp932(std::u16string_view(&unit, 1));
    EXPECT_EQ(HasShiftJisForm(unit), *testing::ReferenceReadsStrictShiftJis(code)) << static_cast<unsigned>(c);
    shiftJis += HasShiftJisForm(unit) ? 1 : 0;
  }
  EXPECT_EQ(shiftJis, 6879 + 63);  // JIS X 0208 and the half-width katakana
}

}  // namespace
}  // namespace velni
