// The command-line contract that scripts rely on: options, messages, exit statuses.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/process.hpp"
#include "tests/support/sample_boring.hpp"
#include "tests/support/temp_folder.hpp"
#include "text/check_folder_path.hpp"

namespace velni {
namespace {

using testing::RunCli;
using testing::TempFolder;

class CliContractTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::MakeMinimalDataFolder(temp_ / "PATDAT");
    source_ = testing::MakeMinimalBoring(temp_ / "src").string();
    dataFolder_ = (temp_ / "PATDAT").string();
  }

  testing::ProcessResult Convert(std::vector<std::string> options, const std::string& destination) {
    std::vector<std::string> arguments{"--data-folder", dataFolder_};
    arguments.insert(arguments.end(), options.begin(), options.end());
    arguments.push_back(source_);
    arguments.push_back(destination);
    return RunCli(arguments);
  }

  TempFolder temp_;
  std::string source_;
  std::string dataFolder_;
};

TEST_F(CliContractTest, UsageErrorsExit64) {
  EXPECT_EQ(RunCli({}).exitStatus, 64);
  EXPECT_EQ(RunCli({"only-one"}).exitStatus, 64);
  EXPECT_EQ(RunCli({"--yes", "--no", source_, temp_.Path().string()}).exitStatus, 64);
  EXPECT_EQ(RunCli({"--unknown", source_, temp_.Path().string()}).exitStatus, 64);
}

TEST_F(CliContractTest, ADataFolderWithoutANonEmptyKishituExits3) {
  std::filesystem::resize_file(temp_ / "PATDAT" / "KISHITU.TXT", 0);
  const auto result = RunCli({"--data-folder", dataFolder_, source_, temp_.Path().string()});
  EXPECT_EQ(result.exitStatus, 3);
  EXPECT_EQ(result.err, "velni2qx-cli:  PATDAT の設定がありません.\nvelni2qx-cli: --data-folder で指定されたフォルダ " +
                            dataFolder_ + " はデータフォルダではありません（中身のある kishitu.txt がありません）。\n");

  const auto missing = RunCli({"--data-folder", (temp_ / "nowhere").string(), source_, temp_.Path().string()});
  EXPECT_EQ(missing.exitStatus, 3);
}

TEST_F(CliContractTest, TheDataFolderMarkerIsMatchedWithoutRegardToCase) {
  // MakeMinimalDataFolder writes KISHITU.TXT; the marker is looked for as kishitu.txt.
  EXPECT_EQ(Convert({}, temp_.Path().string()).exitStatus, 0);
}

TEST_F(CliContractTest, AMissingSourceIsRefusedWithExit1) {
  const auto result = RunCli({"--data-folder", dataFolder_, (temp_ / "none.JDF").string(), temp_.Path().string()});
  EXPECT_EQ(result.exitStatus, 1);
  EXPECT_EQ(result.err, "velni2qx-cli: 変換元ファイルが選択されていません。\n");
  EXPECT_EQ(result.out, "");
}

TEST_F(CliContractTest, AnInvalidDestinationShowsBothMessagesAndExits1) {
  // A relative destination is made absolute first; an empty one stays empty.
  const auto result = Convert({}, "");
  EXPECT_EQ(result.exitStatus, 1);
  const bool windows = testing::HostSeparators("/") != "/";
  EXPECT_EQ(result.err,
            "velni2qx-cli: " + testing::S(windows ? kDriveMessage : kPosixRootMessage) + "\n"
            "velni2qx-cli: 指定されたパスは正しくありません。\n"
            "velni2qx-cli: ドライブ名または \"/\" で始まっていません: \"\"\n");
}

TEST_F(CliContractTest, YesCreatesEveryMissingLevelAndCompletes) {
  const auto destination = temp_ / "A" / "B" / "C";
  const auto result = Convert({"--yes"}, destination.string());
  EXPECT_EQ(result.exitStatus, 0);
  EXPECT_EQ(result.out, "変換が正常に終了しました。\n");
  EXPECT_EQ(result.err, "作成しました: " + destination.string() + "\n");
  EXPECT_TRUE(std::filesystem::is_directory(destination));
}

TEST_F(CliContractTest, NoOrNoTerminalCreatesNothingAndExits1) {
  for (const std::vector<std::string>& options : {std::vector<std::string>{"--no"}, std::vector<std::string>{}}) {
    const auto result = Convert(options, (temp_ / "A" / "B").string());
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_FALSE(std::filesystem::exists(temp_ / "A"));
    // Without --no and without a terminal to answer, the line says No was taken.
    const std::string takenAsNo = options.empty() ? "応答する端末がないため「いいえ」として扱いました。\n" : "";
    // The question names the folder.
    EXPECT_EQ(result.err, "フォルダ " + (temp_ / "A" / "B").string() + " がありません。新規作成しますか？\n" + takenAsNo);
  }
}

TEST_F(CliContractTest, ARunTimeFailureNamesTheFileAndExits2) {
  std::filesystem::remove(temp_ / "PATDAT" / "L4.TXT");
  const auto result = Convert({}, temp_.Path().string());
  EXPECT_EQ(result.exitStatus, 2);
  EXPECT_NE(result.err.find("L4.TXT"), std::string::npos) << result.err;
  EXPECT_EQ(result.out, "");
}

}  // namespace
}  // namespace velni
