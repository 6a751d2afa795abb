#include "text/output_file.hpp"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/temp_folder.hpp"
#include "text/run_error.hpp"

namespace velni {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::U;

class OutputFileTest : public ::testing::Test {
 protected:
  std::u16string PathOf(const std::string& name) const { return U((folder_ / name).string()); }
  TempFolder folder_;
};

TEST_F(OutputFileTest, ItemsFollowEachOtherAndLinesEndWithCrLf) {
  OutputFile file(PathOf("X1.TXT"));
  file.Write(u"  1");
  file.Write(u",");
  file.WriteLine(u"ab");
  file.Write(NumOrText::Number(12));
  file.Write(NumOrText::Text(u"0012"));
  file.EndLine();
  file.WriteLine();
  file.Close();
  EXPECT_EQ(ReadBytes(folder_ / "X1.TXT"), "  1,ab\r\n 12 0012\r\n\r\n");
}

TEST_F(OutputFileTest, CodePage932Bytes) {
  OutputFile file(PathOf("A.TXT"));
  file.WriteLine(u"Ａｦ～\u2212");
  file.Close();
  EXPECT_EQ(ReadBytes(folder_ / "A.TXT"), "\x82\x60\xA6\x81\x60?\r\n");
}

TEST_F(OutputFileTest, CreateEmptiesAndAppendContinues) {
  testing::WriteBytes(folder_ / "N12.txt", "old contents");
  {
    OutputFile file(PathOf("N12.TXT"));
    file.Write(u"new");
  }
  EXPECT_EQ(ReadBytes(folder_ / "N12.txt"), "new");
  EXPECT_FALSE(std::filesystem::exists(folder_ / "N12.TXT")) << "the existing name is used";
  {
    OutputFile file(PathOf("N12.TXT"), OutputFile::Mode::Append);
    file.WriteLine(u" line");
  }
  EXPECT_EQ(ReadBytes(folder_ / "N12.txt"), "new line\r\n");
}

TEST_F(OutputFileTest, FileThatCannotBeCreated) {
  const std::u16string path = PathOf("NO_SUCH_FOLDER/X1.TXT");
  try {
    OutputFile file(path);
    FAIL() << "created";
  } catch (const RunError& e) {
    EXPECT_EQ(e.What(), failure::kCannotCreate);
    EXPECT_EQ(e.Path(), path);
  }
}

TEST_F(OutputFileTest, WriteFailureIsReportedByCloseNotByTheDestructor) {
  OutputFile file(u"/dev/full");
  file.WriteLine(u"data");
  try {
    file.Close();
    FAIL() << "a full device took the data";
  } catch (const RunError& e) {
    EXPECT_EQ(e.What(), failure::kDiskFull);  // said as such, no longer "cannot write"
    EXPECT_EQ(e.Path(), u"/dev/full");
  }
  EXPECT_NO_THROW({
    OutputFile unclosed(u"/dev/full");
    unclosed.WriteLine(u"data");
  });
}

TEST_F(OutputFileTest, WriteAfterCloseIsAFailure) {
  OutputFile file(PathOf("B.TXT"));
  file.Close();
  EXPECT_NO_THROW(file.Close());
  EXPECT_THROW(file.Write(u"x"), RunError);
}

}  // namespace
}  // namespace velni
