// Outputs named on the command line that would replace a file the command reads or
// writes are refused before anything is read, naming the path and what it is;
// the file stays as it was.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/process.hpp"
#include "tests/support/sample_boring.hpp"
#include "tests/support/temp_folder.hpp"

namespace velni {
namespace {

namespace stdfs = std::filesystem;

struct GuardCase {
  const char* why;
  std::vector<std::string> arguments;  // "{T}" stands for the temporary folder
  const char* kept;                    // the file that must stay as it was
  const char* named;                   // what the refusal says it is
  int exitStatus;
};

const GuardCase kCases[] = {
    {"--report onto the soil-name table in other case",
     {"--data-folder", "{T}PATDAT", "--report", "{T}PATDAT/kishitu.txt", "{T}src/MDT0001.JDF", "{T}out"},
     "PATDAT/KISHITU.TXT", "土質名表", 1},
    {"--report onto the run's own X1.TXT",
     {"--data-folder", "{T}PATDAT", "--report", "{T}out/X1.TXT", "{T}src/MDT0001.JDF", "{T}out"},
     "out/X1.TXT", "変換で書き出すファイル", 1},
    {"--xml onto the main data file through ..", {"--xml", "{T}out/../src/MDT0001.JDF", "{T}src/MDT0001.JDF"},
     "src/MDT0001.JDF", "主データファイル", 1},
    {"--xml onto a companion", {"--xml", "{T}src/KDT0001.JDF", "{T}src/MDT0001.JDF"}, "src/KDT0001.JDF",
     "記事ファイル", 1},
    {"--picture onto a companion through a link", {"--picture", "{T}link.svg", "{T}src/MDT0001.JDF"},
     "src/NDT0001.JDF", "試験ファイル", 1},
    {"--check --report onto the main data file",
     {"--check", "--data-folder", "{T}PATDAT", "--report", "{T}src/MDT0001.JDF", "{T}src/MDT0001.JDF"},
     "src/MDT0001.JDF", "主データファイル", 2},
    {"--batch --report onto a boring's source",
     {"--batch", "--data-folder", "{T}PATDAT", "--report", "{T}src/NDT0001.JDF", "{T}src", "{T}out"},
     "src/NDT0001.JDF", "試験ファイル", 1},
};

std::vector<std::string> Expanded(std::vector<std::string> arguments, const std::string& root) {
  for (std::string& argument : arguments) {
    if (argument.starts_with("{T}")) argument = root + argument.substr(3);
  }
  return arguments;
}

TEST(OutputGuardTest, AnOutputOntoAFileOfTheCommandIsRefusedAndTheFileKept) {
  for (const GuardCase& c : kCases) {
    SCOPED_TRACE(c.why);
    testing::TempFolder temp;
    testing::MakeMinimalDataFolder(temp / "PATDAT");
    testing::MakeMinimalBoring(temp / "src");
    testing::WriteBytes(temp / "out" / "X1.TXT", "old");
    stdfs::create_symlink(temp / "src" / "NDT0001.JDF", temp / "link.svg");
    const std::string before = testing::ReadBytes(temp / c.kept);
    const auto result = testing::RunCli(Expanded(c.arguments, temp.Path().string() + "/"));
    EXPECT_EQ(result.exitStatus, c.exitStatus) << result.err;
    EXPECT_EQ(testing::ReadBytes(temp / c.kept), before);
    EXPECT_NE(result.err.find(c.named), std::string::npos) << result.err;
    EXPECT_NE(result.err.find((temp / c.kept).string()), std::string::npos) << result.err;
    EXPECT_EQ(testing::ReadBytes(temp / "out" / "X1.TXT"), "old") << "converted although refused";
  }
}

// A report that cannot be written after a completed conversion is said before the
// completion message, which a reader takes for the last word.
TEST(OutputGuardTest, AReportThatCannotBeWrittenIsSaidBeforeTheCompletion) {
  testing::TempFolder temp;
  testing::MakeMinimalDataFolder(temp / "PATDAT");
  const std::string source = testing::MakeMinimalBoring(temp / "src").string();
  const std::string command = std::string(VELNI_CLI_PATH) + " --yes --data-folder " + (temp / "PATDAT").string() +
                              " --report " + (temp / "missing" / "r.json").string() + " " + source + " " +
                              (temp / "out").string() + " 2>&1";
  const auto result = testing::RunProcess("/bin/sh", {"-c", command});
  EXPECT_EQ(result.exitStatus, 2);
  const std::size_t failure = result.out.find("結果のファイルを書き込めません");
  const std::size_t completion = result.out.find("変換が正常に終了しました。");
  ASSERT_NE(failure, std::string::npos) << result.out;
  EXPECT_LT(failure, completion) << result.out;
}

}  // namespace
}  // namespace velni
