#include <gtest/gtest.h>

#include "run/passes.hpp"
#include "tests/run/section_fixture.hpp"

namespace velni {
namespace {

using testing::SectionRun;

TEST(ListSectionTest, ThreeBlocksOneAfterTheOtherDroppingEmptyRecords) {
  SectionRun section(
      "2,3,1\n"
      "a,1.00,K\n"  // X11 block
      "b,2.00,\n"
      "3.2,7/15,x\n"  // N9 block
      ",8/1,x\n"
      ",9/1,x\n"  // N8 block
      "4.5,10/2,x\n"
      "NEXT\n");
  section.run.codeTables.l10.Append(u"12", u"K");
  section.run.Title1Fields[10] = u" 1998";
  section.ReadLists();
  RunListSection(section.run);
  EXPECT_EQ(section.Output("X11.TXT"), "  1,   1.00, 12,K,                    \n");
  EXPECT_EQ(section.Output("N9.TXT"), "  1, 1998/ 7/15,    3.2\n");
  EXPECT_EQ(section.Output("N8.TXT"), "  1, 1998/10/ 2,    4.5\n");
  EXPECT_EQ(section.NextSourceField(), "NEXT");
}

TEST(ListSectionTest, ZeroCountOrThirdValueSkipsTheSection) {
  for (const char* header : {"0,3,1", "2,3,0", ",3,1"}) {
    SCOPED_TRACE(header);
    SectionRun section(std::string(header) + "\nNEXT,a,1.00,K\n");
    section.ReadLists();
  RunListSection(section.run);
    for (const char* file : {"X11.TXT", "N9.TXT", "N8.TXT"}) EXPECT_EQ(section.Output(file), "(none)");
    EXPECT_EQ(section.NextSourceField(), "NEXT");
  }
}

}  // namespace
}  // namespace velni
