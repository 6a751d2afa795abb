// What the window's message box shows when a source file is malformed: the same
// parts as the command line's one line (tests/cli/malformed_input_test.cpp), one
// part per line.
#include <gtest/gtest.h>

#include <filesystem>

#include "run/conversion_run.hpp"
#include "tests/support/fake_run_ui.hpp"
#include "tests/support/sample_boring.hpp"
#include "tests/support/temp_folder.hpp"

namespace velni {
namespace {

using testing::TempFolder;
using testing::U;

TEST(FailureReport, TheMessageBoxNamesTheFileTheRecordAndTheField) {
  TempFolder temp;
  testing::MakeMinimalDataFolder(temp / "PATDAT");
  testing::MakeMinimalBoring(temp / "src");
  testing::WriteCp932File(temp / "src" / "MDT0001.JDF", "1,0,2,0,4\n1.00,砂,,A\n2.00,砂\n");
  std::filesystem::create_directories(temp / "out");

  testing::FakeRunUi ui;
  const std::string source = (temp / "src" / "MDT0001.JDF").string();
  const RunRequest request{U(source), testing::PathText(temp / "out"), testing::FolderText(temp / "PATDAT")};
  EXPECT_EQ(ConversionRun(request, ui).outcome, RunOutcome::Failed);

  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].prompt, U("変換を中止しました。\nファイルの終わりを越えて読み込もうとしました。\nファイル: " + source +
                                     "\n層データ 2 件目 (2 件中)、3 番目の項目"));
  EXPECT_EQ(ui.messages[0].style, kStyleExclamation);
}

}  // namespace
}  // namespace velni
