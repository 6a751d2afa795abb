// The survey facts file: each line a fact or a stop naming its line; a file that is
// not there is no facts; the nearest file of a name wins.
#include "exchange/survey_facts.hpp"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/temp_folder.hpp"
#include "text/run_error.hpp"
#include "text/utf.hpp"

namespace velni {
namespace {

using testing::TempFolder;

struct LineCase {
  const char16_t* text;
  const char16_t* fact;  // what the fact below holds after it
  std::u16string (*read)(const SurveyFacts&);
};

std::u16string Purpose(const SurveyFacts& facts) { return facts.purpose; }
std::u16string Count(const SurveyFacts& facts) { return facts.boringCount; }
std::u16string Company(const SurveyFacts& facts) { return facts.company.value; }
std::u16string CompanyField(const SurveyFacts& facts) { return u"field " + FromUtf8(std::to_string(facts.company.headerField)); }
std::u16string CoreExaminer(const SurveyFacts& facts) { return facts.staff[2].value; }
std::u16string FlagCode(const SurveyFacts& facts) { return facts.publicFlag; }

TEST(SurveyFacts, GoodLinesSetTheirFact) {
  const LineCase cases[] = {
      {u"調査目的 = 橋梁基礎の設計", u"橋梁基礎の設計", Purpose},
      {u"\t調査目的＝　設計 = 施工\r", u"設計 = 施工", Purpose},  // full-width "＝" and blanks; the first "=" splits
      {u"# 調査目的 = 注釈", u"", Purpose},
      {u"", u"", Purpose},
      {u"調査目的 =", u"", Purpose},  // an empty value is a fact not given
      {u"ボーリング総数 = 12", u"12", Count},
      {u"調査会社_名称 = 北河地質（株）", u"北河地質（株）", Company},
      {u"調査会社_名称の項目 = 24", u"field 24", CompanyField},
      {u"調査会社_コア鑑定者_氏名 = 佐々木", u"佐々木", CoreExaminer},  // the 4.00 name
      {u"調査会社_コア鑑定者 = 佐々木", u"佐々木", CoreExaminer},       // the 3.00 name
      {u"公開フラグ_コード = 1", u"1", FlagCode},
  };
  for (const LineCase& c : cases) {
    EXPECT_EQ(c.read(ParseSurveyFacts(c.text, u"/f.txt")), c.fact) << ToUtf8(c.text);
  }
}

struct FaultCase {
  const char16_t* text;
  const char16_t* line;
  const char16_t* says;
};

TEST(SurveyFacts, AMalformedLineStopsNamingTheFileAndTheLine) {
  const FaultCase cases[] = {
      {u"# facts\n調査目的 橋梁", u"2 行目", u"「項目名 = 値」の形"},
      {u"調査の目的 = 橋梁", u"1 行目", u"「調査の目的」という項目名はありません"},
      {u"調査目的 = a\n\n調査目的 = b", u"3 行目", u"「調査目的」の事実は 1 行目にもあります"},
      {u"調査会社_主任技師 = a\n調査会社_主任技師_氏名 = b", u"2 行目", u"1 行目にもあります"},
      {u"ボーリング総数 = 0", u"1 行目", u"1 以上の整数ではありません"},
      {u"ボーリング連番 = 2.5", u"1 行目", u"1 以上の整数ではありません"},
      {u"取得方法コード = 一", u"1 行目", u"数字だけのコードではありません"},
      {u"調査会社_名称の項目 = 41", u"1 行目", u"ヘッダ項目の番号（1～40）ではありません"},
      {u"調査会社_TELの項目 = 5", u"1 行目", u"項目名はありません"},  // only names come from the header
  };
  for (const FaultCase& c : cases) {
    try {
      ParseSurveyFacts(c.text, u"/s/f.txt");
      ADD_FAILURE() << "accepted: " << ToUtf8(c.text);
    } catch (const RunError& error) {
      EXPECT_EQ(error.Path(), u"/s/f.txt");
      EXPECT_EQ(error.Where(), c.line) << ToUtf8(c.text);
      EXPECT_NE(error.What().find(c.says), std::u16string::npos) << ToUtf8(error.What());
    }
  }
}

TEST(SurveyFacts, FileInUtf8OrCodePage932AndAMissingOneIsNoFacts) {
  TempFolder temp;
  const std::u16string path = testing::PathText(temp / "facts.txt");
  EXPECT_FALSE(ReadSurveyFacts(path).has_value());

  testing::WriteBytes(temp / "facts.txt", "\xEF\xBB\xBF調査対象 = 橋台\r\n");
  EXPECT_EQ(ReadSurveyFacts(path)->target, u"橋台");
  testing::WriteCp932File(temp / "facts.txt", "# 注釈\n調査対象 = 橋台\n");
  EXPECT_EQ(ReadSurveyFacts(path)->target, u"橋台");

  testing::WriteBytes(temp / "facts.txt", "a = b\r\n\x81\x30\r\n");  // neither: 81 30 is no character
  try {
    ReadSurveyFacts(path);
    ADD_FAILURE() << "accepted bytes that are no text";
  } catch (const RunError& error) {
    EXPECT_EQ(error.Where(), u"2 行目");
  }
}

TEST(SurveyFacts, TheNearestFileOfTheNameWinsUpToTheTopFolder) {
  TempFolder temp;
  std::filesystem::create_directories(temp / "survey/site/B01");
  std::filesystem::create_directories(temp / "survey/site/B02");
  testing::WriteBytes(temp / "facts.txt", "");  // above the top folder: never taken
  testing::WriteBytes(temp / "survey/facts.txt", "");
  testing::WriteBytes(temp / "survey/site/B02/FACTS.TXT", "");  // the name in another letter case
  const std::u16string top = testing::PathText(temp / "survey");
  const auto nearest = [&](const std::string& boring) {
    return NearestSurveyFacts(testing::PathText(temp / boring), u"facts.txt", top);
  };
  EXPECT_EQ(nearest("survey/site/B01/MDT1.JDF"), testing::PathText(temp / "survey/facts.txt"));
  EXPECT_TRUE(nearest("survey/site/B02/MDT2.JDF").has_value());
  EXPECT_NE(nearest("survey/site/B02/MDT2.JDF"), testing::PathText(temp / "survey/facts.txt"));
  EXPECT_FALSE(NearestSurveyFacts(testing::PathText(temp / "survey/site/B01/MDT1.JDF"), u"other.txt", top).has_value());
}

}  // namespace
}  // namespace velni
