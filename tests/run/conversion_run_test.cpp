// The run frame: checks, destination folders, reporting, companion paths.
#include "run/conversion_run.hpp"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/host_path.hpp"
#include "tests/support/fake_run_ui.hpp"
#include "tests/support/sample_boring.hpp"
#include "tests/support/temp_folder.hpp"
#include "text/check_folder_path.hpp"

namespace velni {
namespace {

using testing::FakeRunUi;
using testing::TempFolder;
using testing::U;

class ConversionRunTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::MakeMinimalDataFolder(temp_ / "PATDAT");
    source_ = testing::MakeMinimalBoring(temp_ / "src");
  }

  RunOutcome Run(const std::string& source, const std::string& destination) {
    RunRequest request{U(source), U(destination), testing::FolderText(temp_ / "PATDAT")};
    return ConversionRun(request, ui_).outcome;
  }

  TempFolder temp_;
  std::filesystem::path source_;
  FakeRunUi ui_;
};

TEST_F(ConversionRunTest, ShowsTheBusyMessageAndYieldsOnceBeforeAnyCheck) {
  Run("", "relative");
  ASSERT_FALSE(ui_.messageLines.empty());
  EXPECT_EQ(ui_.messageLines.front(), kBusyMessage);
  EXPECT_EQ(ui_.yields, 1);
}

TEST_F(ConversionRunTest, RefusesAnInvalidDestinationWithBothMessagesAndSelectsIt) {
  EXPECT_EQ(Run(source_.string(), "relative/out"), RunOutcome::Refused);
  ASSERT_EQ(ui_.messages.size(), 2u);
  EXPECT_EQ(ui_.messages[0].prompt, kNativePathStyle == PathStyle::Windows ? kDriveMessage : kPosixRootMessage);
  EXPECT_EQ(ui_.messages[0].style, 64);
  EXPECT_EQ(ui_.messages[1].prompt, kInvalidPathMessage);
  EXPECT_EQ(ui_.messages[1].style, 48);
  EXPECT_EQ(ui_.messages[1].title, U("relative/out"));
  EXPECT_EQ(ui_.destinationSelections, 1);
  EXPECT_EQ(ui_.LastMessageLine(), u"");
  EXPECT_TRUE(ui_.pointerChanges.empty());
}

TEST_F(ConversionRunTest, AnEmptyDestinationIsRefusedWithAnEmptyTitle) {
  EXPECT_EQ(Run(source_.string(), ""), RunOutcome::Refused);
  ASSERT_EQ(ui_.messages.size(), 2u);
  EXPECT_EQ(ui_.messages[1].title, u"");
}

TEST_F(ConversionRunTest, RefusesAMissingOrBlankSource) {
  for (const std::string& source : {std::string(""), std::string("   "), (temp_ / "src" / "MDT9999.JDF").string(),
                                    (temp_ / "src").string()}) {
    FakeRunUi ui;
    RunRequest request{U(source), testing::PathText(temp_.Path()), testing::FolderText(temp_ / "PATDAT")};
    EXPECT_EQ(ConversionRun(request, ui).outcome, RunOutcome::Refused) << source;
    ASSERT_EQ(ui.messages.size(), 1u) << source;
    EXPECT_EQ(ui.messages[0].prompt, kNoSourceMessage);
    EXPECT_EQ(ui.messages[0].style, 0);
    EXPECT_EQ(ui.LastMessageLine(), u"");
  }
}

TEST_F(ConversionRunTest, AsksOnceAndCreatesThreeMissingLevelsParentFirst) {
  ui_.answers = {kAnswerYes};
  const auto destination = temp_ / "A" / "B" / "C";
  EXPECT_EQ(Run(source_.string(), destination.string()), RunOutcome::Completed);
  ASSERT_EQ(ui_.messages.size(), 1u);
  EXPECT_EQ(ui_.messages[0].prompt, kCreateFolderQuestion);
  EXPECT_EQ(ui_.messages[0].style, 36);
  EXPECT_TRUE(std::filesystem::is_directory(destination));
}

