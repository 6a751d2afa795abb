// The bundled sample survey converts as a whole in one batch against the bundled
// data folder, and teaches the soil-name tables exactly the names they lacked.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "tests/support/process.hpp"
#include "tests/support/temp_folder.hpp"

namespace velni {
namespace {

namespace stdfs = std::filesystem;
using testing::ReadBytes;
using testing::TempFolder;

const stdfs::path kBundled = stdfs::path(VELNI_SOURCE_DIR) / "data";

TEST(SampleSurvey, EveryBoringConvertsWithEveryOutputFile) {
  TempFolder temp;
  testing::CopyTree(kBundled / "PATDAT", temp / "PATDAT");
  const auto result = testing::RunCli(
      {"--batch", "--data-folder", (temp / "PATDAT").string(), (kBundled / "survey").string(), (temp / "out").string()});
  EXPECT_EQ(result.exitStatus, 0) << result.err;
  EXPECT_EQ(result.out, "一括変換の結果: 全 5 件、正常終了 5 件、拒否 0 件、失敗 0 件\n");

  const std::set<std::string> everyFile{"CNT.TXT", "Titl01.txt", "Titl02.txt", "X1.TXT", "X3.TXT",
                                        "X11.TXT", "N9.TXT",     "N8.TXT",     "X12.TXT", "X5.TXT"};
  for (const char* boring :
       {"kawabe/B01/MDT0101", "kawabe/B02/MDT0102", "kawabe/B03/MDT0103", "konan/No1/MDT0201", "konan/No2/MDT0202"}) {
    std::set<std::string> names;
    for (const auto& entry : stdfs::directory_iterator(temp / "out" / boring)) {
      names.insert(entry.path().filename().string());
    }
    EXPECT_EQ(names, everyFile) << boring;
  }
}

TEST(SampleSurvey, TheTablesLearnTheThreeNewNamesAndTheOneFromTheExtendedTable) {
  TempFolder temp;
  testing::CopyTree(kBundled / "PATDAT", temp / "PATDAT");
  testing::RunCli(
      {"--batch", "--data-folder", (temp / "PATDAT").string(), (kBundled / "survey").string(), (temp / "out").string()});

  // In batch order: 砂質ローム and 軽石 (kawabe/B03), then one new name in each konan
  // boring. New codes follow 2003, the last extended entry below 4000; 軽石 comes
  // from the extended table, its blank attribute fields read as empty.
  TempFolder scratch;
  testing::WriteCp932File(scratch / "kishitu", "2004,砂質ローム,    ,    ,    ,0000\n5103,軽石,,,,0000\n"
                                               "2005,有機質シルト混じり粘土,    ,    ,    ,0000\n"
                                               "2006,シルト混じり細砂,    ,    ,    ,0000\n");
  EXPECT_EQ(ReadBytes(temp / "PATDAT" / "KISHITU.TXT"),
            ReadBytes(kBundled / "PATDAT" / "KISHITU.TXT") + ReadBytes(scratch / "kishitu"));
}

}  // namespace
}  // namespace velni
