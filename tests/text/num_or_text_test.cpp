#include "text/num_or_text.hpp"

#include <gtest/gtest.h>

namespace velni {
namespace {

TEST(NumOrTextTest, NumberIsWrittenInItsTextFormWithABlankAfter) {
  const NumOrText twelve = NumOrText::Number(12);
  EXPECT_EQ(twelve.AsText(), u" 12");
  EXPECT_EQ(twelve.AsItem(), u" 12 ");
  EXPECT_EQ(NumOrText::Number(-0.5).AsItem(), u"-.5 ");
  EXPECT_EQ(twelve.AsNumber(), 12.0);
}

TEST(NumOrTextTest, TextAndEmpty) {
  const NumOrText digits = NumOrText::Text(u"0012");
  EXPECT_TRUE(digits.IsText());
  EXPECT_EQ(digits.AsItem(), u"0012");
  EXPECT_EQ(digits.AsNumber(), 12.0);
  EXPECT_FALSE(NumOrText::Text(u"abc").AsNumber().has_value());
  const NumOrText empty;
  EXPECT_TRUE(empty.IsEmpty());
  EXPECT_EQ(empty.AsNumber(), 0.0);
  EXPECT_EQ(empty.AsItem(), u"");
}

}  // namespace
}  // namespace velni
