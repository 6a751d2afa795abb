// Conversions started together against one data folder (two operators, the window
// and a batch), or against data folders of their own that share the soil-name
// tables through links: each meets the same new soil names. Afterwards both tables must be
// whole, every name registered exactly once, and every code an output carries must
// stand in the tables under that name.
#include <gtest/gtest.h>

#include <future>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "fuzz/entries/soil_table_check.hpp"
#include "tests/support/process.hpp"
#include "tests/support/sample_boring.hpp"
#include "tests/support/temp_folder.hpp"
#include "text/utf.hpp"

namespace velni {
namespace {

namespace stdfs = std::filesystem;
using testing::ReadCp932File;
using testing::WriteCp932File;

// New to the tables; two of them hold "（".
const std::vector<std::string> kNewNames = {"新砂", "新礫", "新粘土", "砂（円礫）", "礫（亜角礫）", "新泥岩"};

// A boring whose layers carry the new names, starting at a different one each.
stdfs::path BoringWithNewNames(const stdfs::path& folder, int boring) {
  const std::string id = std::to_string(1000 + boring);
  const auto source = testing::MakeMinimalBoring(folder, id);
  std::ostringstream main;
  main << "1,0," << kNewNames.size() << ",0,4\n";
  for (std::size_t layer = 0; layer < kNewNames.size(); ++layer) {
    main << layer + 1 << ".00," << kNewNames[(layer + boring) % kNewNames.size()] << ",x,\n";
  }
  main << "0,0,0\n";
  WriteCp932File(source, main.str());
  return source;
}

// Name -> code of every entry, failing the test on a name that stands twice.
std::map<std::u16string, std::u16string> CodesOnce(const stdfs::path& table) {
  const auto lines = fuzzing::ReadSoilTableLines(table);
  EXPECT_EQ(lines.problem, "") << table;
  std::map<std::u16string, std::u16string> codes;
  for (const auto& entry : lines.entries) {
    EXPECT_TRUE(codes.emplace(entry[1], entry[0]).second) << "twice: " << ToUtf8(entry[1]) << " in " << table;
  }
  return codes;
}

void ExpectOutputCodesInTable(const stdfs::path& x1, const std::map<std::u16string, std::u16string>& codes) {
  std::istringstream lines(ReadCp932File(x1));
  for (std::string line; std::getline(lines, line);) {
    const auto codeAt = line.find(',', line.find(',') + 1) + 1;
    const auto nameAt = line.find(',', codeAt) + 1;
    const auto found = codes.find(FromUtf8(line.substr(nameAt)));
    ASSERT_NE(found, codes.end()) << line;
    EXPECT_EQ(ToUtf8(found->second), line.substr(codeAt, nameAt - codeAt - 1)) << line;
  }
}

// Each process's data folder: the shared one, or (linked) one of its own whose two
// soil-name tables are links to the shared folder's.
stdfs::path DataFolderOf(const stdfs::path& temp, int process, bool linked) {
  if (!linked) return temp / "PATDAT";
  const auto own = temp / ("PATDAT" + std::to_string(process));
  testing::MakeMinimalDataFolder(own);
  for (const char* table : {"KISHITU.TXT", "XKISHITU.TXT"}) {
    stdfs::remove(own / table);
    stdfs::create_symlink(temp / "PATDAT" / table, own / table);
  }
  return own;
}

TEST(SharedDataFolderTest, ConversionsAtOnceRegisterEveryNameOnceAndAgree) {
  const struct {
    int processes;
    bool linked;  // each with a data folder of its own, the tables shared through links
  } cases[] = {{2, false}, {3, false}, {10, false}, {6, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.processes) + (c.linked ? " processes, linked tables" : " processes"));
    testing::TempFolder temp;
    const auto data = temp / "PATDAT";
    testing::MakeMinimalDataFolder(data);
    std::vector<std::future<testing::ProcessResult>> runs;
    for (int boring = 0; boring < c.processes; ++boring) {
      const auto source = BoringWithNewNames(temp / ("src" + std::to_string(boring)), boring);
      const auto destination = temp / ("out" + std::to_string(boring));
      runs.push_back(std::async(std::launch::async, testing::RunCli,
                                std::vector<std::string>{"--yes", "--data-folder",
                                                         DataFolderOf(temp.Path(), boring, c.linked).string(),
                                                         source.string(), destination.string()}));
    }
    for (auto& run : runs) {
      const auto result = run.get();
      EXPECT_EQ(result.exitStatus, 0) << result.err;
    }
    const auto soilCodes = CodesOnce(data / "KISHITU.TXT");
    const auto extendedCodes = CodesOnce(data / "XKISHITU.TXT");
    EXPECT_EQ(soilCodes.size(), kNewNames.size() + 1);  // and the name that marks the folder
    for (const auto& name : kNewNames) EXPECT_EQ(soilCodes.at(FromUtf8(name)), extendedCodes.at(FromUtf8(name)));
    for (int boring = 0; boring < c.processes; ++boring) {
      ExpectOutputCodesInTable(temp / ("out" + std::to_string(boring)) / "X1.TXT", soilCodes);
    }
  }
}

}  // namespace
}  // namespace velni
