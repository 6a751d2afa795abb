#include <gtest/gtest.h>

#include "tables/code_table.hpp"
#include "tests/support/temp_folder.hpp"
#include "text/run_error.hpp"

namespace velni {
namespace {

using testing::S;
using testing::TempFolder;
using testing::U;
using testing::WriteCp932File;

std::string Records(int count) {
  std::string text;
  for (int i = 1; i <= count; ++i) text += std::to_string(i) + ",K" + std::to_string(i) + "\n";
  return text;
}

class LoadCodeTablesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteTable("L4.TXT", "01,Ａ\n02,ｂ\n");
    WriteTable("L9.TXT", Records(50));
    WriteTable("L8.TXT", "1,甲,捨てる\n2,\"乙,丙\",x\n");
    WriteTable("L10.TXT", Records(40));
    tables = CodeTables{};
  }
  void WriteTable(const std::string& name, const std::string& content) {
    WriteCp932File(data / name, content);
  }
  RunError LoadFailure() {
    try {
      tables.Load(data.Text());
    } catch (const RunError& error) {
      return error;
    }
    ADD_FAILURE() << "the load did not fail";
    return RunError(u"");
  }

  TempFolder data;
  CodeTables tables;
};

TEST_F(LoadCodeTablesTest, KeepsFileOrderAndDropsTheThirdFieldOfL8) {
  tables.Load(data.Text());
  EXPECT_EQ(tables.l4.Count(), 2);
  EXPECT_EQ(S(tables.l4.Code(1)), "01");  // codes stay texts
  EXPECT_EQ(S(tables.l4.Key(2)), "ｂ");
  EXPECT_EQ(tables.l9.Count(), 50);
  EXPECT_EQ(tables.l8.Count(), 2);
  EXPECT_EQ(S(tables.l8.Code(2)), "2");
  EXPECT_EQ(S(tables.l8.Key(2)), "乙,丙");
  EXPECT_EQ(tables.l10.Count(), 40);
  EXPECT_EQ(S(tables.l10.Key(40)), "K40");
}

TEST_F(LoadCodeTablesTest, EmptyLinesAndBlanksAfterTheLastRecordEndTheTable) {
  WriteTable("L4.TXT", "01,Ａ\n02,ｂ\n\n  \n\n");
  WriteTable("L10.TXT", Records(40) + "\n\t\n");  // would be a 41st record if read
  tables.Load(data.Text());
  EXPECT_EQ(tables.l4.Count(), 2);
  EXPECT_EQ(tables.l10.Count(), 40);
}

TEST_F(LoadCodeTablesTest, EmptyTableAndLastRecordWithoutLineEndLoad) {
  WriteTable("L9.TXT", "");
  testing::WriteBytes(data / "L4.TXT", "1,A\r\n2,B");
  tables.Load(data.Text());
  EXPECT_EQ(tables.l9.Count(), 0);
  EXPECT_EQ(tables.l4.Count(), 2);
}

TEST_F(LoadCodeTablesTest, RecordsBeyondTheLimitStopTheRunNamingTheTable) {
  struct Case {
    std::string table;
    int records;
  };
  for (const Case& c : {Case{"L10.TXT", 41}, Case{"L4.TXT", 51}}) {
    SCOPED_TRACE(c.table);
    SetUp();
    WriteTable(c.table, Records(c.records));
    const RunError error = LoadFailure();
    EXPECT_EQ(error.What(), failure::kSubscriptOutOfRange);
    EXPECT_NE(S(error.Message()).find(c.table), std::string::npos);
    EXPECT_NE(S(error.Where()).find(std::to_string(c.records)), std::string::npos);
  }
}

TEST_F(LoadCodeTablesTest, MissingTableOrMissingLastFieldStopsTheRun) {
  std::filesystem::remove(data / "L8.TXT");
  EXPECT_EQ(LoadFailure().What(), failure::kFileNotFound);
  SetUp();
  WriteTable("L9.TXT", "1,A\n2\n");
  EXPECT_EQ(LoadFailure().What(), failure::kReadPastEnd);
}

// The first record with the key gives the code, rounded half to even; a code
// beyond 16 bits is the overflow failure, not a wrapped number.
TEST(CodeTableTest, CodeOfTheFirstMatchingKey) {
  CodeTable table(u"L4.TXT", 3);
  table.Append(u"2.5", u"A");
  table.Append(u"7", u"A");
  table.Append(u"40000", u"B");
  EXPECT_EQ(table.CodeOf(u"A"), 2);
  EXPECT_EQ(table.CodeOf(u"a"), std::nullopt);
  EXPECT_THROW(table.CodeOf(u"B"), RunError);
  EXPECT_THROW(table.Append(u"1", u"C"), RunError);  // beyond its bound
}

}  // namespace
}  // namespace velni
