#include "tables/title_code_lookups.hpp"

#include <gtest/gtest.h>

#include "tests/support/temp_folder.hpp"

namespace velni {
namespace {

using testing::S;
using testing::TempFolder;
using testing::U;
using testing::WriteCp932File;

TEST(CodeAndNumberSplitTest, SplitsAtTheFirstDigitSignOrPoint) {
  struct Case {
    const char* field;
    const char* code;
    const char* number;
  };
  const Case cases[] = {
      {"No.12", "NO", ".12"},      // capitals; the point starts the number
      {"B 12A", "B", "12A"},       // the blank is dropped, later letters stay
      {"123", "", "123"},          // a leading digit: all of it is the number
      {"", "", ""},                //
      {"  ＢＨ－3 ", "BH－", "3"},  // full-width capitals become half width; full-width minus is a letter
      {"-5x", "", "-5X"},          // a leading minus sign is numeric
      {"ab", "AB", ""},            // no number at all
      {"ｂ 1", "Ｂ", "1"},          // full-width lower case only gets its capital
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.field);
    const CodeAndNumber split = CodeAndNumberSplit(U(c.field));
    EXPECT_EQ(S(split.code), c.code);
    EXPECT_EQ(S(split.number), c.number);
  }
}

class TitleCodeLookupTest : public ::testing::Test {
 protected:
  void WriteL1(const std::string& content) { WriteCp932File(data / "L1.TXT", content); }
  void WriteL2(const std::string& content) { WriteCp932File(data / "L2.TXT", content); }
  std::pair<std::string, std::string> FirstCode(const std::string& field) {
    TextArray title1(30);
    title1[16] = u"old";
    FillFirstCodeFields(data.Text(), U(field), title1);
    return {S(title1[16]), S(title1[17])};
  }
  std::string ThirdCode(const std::string& field) { return S(LookUpThirdCode(data.Text(), U(field))); }

  TempFolder data;
};

TEST_F(TitleCodeLookupTest, FirstCodeIsField1OfTheFirstRecordWhoseField2IsTheFullWidthCode) {
  WriteL1("10,ＮＯ\n11,NO\n12,ＮＯ\n20,\n21,Ｂ\n\n\n");
  using Result = std::pair<std::string, std::string>;
  EXPECT_EQ(FirstCode("No.12"), Result("10", ".12"));
  EXPECT_EQ(FirstCode("B 12A"), Result("21", "12A"));
  EXPECT_EQ(FirstCode("123"), Result("20", "123"));  // the record with an empty field 2
  EXPECT_EQ(FirstCode("X9"), Result("  ", "9"));    // not found
  WriteL1("10,ＮＯ\n");
  EXPECT_EQ(FirstCode("123"), Result("  ", "123"));
}

TEST_F(TitleCodeLookupTest, EmptyFirstFieldGivesBlanksWithoutOpeningL1) {
  // No L1.TXT exists: opening it would fail.
  EXPECT_EQ(FirstCode("   "), std::make_pair(std::string("  "), std::string("        ")));
}

TEST_F(TitleCodeLookupTest, ThirdCodeMatchesField2ContainingEitherWidth) {
  WriteL2("1,\n2,砂礫スナ層\n3,ｽﾅ\n4,ＡＢ１\n5,xAB1\n  \n");
  EXPECT_EQ(ThirdCode("ｽﾅ"), "2");   // half-width katakana also finds its full-width form
  EXPECT_EQ(ThirdCode("スナ"), "2");
  EXPECT_EQ(ThirdCode("AB1"), "4");   // its full-width form, in an earlier record than the half-width one
  EXPECT_EQ(ThirdCode("ab1"), "  ");  // exact case: lower case stays lower case
  EXPECT_EQ(ThirdCode(""), "2");      // the first non-empty field 2
  WriteL2("\"\",x\n");
  EXPECT_EQ(ThirdCode("x"), "  ");    // a match whose field 1 is empty keeps the default
}

}  // namespace
}  // namespace velni
