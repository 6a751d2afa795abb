#include "text/utf.hpp"

#include <gtest/gtest.h>

namespace velni {
namespace {

TEST(UtfTest, RoundTripOfJapaneseAndSupplementaryCharacters) {
  const std::string utf8 = "\xE5\xB1\xA4 A \xF0\x9F\x98\x80";  // 層, blank, A, U+1F600
  const std::u16string text = FromUtf8(utf8);
  EXPECT_EQ(text, u"層 A \U0001F600");
  EXPECT_EQ(ToUtf8(text), utf8);
}

TEST(UtfTest, InvalidSequencesBecomeReplacementCharacters) {
  const struct {
    std::string utf8;
    std::u16string text;
  } cases[] = {
      {"a\xFF" "b", u"a\uFFFD" "b"},
      {"\xC0\xAF", u"\uFFFD\uFFFD"},       // C0 never leads
      {"\xE0\x80\xAF", u"\uFFFD"},         // overlong
      {"\xED\xA0\x80", u"\uFFFD"},         // encoded surrogate
      {"\xE5\xB1", u"\uFFFD\uFFFD"},       // cut short at the end
      {"\xE5" "A", u"\uFFFD" "A"},         // cut short before ASCII
  };
  for (const auto& c : cases) EXPECT_EQ(FromUtf8(c.utf8), c.text);
  EXPECT_EQ(ToUtf8(std::u16string(1, char16_t{0xDC00})), "\xEF\xBF\xBD");
}

}  // namespace
}  // namespace velni
