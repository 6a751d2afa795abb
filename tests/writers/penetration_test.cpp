#include "writers/penetration.hpp"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/temp_folder.hpp"
#include "tests/writers/written_lines.hpp"
#include "text/output_file.hpp"

namespace velni {
namespace {

using testing::ReadCp932File;
using testing::U;

struct PenetrationCase {
  const char* name;
  std::int16_t counter;
  std::string depth;
  std::string entries[4];
  std::string expected;  // without CR LF
};

// ctest shows a case by its printed value: its name, not its bytes.
void PrintTo(const PenetrationCase& c, std::ostream* out) { *out << c.name; }

class WritePenetrationRecordTest : public ::testing::TestWithParam<PenetrationCase> {};

TEST_P(WritePenetrationRecordTest, WritesTheLineOfOneTest) {
  const PenetrationCase& c = GetParam();
  TextArray record(40);
  record[1] = U(c.depth);
  for (int i = 0; i < 4; ++i) record[i + 2] = U(c.entries[i]);
  std::int16_t counter = c.counter;
  const std::string written =
      testing::WrittenLines(u"X5.TXT", [&](OutputFile& x5) { WritePenetrationRecord(x5, counter, record); });
  EXPECT_EQ(written, c.expected + "\n");
  EXPECT_EQ(counter, c.counter + 1);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, WritePenetrationRecordTest,
    ::testing::Values(
        PenetrationCase{"AllEntriesWithPenetration", 1, "12.15", {"50/15", "18/10", "20/10", "12/5"},
                        "  1,  12.15, 50,100, 15, 18, 10, 20, 10, 12,  5"},
        PenetrationCase{"EmptyPartialEntries", 1, "3.15", {"28", "", "", ""},
                        "  1,   3.15, 28, 28, 30,   ,   ,   ,   ,   ,   "},
        PenetrationCase{"PartialEntriesDefaultToTen", 7, "5.15", {"10", "5", "6", "7"},
                        "  7,   5.15, 10, 10, 30,  5, 10,  6, 10,  7, 10"},
        PenetrationCase{"ZeroPenetrationKeepsBlows", 42, "1.2", {"50/0", "", "", ""},
                        " 42,    1.2, 50, 50,  0,   ,   ,   ,   ,   ,   "},
        // N divides 30 by the penetration first: 30/11*11 falls just short of 30.
        PenetrationCase{"N11Over11", 1, "1", {"11/11", "", "", ""},
                        "  1,      1, 11, 29, 11,   ,   ,   ,   ,   ,   "},
        PenetrationCase{"N13Over13", 1, "1", {"13/13", "", "", ""},
                        "  1,      1, 13, 29, 13,   ,   ,   ,   ,   ,   "},
        PenetrationCase{"N11Over22", 1, "1", {"11/22", "", "", ""},
                        "  1,      1, 11, 14, 22,   ,   ,   ,   ,   ,   "},
        PenetrationCase{"N50Over29", 1, "1", {"50/29", "", "", ""},
                        "  1,      1, 50, 51, 29,   ,   ,   ,   ,   ,   "},
        PenetrationCase{"N60Over7", 1, "1", {"60/7", "", "", ""},
                        "  1,      1, 60,257,  7,   ,   ,   ,   ,   ,   "},
        PenetrationCase{"N300Over10", 1, "1", {"300/10", "", "", ""},
                        "  1,      1,300,900, 10,   ,   ,   ,   ,   ,   "},
        PenetrationCase{"N400Over10KeepsLastThreeDigits", 1, "1", {"400/10", "", "", ""},
                        "  1,      1,400,200, 10,   ,   ,   ,   ,   ,   "},
        // Fixed widths lose their leading characters.
        PenetrationCase{"LongTextsCutOnTheLeft", 1000, "123.4567", {"1234/56", "12345", "", "6/7890"},
                        "000,23.4567,234,125, 56,345, 10,   ,   ,  6,890"},
        PenetrationCase{"FractionsKeepTheirPoint", 1, "2", {"5/2.5", "1/.5", "", ""},
                        "  1,      2,  5, 60,2.5,  1, .5,   ,   ,   ,   "},
        // Mended: a main entry that gives no number writes no N.
        PenetrationCase{"EmptyMainEntry", 1, "4", {"", "5", "", ""},
                        "  1,      4,   ,   ,   ,  5, 10,   ,   ,   ,   "},
        PenetrationCase{"MainEntryBeginsWithSlash", 1, "4", {"/10", "", "", ""},
                        "  1,      4,   ,   ,   ,   ,   ,   ,   ,   ,   "},
        PenetrationCase{"MainEntryNotANumber", 1, "4", {"abc", "", "", ""},
                        "  1,      4,   ,   ,   ,   ,   ,   ,   ,   ,   "},
        PenetrationCase{"MainPenetrationNotANumber", 1, "4", {"50/x", "", "", ""},
                        "  1,      4,   ,   ,   ,   ,   ,   ,   ,   ,   "},
        PenetrationCase{"MainPenetrationMissing", 1, "4", {"50/", "", "", ""},
                        "  1,      4,   ,   ,   ,   ,   ,   ,   ,   ,   "}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace velni
