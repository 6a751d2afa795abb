#include <gtest/gtest.h>

#include <optional>

#include "files/open_files.hpp"
#include "readers/main_data_reader.hpp"
#include "run/passes.hpp"
#include "tests/support/temp_folder.hpp"
#include "text/run_error.hpp"

namespace velni {
namespace {

using testing::S;
using testing::TempFolder;
using testing::U;
using testing::WriteCp932File;

// H(1) to H(32), then one field of the layer section.
constexpr char kFullHeader[] =
    "1,32,0,0,0\n"
    "No.12,f2,現場名,t2-1,調査名,10,6,5,60,12,1,f12,f13,35.4512,139.0030,a16\n"
    "a17,a18,a19,a20,f21,a22,a23,b24,b25,b26,f27,f28,f29,f30,\"b31,x\",b32\n"
    "NEXT\n";

class ReadMainDataHeaderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteCp932File(data / "L1.TXT", "7,ＮＯ\n");
    WriteCp932File(data / "L2.TXT", "2,\n3,地点No.12\n");
    run.DataFolderPath = data.Text();
    run.SourcePath = testing::PathText(source / "MDT0001.JDF");
    for (int i = 1; i <= 30; ++i) run.Title1Fields[i] = run.Title2Fields[i] = u"old";
  }
  void Read(const std::string& content) {
    WriteCp932File(source / "MDT0001.JDF", content);
    source_file.emplace(ReadInputFile(run.SourcePath));
    RecordFieldsSnapshot buffer{};
    ReadMainHeader(*source_file, buffer, run.boring.main);
    MapTitleFields(run);
  }
  std::string T1(int i) const { return S(run.Title1Fields[i]); }
  std::string T2(int i) const { return S(run.Title2Fields[i]); }

  TempFolder data;
  TempFolder source;
  RunContext run;
  std::optional<InputFile> source_file;
};

TEST_F(ReadMainDataHeaderTest, MapsTheHeaderFieldsOntoTheTitleFields) {
  Read(kFullHeader);
  const std::pair<int, const char*> title1[] = {
      {1, "No.12"}, {5, "調査名"}, {6, "現場名"}, {10, " 1998"}, {11, "6"}, {12, "5"}, {13, " 1985"},
      {14, "12"},   {15, "1"},     {16, "7"},      {17, ".12"},  {20, "a16"}, {21, "a17"}, {22, "a18"},
      {23, "a19"},  {24, "a20"},   {25, "a22"},    {26, "a23"},  {27, "3"},
  };
  for (const auto& [i, value] : title1) EXPECT_EQ(T1(i), value) << "Title1Fields " << i;
  for (int i : {2, 3, 4, 7, 8, 9, 18, 19, 28}) EXPECT_EQ(T1(i), "") << "Title1Fields " << i;
  const std::pair<int, const char*> title2[] = {
      {1, "t2-1"}, {3, "b31,x"}, {4, "b32"},  {5, " 35"},  {6, " 45"},  {7, " 11"},
      {8, " 139"}, {9, " 0"},    {10, " 30"}, {12, "b24"}, {13, "b25"}, {14, "b26"},
  };
  for (const auto& [i, value] : title2) EXPECT_EQ(T2(i), value) << "Title2Fields " << i;
  for (int i : {2, 11, 15}) EXPECT_EQ(T2(i), "") << "Title2Fields " << i;
  EXPECT_EQ(run.boring.main.header.layerCount.AsNumber(), 0.0);
  std::u16string next;
  source_file->ReadField(next);  // left standing after the header fields
  EXPECT_EQ(S(next), "NEXT");
}

TEST_F(ReadMainDataHeaderTest, NoHeaderFieldsGiveTheDefaults) {
  Read("x,0,2,0,5\nNEXT\n");
  for (int i : {10, 13}) EXPECT_EQ(T1(i), " 1988");
  for (int i = 5; i <= 10; ++i) EXPECT_EQ(T2(i), " 0");
  EXPECT_EQ(T1(16), "  ");
  EXPECT_EQ(T1(17), "        ");
  EXPECT_EQ(T1(27), "3");  // an empty H(1) is found in the first non-empty field 2
  EXPECT_EQ(T1(1), "");
}

TEST_F(ReadMainDataHeaderTest, TwentyHeaderFieldsLeaveTheLaterTitleFieldsEmpty) {
  Read("1,20,0,0,0\nA1,,,,,,,,,,,,,,,,,,,a20\n");
  EXPECT_EQ(T1(24), "a20");
  EXPECT_EQ(T1(16), "  ");  // code A, not in L1.TXT
  for (int i : {25, 26}) EXPECT_EQ(T1(i), "") << "Title1Fields " << i;
  for (int i : {12, 13, 14, 3, 4}) EXPECT_EQ(T2(i), "") << "Title2Fields " << i;
}

TEST_F(ReadMainDataHeaderTest, FortyOneHeaderFieldsStopTheRun) {
  std::string fields;
  for (int i = 1; i <= 41; ++i) fields += "f,";
  try {
    Read("1,41,0,0,0\n" + fields + "\n");
    FAIL() << "41 header fields were read";
  } catch (const RunError& error) {
    EXPECT_EQ(error.What(), failure::kSubscriptOutOfRange);
    EXPECT_NE(S(error.Message()).find("MDT0001.JDF"), std::string::npos);
  }
}

// Mended: a negative layer count read no layer and the failure that followed was
// named at the list header; a file that reads to its end still does.
TEST(NegativeLayerCountTest, AFailureItCausesIsNamedAtTheCountsField) {
  struct Case {
    const char* name;
    std::string file;
    std::string where;  // empty: the file reads to its end
  };
  const Case cases[] = {
      {"layer count", "1,0,-2,0,4\n1.00,砂,x,A\n", "3 番目の項目"},
      {"field count", "1,0,2,0,-4\n1.00,砂,x,A\n", "5 番目の項目"},
      {"list header follows", "1,0,-2,0,4\n0,0,0\n", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    WriteCp932File(folder / "MDT0001.JDF", c.file);
    RecordFieldsSnapshot buffer{};
    try {
      ReadMainDataFile(testing::PathText(folder / "MDT0001.JDF"), buffer);
      EXPECT_EQ(c.where, "");
    } catch (const RunError& error) {
      EXPECT_EQ(S(error.What()), "件数が負の数です。");
      EXPECT_NE(S(error.Where()).find(c.where), std::string::npos) << S(error.Where());
      EXPECT_NE(c.where, "");
    }
  }
}

}  // namespace
}  // namespace velni
