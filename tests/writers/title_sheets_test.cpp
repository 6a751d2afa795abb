#include "writers/title_sheets.hpp"

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

TEST(MeshCodeTest, JoinsTheUnpaddedParts) {
  struct Case {
    std::array<float, 6> position;
    const char* code;
  };
  const Case cases[] = {
      {{35, 41, 22, 139, 41, 30}, "53394525"},
      {{43, 3, 45.5f, 141, 21, 1.25f}, "64414278"},
      {{0, 0, 0, 139, 41, 30}, "00000000"},
      {{35, 41, 22, 0, 0, 0}, "00000000"},
      {{5, 0, 0, 139, 0, 0}, "7394000"},   // below 6° 40′: one digit of latitude
      {{-1, 0, 0, 139, 0, 0}, "-139-4000"},  // -1, 39, -4, 0, 0, 0: negative parts keep their sign
  };
  for (const Case& c : cases) {
    const auto& p = c.position;
    EXPECT_EQ(S(MeshCode(p[0], p[1], p[2], p[3], p[4], p[5])), c.code) << c.code;
  }
}

TEST(IsGivenCodeTest, ZeroInEitherWidthOrAPositiveNumber) {
  const std::pair<const char*, bool> cases[] = {
      {"0", true},  {" 0 ", true}, {"０", true},   {"05", true}, {"0.5", true},
      {"", false},  {"-3", false}, {"abc", false}, {"00", false},  // neither "0" nor above 0
  };
  for (const auto& [code, given] : cases) EXPECT_EQ(IsGivenCode(U(code)), given) << code;
}

class LookupCodeNameTest : public ::testing::Test {
 protected:
  std::string Lookup(const std::string& code) { return S(LookupCodeName(U(table.string()), U(code))); }

  TempFolder data;
  stdfs::path table = data / "L3.TXT";
};

TEST_F(LookupCodeNameTest, MatchesByNumericValue) {
  WriteCp932File(table, "x,語\n0,ゼロ\n5,五\n7,\"名,前\"\n\n  \n");
  EXPECT_EQ(Lookup("05"), "五");
  EXPECT_EQ(Lookup("5.0"), "五");
  EXPECT_EQ(Lookup("0"), "語");  // a field 1 that is not a number counts as 0
  EXPECT_EQ(Lookup("０"), "語");
  EXPECT_EQ(Lookup("7"), "名,前");
  EXPECT_EQ(Lookup("9"), "");  // trailing empty lines are not a record
}

TEST_F(LookupCodeNameTest, CodesNotGivenLeaveTheTableUntouched) {
  for (const char* code : {"", "-3", "abc"}) EXPECT_EQ(Lookup(code), "") << code;
  EXPECT_FALSE(stdfs::exists(table));
}

TEST_F(LookupCodeNameTest, MissingTableIsCreatedEmpty) {
  EXPECT_EQ(Lookup("1"), "");
  ASSERT_TRUE(stdfs::exists(table));
  EXPECT_EQ(stdfs::file_size(table), 0u);
}

TEST_F(LookupCodeNameTest, LastRecordWithoutItsNameFailsUnlessFoundBefore) {
  WriteCp932File(table, "1,A\n2\n");
  EXPECT_EQ(Lookup("1"), "A");
  EXPECT_THROW(Lookup("3"), RunError);
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
