// The output set of a run: all of it or nothing, never another boring's file beside
// this one's.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "run/conversion_run.hpp"
#include "tests/support/fake_run_ui.hpp"
#include "tests/support/sample_boring.hpp"
#include "tests/support/temp_folder.hpp"

namespace velni {
namespace {

namespace stdfs = std::filesystem;
using testing::TempFolder;
using testing::U;
using Folder = std::map<std::string, std::string>;  // name -> bytes

Folder Contents(const stdfs::path& folder) {
  Folder contents;
  for (const auto& entry : stdfs::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    contents[name] = entry.is_regular_file() ? testing::ReadBytes(entry.path()) : "(folder)";
  }
  return contents;
}

class OutputSetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::MakeMinimalDataFolder(temp_ / "PATDAT");
    source_ = testing::MakeMinimalBoring(temp_ / "src");  // no layers, lists, remarks or tests
    stdfs::create_directories(dest_);
    // Another boring's full set, two names in other letter case, and a file of the user's.
    for (const char* name : {"CNT.TXT", "Titl01.txt", "Titl02.txt", "x1.txt", "X3.TXT", "X11.TXT", "N9.TXT",
                             "N8.TXT", "x12.txt", "X5.TXT", "memo.txt"}) {
      testing::WriteBytes(dest_ / name, "other boring");
    }
  }
  RunResult Run() {
    const RunRequest request{testing::PathText(source_), testing::PathText(dest_), testing::FolderText(temp_ / "PATDAT"),
                             testing::PathText(temp_.Path())};
    return ConversionRun(request, ui_);
  }

  TempFolder temp_;
  stdfs::path source_;
  stdfs::path dest_ = temp_ / "out" / "SITE" / "B01";
  testing::FakeRunUi ui_;
};

TEST_F(OutputSetTest, ACompletedRunLeavesOnlyItsOwnFilesOfTheTenNames) {
  const RunResult result = Run();
  ASSERT_EQ(result.outcome, RunOutcome::Completed) << testing::S(ui_.messages.empty() ? u"" : ui_.messages[0].prompt);
  Folder after = Contents(dest_);
  EXPECT_EQ(after["memo.txt"], "other boring");
  after.erase("memo.txt");
  // No layer, list, remark or test: only the control file and the title sheets, and
  // no work folder left behind.
  for (const auto& [name, bytes] : after) EXPECT_NE(bytes, "other boring") << name;
  EXPECT_EQ(after.size(), 3u);
  EXPECT_EQ(after.count("CNT.TXT") + after.count("Titl01.txt") + after.count("Titl02.txt"), 3u);
  EXPECT_EQ(result.filesWritten, (std::vector<std::u16string>{u"CNT.TXT", u"Titl01.txt", u"Titl02.txt"}));
  const std::string control = testing::ReadCrLfLines(dest_ / "CNT.TXT");
  EXPECT_EQ(control.substr(0, control.find("4   ")),
            testing::S(result.controlLines[0] + u"\n" + result.controlLines[1] + u"\n" + result.controlLines[2] + u"\n"));
  EXPECT_EQ(result.controlLines[2], u"SITE");
}

TEST_F(OutputSetTest, AFailedRunLeavesTheDestinationAsItWas) {
  const Folder before = Contents(dest_);
  for (const char* broken : {"NDT0001.JDF", "KDT0001.JDF"}) {
    stdfs::remove(temp_ / "src" / broken);
    EXPECT_EQ(Run().outcome, RunOutcome::Failed) << broken;
    EXPECT_EQ(Contents(dest_), before) << broken;
  }
}

// A title sheet that fails lets the run go on, but the run is reported failed: the
// set is not moved, and the message names the sheet where it would have gone.
TEST_F(OutputSetTest, ADeferredFailureMovesNothingAndNamesTheDestination) {
  const Folder before = Contents(dest_);
  // A latitude far beyond the globe has no mesh code.
  testing::WriteCp932File(temp_ / "src" / "MDT0001.JDF", "1,15,0,0,0\n,,,,,,,,,,,,,99999999999,139\n0,0,0\n");
  EXPECT_EQ(Run().outcome, RunOutcome::Failed);
  EXPECT_EQ(Contents(dest_), before);
  ASSERT_EQ(ui_.messages.size(), 1u);
  EXPECT_NE(testing::S(ui_.messages[0].prompt).find((dest_ / "Titl01.txt").string()), std::string::npos)
      << testing::S(ui_.messages[0].prompt);
}

}  // namespace
}  // namespace velni
