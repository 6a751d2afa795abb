// The batch with several workers against the batch with one, and batches at once
// on one data folder, over a generated survey that meets new soil names.
#include <gtest/gtest.h>

#include <filesystem>
#include <future>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "fuzz/entries/soil_table_check.hpp"
#include "tests/support/generated_survey.hpp"
#include "tests/support/process.hpp"
#include "tests/support/table_growth.hpp"
#include "tests/support/temp_folder.hpp"
#include "text/utf.hpp"

namespace velni {
namespace {

namespace stdfs = std::filesystem;
using testing::PathUtf8;

constexpr int kBorings = 150;

class ParallelBatchTest : public ::testing::Test {
 protected:
  void SetUp() override { testing::MakeGeneratedSurvey(temp_ / "survey", kBorings, 200, 77); }

  stdfs::path DataFolder(const std::string& name) {
    stdfs::copy(stdfs::path(VELNI_SOURCE_DIR) / "data/PATDAT", temp_ / name, stdfs::copy_options::recursive);
    testing::MakeSoilTables(temp_ / name, 200);
    return temp_ / name;
  }

  testing::ProcessResult Batch(const stdfs::path& data, const std::string& jobs, const stdfs::path& out) {
    return testing::RunCli(
        {"--batch", "--quiet", "--jobs", jobs, "--data-folder", PathUtf8(data), PathUtf8(temp_ / "survey"), PathUtf8(out)});
  }

  testing::TempFolder temp_;
};

std::map<std::string, std::string> FilesBelow(const stdfs::path& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : stdfs::recursive_directory_iterator(folder)) {
    if (entry.is_regular_file()) {
      files[entry.path().lexically_relative(folder).generic_string()] = testing::ReadBytes(entry.path());
    }
  }
  return files;
}

TEST_F(ParallelBatchTest, SeveralWorkersWriteWhatOneWritesByteForByte) {
  const auto one = DataFolder("PATDAT1");
  const auto many = DataFolder("PATDAT3");
  // CNT.TXT names the destination: both batches write into one.
  ASSERT_EQ(Batch(one, "1", temp_ / "out").exitStatus, 0);
  stdfs::rename(temp_ / "out", temp_ / "one");
  ASSERT_EQ(Batch(many, "3", temp_ / "out").exitStatus, 0);
  const auto wanted = FilesBelow(temp_ / "one");
  const auto written = FilesBelow(temp_ / "out");
  ASSERT_EQ(written.size(), wanted.size());
  for (const auto& [name, bytes] : wanted) EXPECT_TRUE(written.count(name) && written.at(name) == bytes) << name;
  for (const char* table : {"KISHITU.TXT", "XKISHITU.TXT"}) {
    EXPECT_EQ(testing::ReadBytes(many / table), testing::ReadBytes(one / table)) << table;
  }
  // The survey met new names.
  EXPECT_GT(stdfs::file_size(one / "KISHITU.TXT"), stdfs::file_size(DataFolder("PATDAT0") / "KISHITU.TXT"));
}

// The batches take turns at the tables chunk by chunk, so the codes depend on who
// came first; but no name stands twice, the tables stay whole, and every code an
// output carries stands in the tables under its name.
TEST_F(ParallelBatchTest, BatchesAtOnceOnOneDataFolderKeepTheTablesWhole) {
  const auto data = DataFolder("PATDAT");
  const testing::TableSnapshot before = testing::SnapshotTables(data);
  std::vector<std::future<testing::ProcessResult>> runs;
  for (int batch = 0; batch < 3; ++batch) {
    runs.push_back(std::async(std::launch::async, [this, data, batch] {
      return Batch(data, "2", temp_ / ("out" + std::to_string(batch)));
    }));
  }
  for (auto& run : runs) {
    const auto result = run.get();
    EXPECT_EQ(result.exitStatus, 0) << result.err;
  }
  EXPECT_EQ(testing::CheckGrownByWholeEntries(before, data), "");
  const auto lines = fuzzing::ReadSoilTableLines(data / "KISHITU.TXT");
  ASSERT_EQ(lines.problem, "");
  std::set<std::u16string> names;
  std::set<std::pair<std::string, std::string>> entries;  // code, name
  for (const auto& entry : lines.entries) {
    EXPECT_TRUE(names.insert(entry[1]).second) << "twice: " << ToUtf8(entry[1]);
    entries.insert({ToUtf8(entry[0]), ToUtf8(entry[1])});
  }
  for (int batch = 0; batch < 3; ++batch) {
    for (const auto& entry : stdfs::recursive_directory_iterator(temp_ / ("out" + std::to_string(batch)))) {
      if (entry.path().filename() != "X1.TXT") continue;
      std::istringstream x1(testing::ReadCp932File(entry.path()));
      for (std::string line; std::getline(x1, line);) {
        const auto codeAt = line.find(',', line.find(',') + 1) + 1;
        const auto nameAt = line.find(',', codeAt) + 1;
        EXPECT_TRUE(entries.count({line.substr(codeAt, nameAt - codeAt - 1), line.substr(nameAt)})) << line;
      }
    }
  }
}

}  // namespace
}  // namespace velni
