#include "text/fixed_width.hpp"

#include <gtest/gtest.h>

#include "tests/support/temp_folder.hpp"
#include "text/run_error.hpp"

namespace velni {
namespace {

using testing::S;

TEST(FixedWidthTest, RightAlignCountsCharacters) {
  const struct {
    std::u16string text;
    int width;
    std::u16string aligned;
  } cases[] = {
      {u"12", 5, u"   12"},   {u"abcdef", 3, u"def"}, {u"", 2, u"  "},
      {u"ＡＢ", 3, u" ＡＢ"}, {u"abc", 0, u""},       {u"abc", 3, u"abc"},
  };
  for (const auto& c : cases) EXPECT_EQ(RightAlign(c.text, c.width), c.aligned) << S(c.text);
}

TEST(FixedWidthTest, CounterField) {
  const struct {
    std::int16_t counter;
    const char* field;
  } cases[] = {{1, "  1"}, {42, " 42"}, {123, "123"}, {1000, "000"}, {-5, " -5"}};
  for (const auto& c : cases) EXPECT_EQ(S(CounterField(c.counter)), c.field) << c.counter;
}

TEST(FixedWidthTest, TrimOnlyHalfWidthBlanks) {
  EXPECT_EQ(TrimBlanks(u"  a b  "), u"a b");
  EXPECT_EQ(TrimBlanks(u"\ta "), u"\ta");
  EXPECT_EQ(TrimBlanks(u"　a　"), u"　a　");
  EXPECT_EQ(TrimBlanks(u"   "), u"");
  EXPECT_EQ(TrimLeadingBlanks(u"  a  "), u"a  ");
  EXPECT_EQ(TrimTrailingBlanks(u"  a  "), u"  a");
}

TEST(FixedWidthTest, IncrementCounterStopsAt32767) {
  std::int16_t counter = 32766;
  IncrementCounter(counter);
  EXPECT_EQ(counter, 32767);
  try {
    IncrementCounter(counter);
    FAIL() << "no overflow";
  } catch (const RunError& e) {
    EXPECT_EQ(e.What(), failure::kOverflow);
  }
  EXPECT_EQ(counter, 32767);
}

}  // namespace
}  // namespace velni
