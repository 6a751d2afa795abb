// velni2qx-cli --picture and --batch --pictures: one smoke test per format (the
// file starts as its format does), the mirrored batch, and refusals.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "tests/support/planted_boring.hpp"
#include "tests/support/process.hpp"
#include "tests/support/temp_folder.hpp"

namespace velni {
namespace {

namespace stdfs = std::filesystem;
using testing::RunCli;

class PictureCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    stdfs::create_directories(temp_ / "survey" / "site" / "B01");
    source_ = testing::WritePlantedBoring(temp_ / "survey" / "site" / "B01", {}).string();
  }
  testing::TempFolder temp_;
  std::string source_;
};

TEST_F(PictureCommandTest, EachFormatIsWritten) {
  const struct {
    const char* name;
    std::string start;
  } formats[] = {{"log.svg", "<?xml"}, {"log.png", "\x89PNG"}, {"log.PDF", "%PDF"}};
  for (const auto& format : formats) {
    const auto result = RunCli({"--picture", (temp_ / format.name).string(), source_});
    EXPECT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_TRUE(testing::ReadBytes(temp_ / format.name).starts_with(format.start)) << format.name;
  }
  EXPECT_NE(testing::ReadBytes(temp_ / "log.svg").find("font-family=\"IPAGothic\""), std::string::npos);
}

TEST_F(PictureCommandTest, BatchMirrorsTheSurveyWithOnePdfPerBoring) {
  const auto result = RunCli({"--batch", "--pictures", (temp_ / "out").string(), (temp_ / "survey").string()});
  EXPECT_EQ(result.exitStatus, 0) << result.err;
  EXPECT_TRUE(testing::ReadBytes(temp_ / "out" / "site" / "B01" / "MDT0001.pdf").starts_with("%PDF"));
}

TEST_F(PictureCommandTest, UnreadableBoringOrUnknownFormatIsRefused) {
  testing::PlantedBoring broken;
  broken.layerCount = 3;
  testing::WritePlantedBoring(temp_ / "survey" / "site" / "B01", broken);
  const auto failed = RunCli({"--picture", (temp_ / "log.svg").string(), source_});
  EXPECT_EQ(failed.exitStatus, 2);
  EXPECT_NE(failed.err.find("層データ 3 件目"), std::string::npos) << failed.err;
  EXPECT_FALSE(stdfs::exists(temp_ / "log.svg"));
  EXPECT_EQ(RunCli({"--picture", (temp_ / "log.gif").string(), source_}).exitStatus, 64);
}

// Mended: a folder standing at the picture's path passed for the saved file; a
// display that is set but gone stopped the command line. The "=" form of the
// options is the same command.
TEST_F(PictureCommandTest, APictureIsReportedSavedOnlyWhenWritten) {
  stdfs::create_directories(temp_ / "taken.svg");
  EXPECT_EQ(RunCli({"--picture", (temp_ / "taken.svg").string(), source_}).exitStatus, 2);
  EXPECT_TRUE(stdfs::is_directory(temp_ / "taken.svg"));

  const std::string display = std::getenv("DISPLAY") != nullptr ? std::getenv("DISPLAY") : "";
  const std::string platform = std::getenv("QT_QPA_PLATFORM") != nullptr ? std::getenv("QT_QPA_PLATFORM") : "";
  testing::SetEnvironment("DISPLAY", ":97");  // no server answers there
  testing::SetEnvironment("QT_QPA_PLATFORM", std::nullopt);
  const auto result = RunCli({"--picture=" + (temp_ / "log.svg").string(), source_});
  testing::SetEnvironment("DISPLAY", display.empty() ? std::nullopt : std::optional<std::string>(display));
  if (!platform.empty()) testing::SetEnvironment("QT_QPA_PLATFORM", platform);
  EXPECT_EQ(result.exitStatus, 0) << result.err;
  EXPECT_TRUE(testing::ReadBytes(temp_ / "log.svg").starts_with("<?xml"));
}

}  // namespace
}  // namespace velni
