// Only code-page-932 normal files are read as source files.
#include "readers/source_file.hpp"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/posix_only.hpp"
#include "tests/support/temp_folder.hpp"
#include "text/cp932.hpp"
#include "text/run_error.hpp"
#include "text/utf.hpp"

namespace velni {
namespace {

using testing::TempFolder;
using testing::U;

RunError FailureOf(const std::filesystem::path& path) {
  try {
    OpenSourceFile(testing::PathText(path));
  } catch (const RunError& error) {
    return error;
  }
  return RunError(u"no failure");
}

// Mended: the sample re-saved by an editor as UTF-8 once converted "successfully"
// and registered garbled soil names.
TEST(SourceFileTest, TheSampleResavedAsUtf8IsRefusedNamingFileAndLine) {
  TempFolder temp;
  const std::string sample =
      testing::ReadBytes(std::filesystem::path(VELNI_SOURCE_DIR) / "data" / "survey" / "kawabe" / "B01" / "MDT0101.JDF");
  const auto resaved = temp / "MDT0101.JDF";
  testing::WriteBytes(resaved, ToUtf8(DecodeCp932(sample)));
  const RunError error = FailureOf(resaved);
  EXPECT_EQ(error.What(), u"Shift-JIS (コードページ 932) のファイルではありません（UTF-8 のようです）。");
  EXPECT_EQ(error.Path(), testing::PathText(resaved));
  EXPECT_EQ(error.Where(), u"2 行目");
  // The code-page-932 original reads.
  testing::WriteBytes(resaved, sample);
  EXPECT_NO_THROW(OpenSourceFile(testing::PathText(resaved)));
}

// Mended: a named pipe in a companion's place blocked the run for ever.
TEST(SourceFileTest, APipeOrAFolderInAFilesPlaceIsRefusedWithoutWaiting) {
  TempFolder temp;
  ASSERT_TRUE(testing::MakeNamedPipe(testing::PathUtf8(temp / "NDT0001.JDF")));
  std::filesystem::create_directories(temp / "KDT0001.JDF");
  for (const char* name : {"NDT0001.JDF", "KDT0001.JDF"}) {
    const RunError error = FailureOf(temp / name);
    EXPECT_EQ(error.What(), failure::kNotARegularFile) << name;
    EXPECT_EQ(error.Path(), testing::PathText(temp / name));
  }
}

}  // namespace
}  // namespace velni
