#include "exchange/remark_text.hpp"

#include <gtest/gtest.h>

#include "tests/support/temp_folder.hpp"

namespace velni {
namespace {

TEST(RemarkText, TheRowMarkIsTheFormatsLineBreak) {
  const struct {
    const char16_t *remark, *text;
  } cases[] = {
      {u"礫混じり＠腐植物混入", u"礫混じり\\n腐植物混入"},
      {u"＠＠末尾＠", u"\\n\\n末尾\\n"},
      {u"半角@は記号", u"半角@は記号"},  // only the full-width mark starts a row
      {u"", u""},
  };
  for (const auto& c : cases) EXPECT_EQ(ExchangeRemarkText(c.remark), c.text) << testing::S(c.remark);
}

}  // namespace
}  // namespace velni
