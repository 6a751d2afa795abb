// Whole runs compared byte for byte with hand-made expected files: one folder per
// case under tests/golden/ (input/, PATDAT/, expected/, optional expected_PATDAT/,
// destination below the run's root (default SITE1/B01) and exit).
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <stdexcept>

#include "tests/support/process.hpp"
#include "tests/support/temp_folder.hpp"

namespace velni {
namespace {

namespace stdfs = std::filesystem;

const stdfs::path kGoldenRoot = stdfs::path(VELNI_TEST_DIR) / "golden";

std::vector<std::string> GoldenCases() {
  std::vector<std::string> cases;
  if (!stdfs::exists(kGoldenRoot)) return cases;
  for (const auto& entry : stdfs::directory_iterator(kGoldenRoot)) {
    if (stdfs::exists(entry.path() / "expected")) cases.push_back(entry.path().filename().string());
  }
  std::sort(cases.begin(), cases.end());
  return cases;
}

std::string FirstLineOr(const stdfs::path& file, const std::string& fallback) {
  std::ifstream in(file);
  std::string line;
  return (in && std::getline(in, line) && !line.empty()) ? line : fallback;
}

std::string MainDataFileIn(const stdfs::path& folder) {
  for (const auto& entry : stdfs::directory_iterator(folder)) {
    std::string name = entry.path().filename().string();
    std::string upper = name;
    std::transform(upper.begin(), upper.end(), upper.begin(), ::toupper);
    if (upper.rfind("MDT", 0) == 0 && upper.size() > 4 && upper.substr(upper.size() - 4) == ".JDF") return name;
  }
  return "MDT.JDF";
}

std::set<std::string> FileNames(const stdfs::path& folder) {
  std::set<std::string> names;
  if (!stdfs::exists(folder)) return names;
  for (const auto& entry : stdfs::directory_iterator(folder)) names.insert(entry.path().filename().string());
  return names;
}

// The run's root is a fresh folder DATA<random> in the first level of the temporary
// folder (/tmp, C:\users, as for every temporary folder), so that the destination <root>/SITE1/B01 splits into
// "", tmp, DATA<random>, SITE1, B01 (C:, users, DATA<random>, SITE1, B01 on
// Windows): lines 1 to 3 of CNT.TXT (the first four bytes of piece 3, then pieces
// 4 and 5) are DATA, SITE1 and B01 on every machine.
class RunRoot {
 public:
  RunRoot() {
    const stdfs::path temp = stdfs::temp_directory_path();
    path_ = testing::NewFolderIn(temp.root_path() / *temp.relative_path().begin(), "DATA");
  }
  ~RunRoot() { stdfs::remove_all(path_); }
  const stdfs::path& Path() const { return path_; }

 private:
  stdfs::path path_;
};

class GoldenRun : public ::testing::TestWithParam<std::string> {};

TEST_P(GoldenRun, OutputsMatchTheHandMadeFiles) {
  const stdfs::path golden = kGoldenRoot / GetParam();
  RunRoot root;
  testing::CopyTree(golden / "PATDAT", root.Path() / "PATDAT");
  testing::CopyTree(golden / "input", root.Path() / "src");
  const stdfs::path destination = root.Path() / FirstLineOr(golden / "destination", "SITE1/B01");
  const std::string source = testing::PathUtf8(root.Path() / "src" / MainDataFileIn(golden / "input"));

  const auto result = testing::RunCli({"--yes", "--data-folder", testing::PathUtf8(root.Path() / "PATDAT"), source,
                                       testing::PathUtf8(destination)});
  EXPECT_EQ(result.exitStatus, std::stoi(FirstLineOr(golden / "exit", "0"))) << result.err;

  EXPECT_EQ(FileNames(destination), FileNames(golden / "expected"));
  for (const auto& name : FileNames(golden / "expected")) {
    EXPECT_EQ(testing::ReadBytes(destination / name), testing::ReadBytes(golden / "expected" / name)) << name;
  }
  for (const auto& name : FileNames(golden / "expected_PATDAT")) {
    EXPECT_EQ(testing::ReadBytes(root.Path() / "PATDAT" / name),
              testing::ReadBytes(golden / "expected_PATDAT" / name))
        << "PATDAT/" << name;
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, GoldenRun, ::testing::ValuesIn(GoldenCases()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                           std::string name = info.param;
                           std::replace_if(name.begin(), name.end(), [](char c) { return !isalnum(c); }, '_');
                           return name;
                         });
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(GoldenRun);

// Without this a missing or moved golden folder would pass by running nothing.
TEST(GoldenCasesTest, TheGoldenFolderHoldsItsCases) { EXPECT_GE(GoldenCases().size(), 3u) << kGoldenRoot; }

}  // namespace
}  // namespace velni
