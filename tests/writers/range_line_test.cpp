#include "writers/range_line.hpp"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <initializer_list>

#include "tests/support/temp_folder.hpp"
#include "tests/writers/written_lines.hpp"

namespace velni {
namespace {

using testing::U;

CodeTable L4(std::initializer_list<std::pair<const char*, const char*>> entries) {
  CodeTable table(u"L4.TXT", 50);
  for (const auto& [code, key] : entries) table.Append(U(code), U(key));
  return table;
}

struct RangeCase {
  const char* why;
  std::string range;
  std::string line;
};

TEST(RangeLineTest, LinesForRangeTexts) {
  const CodeTable l4 = L4({{"1", "A"}, {"2", "B"}, {"13", "C"}, {"105", "D"}, {"0", "Z"}, {"x", "Y"}, {"3", " E "}});
  const RangeCase cases[] = {
      {"two parts", "AB～C", "  1,   2.35,0102  ,AB,13    ,C,～"},
      {"no tilde", "AB", "  1,   2.35,0102  ,AB,      ,,"},
      {"unknown key takes no slot", "A?B", "  1,   2.35,0102  ,A?B,      ,,"},
      {"only three characters coded", "ABCA", "  1,   2.35,010213,ABCA,      ,,"},
      {"three digits keep the last two", "D", "  1,   2.35,05    ,D,      ,,"},
      {"code 0 or not a number prints blanks", "ZYA", "  1,   2.35,    01,ZYA,      ,,"},
      {"key with blanks around never matches", "E", "  1,   2.35,      ,E,      ,,"},
      {"tilde first", "～B", "  1,   2.35,      ,,02    ,B,～"},
      {"further tildes stay in part 2", "A～B～C", "  1,   2.35,01    ,A,0213  ,B～C,～"},
      {"blanks around the tilde are characters", "A ～ B", "  1,   2.35,01    ,A ,02    , B,～"},
      {"tilde last: part 2 empty, no separator", "A～", "  1,   2.35,01    ,A,      ,,"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    const std::string written = testing::WrittenLines(u"X3.TXT", [&](OutputFile& x3) {
      std::int16_t lineNo = 1;
      WriteRangeLine(x3, lineNo, u"2.35", U(c.range), l4);
      EXPECT_EQ(lineNo, 2);
    });
    EXPECT_EQ(written, c.line + "\n");
  }
}

// Blank ranges are skipped by the layer section (its test keeps the numbering).
TEST(RangeLineTest, LongFirstFieldKeepsItsLastSevenCharacters) {
  const CodeTable l4 = L4({{"1", "A"}});
  const std::string written = testing::WrittenLines(u"X3.TXT", [&](OutputFile& x3) {
    std::int16_t lineNo = 1;
    for (const char16_t* range : {u"A", u"A"}) WriteRangeLine(x3, lineNo, u"12345.678", range, l4);
    EXPECT_EQ(lineNo, 3);
  });
  // The first field keeps its last seven characters.
  EXPECT_EQ(written, "  1,345.678,01    ,A,      ,,\n  2,345.678,01    ,A,      ,,\n");
}

}  // namespace
}  // namespace velni
