// velni2qx-cli --picture and --batch --pictures: one smoke test per format (the
// file starts as its format does), the mirrored batch, and refusals.
#include <gtest/gtest.h>
#ifndef _WIN32
#include <zlib.h>
#endif

#include <algorithm>

#include <cstdio>
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
  EXPECT_NE(testing::ReadBytes(temp_ / "log.svg").find("font-family=\"IPAGothic, "), std::string::npos);
  // Mended: the PNG ended at the frame. 188 mm of frame and 5 mm of margin at each
  // side, 8 pixels to the millimetre: the width in the PNG's header.
  const std::string png = testing::ReadBytes(temp_ / "log.png");
  ASSERT_GT(png.size(), 24u);
  EXPECT_EQ((static_cast<unsigned char>(png[18]) << 8) | static_cast<unsigned char>(png[19]), (188 + 2 * 5) * 8);
}

#ifndef _WIN32
// The PNG is written as 8-bit grey (on Windows the host's painter writes it), its own way: every chunk's check sum holds and
// its rows inflate to one filter byte and one grey byte per pixel, mostly white.
TEST_F(PictureCommandTest, PngIsWholeGrey) {
  ASSERT_EQ(RunCli({"--picture", (temp_ / "log.png").string(), source_}).exitStatus, 0);
  const std::string png = testing::ReadBytes(temp_ / "log.png");
  const auto u32 = [&png](std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) value = value << 8 | static_cast<unsigned char>(png[at + i]);
    return value;
  };
  std::string rows;
  std::size_t at = 8;
  while (at + 12 <= png.size()) {
    const std::uint32_t length = u32(at);
    const auto* typed = reinterpret_cast<const Bytef*>(png.data() + at + 4);
    ASSERT_EQ(crc32(0, typed, length + 4), u32(at + 8 + length)) << png.substr(at + 4, 4);
    if (png.compare(at + 4, 4, "IDAT") == 0) rows += png.substr(at + 8, length);
    at += 12 + length;
  }
  EXPECT_EQ(at, png.size());
  EXPECT_EQ(png[25], 0);  // colour type: grey
  const std::uint32_t width = u32(16);
  const std::uint32_t height = u32(20);
  std::string pixels((width + 1) * height + 1, '\0');
  uLongf size = pixels.size();
  ASSERT_EQ(uncompress(reinterpret_cast<Bytef*>(pixels.data()), &size, reinterpret_cast<const Bytef*>(rows.data()),
                       rows.size()),
            Z_OK);
  EXPECT_EQ(size, (width + 1) * height);
  EXPECT_GT(std::count(pixels.begin(), pixels.end(), '\xFF'), static_cast<long>(size / 2));
}
#endif

// The PDF is read back by another program (poppler's pdftotext): A4 pages of 25 m
// each, the column heads on every page, a soil name found whole through the
// embedded font's map back to Unicode.
TEST_F(PictureCommandTest, PdfPagesRepeatTheHeadsAndItsTextCanBeFound) {
  testing::PlantedBoring deep;
  deep.headerFields = "BH1,,,,,,,,,,,,,,,12.00,60.00";
  deep.layers = "1.00,シルト混じり砂,灰,A\n60.00,粘土,灰,A\n";
  const std::string source = testing::WritePlantedBoring(temp_ / "deep", deep).string();
  const stdfs::path pdf = temp_ / "deep.pdf";
  ASSERT_EQ(RunCli({"--picture", pdf.string(), source}).exitStatus, 0);
  const std::string command = "pdftotext -layout '" + pdf.string() + "' -";
  std::FILE* pipe = ::popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string text;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) text.append(buffer, n);
  ASSERT_EQ(::pclose(pipe), 0) << "pdftotext (poppler-utils) is needed";
  const auto count = [&text](const std::string& what) {
    std::size_t found = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++found;
    return found;
  };
  EXPECT_EQ(count("\f"), 3u);  // 60 m: three pages
  EXPECT_EQ(count("土質名"), 3u);
  EXPECT_EQ(count("シルト混じり砂"), 1u);
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
