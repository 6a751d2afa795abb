#include "writers/title_sheets.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

#include "tests/support/temp_folder.hpp"
#include "tests/writers/written_lines.hpp"

namespace velni {
namespace {

using testing::S;

TEST(MeshCodeTest, JoinsTheUnpaddedParts) {
  struct Case {
    std::array<float, 6> position;
    const char* code;
  };
  const Case cases[] = {
      {{35, 41, 22, 139, 41, 30}, "53394525"},
      {{43, 3, 45.5f, 141, 21, 1.25f}, "64414278"},
      {{0, 0, 0, 139, 41, 30}, "00000000"},
      {{35, 41, 22, 0, 0, 0}, "00000000"},
      {{5, 0, 0, 139, 0, 0}, "7394000"},   // below 6° 40′: one digit of latitude
      {{-1, 0, 0, 139, 0, 0}, "-139-4000"},  // -1, 39, -4, 0, 0, 0: negative parts keep their sign
  };
  for (const Case& c : cases) {
    const auto& p = c.position;
    EXPECT_EQ(S(MeshCode(p[0], p[1], p[2], p[3], p[4], p[5])), c.code) << c.code;
  }
}

// Mended: a line end inside a quoted title field made Titl01.txt 24 lines and
// shifted every line after it; line ends are blanks, as in soil names.
TEST(FirstSheetTest, LineEndsInATitleTextAreBlanks) {
  struct Case {
    const char16_t* boringName;
    const char16_t* month;
    const char* firstLine;
    const char* monthLine;
  };
  const Case cases[] = {
      {u"BH\r\n1", u"6", "BH  1", " 6"},
      {u"BH\n1", u"6", "BH 1", " 6"},
      {u"BH\r1", u"6", "BH 1", " 6"},
      {u"BH1\r\n", u"6\n", "BH1", " 6"},  // trimmed like any blank at an end
  };
  for (const Case& c : cases) {
    TextArray a(30);
    TextArray b(30);
    a[1] = c.boringName;
    a[11] = c.month;
    const std::string lines =
        testing::WrittenLines(u"Titl01.txt", [&](OutputFile& sheet) { WriteFirstSheet(sheet, a, b); });
    EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), 23) << c.firstLine;
    EXPECT_EQ(lines.substr(0, lines.find('\n')), c.firstLine);
    EXPECT_NE(lines.find("\n" + std::string(c.monthLine) + "\n"), std::string::npos) << lines;
  }
}

}  // namespace
}  // namespace velni
