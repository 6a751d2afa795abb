// Telling UTF-8 and UTF-16 files from code-page-932 ones.
#include "text/encoding_check.hpp"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/temp_folder.hpp"
#include "text/cp932.hpp"

namespace velni {
namespace {

TEST(EncodingCheckTest, ForeignEncodingsAndTheLineThatShowsThem) {
  using E = ForeignEncoding;
  const struct {
    std::string bytes;
    E encoding;
    std::int64_t line;
    const char* why;
  } cases[] = {
      {"\xEF\xBB\xBF" "100,1,5,0\r\n", E::Utf8ByteOrderMark, 1, "UTF-8 byte-order mark"},
      {"\xFF\xFE" "1\0" ",\0", E::Utf16, 1, "UTF-16 little-endian mark"},
      {"\xFE\xFF\0" "1", E::Utf16, 1, "UTF-16 big-endian mark"},
      {std::string("1\0,\0" "2\0,\0" "3\0\r\0\n\0", 14), E::Utf16, 1, "UTF-16 without a mark"},
      {"1,2,0,0,4\r\n1.00,\xE7\xA0\x82\r\n", E::Utf8, 2, "UTF-8 Japanese on line 2"},
  };
  for (const auto& c : cases) {
    const auto found = FindForeignEncoding(c.bytes);
    ASSERT_TRUE(found.has_value()) << c.why;
    EXPECT_EQ(found->encoding, c.encoding) << c.why;
    EXPECT_EQ(found->line, c.line) << c.why;
  }
}

TEST(EncodingCheckTest, CodePage932TextIsNotForeign) {
  const std::string cases[] = {
      EncodeCp932(u"1,2,2,0,4\r\n1.00,砂質ローム,,A～B\r\n"),
      std::string("\0" "100,1,5,0\r\n1.15,3,1,1,1\r\n", 27),  // one stray NUL
      "\xC3\xB2\xC3\xB2\r\n",                                  // half-width katakana that is also UTF-8
      "\xE3\x81",  // a cut UTF-8 sequence at the end is no UTF-8 file
      "1,0,0\r\n",
      "",
  };
  for (const auto& bytes : cases) EXPECT_FALSE(FindForeignEncoding(bytes).has_value()) << bytes;
}

// A real boring must never be refused: every bundled and golden one.
TEST(EncodingCheckTest, EveryBundledBoringIsCodePage932) {
  int borings = 0;
  for (const char* root : {"data", "tests/golden"}) {
    for (const auto& entry : std::filesystem::recursive_directory_iterator(std::filesystem::path(VELNI_SOURCE_DIR) / root)) {
      if (entry.path().extension() != ".JDF") continue;
      ++borings;
      EXPECT_FALSE(FindForeignEncoding(testing::ReadBytes(entry.path())).has_value()) << entry.path();
    }
  }
  EXPECT_GE(borings, 20);
}

}  // namespace
}  // namespace velni
