#include "exchange/exchange_values.hpp"

#include <gtest/gtest.h>

#include "tests/support/temp_folder.hpp"

namespace velni {
namespace {


TEST(ExchangeValues, DatesWithFourDigitYearsAndTwoDigitMonthsAndDays) {
  EXPECT_EQ(DateText({1999, 6, 14}), u"1999-06-14");
  EXPECT_EQ(DateText({2028, 12, 1}), u"2028-12-01");
}

// What the total leaves an increment, worked in double precision (17.3 - 15 is
// 2.3000000000000007), written as the source would write it.
TEST(ExchangeValues, PlainNumbersWithAtMostTwoPlaces) {
  const std::pair<double, const char16_t*> cases[] = {{7, u"7"}, {2.5, u"2.5"}, {0.25, u"0.25"}, {17.3 - 15, u"2.3"}};
  for (const auto& [value, text] : cases) EXPECT_EQ(PlainNumberText(value), text) << value;
}

// Mended: the title sheets' single-precision split gave 11 seconds for 35.4512.
TEST(ExchangeValues, AnglesExactlyAsTheTextSaysThem) {
  EXPECT_EQ(ExchangeAngle(u"35.4512", 90), (std::array<std::u16string, 3>{u"35", u"45", u"12"}));
  EXPECT_EQ(ExchangeAngle(u"35.451234", 90), (std::array<std::u16string, 3>{u"35", u"45", u"12.34"}));
  EXPECT_EQ(ExchangeAngle(u"135.3221", 90), (std::array<std::u16string, 3>{}));
  EXPECT_EQ(ExchangeAngle(u"北緯35度", 90), (std::array<std::u16string, 3>{}));
}

TEST(ExchangeValues, MeshCodeInItsThreeLevels) {
  // Mended: sample B01 (34°48'30", 135°32'15") gave 5235 14 62 from the title sheets' split.
  EXPECT_EQ(MeshCodeParts(u"34.4830", u"135.3215"), (std::array<std::u16string, 3>{u"5235", u"14", u"73"}));
  EXPECT_EQ(MeshCodeParts(u"35.4122", u"99.0000"), (std::array<std::u16string, 3>{}));  // beyond the mesh
  EXPECT_EQ(MeshCodeParts(u"35.4122", u""), (std::array<std::u16string, 3>{}));
  EXPECT_EQ(MeshCodeParts(u"1e30", u"139.4130"), (std::array<std::u16string, 3>{}));
}

// Mended: a name in the elevation's place was copied as the elevation.
TEST(ExchangeValues, TwoDecimalsOnTheDigits) {
  const struct {
    const char16_t* field;
    bool signed_;
    const char16_t* value;
  } cases[] = {
      {u"12.35", false, u"12.35"}, {u" 12.3 ", false, u"12.30"}, {u"12", false, u"12.00"},
      {u"12.345", false, u"12.35"}, {u"9.995", false, u"10.00"}, {u"007.5", false, u"7.50"},
      {u"-1.2", true, u"-1.20"},   {u"-0.001", true, u"0.00"},   {u"-1.2", false, u""},
      {u"北河市", true, u""},      {u"1e2", true, u""},          {u"", true, u""},
  };
  for (const auto& c : cases) EXPECT_EQ(TwoDecimals(c.field, c.signed_), c.value) << testing::S(c.field);
}

TEST(ExchangeValues, DrillingAngleInDegreesFromTheHorizontal) {
  EXPECT_EQ(DrillingAngle(u"鉛直"), u"90");
  EXPECT_EQ(DrillingAngle(u" 水平 "), u"0");
  EXPECT_EQ(DrillingAngle(u"45"), u"45");
  EXPECT_EQ(DrillingAngle(u"斜め"), std::nullopt);
  EXPECT_EQ(DrillingAngle(u""), std::nullopt);
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
