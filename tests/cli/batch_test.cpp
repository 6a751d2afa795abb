// Batch conversion through the command line: the survey's folders mirrored, one
// progress line per boring, a failing boring reported while the others convert, the
// summary, the exit status, and the one data folder shared by every boring.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "tests/support/process.hpp"
#include "tests/support/sample_boring.hpp"
#include "tests/support/temp_folder.hpp"

namespace velni {
namespace {

namespace stdfs = std::filesystem;
using testing::ReadBytes;
using testing::RunCli;
using testing::TempFolder;
using testing::WriteCp932File;

// One layer at 1.00 m whose soil name no table holds yet.
constexpr char kNewSoilBoring[] = "1,0,1,0,4\n1.00,砂質ローム,,\n0,0,0\n";
// Its second layer ends after its first field.
constexpr char kTruncatedBoring[] = "1,0,2,0,4\n1.00,砂,,\n2.00\n";

void WriteBoring(const stdfs::path& folder, const std::string& id, const std::string& mainData) {
  WriteCp932File(folder / ("MDT" + id + ".JDF"), mainData);
  WriteCp932File(folder / ("KDT" + id + ".JDF"), "1,0,0\n");
  WriteCp932File(folder / ("NDT" + id + ".JDF"), "200,0,0,0\n");
}

std::set<std::string> FileNames(const stdfs::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : stdfs::directory_iterator(folder)) names.insert(entry.path().filename().string());
  return names;
}

// The two borings below site1 get the same CNT.TXT lines 1 to 3: folder levels 2 to
// 4 of their destinations, the temporary folder ("velni-test-…" cut to four bytes),
// "out" and "site1".
constexpr char kSite1SharesControlLines[] =
    "警告: 2 件の柱状図の CNT.TXT 1～3 行目が同じ「veln / out / site1」になります。"
    "この 3 行は変換先フォルダの 2～4 階層目から作られます。\n";

std::string Cp932(const std::string& utf8WithLf, TempFolder& scratch) {
  WriteCp932File(scratch / "expected", utf8WithLf);
  return ReadBytes(scratch / "expected");
}

class BatchTest : public ::testing::Test {
 protected:
  void SetUp() override { testing::MakeMinimalDataFolder(temp_ / "PATDAT"); }

  testing::ProcessResult Batch() {
    return RunCli({"--batch", "--data-folder", (temp_ / "PATDAT").string(), survey_.string(), dest_.string()});
  }

