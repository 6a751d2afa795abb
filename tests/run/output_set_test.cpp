// The output set of a run: all of it or nothing, never another boring's file beside
// this one's.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "platform/file_lock.hpp"
#include "run/conversion_run.hpp"
#include "run/output_set.hpp"
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
    const RunRequest request{testing::PathText(source_), testing::PathText(dest_), testing::FolderText(temp_ / "PATDAT")};
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

// A latitude beyond the globe has no mesh code for Titl02.txt. The title sheets
// once failed late and named Titl01.txt; the run now stops before writing, names
// the header field, and still moves nothing.
TEST_F(OutputSetTest, APositionWithoutAMeshCodeMovesNothingAndNamesItsField) {
  const Folder before = Contents(dest_);
  testing::WriteCp932File(temp_ / "src" / "MDT0001.JDF", "1,15,0,0,0\n,,,,,,,,,,,,,99999999999,139\n0,0,0\n");
  EXPECT_EQ(Run().outcome, RunOutcome::Failed);
  EXPECT_EQ(Contents(dest_), before);
  ASSERT_EQ(ui_.messages.size(), 1u);
  const std::string message = testing::S(ui_.messages[0].prompt);
  EXPECT_NE(message.find("ヘッダ項目 1 件目、14 番目の項目"), std::string::npos) << message;
  EXPECT_EQ(message.find("Titl01.txt"), std::string::npos) << message;
}

// A failed run takes back the destination folders it created, and only those.
TEST_F(OutputSetTest, AFailedRunRemovesTheFoldersItCreatedItself) {
  stdfs::remove(temp_ / "src" / "KDT0001.JDF");
  stdfs::create_directories(temp_ / "fresh");
  const RunRequest request{U(source_.string()), U((temp_ / "fresh" / "SITE" / "B01").string()),
                           U((temp_ / "PATDAT").string() + "/")};
  ui_.answers.push_back(kAnswerYes);
  ASSERT_EQ(ConversionRun(request, ui_).outcome, RunOutcome::Failed);
  EXPECT_TRUE(stdfs::is_directory(temp_ / "fresh"));
  EXPECT_FALSE(stdfs::exists(temp_ / "fresh" / "SITE"));
}

// What a stopped run left is finished or cleared; a run going on is left alone.
TEST_F(OutputSetTest, OnlyTheWorkFoldersOfStoppedRunsAreTouched) {
  const std::u16string destination = U(dest_.string() + "/");
  // Left by a run stopped before its lock (or by an older version): thrown away.
  testing::WriteBytes(dest_ / ".velni2qx-work-old" / "X1.TXT", "half");
  // A stopped run whose journal stands: its set is moved into place.
  testing::WriteBytes(dest_ / ".velni2qx-work-done" / "CNT.TXT", "new control file");
  testing::WriteBytes(dest_ / ".velni2qx-work-done" / ".commit", "CNT.TXT\nX1.TXT\n");
  testing::WriteBytes(dest_ / ".velni2qx-work-done" / ".lock", "");
  {
    OutputSet running(destination);
    testing::WriteBytes(stdfs::path(testing::S(running.WorkFolder())) / "X1.TXT", "being written");
    OutputSet::FinishStoppedRuns(destination);
    EXPECT_EQ(testing::ReadBytes(stdfs::path(testing::S(running.WorkFolder())) / "X1.TXT"), "being written");
  }
  Folder after = Contents(dest_);
  EXPECT_EQ(after["CNT.TXT"], "new control file");
  EXPECT_EQ(after["x1.txt"], "other boring");  // moved before the stop
  EXPECT_EQ(after.count("X5.TXT"), 0u);        // not of the stopped set: removed as its run would have
  for (const auto& [name, bytes] : after) EXPECT_FALSE(name.starts_with(".velni2qx-work-")) << name;
}

}  // namespace
}  // namespace velni
