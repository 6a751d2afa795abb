#include "writers/list_lines.hpp"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/temp_folder.hpp"
#include "tests/writers/written_lines.hpp"

namespace velni {
namespace {

using testing::U;

struct CodedCase {
  const char* why;
  std::string key;
  std::string line;
};

TEST(ListLinesTest, CodedLinesTranslateFieldThreeThroughL10) {
  CodeTable l10(u"L10.TXT", 40);
  const std::pair<const char*, const char*> table[] = {{"12", "B"}, {"1234", "C"}, {"-5", "D"}, {"7", "B"}, {"x", "E"}};
  for (const auto& [code, key] : table) l10.Append(U(code), U(key));
  const CodedCase cases[] = {
      {"first matching entry wins", "B", "  7,   1.50, 12,B,                    "},
      {"key not in the table", "Q", "  7,   1.50,  0,,                    "},
      {"letter case counts", "b", "  7,   1.50,  0,,                    "},
      {"code keeps its last three characters", "C", "  7,   1.50,234,C,                    "},
      {"negative code", "D", "  7,   1.50, -5,D,                    "},
      {"code not a number is 0 but the key is written", "E", "  7,   1.50,  0,E,                    "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    TextArray fields{40};
    fields[2] = u"1.50";
    fields[3] = U(c.key);
    const std::string written = testing::WrittenLines(u"X11.TXT", [&](OutputFile& x11) {
      std::int16_t lineNo = 7;
      WriteCodedListLine(x11, lineNo, fields, l10);
      EXPECT_EQ(lineNo, 8);
    });
    EXPECT_EQ(written, c.line + "\n");
  }
}

struct DatedCase {
  const char* why;
  std::int16_t lineNo;
  std::string year;
  std::string first;
  std::string monthDay;
  std::string line;
};

TEST(ListLinesTest, DatedLinesBuildTheDate) {
  const DatedCase cases[] = {
      {"month and day padded", 3, "1998", "3.2", "7/15", "  3,1998/ 7/15,    3.2"},
      {"year as the run passes it", 1, " 1998", "10.5", "12/1", "  1, 1998/12/ 1,   10.5"},
      {"empty month/day", 3, "1998", "3.2", "", "  3,1998/  /  ,    3.2"},
      {"second slash stays in the day", 3, "1998", "3.2", "12/5/98", "  3,1998/12/98,    3.2"},
      {"long month keeps its last two", 3, "1998", "3.2", "123/4", "  3,1998/23/ 4,    3.2"},
      {"blank before the slash is kept", 3, "1998", "3.2", "7 /15", "  3,1998/7 /15,    3.2"},
      {"no slash: the field is the month", 3, "1998", "3.2", "7", "  3,1998/ 7/  ,    3.2"},
      {"no slash: last two characters", 3, "1998", "3.2", "1231", "  3,1998/31/  ,    3.2"},
      {"empty year", 3, "", "3.2", "7/15", "  3,/ 7/15,    3.2"},
      {"counter 1000 and a long first field", 1000, "1998", "12345.678", "7/15", "000,1998/ 7/15,345.678"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    TextArray fields{40};
    fields[1] = U(c.first);
    fields[2] = U(c.monthDay);
    const std::string written = testing::WrittenLines(u"N9.TXT", [&](OutputFile& n9) {
      std::int16_t lineNo = c.lineNo;
      WriteDatedListLine(n9, lineNo, fields, U(c.year));
      EXPECT_EQ(lineNo, c.lineNo + 1);
    });
    EXPECT_EQ(written, c.line + "\n");
  }
}

}  // namespace
}  // namespace velni
