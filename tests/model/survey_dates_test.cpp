#include "model/survey_dates.hpp"

#include <gtest/gtest.h>

#include "tests/support/temp_folder.hpp"

namespace velni {
namespace {

// Each row: the three fields, then the date, or the part at fault when there is none.
TEST(ReadDateTest, GivesTheCalendarDateOrThePartAtFault) {
  const struct {
    const char16_t *year, *month, *day;
    std::optional<CalendarDate> date;
    DatePart fault;
  } cases[] = {
      {u"11", u"6", u"14", CalendarDate{1999, 6, 14}, DatePart::Year},
      {u" 63", u"2", u"29", CalendarDate{1988, 2, 29}, DatePart::Year},  // 63 counts from 1925: a leap year
      {u"12", u"2", u"29", CalendarDate{2000, 2, 29}, DatePart::Year},   // divisible by 400
      {u"40", u"1", u"1", CalendarDate{2028, 1, 1}, DatePart::Year},     // the era rule's bound, as the sheets
      {u"", u"6", u"14", std::nullopt, DatePart::Year},                  // not the sheets' 1988
      {u"平成11", u"6", u"14", std::nullopt, DatePart::Year},
      {u"10.5", u"6", u"1", std::nullopt, DatePart::Year},
      {u"-1990", u"6", u"1", std::nullopt, DatePart::Year},  // year -2
      {u"11", u"13", u"1", std::nullopt, DatePart::Month},
      {u"11", u"", u"1", std::nullopt, DatePart::Month},
      {u"60", u"2", u"29", std::nullopt, DatePart::Day},  // 1985 is no leap year
      {u"11", u"4", u"31", std::nullopt, DatePart::Day},
      {u"11", u"6", u"", std::nullopt, DatePart::Day},
      {u"11", u"6", u"1.5", std::nullopt, DatePart::Day},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::S(std::u16string(c.year) + u"/" + c.month + u"/" + c.day));
    const DateReading reading = ReadDate(c.year, c.month, c.day);
    EXPECT_EQ(reading.date, c.date);
    if (!c.date) {
      EXPECT_EQ(reading.fault, c.fault);
    }
  }
}

}  // namespace
}  // namespace velni
