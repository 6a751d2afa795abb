#include "exchange/exchange_values.hpp"

#include <gtest/gtest.h>

#include "tests/support/temp_folder.hpp"

namespace velni {
namespace {


TEST(ExchangeValues, DatesFromEraYears) {
  const struct {
    const char16_t *year, *month, *day, *date;
  } cases[] = {
      {u"11", u"6", u"14", u"1999-06-14"},
      {u"63", u"2", u"29", u"1988-02-29"},  // era year 63 counts from 1925: a leap year
      {u"60", u"2", u"29", u""},            // 1985 is not
      {u"", u"6", u"14", u""},              // no year is no date (not 1988)
      {u"11", u"13", u"1", u""},
      {u"11", u"6", u"", u""},
      {u"10.5", u"6", u"1", u""},
  };
  for (const auto& c : cases) EXPECT_EQ(ExchangeDate(c.year, c.month, c.day), c.date) << testing::S(c.year);
}

// What the total leaves an increment, worked in double precision (17.3 - 15 is
// 2.3000000000000007), written as the source would write it.
TEST(ExchangeValues, PlainNumbersWithAtMostTwoPlaces) {
  const std::pair<double, const char16_t*> cases[] = {{7, u"7"}, {2.5, u"2.5"}, {0.25, u"0.25"}, {17.3 - 15, u"2.3"}};
  for (const auto& [value, text] : cases) EXPECT_EQ(PlainNumberText(value), text) << value;
}

TEST(ExchangeValues, AnglesAsTheTitleSheetsSplitThem) {
  EXPECT_EQ(ExchangeAngle(u"35.4512"), (std::array<std::u16string, 3>{u"35", u"45", u"11"}));
  EXPECT_EQ(ExchangeAngle(u""), (std::array<std::u16string, 3>{}));
  EXPECT_EQ(ExchangeAngle(u"北緯35度"), (std::array<std::u16string, 3>{}));
}

TEST(ExchangeValues, MeshCodeInItsThreeLevels) {
  // 35° 41′ 22″, 139° 41′ 29″: worked by hand to 5339 45 25
  EXPECT_EQ(MeshCodeParts(u"35.4122", u"139.4130"), (std::array<std::u16string, 3>{u"5339", u"45", u"25"}));
  EXPECT_EQ(MeshCodeParts(u"0", u"139.4130"), (std::array<std::u16string, 3>{}));
  EXPECT_EQ(MeshCodeParts(u"35.4122", u""), (std::array<std::u16string, 3>{}));
  // Mended: a position beyond the mesh stopped the export with a failure naming nothing.
  EXPECT_EQ(MeshCodeParts(u"1e30", u"139.4130"), (std::array<std::u16string, 3>{}));
}

TEST(ExchangeValues, TimesTenOnTheDigits) {
  const struct {
    const char16_t *number, *times10;
  } cases[] = {{u"18", u"180"}, {u"2.25", u"22.5"}, {u"0.05", u"0.5"}, {u"0", u"0"},
               {u"1e2", u""},   {u"-5", u""},      {u"", u""},        {u"3.", u""}};
  for (const auto& c : cases) EXPECT_EQ(TimesTen(c.number), c.times10) << testing::S(c.number);
}

}  // namespace
}  // namespace velni
