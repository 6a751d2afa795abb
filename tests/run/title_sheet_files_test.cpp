#include "run/title_sheet_files.hpp"

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/temp_folder.hpp"
#include "text/cp932.hpp"

namespace velni {
namespace {

namespace stdfs = std::filesystem;
using testing::ReadBytes;
using testing::S;
using testing::TempFolder;
using testing::U;
using testing::WriteCp932File;

// The bytes of a sheet: each line in code page 932 with CR LF.
std::string Sheet(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return EncodeCp932(U(text));
}

class WriteTitleSheetsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteCp932File(data / "L1.TXT", "7,甲名\n");
    WriteCp932File(data / "L2.TXT", "5,\"名,前\"\n");
    const std::pair<int, const char*> title1[] = {
        {1, " No.12 "}, {5, "調査名"}, {6, "  現場　名 "}, {10, " 1998"}, {11, "6"}, {13, " 12345"},
        {14, "11"},     {15, " 3"},    {16, "7"},          {17, ".12"},   {19, "a19"}, {20, "a20"},
        {21, "a21"},    {22, "a22"},   {23, "a23"},        {24, "a24"},   {25, "a25"}, {26, "a26"},
        {27, "05"},
    };
    for (const auto& [i, value] : title1) a[i] = U(value);
    const std::pair<int, const char*> title2[] = {
        {1, "b1"},  {3, "b3"},   {4, "b4"},   {5, " 35"},  {6, " 41"},  {7, " 22"},
        {8, " 139"}, {9, " 41"}, {10, " 30"}, {12, "b12"}, {13, "b13"}, {14, "b14"},
    };
    for (const auto& [i, value] : title2) b[i] = U(value);
  }
  std::optional<TitleSheetFailure> Write(const std::u16string& destination) {
    return WriteTitleSheets(a, b, destination, data.Text());
  }

  static std::string FirstSheet() {
    return Sheet({"No.12", "", "", "1998", " 6", "  ", "2345", "11", " 3", "現場　名", " 35", "41", "   22",
                  "139", "41", "   30", "b1", "b3", "b4", "", "a20", "a21", ""});
  }

  TempFolder data;
  TempFolder output;
  TextArray a{30};
  TextArray b{30};
};

TEST_F(WriteTitleSheetsTest, WritesBothSheetsLineByLine) {
  ASSERT_FALSE(Write(output.Text()));
  EXPECT_EQ(ReadBytes(output / "Titl01.txt"), FirstSheet());
  EXPECT_EQ(ReadBytes(output / "Titl02.txt"),
            Sheet({"調査名", "    ", "  ", "  ", "    ", "  ", "  ", "", "   ", "  ", "     ", "   ", "  ",
                   "     ", "a23", "a22", " 7 ", "甲名", ".12", "", "  ", "", "a19", "        ", "b12", "b13",
                   "b14", "a24", "a25", "a26", " 5 ", "名,前", "", "", "", "", "", "", "", "53394525", ""}));
  EXPECT_FALSE(stdfs::exists(data / "L3.TXT"));  // the second code is not given
}

TEST_F(WriteTitleSheetsTest, FolderWithoutFinalSeparatorGivesTheSameSheets) {
  std::u16string folder = output.Text();
  folder.pop_back();
  ASSERT_FALSE(Write(folder));
  EXPECT_TRUE(stdfs::exists(output / "Titl01.txt"));
  EXPECT_TRUE(stdfs::exists(output / "Titl02.txt"));
}

TEST_F(WriteTitleSheetsTest, CoordinateThatIsNotANumberWritesNoSheet) {
  testing::WriteBytes(output / "Titl01.txt", "old");
  b[9] = u"4l";
  const auto failure = Write(output.Text());
  ASSERT_TRUE(failure);
  EXPECT_EQ(S(failure->sheetPath), S(output.Text()) + "Titl01.txt");
  EXPECT_EQ(failure->cause.What(), failure::kNotANumber);
  EXPECT_EQ(ReadBytes(output / "Titl01.txt"), "old");
  EXPECT_FALSE(stdfs::exists(output / "Titl02.txt"));
}

TEST_F(WriteTitleSheetsTest, SecondSheetThatCannotBeCreatedIsReported) {
  stdfs::create_directory(output / "Titl02.txt");
  const auto failure = Write(output.Text());
  ASSERT_TRUE(failure);
  EXPECT_EQ(S(failure->sheetPath), S(output.Text()) + "Titl02.txt");
  EXPECT_EQ(ReadBytes(output / "Titl01.txt"), FirstSheet());
}

}  // namespace
}  // namespace velni
