#include "tables/title_code_names.hpp"

#include <gtest/gtest.h>

#include "tests/support/temp_folder.hpp"
#include "text/run_error.hpp"

namespace velni {
namespace {

namespace stdfs = std::filesystem;
using testing::S;
using testing::TempFolder;
using testing::U;
using testing::WriteCp932File;

TEST(IsGivenCodeTest, ZeroInEitherWidthOrAPositiveNumber) {
  const std::pair<const char*, bool> cases[] = {
      {"0", true},  {" 0 ", true}, {"０", true},   {"05", true}, {"0.5", true},
      {"", false},  {"-3", false}, {"abc", false}, {"00", false},  // neither "0" nor above 0
  };
  for (const auto& [code, given] : cases) EXPECT_EQ(IsGivenCode(U(code)), given) << code;
}

class LookupCodeNameTest : public ::testing::Test {
 protected:
  std::string Lookup(const std::string& code) { return S(LookupCodeName(testing::PathText(table), U(code))); }

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

// Mended: a lookup used to create the missing table, changing a shared data folder
// (and failing in one that cannot be written).
TEST_F(LookupCodeNameTest, MissingTableReadsAsEmptyAndIsNotCreated) {
  EXPECT_EQ(Lookup("1"), "");
  EXPECT_FALSE(stdfs::exists(table));
}

TEST_F(LookupCodeNameTest, LastRecordWithoutItsNameFailsUnlessFoundBefore) {
  WriteCp932File(table, "1,A\n2\n");
  EXPECT_EQ(Lookup("1"), "A");
  EXPECT_THROW(Lookup("3"), RunError);
}

}  // namespace
}  // namespace velni
