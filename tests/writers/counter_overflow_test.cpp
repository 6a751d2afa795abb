// Mended: the N12 and X5 lines skipped the one counted-line end, so their counter
// overflow named no file.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "text/run_error.hpp"
#include "writers/penetration.hpp"
#include "writers/remarks.hpp"

namespace velni {
namespace {

struct OverflowCase {
  const char* name;
  std::function<void(OutputFile&, std::int16_t&)> write;
};

void PrintTo(const OverflowCase& c, std::ostream* out) { *out << c.name; }

class CounterOverflowTest : public ::testing::TestWithParam<OverflowCase> {};

TEST_P(CounterOverflowTest, The32768thLineNamesItsFile) {
  std::string bytes;
  OutputFile out(u"/out/X.TXT", bytes);
  std::int16_t lineNo = 32767;
  try {
    GetParam().write(out, lineNo);
    FAIL() << "no overflow";
  } catch (const RunError& error) {
    EXPECT_EQ(error.What(), failure::kOverflow);
    EXPECT_EQ(error.Path(), u"/out/X.TXT");
  }
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");  // the line itself is whole
}

INSTANTIATE_TEST_SUITE_P(
    Writers, CounterOverflowTest,
    ::testing::Values(OverflowCase{"RemarkRow", [](OutputFile& out, std::int16_t& n) { WrapRemarks(out, n, u"1", u"A"); }},
                      OverflowCase{"JoinedRemark",
                                   [](OutputFile& out, std::int16_t& n) { WriteJoinedRemark(out, n, 1.0f, u"A"); }},
                      OverflowCase{"PenetrationTest",
                                   [](OutputFile& out, std::int16_t& n) {
                                     TextArray record(40);
                                     record[1] = u"1";
                                     WritePenetrationRecord(out, n, record);
                                   }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace velni
