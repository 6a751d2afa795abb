#include "files/open_files.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "tests/support/temp_folder.hpp"
#include "text/run_error.hpp"

namespace velni {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::U;

class OpenFilesTest : public ::testing::Test {
 protected:
  std::u16string PathOf(const std::string& name) const { return testing::PathText(folder_ / name); }
  TempFolder folder_;
};

TEST_F(OpenFilesTest, CreateEmptiesAndAppendContinuesUnderTheExistingName) {
  testing::WriteBytes(folder_ / "N12.txt", "old contents");
  {
    OutputFile file = CreateOutputFile(PathOf("N12.TXT"));
    file.Write(u"new");
  }
  EXPECT_EQ(ReadBytes(folder_ / "N12.txt"), "new");
  EXPECT_EQ(testing::NamesIn(folder_.Path()), std::set<std::string>{"N12.txt"}) << "the existing name is used";
  {
    OutputFile file = AppendToOutputFile(PathOf("N12.TXT"));
    file.WriteLine(u" line");
  }
  EXPECT_EQ(ReadBytes(folder_ / "N12.txt"), "new line\r\n");
}

TEST_F(OpenFilesTest, InputIsReadUnderTheExistingName) {
  testing::WriteBytes(folder_ / "l4.txt", "1,\x82\xa0\r\n");
  InputFile file = ReadInputFile(PathOf("L4.TXT"));
  std::u16string field;
  file.ReadField(field);
  file.ReadField(field);
  EXPECT_EQ(field, u"あ");
  EXPECT_EQ(file.Path(), PathOf("L4.TXT"));
}

// The failure names the file as the run asked for it, with its cause.
TEST_F(OpenFilesTest, FailuresNameTheFile) {
  const std::u16string missingFolder = PathOf("NO_SUCH_FOLDER/X1.TXT");
  const std::pair<std::function<void()>, const char16_t*> cases[] = {
      {[&] { CreateOutputFile(missingFolder); }, failure::kCannotCreate},
      {[&] { ReadInputFile(missingFolder); }, failure::kFileNotFound},
  };
  for (const auto& [open, what] : cases) {
    try {
      open();
      ADD_FAILURE() << "opened";
    } catch (const RunError& e) {
      EXPECT_EQ(e.What(), what);
      EXPECT_EQ(e.Path(), missingFolder);
    }
  }
}

TEST_F(OpenFilesTest, WriteFailureIsReportedByCloseNotByTheDestructor) {
  OutputFile file = CreateOutputFile(u"/dev/full");
  file.WriteLine(u"data");
  try {
    file.Close();
    FAIL() << "a full device took the data";
  } catch (const RunError& e) {
    EXPECT_EQ(e.What(), failure::kDiskFull);
    EXPECT_EQ(e.Path(), u"/dev/full");
  }
  EXPECT_NO_THROW({
    OutputFile unclosed = CreateOutputFile(u"/dev/full");
    unclosed.WriteLine(u"data");
  });
}

}  // namespace
}  // namespace velni
