#include "writers/remarks.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/temp_folder.hpp"
#include "text/output_file.hpp"

namespace velni {
namespace {

using testing::U;

// n full-width blanks (two bytes each on disk).
std::string Fw(int n) {
  std::string blanks;
  for (int i = 0; i < n; ++i) blanks += "　";
  return blanks;
}

std::string Repeat(const std::string& text, int n) {
  std::string repeated;
  for (int i = 0; i < n; ++i) repeated += text;
  return repeated;
}

// N12.TXT as WrapRemarks writes it for one remark.
std::string WrapOne(std::int16_t& counter, const std::string& depth, const std::string& remark) {
  std::string bytes;
  OutputFile n12(u"N12.TXT", bytes);
  WrapRemarks(n12, counter, U(depth), U(remark));
  n12.Close();
  return testing::CrLfLines(bytes);
}

const std::string kFifteen = "あいうえおかきくけこさしすせそ";

struct WrapCase {
  const char* name;
  std::string depth;
  std::string remark;
  std::int16_t counter;
  std::string expected;  // N12.TXT, "\n" for CR LF
  std::int16_t counterAfter;
};

// ctest shows a case by its printed value: its name, not its bytes.
void PrintTo(const WrapCase& c, std::ostream* out) { *out << c.name; }

class WrapRemarksTest : public ::testing::TestWithParam<WrapCase> {};

TEST_P(WrapRemarksTest, WritesOneLinePerRow) {
  const WrapCase& c = GetParam();
  std::int16_t counter = c.counter;
  EXPECT_EQ(WrapOne(counter, c.depth, c.remark), c.expected);
  EXPECT_EQ(counter, c.counterAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, WrapRemarksTest,
    ::testing::Values(
        WrapCase{"Abc", "1.00", "ABC", 1, "  1,   1.00,\"ABC" + Fw(12) + "   \"\n", 2},
        WrapCase{"CounterGoesOn", "12.5", "ABC", 42, " 42,   12.5,\"ABC" + Fw(12) + "   \"\n", 43},
        // A depth longer than its field loses its leading characters.
        WrapCase{"LongDepthCutOnTheLeft", "12345.678", "ABC", 1,
                 "  1,345.678,\"ABC" + Fw(12) + "   \"\n", 2},
        // A full row opens one more, blank row.
        WrapCase{"FifteenCharacters", "2.00", kFifteen, 1,
                 "  1,   2.00,\"" + kFifteen + "\"\n  2,       ,\"" + Fw(15) + "\"\n", 3},
        WrapCase{"SixteenCharacters", "2.00", kFifteen + "た", 1,
                 "  1,   2.00,\"" + kFifteen + "\"\n  2,       ,\"た" + Fw(14) + "\"\n", 3},
        WrapCase{"BreakMark", "3", "AB＠CD", 1,
                 "  1,      3,\"AB" + Fw(13) + "  \"\n  2,       ,\"CD" + Fw(13) + "  \"\n", 3},
        // The wrap and the mark each start a row: one blank row between the parts.
        WrapCase{"BreakMarkAfterFifteenth", "3", kFifteen + "＠X", 1,
                 "  1,      3,\"" + kFifteen + "\"\n  2,       ,\"" + Fw(15) + "\"\n  3,       ,\"X" +
                     Fw(14) + " \"\n",
                 4},
        WrapCase{"ClosingBreakMark", "3", "AB＠", 1,
                 "  1,      3,\"AB" + Fw(13) + "  \"\n  2,       ,\"" + Fw(15) + "\"\n", 3},
        // Each one-byte character leaves one half-width blank at the row's end.
        WrapCase{"HalfWidthKatakana", "4", "ｱｲｳ", 1, "  1,      4,\"ｱｲｳ" + Fw(12) + "   \"\n", 2},
        WrapCase{"MixedWidths", "4", "A漢B", 1, "  1,      4,\"A漢B" + Fw(12) + "  \"\n", 2},
        WrapCase{"FifteenHalfWidth", "4", "ABCDEFGHIJKLMNO", 1,
                 "  1,      4,\"ABCDEFGHIJKLMNO" + std::string(15, ' ') + "\"\n  2,       ,\"" + Fw(15) +
                     "\"\n",
                 3},
        // Mended: a quotation mark would end the quoted row early when read back.
        WrapCase{"QuotationMarkTakesFullWidth", "5", "A\"B", 1, "  1,      5,\"A＂B" + Fw(12) + "  \"\n", 2}),
    [](const auto& info) { return std::string(info.param.name); });

// Mended: the grid has 20 rows; what does not fit is dropped and the run goes on.
TEST(WrapRemarksOverflow, KeepsTheFirstTwentyRows) {
  const std::vector<std::string> rowTexts = {"あ", "い", "う", "え", "お", "か", "き", "く", "け", "こ",
                                             "さ", "し", "す", "せ", "そ", "た", "ち", "つ", "て", "と"};
  struct Case {
    const char* name;
    std::string remark;
  };
  std::string twentyRows;
  for (const auto& row : rowTexts) twentyRows += Repeat(row, 15);
  const std::vector<Case> cases = {
      {"exactly 300 characters (no 21st blank row)", twentyRows},
      {"characters beyond the 300th", twentyRows + "な＠に"},
      {"a mark after the 300th", twentyRows + "＠＠＠ぬ"},
  };
  std::string expected = "  1,      9,\"" + Repeat("あ", 15) + "\"\n";
  for (int row = 2; row <= 20; ++row) {
    const std::string number = row < 10 ? "  " + std::to_string(row) : " " + std::to_string(row);
    expected += number + ",       ,\"" + Repeat(rowTexts[row - 1], 15) + "\"\n";
  }
  for (const auto& c : cases) {
    std::int16_t counter = 1;
    EXPECT_EQ(WrapOne(counter, "9", c.remark), expected) << c.name;
    EXPECT_EQ(counter, 21) << c.name;
  }
}

}  // namespace
}  // namespace velni
