// Checking a boring: one planted boring per kind of problem, each found with its
// severity, its file and place, and nothing else reported.
#include "check/boring_check.hpp"

#include <gtest/gtest.h>

#include <functional>

#include "tests/support/planted_boring.hpp"
#include "tests/support/temp_folder.hpp"

namespace velni {
namespace {

using testing::PlantedBoring;
using testing::S;
using testing::U;

struct PlantedCase {
  const char* name;
  std::function<void(PlantedBoring&)> plant;
  Severity severity;
  const char* file;     // the file the problem names ends with this
  const char* where;    // contained in its place
  const char* message;  // contained in its message
};

std::string Lines(const CheckProblems& problems) {
  std::string out;
  for (const CheckProblem& p : problems) out += S(ProblemLine(p)) + "\n";
  return out;
}

std::string Repeat(const std::string& text, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += text;
  return out;
}

const PlantedCase kCases[] = {
    {"main data cut short", [](PlantedBoring& b) { b.layerCount = 3; }, Severity::Fault, "MDT0001.JDF", "層データ 3",
     "ファイルの終わり"},
    {"remarks not UTF-8 free", [](PlantedBoring& b) { b.rawTests = "100,1,5,0\r\n1.00,\xE2\x80\x94,,,\r\n"; },
     Severity::Fault, "NDT0001.JDF", "行目", "UTF-8"},
    {"missing companion", [](PlantedBoring& b) { b.remarks.reset(); }, Severity::Fault, "KDT0001.JDF", "",
     "対になるファイルがありません"},
    {"soil name the tables refuse", [](PlantedBoring& b) { b.layers = "1.00,砂\x01,灰,A\n3.00,砂,灰,A\n"; },
     Severity::Fault, "MDT0001.JDF", "層データ 1 件目、2 番目", ""},
    {"depth not increasing", [](PlantedBoring& b) { b.layers = "3.00,砂,灰,A\n2.00,砂,灰,A\n"; }, Severity::Warning,
     "MDT0001.JDF", "層データ 2 件目、1 番目", "深くなっていません"},
    {"deeper than the total depth", [](PlantedBoring& b) { b.layers = "1.00,砂,灰,A\n6.00,砂,灰,A\n"; },
     Severity::Warning, "MDT0001.JDF", "層データ 2 件目", "総掘進長 5.00"},
    {"new soil name with its code", [](PlantedBoring& b) { b.layers = "1.00,礫,灰,A\n3.00,砂,灰,A\n"; },
     Severity::Warning, "MDT0001.JDF", "層データ 1 件目、2 番目", "「礫」は土質名表にありません。変換するとコード 2000"},
    {"remark over 20 rows", [](PlantedBoring& b) { b.remarks = "1,1,2\n1.00," + Repeat("あ", 15 * 20 + 1) + "\n"; },
     Severity::Warning, "KDT0001.JDF", "備考データ 1 件目、2 番目", "21 行"},
    {"character without a code-page-932 form",
     [](PlantedBoring& b) { b.rawTests = "100,1,6,0\r\n1.00,10,3,3,4,\x85\x40\r\n"; }, Severity::Warning,
     "NDT0001.JDF", "貫入試験データ 1 件目、6 番目", "コードページ 932 で表せない"},
    {"range key not in L4", [](PlantedBoring& b) { b.layers = "1.00,砂,灰,A～B\n3.00,砂,灰,A\n"; },
     Severity::Warning, "MDT0001.JDF", "層データ 1 件目、4 番目", "「B」は L4.TXT"},
    {"list key not in L10", [](PlantedBoring& b) { b.list = "1,3,1\n,3.15,Z\n,,\n,,\n"; }, Severity::Warning,
     "MDT0001.JDF", "リスト第1ブロック 1 件目、3 番目", "「Z」は L10.TXT"},
    {"penetration entry not a number", [](PlantedBoring& b) { b.tests = "100,1,5,0\n1.00,10,3,x/3,4\n"; },
     Severity::Warning, "NDT0001.JDF", "貫入試験データ 1 件目、4 番目", "「x/3」"},
    {"depth longer than 7 characters", [](PlantedBoring& b) { b.tests = "100,1,5,0\n1.0000000,10,3,3,4\n"; },
     Severity::Warning, "NDT0001.JDF", "貫入試験データ 1 件目、1 番目", "「0000000」"},
    {"N above 999", [](PlantedBoring& b) { b.tests = "100,1,5,0\n1.00,50/1,50/1,,\n"; }, Severity::Warning,
     "NDT0001.JDF", "貫入試験データ 1 件目、2 番目", "N 値 1500"},
    {"more than 999 lines",
     [](PlantedBoring& b) { b.tests = "100,1000,5,0\n" + Repeat("1.00,10,3,3,4\n", 1000); }, Severity::Warning,
     "NDT0001.JDF", "", "X5.TXT が 1000 行"},
    // Mended: the check said clean where the conversion then failed.
    {"latitude without a mesh code", [](PlantedBoring& b) { b.headerFields = "BH1,,,,,,,,,,,,,1e30,139,12.00,5.00"; },
     Severity::Fault, "MDT0001.JDF", "ヘッダ項目 1 件目、14 番目", "地域メッシュコード"},
    {"remark depth with a comma", [](PlantedBoring& b) { b.remarks = "1,1,2\n\"1,5\",記事\n"; }, Severity::Fault,
     "KDT0001.JDF", "備考データ 1 件目 (1 件中)、1 番目", "深度「1,5」"},
    // Counts that lie are followed, and warned of.
    {"records after the count", [](PlantedBoring& b) { b.remarks = "1,1,2\n1.00,記事\n2.00,記事\n"; },
     Severity::Warning, "KDT0001.JDF", "", "件数で読み込まれるレコードの後"},
    {"a field carried over", [](PlantedBoring& b) { b.remarks = "1,1,1\n1.00\n"; }, Severity::Warning,
     "KDT0001.JDF", "備考データ 1 件目、2 番目", "前のレコードの「砂」"},
    {"penetration cut to three characters", [](PlantedBoring& b) { b.tests = "100,1,5,0\n1.00,50/12.5,3,3,4\n"; },
     Severity::Warning, "NDT0001.JDF", "貫入試験データ 1 件目、2 番目", "「50/2.5」として書かれます（N 値は 600"},
};

class PlantedProblem : public ::testing::TestWithParam<PlantedCase> {};

TEST_P(PlantedProblem, IsTheOneProblemListed) {
  const PlantedCase& c = GetParam();
  testing::TempFolder data;
  testing::TempFolder source;
  testing::WriteCheckDataFolder(data.Path());
  PlantedBoring boring;
  c.plant(boring);
  const auto path = testing::WritePlantedBoring(source.Path(), boring);

  const CheckProblems problems = CheckBoring(testing::PathText(path), data.Text());
  ASSERT_EQ(problems.size(), 1u) << c.name << ":\n" << Lines(problems);
  const CheckProblem& p = problems.front();
  EXPECT_EQ(p.severity, c.severity) << S(ProblemLine(p));
  EXPECT_TRUE(S(p.file).ends_with(c.file)) << S(ProblemLine(p));
  EXPECT_NE(S(p.where).find(c.where), std::string::npos) << S(ProblemLine(p));
  EXPECT_NE(S(p.message).find(c.message), std::string::npos) << S(ProblemLine(p));
}

INSTANTIATE_TEST_SUITE_P(Check, PlantedProblem, ::testing::ValuesIn(kCases));

TEST(BoringCheck, CleanBoringHasNoProblem) {
  testing::TempFolder data;
  testing::TempFolder source;
  testing::WriteCheckDataFolder(data.Path());
  const auto path = testing::WritePlantedBoring(source.Path(), {});
  const CheckProblems problems = CheckBoring(testing::PathText(path), data.Text());
  EXPECT_TRUE(problems.empty()) << Lines(problems);
}

// Every file's failure is listed, not only the first one met.
TEST(BoringCheck, ListsAFaultOfEachFile) {
  testing::TempFolder data;
  testing::TempFolder source;
  testing::WriteCheckDataFolder(data.Path());
  PlantedBoring boring;
  boring.layerCount = 3;
  boring.remarks = "1,2,2\n1.00,記事\n";
  boring.tests.reset();
  const auto path = testing::WritePlantedBoring(source.Path(), boring);
  const CheckProblems problems = CheckBoring(testing::PathText(path), data.Text());
  ASSERT_EQ(problems.size(), 3u) << Lines(problems);
  EXPECT_TRUE(S(problems[0].file).ends_with("MDT0001.JDF"));
  EXPECT_TRUE(S(problems[1].file).ends_with("KDT0001.JDF"));
  EXPECT_TRUE(S(problems[2].file).ends_with("NDT0001.JDF"));
}

// Distinct new names get successive codes; a repeated one is listed once.
TEST(BoringCheck, NewNamesGetSuccessiveCodes) {
  testing::TempFolder data;
  testing::TempFolder source;
  testing::WriteCheckDataFolder(data.Path());
  testing::WriteCp932File(data / "XKISHITU.TXT", "2013,泥,    ,    ,    ,0000\n4100,岩,    ,    ,    ,0000\n");
  PlantedBoring boring;
  boring.layers = "1.00,礫,灰,A\n2.00,粘土,灰,A\n3.00,礫,灰,A\n";
  boring.layerCount = 3;
  const auto path = testing::WritePlantedBoring(source.Path(), boring);
  const CheckProblems problems = CheckBoring(testing::PathText(path), data.Text());
  ASSERT_EQ(problems.size(), 2u) << Lines(problems);
  EXPECT_NE(S(problems[0].message).find("コード 2014"), std::string::npos);
  EXPECT_NE(S(problems[1].message).find("「粘土」"), std::string::npos);
  EXPECT_NE(S(problems[1].message).find("コード 2015"), std::string::npos);
}

}  // namespace
}  // namespace velni
