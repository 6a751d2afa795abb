// The plan-register-write batch against the boring-by-boring one.
#include "run/batch_conversion.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/fake_run_ui.hpp"
#include "tests/support/generated_survey.hpp"
#include "tests/support/temp_folder.hpp"

namespace velni {
namespace {

namespace stdfs = std::filesystem;
using testing::FakeRunUi;
using testing::TempFolder;

// Every file below `folder` by its relative path, with its bytes.
std::map<std::string, std::string> FilesBelow(const stdfs::path& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : stdfs::recursive_directory_iterator(folder)) {
    if (entry.is_regular_file()) files[entry.path().lexically_relative(folder).generic_string()] = testing::ReadBytes(entry.path());
  }
  return files;
}

class BatchConversionTest : public ::testing::Test {
 protected:
  // A survey of new names across chunks, with faults among its borings: a name the
  // tables cannot take (the boring fails and registers nothing) and a boring
  // whose remarks file is missing (it cannot be read).
  void SetUp() override {
    testing::MakeGeneratedSurvey(temp_ / "survey", kBorings, 200, 24);
    std::string tooLong;
    for (int i = 0; i < 201; ++i) tooLong += "土";
    testing::WriteCp932File(temp_ / "survey/site00/B0007/MDT0007.JDF", "1,4,2,0,6\nBH7,1,調査,所在地\n1.00,新土007,灰,,,\n2.00," +
                                                                          tooLong + ",灰,B～C,中位,記事\n0,0,0\n");
    stdfs::remove(temp_ / "survey/site00/B0012/KDT0012.JDF");
    for (int b = 0; b < kBorings; ++b) {
      const std::string id = (b < 10 ? "000" : "00") + std::to_string(b);
      sources_.push_back(temp_ / "survey" / ("site00/B" + id) / ("MDT" + id + ".JDF"));
    }
  }

  stdfs::path DataFolder(const std::string& name) {
    stdfs::copy(stdfs::path(VELNI_SOURCE_DIR) / "data/PATDAT", temp_ / name, stdfs::copy_options::recursive);
    testing::MakeSoilTables(temp_ / name, 200);
    return temp_ / name;
  }

  std::vector<RunRequest> Requests(const stdfs::path& data, const std::string& out) {
    std::vector<RunRequest> requests;
    for (std::size_t b = 0; b < sources_.size(); ++b) {
      requests.push_back({testing::PathText(sources_[b]), testing::PathText(temp_ / out / std::to_string(b)),
                          testing::FolderText(data)});
    }
    return requests;
  }

  static constexpr int kBorings = 40;
  TempFolder temp_;
  std::vector<stdfs::path> sources_;
};

TEST_F(BatchConversionTest, WritesWhatTheBoringByBoringBatchWritesAndRegistersTheSameCodes) {
  const stdfs::path oneByOne = DataFolder("PATDAT1");
  SoilNameStore store1({testing::FolderText(oneByOne)});
  std::vector<RunResult> expected;
  for (RunRequest request : Requests(oneByOne, "out")) {
    FakeRunUi ui;
    ui.answers.assign(5, kAnswerYes);
    request.soilNames = &store1;
    expected.push_back(ConversionRun(request, ui));
  }
  // CNT.TXT names the destination: both batches write into one.
  stdfs::rename(temp_ / "out", temp_ / "expected");
  ASSERT_EQ(expected[7].outcome, RunOutcome::Failed);
  ASSERT_EQ(expected[12].outcome, RunOutcome::Failed);

  const stdfs::path batch = DataFolder("PATDAT2");
  SoilNameStore store2({testing::FolderText(batch)});
  std::vector<std::size_t> order;
  ConvertBatch(
      Requests(batch, "out"), store2, {3, 7},
      [](std::size_t) {
        auto ui = std::make_unique<FakeRunUi>();
        ui->answers.assign(5, kAnswerYes);
        return ui;
      },
      [&](std::size_t request, const RunResult& result, RunUi&) {
        order.push_back(request);
        EXPECT_EQ(result.outcome, expected[request].outcome) << request;
        EXPECT_EQ(result.message, expected[request].message) << request;
        ASSERT_EQ(result.newSoilNames.size(), expected[request].newSoilNames.size()) << request;
        for (std::size_t i = 0; i < result.newSoilNames.size(); ++i) {
          EXPECT_EQ(result.newSoilNames[i].code, expected[request].newSoilNames[i].code) << request;
        }
      });
  ASSERT_EQ(order.size(), expected.size());
  for (std::size_t i = 0; i < order.size(); ++i) EXPECT_EQ(order[i], i);
  const auto written = FilesBelow(temp_ / "out");
  const auto wanted = FilesBelow(temp_ / "expected");
  ASSERT_EQ(written.size(), wanted.size());
  for (const auto& [name, bytes] : wanted) EXPECT_TRUE(written.count(name) && written.at(name) == bytes) << name;
  for (const char* table : {"KISHITU.TXT", "XKISHITU.TXT"}) {
    EXPECT_EQ(testing::ReadBytes(batch / table), testing::ReadBytes(oneByOne / table)) << table;
  }
}

}  // namespace
}  // namespace velni
