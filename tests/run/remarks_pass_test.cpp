#include <gtest/gtest.h>

#include "run/passes.hpp"
#include "tests/run/companion_pass_fixture.hpp"
#include "text/run_error.hpp"

namespace velni {
namespace {

using testing::CompanionPassRun;
using testing::ReadCp932File;
using testing::WriteBytes;
using Names = std::set<std::string>;

std::string Fw(int n) {
  std::string blanks;
  for (int i = 0; i < n; ++i) blanks += "　";
  return blanks;
}

TEST(RemarksPass, CountOfZeroWritesNothing) {
  // No records follow: reading one would run past the end.
  for (const char* header : {"0,0,2\n", "0,3,0\n"}) {
    CompanionPassRun pass;
    pass.WriteSource("KDT0001.JDF", header);
    pass.RunRemarks();
    EXPECT_EQ(pass.OutputNames(), Names{}) << header;
  }
}

TEST(RemarksPass, LeavesX12AndNoWorkFile) {
  CompanionPassRun pass;
  pass.WriteSource("KDT0001.JDF",
                   "0,4,2\n"
                   "3.50 ),ＡＢ＠ＣＤ\n"
                   "5.00,\n"
                   "7.25)x,A\"B\n"
                   "10,あいうえおかきくけこさしすせそた\n");
  pass.RunRemarks();

  EXPECT_EQ(pass.OutputNames(), Names{"X12.TXT"});
  EXPECT_EQ(testing::ReadCrLfLines(pass.Output("X12.TXT")),
            "  1,   3.50,\"ＡＢ" + Fw(13) + "ＣＤ" + Fw(13) + "\"\n"
            "  2,   7.25,\"A＂B" + Fw(12) + "  \"\n"
            "  3,  10.00,\"あいうえおかきくけこさしすせそた" + Fw(14) + "\"\n");
}

TEST(RemarksPass, ReplacesTheX12OfAnEarlierRun) {
  CompanionPassRun pass;
  WriteBytes(pass.Output("x12.txt"), "earlier run\r\n");
  pass.WriteSource("KDT0001.JDF", "0,1,2\n1,A\n");
  pass.RunRemarks();
  EXPECT_EQ(pass.OutputNames(), Names{"x12.txt"});
  EXPECT_EQ(testing::ReadCrLfLines(pass.Output("x12.txt")), "  1,   1.00,\"A" + Fw(14) + " \"\n");
}

// Mended: with no remark text at all there is nothing to copy; the pass removes its
// empty work file and the run goes on.
TEST(RemarksPass, NoRemarkTextWritesNoX12) {
  CompanionPassRun pass;
  pass.WriteSource("KDT0001.JDF", "0,2,2\n1.00,\n2.00,\"\"\n");
  EXPECT_NO_THROW(pass.RunRemarks());
  EXPECT_EQ(pass.OutputNames(), Names{});
}

TEST(RemarksPass, MissingRemarksFileStopsTheRun) {
  CompanionPassRun pass;
  try {
    pass.RunRemarks();
    FAIL() << "no failure";
  } catch (const RunError& error) {
    EXPECT_EQ(error.What(), failure::kFileNotFound);
  }
}

}  // namespace
}  // namespace velni