  TempFolder temp_;
  stdfs::path survey_ = temp_ / "survey";
  stdfs::path dest_ = temp_ / "out";
};

TEST_F(BatchTest, MirrorsTheSurveyFoldersOneRunPerBoring) {
  testing::MakeMinimalBoring(survey_ / "site1" / "B01", "0001");
  WriteBoring(survey_ / "site1" / "B02", "0002", "1,0,0,0,0\n0,0,0\n");
  // Through another name: a rename that changes only the letter case may be
  // nothing to a file system that ignores case (Wine's).
  stdfs::rename(survey_ / "site1" / "B02" / "MDT0002.JDF", survey_ / "site1" / "B02" / "renamed");
  stdfs::rename(survey_ / "site1" / "B02" / "renamed", survey_ / "site1" / "B02" / "mdt0002.jdf");
  testing::MakeMinimalBoring(survey_ / "site2", "0003");
  WriteCp932File(survey_ / "notes" / "KDT0009.JDF", "1,0,0\n");

  const auto result = Batch();
  EXPECT_EQ(result.exitStatus, 0) << result.err;
  EXPECT_EQ(result.err,
            std::string(kSite1SharesControlLines) +
            "[1/3] " + testing::HostSeparators("site1/B01/MDT0001.JDF") + " ... 変換が正常に終了しました。\n"
            "[2/3] " + testing::HostSeparators("site1/B02/mdt0002.jdf") + " ... 変換が正常に終了しました。\n"
            "[3/3] " + testing::HostSeparators("site2/MDT0003.JDF") + " ... 変換が正常に終了しました。\n");
  EXPECT_EQ(result.out, "一括変換の結果: 全 3 件、正常終了 3 件、拒否 0 件、失敗 0 件\n");
  const std::set<std::string> headerOnly{"CNT.TXT", "Titl01.txt", "Titl02.txt"};
  for (const char* folder : {"site1/B01/MDT0001", "site1/B02/mdt0002", "site2/MDT0003"}) {
    EXPECT_EQ(FileNames(dest_ / folder), headerOnly) << folder;
  }
  EXPECT_EQ(FileNames(dest_), (std::set<std::string>{"site1", "site2"}));
}

TEST_F(BatchTest, AFailingBoringIsReportedWhileTheOthersConvert) {
  WriteBoring(survey_ / "site1" / "B01", "0001", kNewSoilBoring);
  WriteBoring(survey_ / "site1" / "B02", "0002", kTruncatedBoring);
  WriteBoring(survey_ / "site2", "0003", kNewSoilBoring);

  const auto result = Batch();
  EXPECT_EQ(result.exitStatus, 2);
  const std::string failure = "変換を中止しました。 ファイルの終わりを越えて読み込もうとしました。 ファイル: " +
                              (survey_ / "site1" / "B02" / "MDT0002.JDF").string() +
                              " 層データ 2 件目 (2 件中)、2 番目の項目";
  EXPECT_EQ(result.err,
            std::string(kSite1SharesControlLines) +
            "[1/3] " + testing::HostSeparators("site1/B01/MDT0001.JDF") + " ... 変換が正常に終了しました。\n" +
            "[2/3] " + testing::HostSeparators("site1/B02/MDT0002.JDF") + " ... " + failure + "\n"
            "[3/3] " + testing::HostSeparators("site2/MDT0003.JDF") + " ... 変換が正常に終了しました。\n");
  EXPECT_EQ(result.out,
            "一括変換の結果: 全 3 件、正常終了 2 件、拒否 0 件、失敗 1 件\n"
            "失敗 [2/3] " + testing::HostSeparators("site1/B02/MDT0002.JDF") + ": " + failure + "\n");
  EXPECT_TRUE(stdfs::exists(dest_ / "site2" / "MDT0003" / "X1.TXT"));
  // The failing boring writes nothing, and takes back the folders it made.
  EXPECT_FALSE(stdfs::exists(dest_ / "site1" / "B02"));
  EXPECT_TRUE(stdfs::exists(dest_ / "site1" / "B01" / "MDT0001" / "X1.TXT"));
}

TEST_F(BatchTest, ASoilNameIsRegisteredOnceAcrossTheBatch) {
  WriteBoring(survey_ / "site1" / "B01", "0001", kNewSoilBoring);
  WriteBoring(survey_ / "site1" / "B02", "0002", kTruncatedBoring);
  WriteBoring(survey_ / "site2", "0003", kNewSoilBoring);

  Batch();
  TempFolder scratch;
  // The first boring gives the name the first free code of the extended table; the
  // third finds it in the soil-name table under the same code.
  const std::string entry = "2000,砂質ローム,    ,    ,    ,0000\n";
  EXPECT_EQ(ReadBytes(temp_ / "PATDAT" / "KISHITU.TXT"), Cp932("5001,砂,    ,    ,    ,0000\n" + entry, scratch));
  EXPECT_EQ(ReadBytes(temp_ / "PATDAT" / "XKISHITU.TXT"), Cp932(entry, scratch));
  const std::string line = Cp932("  1,   1.00,2000,砂質ローム\n", scratch);
  EXPECT_EQ(ReadBytes(dest_ / "site1" / "B01" / "MDT0001" / "X1.TXT"), line);
  EXPECT_EQ(ReadBytes(dest_ / "site2" / "MDT0003" / "X1.TXT"), line);
}

TEST_F(BatchTest, ARefusedBoringIsCountedApartFromFailures) {
  // A blank in a folder name makes the destination path invalid for the run.
  testing::MakeMinimalBoring(survey_ / "site 1", "0001");
  testing::MakeMinimalBoring(survey_ / "site2", "0002");

  const auto result = Batch();
  EXPECT_EQ(result.exitStatus, 2);
  // The refusal says which rule refused the destination, and the destination.
  const std::string refusal =
      "指定されたパスは正しくありません。 フォルダ名に空白があります: \"" + (dest_ / "site 1" / "MDT0001").string() + "\"";
  EXPECT_EQ(result.err,
            "[1/2] " + testing::HostSeparators("site 1/MDT0001.JDF") + " ... " + refusal + "\n"
            "[2/2] " + testing::HostSeparators("site2/MDT0002.JDF") + " ... 変換が正常に終了しました。\n");
  EXPECT_EQ(result.out,
            "一括変換の結果: 全 2 件、正常終了 1 件、拒否 1 件、失敗 0 件\n"
            "拒否 [1/2] " + testing::HostSeparators("site 1/MDT0001.JDF") + ": " + refusal + "\n");
  EXPECT_FALSE(stdfs::exists(dest_ / "site 1"));
}

TEST_F(BatchTest, ASurveyWithoutBoringsIsRefused) {
  const struct {
    const char* why;
    bool makeFolder;
    const char* message;
  } cases[] = {
      {"no such folder", false, "velni2qx-cli: 変換元フォルダがありません: "},
      {"only companions", true, "velni2qx-cli: 変換元フォルダに柱状図のファイル (MDT*.JDF、BED*.XML) がありません: "},
  };
  for (const auto& c : cases) {
    if (c.makeFolder) WriteCp932File(survey_ / "B01" / "KDT0001.JDF", "1,0,0\n");
    const auto result = Batch();
    EXPECT_EQ(result.exitStatus, 1) << c.why;
    EXPECT_EQ(result.err.rfind(c.message, 0), 0u) << result.err;
    EXPECT_TRUE(result.err.ends_with("survey\n")) << result.err;
    EXPECT_EQ(result.out, "") << c.why;
    EXPECT_FALSE(stdfs::exists(dest_)) << c.why;
  }
}

TEST_F(BatchTest, UsageAndDataFolderStatusesAreThoseOfASingleRun) {
  testing::MakeMinimalBoring(survey_, "0001");
  EXPECT_EQ(RunCli({"--batch", "--no", survey_.string(), dest_.string()}).exitStatus, 64);
  EXPECT_EQ(RunCli({"--batch", survey_.string()}).exitStatus, 64);
  const auto noData = RunCli({"--batch", "--data-folder", (temp_ / "none").string(), survey_.string(), dest_.string()});
  EXPECT_EQ(noData.exitStatus, 3);
  EXPECT_EQ(noData.err, "velni2qx-cli:  PATDAT の設定がありません.\nvelni2qx-cli: --data-folder で指定されたフォルダ " +
                            (temp_ / "none").string() + " はデータフォルダではありません（フォルダがありません）。\n");
}

}  // namespace
}  // namespace velni
