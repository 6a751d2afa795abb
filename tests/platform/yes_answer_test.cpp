// The answers a terminal user may type to the question whether to create a folder.
#include "platform/yes_answer.hpp"

#include <gtest/gtest.h>

namespace velni {
namespace {

// Mended: only "y", "Y" and "yes" were Yes; a Japanese answer was taken as No.
TEST(YesAnswerTest, JapaneseAnswersAreUnderstoodInAnyLocale) {
  const struct {
    const char* reply;
    bool yes;
  } cases[] = {
      {"y", true}, {"Y", true}, {"yes", true}, {"ｙ", true}, {"Ｙ", true}, {"はい", true}, {" はい\r", true},
      {"n", false}, {"いいえ", false}, {"", false}, {"ｎ", false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsYesAnswer(c.reply), c.yes) << c.reply;
}

}  // namespace
}  // namespace velni
