#include "run/normalise_n12.hpp"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/temp_folder.hpp"
#include "text/output_file.hpp"
#include "writers/remarks.hpp"

namespace velni {
namespace {

using testing::Cp932Bytes;
using testing::CrLfLines;
using testing::U;

// n full-width blanks (two bytes each on disk).
std::string Fw(int n) {
  std::string blanks;
  for (int i = 0; i < n; ++i) blanks += "　";
  return blanks;
}

struct NormaliseCase {
  const char* name;
  std::string n12;       // N12.TXT
  std::string expected;  // N12.TMP
};

void PrintTo(const NormaliseCase& c, std::ostream* out) { *out << c.name; }

class NormaliseN12Test : public ::testing::TestWithParam<NormaliseCase> {};

// What NormaliseN12 writes for the rows, as bytes.
std::string Normalised(const std::string& rows) {
  std::string tmp;
  OutputFile memory(u"N12.TMP", tmp);
  NormaliseN12(memory, u"N12.TXT", rows);
  return tmp;
}

TEST_P(NormaliseN12Test, JoinsTheRowsOfEachRemark) {
  const NormaliseCase& c = GetParam();
  EXPECT_EQ(CrLfLines(Normalised(Cp932Bytes(c.n12))), c.expected);
}

const std::string kRowA = "ABC" + Fw(12) + "   ";
const std::string kRowB = "い" + Fw(14);
const std::string kRowC = "ｱ" + Fw(14) + " ";

INSTANTIATE_TEST_SUITE_P(
    Records, NormaliseN12Test,
    ::testing::Values(
        NormaliseCase{"TwoRowsOfOneRemark",
                      "  1,  12.50,\"" + kRowA + "\"\n  2,       ,\"" + kRowB + "\"\n",
                      "  1,  12.50,\"" + kRowA + kRowB + "\"\n"},
        NormaliseCase{"RenumberedAcrossRemarks",
                      " 41,   1.00,\"" + kRowA + "\"\n 42,    3.5,\"" + kRowB + "\"\n 43,       ,\"" + kRowC +
                          "\"\n",
                      "  1,   1.00,\"" + kRowA + "\"\n  2,   3.50,\"" + kRowB + kRowC + "\"\n"},
        // Depths get two decimals, cut (not rounded); a later depth counts by its
        // leading number.
        NormaliseCase{"DepthsWithTwoDecimals",
                      "  1,      3,\"" + kRowA + "\"\n  2,12.3456,\"" + kRowB + "\"\n  3,   -.5m,\"" + kRowC +
                          "\"\n  4,    abc,\"" + kRowA + "\"\n",
                      "  1,   3.00,\"" + kRowA + "\"\n  2,  12.34,\"" + kRowB + "\"\n  3,  -0.50,\"" + kRowC +
                          "\"\n  4,   0.00,\"" + kRowA + "\"\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NormaliseN12Empty, NoRowsWriteNothing) { EXPECT_EQ(Normalised(""), ""); }

// Mended: the quotation mark of a remark no longer cuts its row short on the way back.
TEST(NormaliseN12RoundTrip, RemarkWithQuotationMarkReadsBackWhole) {
  std::int16_t counter = 1;
  std::string rows;
  {
    OutputFile n12(u"N12.TXT", rows);
    WrapRemarks(n12, counter, u"1.5", U("\"X\",Y"));
    WrapRemarks(n12, counter, u"2", u"Z");
    n12.Close();
  }
  EXPECT_EQ(CrLfLines(Normalised(rows)), "  1,   1.50,\"＂X＂,Y" + Fw(10) + "   \"\n  2,   2.00,\"Z" +
                                                    Fw(14) + " \"\n");
}

}  // namespace
}  // namespace velni
