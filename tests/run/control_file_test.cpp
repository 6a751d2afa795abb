#include <gtest/gtest.h>

#include "platform/host_path.hpp"
#include "run/control_lines.hpp"
#include "run/passes.hpp"
#include "tests/support/temp_folder.hpp"
#include "text/path_split.hpp"

namespace velni {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::U;

std::string ControlFile(const std::string& line1, const std::string& line2, const std::string& line3) {
  return line1 + "\r\n" + line2 + "\r\n" + line3 + "\r\n4   \r\n1\r\n\r\n\r\n\r\n\r\n\r\n";
}

class WriteControlFileTest : public ::testing::Test {
 protected:
  std::string Write(const std::string& checkedDestination) {
    run.CheckedDestination = testing::HostPath(checkedDestination);
    run.OutputFolder = output.Text();
    WriteControlFile(run);
    return ReadBytes(output / "CNT.TXT");
  }

  TempFolder output;
  RunContext run;
};

TEST_F(WriteControlFileTest, TakesPieces3To5OfTheCheckedDestination) {
  EXPECT_EQ(Write("/WORK/DATA/SITE1/B01/"), ControlFile("DATA", "SITE1", "B01"));
  // Only the first four bytes of piece 3.
  EXPECT_EQ(Write("/WORK/DATA12/SITE1/B01/"), ControlFile("DATA", "SITE1", "B01"));
}

TEST_F(WriteControlFileTest, ShortDestinationKeepsWhatTheSourcePathLeft) {
  SplitByDelimiters(testing::HostPath("/A/B/C/MDT01.JDF"), kPathSeparatorText, run.PathPieces);
  // "", OUT, "" over "", A, B, C, MDT01.JDF
  EXPECT_EQ(Write("/OUT/"), ControlFile("", "C", "MDT01.JDF"));
}

TEST_F(WriteControlFileTest, CutInsideADoubleByteCharacterKeepsTheWholeOnes) {
  const std::string expected = ControlFile("\xb1\x8c\xbb", "\x8c\xbb\x8f\xea", "B01");  // ｱ現 / 現場
  EXPECT_EQ(Write("/W/ｱ現場/現場/B01/"), expected);
}

// The drive stands where POSIX has its empty first piece, so a Windows destination
// of the same levels gives the same lines on every host.
TEST(ControlLinesTest, AWindowsDestinationGivesLevels2To4) {
  TextArray pieces(256);
  SplitByDelimiters(u"C:\\WORK\\DATA\\SITE1\\B01\\", u"\\", pieces);
  EXPECT_EQ(ControlLinesOf(pieces), (ControlLines{u"DATA", u"SITE1", u"B01"}));
  SplitByDelimiters(u"D:\\WORK\\DATA12\\", u"\\", pieces);
  EXPECT_EQ(ControlLinesOf(pieces), (ControlLines{u"DATA", u"", u"B01"}));  // piece 5 left from before
}

}  // namespace
}  // namespace velni
