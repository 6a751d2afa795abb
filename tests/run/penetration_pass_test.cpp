#include <gtest/gtest.h>

#include "run/passes.hpp"
#include "tests/run/companion_pass_fixture.hpp"
#include "text/run_error.hpp"

namespace velni {
namespace {

using testing::CompanionPassRun;
using testing::ReadCp932File;
using Names = std::set<std::string>;

TEST(PenetrationPass, OnlyKind100WritesX5) {
  // No records follow: reading one would run past the end.
  for (const char* header : {"200,2,5,0\n", ",2,5,0\n"}) {
    CompanionPassRun pass;
    pass.WriteSource("NDT0001.JDF", header);
    pass.RunPenetration();
    EXPECT_EQ(pass.OutputNames(), Names{}) << header;
  }
}

TEST(PenetrationPass, OneLinePerTestRecord) {
  CompanionPassRun pass;
  pass.WriteSource("NDT0001.JDF",
                   "100,2,5,0\n"
                   "1.15,10/30,3,3,4\n"
                   "2.15,50/15,18/10,20/10,12/5\n");
  pass.RunPenetration();
  EXPECT_EQ(pass.OutputNames(), Names{"X5.TXT"});
  EXPECT_EQ(testing::ReadCrLfLines(pass.Output("X5.TXT")),
            "  1,   1.15, 10, 10, 30,  3, 10,  3, 10,  4, 10\n"
            "  2,   2.15, 50,100, 15, 18, 10, 20, 10, 12,  5\n");
}

// Mended: the kind follows the counts. A quoted "100" is the number 100; a kind that
// is no number is named where it stands instead of silently writing no X5.TXT.
TEST(PenetrationPass, QuotedKind100WritesX5) {
  CompanionPassRun pass;
  pass.WriteSource("NDT0001.JDF", "\"100\",1,2,0\n1.15,10\n");
  pass.RunPenetration();
  EXPECT_EQ(pass.OutputNames(), Names{"X5.TXT"});
}

TEST(PenetrationPass, KindThatIsNoNumberIsATypeMismatchAtTheKindField) {
  for (const char* header : {"\x01" "100,1,2,0\n", "abc,1,2,0\n"}) {
    CompanionPassRun pass;
    pass.WriteSource("NDT0001.JDF", header);
    try {
      pass.RunPenetration();
      FAIL() << header;
    } catch (const RunError& error) {
      EXPECT_EQ(error.What(), failure::kTypeMismatch);
      EXPECT_EQ(error.Where(), u"貫入試験ヘッダ 1 件目、1 番目の項目");
    }
    EXPECT_EQ(pass.OutputNames(), Names{});
  }
}

}  // namespace
}  // namespace velni
