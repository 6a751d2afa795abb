// Appending one table line: whole or not at all, and always on a line of its own.
#include <gtest/gtest.h>

#include <optional>

#include "platform/file_system.hpp"
#include "tests/support/posix_only.hpp"
#include "tests/support/temp_folder.hpp"
#include "text/run_error.hpp"
#include "text/utf.hpp"

namespace velni {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

struct AppendCase {
  const char* what;
  std::optional<std::string> before;  // nullopt: no file
  std::string expected;
};

TEST(AppendLineTest, AppendsTheLineOnALineOfItsOwn) {
  const AppendCase cases[] = {
      {"absent file is created", std::nullopt, "2000,a\r\n"},
      {"empty file", "", "2000,a\r\n"},
      {"after a CR LF", "1,b\r\n", "1,b\r\n2000,a\r\n"},
      {"last line without line end gets one first", "1,b", "1,b\r\n2000,a\r\n"},
      {"a lone LF ends the last line too", "1,b\n", "1,b\n2000,a\r\n"},
  };
  TempFolder temp;
  for (const AppendCase& c : cases) {
    const auto path = temp / "KISHITU.TXT";
    std::filesystem::remove(path);
    if (c.before) WriteBytes(path, *c.before);
    fs::AppendLine(testing::PathText(path), "2000,a\r\n");
    EXPECT_EQ(ReadBytes(path), c.expected) << c.what;
  }
}

TEST(AppendLineTest, FindsTheTableWithoutRegardToCase) {
  TempFolder temp;
  WriteBytes(temp / "kishitu.txt", "1,b\r\n");
  fs::AppendLine(temp.Text() + u"KISHITU.TXT", "2,c\r\n");
  EXPECT_EQ(ReadBytes(temp / "kishitu.txt"), "1,b\r\n2,c\r\n");
  EXPECT_EQ(testing::NamesIn(temp.Path()), std::set<std::string>{"kishitu.txt"});
}

TEST(AppendLineTest, AFolderInTheWayIsTheCannotCreateFailureNamingIt) {
  TempFolder temp;
  std::filesystem::create_directories(temp / "KISHITU.TXT");
  try {
    fs::AppendLine(temp.Text() + u"KISHITU.TXT", "2,c\r\n");
    FAIL() << "no failure";
  } catch (const RunError& error) {
    EXPECT_EQ(error.What(), failure::kCannotCreate);
    EXPECT_EQ(error.Path(), temp.Text() + u"KISHITU.TXT");
  }
}

// On a disk that fills up half-way through the line, none of it stays.
TEST(AppendLineTest, ALineCutShortByAFullDiskIsTakenBack) {
  TempFolder temp;
  const auto path = temp / "KISHITU.TXT";
  WriteBytes(path, "1,b\r\n");
  testing::ForkedChild child(
      [&](const testing::ForkedChild::Report&) {
        try {
          fs::AppendLine(testing::PathText(path), "2000,long enough\r\n");
        } catch (const RunError& error) {
          return error.What() == failure::kCannotWrite ? 0 : 1;
        }
        return 2;
      },
      8);
  EXPECT_EQ(child.Wait(), 0) << "1: another failure, 2: no failure";
  EXPECT_EQ(ReadBytes(path), "1,b\r\n");
}

// Mended: a full disk under the data folder said "cannot write" where the
// destination's said the disk is full.
TEST(AppendLineTest, AFullDiskIsSaidAsSuch) {
  try {
    fs::AppendLine(u"/dev/full", "2000,砂\r\n");
    FAIL() << "no failure";
  } catch (const RunError& error) {
    EXPECT_EQ(error.What(), failure::kDiskFull);
  }
}

}  // namespace
}  // namespace velni
