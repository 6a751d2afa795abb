#include "text/output_file.hpp"

#include <gtest/gtest.h>

#include "text/run_error.hpp"

namespace velni {
namespace {

TEST(OutputFileTest, ItemsFollowEachOtherAndLinesEndWithCrLf) {
  std::string bytes;
  OutputFile file(u"X1.TXT", bytes);
  file.Write(u"  1");
  file.Write(u",");
  file.WriteLine(u"ab");
  file.Write(NumOrText::Number(12));
  file.Write(NumOrText::Text(u"0012"));
  file.EndLine();
  file.WriteLine();
  file.Close();
  EXPECT_EQ(bytes, "  1,ab\r\n 12 0012\r\n\r\n");
}

TEST(OutputFileTest, CodePage932Bytes) {
  std::string bytes;
  OutputFile file(u"A.TXT", bytes);
  file.WriteLine(u"Ａｦ～\u2212");
  EXPECT_EQ(bytes, "\x82\x60\xA6\x81\x60?\r\n");
}

TEST(OutputFileTest, WriteAfterCloseIsAFailureNamingTheFile) {
  std::string bytes;
  OutputFile file(u"B.TXT", bytes);
  file.Close();
  EXPECT_NO_THROW(file.Close());
  try {
    file.Write(u"x");
    FAIL() << "written after closing";
  } catch (const RunError& e) {
    EXPECT_EQ(e.What(), failure::kCannotWrite);
    EXPECT_EQ(e.Path(), u"B.TXT");
  }
}

}  // namespace
}  // namespace velni
