#include <gtest/gtest.h>

#include "run/passes.hpp"
#include "tests/run/companion_pass_fixture.hpp"

namespace velni {
namespace {

using testing::CompanionPassRun;
using testing::ReadCp932File;
using Names = std::set<std::string>;

TEST(PenetrationPass, OnlyKind100WritesX5) {
  // No records follow: reading one would run past the end.
  for (const char* header : {"200,2,5,0\n", "\"100\",2,5,0\n", ",2,5,0\n"}) {
    CompanionPassRun pass;
    pass.WriteSource("NDT0001.JDF", header);
    RunPenetrationPass(pass.run);
    EXPECT_EQ(pass.OutputNames(), Names{}) << header;
    EXPECT_FALSE(pass.run.Source.has_value());
  }
}

TEST(PenetrationPass, OneLinePerTestRecord) {
  CompanionPassRun pass;
  pass.WriteSource("NDT0001.JDF",
                   "100,2,5,0\n"
                   "1.15,10/30,3,3,4\n"
                   "2.15,50/15,18/10,20/10,12/5\n");
  RunPenetrationPass(pass.run);
  EXPECT_EQ(pass.OutputNames(), Names{"X5.TXT"});
  EXPECT_EQ(ReadCp932File(pass.Output("X5.TXT")),
            "  1,   1.15, 10, 10, 30,  3, 10,  3, 10,  4, 10\n"
            "  2,   2.15, 50,100, 15, 18, 10, 20, 10, 12,  5\n");
  EXPECT_FALSE(pass.run.Source.has_value());
}

}  // namespace
}  // namespace velni
