#include <gtest/gtest.h>

#include "run/passes.hpp"
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
    run.DataFolderPath = data.Text();
  }
  void WriteTable(const std::string& name, const std::string& content) {
    WriteCp932File(data / name, content);
  }
  RunError LoadFailure() {
    try {
      LoadCodeTables(run);
    } catch (const RunError& error) {
      return error;
    }
    ADD_FAILURE() << "the load did not fail";
    return RunError(u"");
  }

  TempFolder data;
  RunContext run;
};

TEST_F(LoadCodeTablesTest, KeepsFileOrderAndDropsTheThirdFieldOfL8) {
  LoadCodeTables(run);
  EXPECT_EQ(run.L4Count, 2);
  EXPECT_EQ(S(run.L4Col1[1]), "01");  // codes stay texts
  EXPECT_EQ(S(run.L4Col2[2]), "ｂ");
  EXPECT_EQ(run.L9Count, 50);
  EXPECT_EQ(run.L8Count, 2);
  EXPECT_EQ(S(run.L8Col1[2]), "2");
  EXPECT_EQ(S(run.L8Col2[2]), "乙,丙");
  EXPECT_EQ(run.L10Count, 40);
  EXPECT_EQ(S(run.L10Col2[40]), "K40");
}

TEST_F(LoadCodeTablesTest, EmptyLinesAndBlanksAfterTheLastRecordEndTheTable) {
  WriteTable("L4.TXT", "01,Ａ\n02,ｂ\n\n  \n\n");
  WriteTable("L10.TXT", Records(40) + "\n\t\n");  // would be a 41st record if read
  LoadCodeTables(run);
  EXPECT_EQ(run.L4Count, 2);
  EXPECT_EQ(run.L10Count, 40);
}

TEST_F(LoadCodeTablesTest, EmptyTableAndLastRecordWithoutLineEndLoad) {
  WriteTable("L9.TXT", "");
  testing::WriteBytes(data / "L4.TXT", "1,A\r\n2,B");
  LoadCodeTables(run);
  EXPECT_EQ(run.L9Count, 0);
  EXPECT_EQ(run.L4Count, 2);
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

}  // namespace
}  // namespace velni