TEST_F(ConversionRunTest, CreatesNothingWhenTheAnswerIsNo) {
  ui_.answers = {kAnswerNo};
  EXPECT_EQ(Run(source_.string(), (temp_ / "A" / "B" / "C").string()), RunOutcome::Refused);
  EXPECT_FALSE(std::filesystem::exists(temp_ / "A"));
  EXPECT_EQ(ui_.LastMessageLine(), u"");
}

TEST_F(ConversionRunTest, NeverAsksWhenEveryLevelExists) {
  EXPECT_EQ(Run(source_.string(), temp_.Path().string()), RunOutcome::Completed);
  EXPECT_TRUE(ui_.messages.empty());
}

TEST_F(ConversionRunTest, CompletionSetsTheFlagTheMessageAndRestoresThePointer) {
  EXPECT_EQ(Run(source_.string(), temp_.Path().string()), RunOutcome::Completed);
  EXPECT_EQ(ui_.LastMessageLine(), kCompletedMessage);
  EXPECT_EQ(ui_.pointerChanges, (std::vector<bool>{true, false}));
}

// Blanks typed around the destination are trimmed by the checks; the files must go
// to that trimmed folder, not to one whose name begins or ends with a blank.
TEST_F(ConversionRunTest, WritesIntoTheTrimmedDestination) {
  ui_.answers = {kAnswerYes};
  const auto destination = temp_ / "out";
  EXPECT_EQ(Run(source_.string(), "  " + destination.string() + "  "), RunOutcome::Completed);
  EXPECT_TRUE(std::filesystem::exists(destination / "CNT.TXT"));
  for (const auto& entry : std::filesystem::directory_iterator(temp_.Path())) {
    EXPECT_EQ(entry.path().filename().string().find(' '), std::string::npos) << entry.path();
  }
}

TEST_F(ConversionRunTest, AFailureShowsOneMessageNamingTheFileAndLeavesNoFlag) {
  std::filesystem::remove(temp_ / "PATDAT" / "L4.TXT");
  EXPECT_EQ(Run(source_.string(), temp_.Path().string()), RunOutcome::Failed);
  ASSERT_EQ(ui_.messages.size(), 1u);
  EXPECT_NE(ui_.messages[0].prompt.find(u"L4.TXT"), std::u16string::npos);
  EXPECT_EQ(ui_.messages[0].style, 48);
  EXPECT_EQ(ui_.LastMessageLine(), u"");
  ASSERT_FALSE(ui_.pointerChanges.empty());
  EXPECT_FALSE(ui_.pointerChanges.back());
}

TEST(CompanionPathTest, ReplacesTheFirstThreeCharactersOfTheFirstOccurrence) {
  struct Case {
    std::u16string source, fileName, expected;
  } cases[] = {
      {u"/DATA/MDT0001.JDF", u"MDT0001.JDF", u"/DATA/KDT0001.JDF"},
      {u"/MDT/MDT0001.JDF", u"MDT0001.JDF", u"/MDT/KDT0001.JDF"},
      // A folder of the same name as the file: its occurrence comes first.
      {u"/MDT01.JDF/MDT01.JDF", u"MDT01.JDF", u"/KDT01.JDF/MDT01.JDF"},
      // Whatever the first three characters were.
      {u"/DATA/ABC01.JDF", u"ABC01.JDF", u"/DATA/KDT01.JDF"},
      // A name shorter than three characters is replaced whole.
      {u"/D/AB", u"AB", u"/D/KDT"},
  };
  for (const auto& c : cases) EXPECT_EQ(CompanionPath(c.source, c.fileName, u"KDT"), c.expected);
  EXPECT_EQ(CompanionPath(u"/DATA/MDT0001.JDF", u"MDT0001.JDF", u"NDT"), u"/DATA/NDT0001.JDF");
}

}  // namespace
}  // namespace velni
