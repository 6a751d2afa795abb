#include "tables/extended_table.hpp"

#include <gtest/gtest.h>

#include "tests/support/temp_folder.hpp"

namespace velni {
namespace {

// What the check mode forecasts for a survey's second and later new names.
TEST(SoilCodeAfterTest, OneMoreBelow4000ThenAlways4000) {
  const std::pair<const char16_t*, const char16_t*> cases[] = {
      {u"2000", u"2001"}, {u"1500", u"2000"}, {u"3999", u"4000"}, {u"4000", u"4000"}};
  for (const auto& [code, next] : cases) EXPECT_EQ(SoilCodeAfter(code), next);
}

// Many names taken by one reading of the table land where inserting them one at a
// time, the table written between, puts them: in order while their codes are below
// 4000, each before the last once they are 4000.
TEST(ExtendedTableInsertionsTest, GiveWhatInsertingOneAtATimeGives) {
  const char* tables[] = {
      "2000,甲,    ,    ,    ,0000\n4000,乙,    ,    ,    ,0000\n",
      "1001,甲,    ,    ,    ,0000\n",
      "3998,甲,    ,    ,    ,0000\n5000,乙,    ,    ,    ,0000\n2500,丙,    ,    ,    ,0000\n",
      "3000,甲,    ,    ,    ,0000\n\n4100,乙,    ,    ,    ,0000\n",
  };
  const std::u16string names[] = {u"新一", u"新二", u"新三", u"新四"};
  for (const char* table : tables) {
    testing::TempFolder temp;
    const auto path = temp / "XKISHITU.TXT";
    testing::WriteCp932File(path, table);
    ExtendedTableInsertions batch(testing::PathText(path));
    for (const std::u16string& name : names) {
      const ExtendedTableInsertion one = InsertIntoExtendedTable(testing::PathText(path), name);
      testing::WriteBytes(path, one.bytes);
      EXPECT_EQ(batch.Insert(name).fields, one.entry.fields) << table;
    }
    EXPECT_EQ(batch.Bytes(), testing::ReadBytes(path)) << table;
  }
}

}  // namespace
}  // namespace velni
