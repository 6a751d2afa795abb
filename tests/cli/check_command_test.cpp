// velni2qx-cli --check: its exit statuses, its report, and that it writes nothing.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <nlohmann/json.hpp>

#include "tests/support/planted_boring.hpp"
#include "tests/support/process.hpp"
#include "tests/support/temp_folder.hpp"

namespace velni {
namespace {

namespace stdfs = std::filesystem;
using testing::PlantedBoring;
using testing::RunCli;

struct FileState {
  std::string bytes;
  stdfs::file_time_type written;
  bool operator==(const FileState&) const = default;
};

// Every file below `folder` with its bytes and time of writing.
std::map<std::string, FileState> StateOf(const stdfs::path& folder) {
  std::map<std::string, FileState> state;
  for (const auto& entry : stdfs::recursive_directory_iterator(folder)) {
    if (entry.is_regular_file()) {
      state[entry.path().string()] = {testing::ReadBytes(entry.path()), stdfs::last_write_time(entry.path())};
    }
  }
  return state;
}

class CheckCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    stdfs::create_directories(temp_ / "PATDAT");
    testing::WriteCheckDataFolder(temp_ / "PATDAT");
  }
  std::string Plant(const std::string& folder, const PlantedBoring& boring) {
    stdfs::create_directories(temp_ / "survey" / folder);
    return testing::WritePlantedBoring(temp_ / "survey" / folder, boring).string();
  }
  testing::ProcessResult Check(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), {"--check", "--data-folder", (temp_ / "PATDAT").string()});
    return RunCli(arguments);
  }
  testing::TempFolder temp_;
};

TEST_F(CheckCommandTest, ExitStatusSaysCleanWarningsOrFaults) {
  PlantedBoring warned;
  warned.layers = "1.00,礫,灰,A\n3.00,砂,灰,A\n";
  PlantedBoring faulty;
  faulty.remarks.reset();
  const std::string clean = Plant("clean", {});
  const std::string withWarning = Plant("warned", warned);
  const std::string withFault = Plant("faulty", faulty);

  EXPECT_EQ(Check({clean}).exitStatus, 0);
  const auto warning = Check({clean, withWarning});
  EXPECT_EQ(warning.exitStatus, 1);
  EXPECT_NE(warning.out.find("警告: " + withWarning + ": 層データ 1 件目、2 番目の項目: 土質名「礫」"), std::string::npos)
      << warning.out;
  EXPECT_EQ(Check({withFault, withWarning}).exitStatus, 2);
  EXPECT_EQ(RunCli({"--check", "--batch", "--data-folder", (temp_ / "PATDAT").string(), (temp_ / "survey").string()})
                .exitStatus,
            2);
}

// Checked for export, a boring without a survey purpose gets the warning that the
// exchange XML will carry that required element empty; unasked, it is clean; the
// survey facts give it.
TEST_F(CheckCommandTest, ForExportListsTheExchangeElementsLeftEmpty) {
  const std::string clean = Plant("clean", {});
  EXPECT_EQ(Check({clean}).exitStatus, 0);
  const auto forExport = Check({"--xml-version", "3.00", clean});
  EXPECT_EQ(forExport.exitStatus, 1);
  EXPECT_NE(forExport.out.find("警告: " + clean + ": 交換用データ (XML) の必須要素 標題情報/調査基本情報/調査目的 は値がない"),
            std::string::npos)
      << forExport.out;
  testing::WriteBytes(temp_ / "facts.txt", "調査目的 = 設計\n");
  const auto withFacts = Check({"--xml-version", "3.00", "--survey-facts", (temp_ / "facts.txt").string(), clean});
  EXPECT_EQ(withFacts.out.find("調査目的 は値がない"), std::string::npos) << withFacts.out;
  EXPECT_NE(withFacts.out.find("調査対象 は値がない"), std::string::npos) << withFacts.out;
}

// The check changes nothing: not the data folder (a new soil name is only
// forecast), not the survey; it leaves no file behind.
TEST_F(CheckCommandTest, WritesNothing) {
  PlantedBoring warned;
  warned.layers = "1.00,礫,灰,A\n3.00,砂,灰,A\n";
  const std::string source = Plant("B01", warned);
  const auto before = StateOf(temp_.Path());
  EXPECT_EQ(Check({source}).exitStatus, 1);
  EXPECT_EQ(Check({"--batch", (temp_ / "survey").string()}).exitStatus, 1);
  EXPECT_EQ(StateOf(temp_.Path()), before);
}

TEST_F(CheckCommandTest, ReportListsEachBoringWithItsProblems) {
  PlantedBoring faulty;
  faulty.tests.reset();
  const std::string clean = Plant("clean", {});
  const std::string withFault = Plant("faulty", faulty);
  const std::string report = (temp_ / "report.json").string();
  EXPECT_EQ(Check({"--report", report, clean, withFault}).exitStatus, 2);

  const auto json = nlohmann::json::parse(testing::ReadBytes(report));
  ASSERT_EQ(json.size(), 2u);
  EXPECT_EQ(json[0]["source"], clean);
  EXPECT_EQ(json[0]["status"], "clean");
  EXPECT_EQ(json[1]["status"], "faults");
  ASSERT_EQ(json[1]["problems"].size(), 1u);
  EXPECT_EQ(json[1]["problems"][0]["severity"], "fault");
  EXPECT_EQ(json[1]["problems"][0]["file"], (temp_ / "survey" / "faulty" / "NDT0001.JDF").string());
}

TEST_F(CheckCommandTest, CheckWithoutSourceIsAUsageError) {
  EXPECT_EQ(Check({}).exitStatus, 64);
}

}  // namespace
}  // namespace velni
