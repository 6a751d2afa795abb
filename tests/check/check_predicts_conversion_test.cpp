// The check against the conversion, over every damaged boring the kept fuzzing
// inputs and the truncations of the golden borings give: the check lists a fault
// exactly when the conversion fails, and a failure names a source file, never an
// output or work file.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "check/boring_check.hpp"
#include "fuzz/entries/scripted_run_ui.hpp"
#include "run/conversion_run.hpp"
#include "tests/support/temp_folder.hpp"

namespace velni {
namespace {

namespace stdfs = std::filesystem;
using testing::S;
using testing::U;

const stdfs::path kDataTemplate = stdfs::path(VELNI_SOURCE_DIR) / "fuzz" / "data" / "PATDAT";

struct DamagedBoring {
  std::string name;
  std::string main;
  std::optional<std::string> remarks;
  std::optional<std::string> tests;
};

// The conversion-run fuzzing inputs: the three files joined by byte 1E.
DamagedBoring CutAtSeparators(const std::string& name, const std::string& input) {
  DamagedBoring boring{name, input, std::nullopt, std::nullopt};
  const std::size_t first = input.find('\x1E');
  if (first == std::string::npos) return boring;
  boring.main = input.substr(0, first);
  const std::size_t second = input.find('\x1E', first + 1);
  boring.remarks = input.substr(first + 1, second == std::string::npos ? std::string::npos : second - first - 1);
  if (second != std::string::npos) boring.tests = input.substr(second + 1);
  return boring;
}

std::vector<DamagedBoring> FuzzingInputs() {
  std::vector<DamagedBoring> borings;
  const stdfs::path kept = stdfs::path(VELNI_TEST_DIR) / "fuzz_regressions" / "conversion_run";
  for (const auto& entry : stdfs::directory_iterator(kept)) {
    borings.push_back(CutAtSeparators(entry.path().filename().string(), testing::ReadBytes(entry.path())));
  }
  return borings;
}

// Each file of each golden boring cut after every byte, the other two whole.
std::vector<DamagedBoring> Truncations() {
  std::vector<DamagedBoring> borings;
  for (const auto& golden : stdfs::directory_iterator(stdfs::path(VELNI_TEST_DIR) / "golden")) {
    const stdfs::path input = golden.path() / "input";
    const DamagedBoring whole{golden.path().filename().string(), testing::ReadBytes(input / "MDT0001.JDF"),
                              testing::ReadBytes(input / "KDT0001.JDF"), testing::ReadBytes(input / "NDT0001.JDF")};
    for (std::size_t size = 0; size < whole.main.size(); ++size) {
      borings.push_back({whole.name + " MDT " + std::to_string(size), whole.main.substr(0, size), whole.remarks,
                         whole.tests});
    }
    for (std::size_t size = 0; size < whole.remarks->size(); ++size) {
      borings.push_back({whole.name + " KDT " + std::to_string(size), whole.main, whole.remarks->substr(0, size),
                         whole.tests});
    }
    for (std::size_t size = 0; size < whole.tests->size(); ++size) {
      borings.push_back({whole.name + " NDT " + std::to_string(size), whole.main, whole.remarks,
                         whole.tests->substr(0, size)});
    }
  }
  return borings;
}

std::string Repeat(const std::string& text, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += text;
  return out;
}

// The faults the conversion once met only while writing, and named an output file
// or nothing: they are part of the corpus too.
std::vector<DamagedBoring> WritingFaultCases() {
  const std::string tests = "100,1,5,0\r\n1.00,10,3,3,4\r\n";
  const std::string remarks = "1,1,2\r\n1.00,記事\r\n";
  const auto header = [](const std::string& latitude, const std::string& longitude) {
    return "1,15,0,0,0\r\nBH1,,,,,,,,,,,,," + latitude + "," + longitude + "\r\n0,0,0\r\n";
  };
  return {
      {"latitude 1e30", header("1e30", "139.4130"), remarks, tests},
      {"latitude -1e30", header("-1e30", "139.4130"), remarks, tests},
      {"longitude 1e30", header("35.4122", "1e30"), remarks, tests},
      {"latitude 0 leaves no mesh code to fail", header("0", "1e30"), remarks, tests},
      {"remark depth 1,5", header("", ""), "1,1,2\r\n\"1,5\",記事\r\n", tests},
      {"remark depth with a line end", header("", ""), "1,2,2\r\n\"1\r\n5\",記事\r\n2.00,記事\r\n", tests},
      {"100,000 layers", "1,1,100000,0,2\r\nBH1\r\n" + Repeat("1.00,\r\n", 100000) + "0,0,0\r\n", remarks, tests},
      {"32766 tests still convert", header("", ""), remarks,
       "100,32766,1,0\r\n" + Repeat("1.00\r\n", 32766)},
      {"32767 tests", header("", ""), remarks, "100,32767,1,0\r\n" + Repeat("1.00\r\n", 32767)},
  };
}

class CheckPredictsConversion : public ::testing::Test {
 protected:
  stdfs::path WriteBoring(const DamagedBoring& boring) {
    stdfs::remove_all(temp_ / "src");
    stdfs::create_directories(temp_ / "src");
    testing::WriteBytes(temp_ / "src" / "MDT0001.JDF", boring.main);
    if (boring.remarks) testing::WriteBytes(temp_ / "src" / "KDT0001.JDF", *boring.remarks);
    if (boring.tests) testing::WriteBytes(temp_ / "src" / "NDT0001.JDF", *boring.tests);
    return temp_ / "src" / "MDT0001.JDF";
  }

  void ExpectAgreement(const DamagedBoring& boring) {
    SCOPED_TRACE(boring.name);
    const stdfs::path source = WriteBoring(boring);
    stdfs::remove_all(temp_ / "PATDAT");
    testing::CopyTree(kDataTemplate, temp_ / "PATDAT");
    stdfs::remove_all(temp_ / "out");
    const std::u16string data = U((temp_ / "PATDAT").string() + "/");

    const CheckProblems problems = CheckBoring(U(source.string()), data);
    fuzzing::ScriptedRunUi ui;
    const RunResult result =
        ConversionRun({U(source.string()), U((temp_ / "out" / "B01").string()), data}, ui);

    const bool failed = result.outcome == RunOutcome::Failed;
    ASSERT_EQ(HasFault(problems), failed) << S(result.message);
    if (!failed) return;
    EXPECT_NE(S(result.message).find((temp_ / "src").string()), std::string::npos) << S(result.message);
    EXPECT_EQ(S(result.message).find((temp_ / "out").string()), std::string::npos) << S(result.message);
  }

  testing::TempFolder temp_;
};

TEST_F(CheckPredictsConversion, OnTheKeptFuzzingInputs) {
  for (const DamagedBoring& boring : FuzzingInputs()) ExpectAgreement(boring);
}

TEST_F(CheckPredictsConversion, OnEveryTruncationOfTheGoldenBorings) {
  const auto borings = Truncations();
  ASSERT_GT(borings.size(), 900u);
  for (const DamagedBoring& boring : borings) ExpectAgreement(boring);
}

TEST_F(CheckPredictsConversion, OnTheFaultsMetWhileWriting) {
  for (const DamagedBoring& boring : WritingFaultCases()) ExpectAgreement(boring);
}

}  // namespace
}  // namespace velni
