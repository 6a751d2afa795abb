// The soil-name tables persist from run to run: a second conversion of the same
// boring against the same data folder finds what the first one registered.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/process.hpp"
#include "tests/support/sample_boring.hpp"
#include "tests/support/temp_folder.hpp"

namespace velni {
namespace {

using testing::ReadCp932File;
using testing::WriteCp932File;

TEST(SoilTablesTwiceTest, SecondRunFindsWhatTheFirstRegistered) {
  testing::TempFolder temp;
  const auto data = temp / "PATDAT";
  testing::MakeMinimalDataFolder(data);
  WriteCp932File(data / "XKISHITU.TXT", "5101,礫（円礫）,a,b,c,d\n");
  const auto source = testing::MakeMinimalBoring(temp / "src");
  WriteCp932File(source,
                 "1,0,5,0,4\n"
                 "1.00,砂,x,\n2.00,泥岩,x,\n3.00,礫,x,\n4.00,軽石,x,\n5.00,泥岩,x,\n"
                 "0,0,0\n");
  const std::string x1 =
      "  1,   1.00,5001,砂\n  2,   2.00,2000,泥岩\n  3,   3.00,5101,礫\n  4,   4.00,2001,軽石\n"
      "  5,   5.00,2000,泥岩\n";
  const std::string kishitu =
      "5001,砂,    ,    ,    ,0000\n2000,泥岩,    ,    ,    ,0000\n5101,礫,a,b,c,d\n"
      "2001,軽石,    ,    ,    ,0000\n";
  const std::string xkishitu =
      "2000,泥岩,    ,    ,    ,0000\n2001,軽石,    ,    ,    ,0000\n5101,礫（円礫）,a,b,c,d\n";

  for (const char* run : {"first", "second"}) {
    SCOPED_TRACE(run);
    const auto destination = temp / run;
    const auto result =
        testing::RunCli({"--yes", "--data-folder", data.string(), source.string(), destination.string()});
    ASSERT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(ReadCp932File(destination / "X1.TXT"), x1);
    EXPECT_EQ(ReadCp932File(data / "KISHITU.TXT"), kishitu);
    EXPECT_EQ(ReadCp932File(data / "XKISHITU.TXT"), xkishitu);
  }
}

}  // namespace
}  // namespace velni
