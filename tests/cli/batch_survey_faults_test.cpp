// A batch over a survey that cannot be converted as it stands: a folder that cannot
// be listed, and main data files whose names differ only in letter case. Neither
// may pass for converted, and neither may overwrite another boring's files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

#include "tests/support/posix_only.hpp"
#include "tests/support/process.hpp"
#include "tests/support/sample_boring.hpp"
#include "tests/support/temp_folder.hpp"

namespace velni {
namespace {

namespace stdfs = std::filesystem;
using testing::RunCli;
using testing::TempFolder;

// Folders nested below `base` until their path is longer than the system takes, so
// that even the superuser (the tests run as root, where permissions stop nothing)
// cannot list the deepest ones. Made and removed through open folder handles.
class OverlongFolderChain {
 public:
  static constexpr int kLevels = 22;

  explicit OverlongFolderChain(const stdfs::path& base) : base_(base) {
    stdfs::create_directories(base);
    testing::MakeFolderChain(testing::PathUtf8(base), kName, kLevels);
  }

  ~OverlongFolderChain() { testing::RemoveFolderChain(testing::PathUtf8(base_), kName, kLevels); }

  // The first folder of the chain whose path is too long, relative to `base`.
  std::string FirstUnreadable() const {
    std::string relative = kName;
    while ((base_ / relative).string().size() < 4096) relative += "/" + kName;
    return relative;
  }

  inline static const std::string kName = std::string(200, 'd');

 private:
  stdfs::path base_;
};

class BatchSurveyFaultsTest : public ::testing::Test {
 protected:
  void SetUp() override { testing::MakeMinimalDataFolder(temp_ / "PATDAT"); }

  testing::ProcessResult Batch(std::vector<std::string> options = {}) {
    std::vector<std::string> arguments{"--batch", "--data-folder", (temp_ / "PATDAT").string()};
    arguments.insert(arguments.end(), options.begin(), options.end());
    arguments.push_back(survey_.string());
    arguments.push_back(dest_.string());
    return RunCli(arguments);
  }

  TempFolder temp_;
  stdfs::path survey_ = temp_ / "survey";
  stdfs::path dest_ = temp_ / "out";
};

TEST_F(BatchSurveyFaultsTest, AFolderThatCannotBeListedIsAFailureWithItsReason) {
  testing::MakeMinimalBoring(survey_ / "B01", "0001");
  const OverlongFolderChain chain(survey_ / "B02");
  const auto result = Batch();
  EXPECT_EQ(result.exitStatus, 2);
  const std::string failure = "失敗 [1/2] B02/" + chain.FirstUnreadable() +
                              "/: フォルダを読めないため、中の柱状図を扱えません: パスが長すぎてフォルダを読めません。\n";
  EXPECT_EQ(result.out, "一括変換の結果: 全 2 件、正常終了 1 件、拒否 0 件、失敗 1 件\n" + failure);
  EXPECT_TRUE(stdfs::exists(dest_ / "B01" / "MDT0001" / "CNT.TXT"));
}

TEST_F(BatchSurveyFaultsTest, NamesThatDifferOnlyInLetterCaseAreBothRefused) {
  testing::MakeMinimalBoring(survey_ / "B01", "0001");
  testing::WriteCp932File(survey_ / "B01" / "mdt0001.jdf", "1,0,0,0,0\n0,0,0\n");
  const stdfs::path report = temp_ / "report.json";
  const auto result = Batch({"--report", report.string()});
  EXPECT_EQ(result.exitStatus, 2);
  const std::string twins = "大文字と小文字だけが違う名前の柱状図があり、変換先が重なるため変換しません: ";
  EXPECT_EQ(result.out,
            "一括変換の結果: 全 2 件、正常終了 0 件、拒否 2 件、失敗 0 件\n"
            "拒否 [1/2] " + testing::HostSeparators("B01/MDT0001.JDF: ") + twins +
                testing::HostSeparators("B01/mdt0001.jdf\n") + "拒否 [2/2] " +
                testing::HostSeparators("B01/mdt0001.jdf: ") + twins + testing::HostSeparators("B01/MDT0001.JDF\n"));
  EXPECT_FALSE(stdfs::exists(dest_));

  std::ifstream in(report);
  const nlohmann::json borings = nlohmann::json::parse(in);
  ASSERT_EQ(borings.size(), 2u);
  EXPECT_EQ(borings[0]["source"], (survey_ / "B01" / "MDT0001.JDF").string());
  EXPECT_EQ(borings[0]["destination"], (dest_ / "B01" / "MDT0001").string());
  EXPECT_EQ(borings[1]["destination"], (dest_ / "B01" / "mdt0001").string());
  EXPECT_EQ(borings[0]["status"], "refused");
  EXPECT_EQ(borings[1]["status"], "refused");
}

}  // namespace
}  // namespace velni
