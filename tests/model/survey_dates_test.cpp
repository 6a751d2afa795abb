#include "model/survey_dates.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>

#include "model/header_fields.hpp"

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

// Each row: the era year, month and day of the first and of the last day; then each
// day as written (empty when not) with its fault and the header field named.
TEST(ReadSurveyPeriodTest, DaysThatCannotBeAreNotWritten) {
  const CalendarDate exportDay{2020, 4, 1};
  struct Day {
    const char16_t* written;
    DateFault fault;
    std::size_t field;
  };
  const struct {
    std::array<const char16_t*, 6> fields;
    Day start, end;
  } cases[] = {
      {{u"11", u"6", u"14", u"11", u"6", u"18"}, {u"1999-06-14", DateFault::None, 0}, {u"1999-06-18", DateFault::None, 0}},
      {{u"", u"", u"", u" ", u"", u""}, {u"", DateFault::Missing, 0}, {u"", DateFault::Missing, 0}},
      {{u"11", u"2", u"30", u"11", u"6", u"18"}, {u"", DateFault::NotADate, 8}, {u"1999-06-18", DateFault::None, 0}},
      {{u"11", u"6", u"14", u"", u"6", u"18"}, {u"1999-06-14", DateFault::None, 0}, {u"", DateFault::NotADate, 9}},
      {{u"11", u"6", u"14", u"11", u"13", u"1"}, {u"1999-06-14", DateFault::None, 0}, {u"", DateFault::NotADate, 10}},
      // The era rule gives 2028 for 40 and 2053 for 65: after the export.
      {{u"40", u"6", u"14", u"65", u"6", u"18"}, {u"", DateFault::AfterExport, 6}, {u"", DateFault::AfterExport, 9}},
      {{u"32", u"3", u"31", u"32", u"4", u"1"}, {u"2020-03-31", DateFault::None, 0}, {u"2020-04-01", DateFault::None, 0}},
      {{u"32", u"3", u"31", u"32", u"4", u"2"}, {u"2020-03-31", DateFault::None, 0}, {u"", DateFault::AfterExport, 9}},
      // A period that ends before it starts: neither day can be trusted.
      {{u"11", u"6", u"18", u"11", u"6", u"14"}, {u"", DateFault::EndsBeforeStart, 6}, {u"", DateFault::EndsBeforeStart, 9}},
  };
  const auto text = [](const PeriodDay& day) {
    if (!day.date) return std::string();
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", day.date->year, day.date->month, day.date->day);
    return std::string(buffer);
  };
  for (const auto& c : cases) {
    RecordFieldsSnapshot header;
    for (std::size_t i = 0; i < 6; ++i) header[header_field::kStartYear + i] = c.fields[i];
    SCOPED_TRACE(testing::S(header[6] + u"/" + header[7] + u"/" + header[8] + u" - " + header[9] + u"/" + header[10] +
                            u"/" + header[11]));
    const SurveyPeriod period = ReadSurveyPeriod(header, exportDay);
    for (const auto& [day, expected] : {std::pair{period.start, c.start}, std::pair{period.end, c.end}}) {
      EXPECT_EQ(text(day), testing::S(expected.written));
      EXPECT_EQ(day.fault, expected.fault);
      EXPECT_EQ(day.field, expected.field);
    }
  }
}

// The survey starts on 1999-12-28 (era year 11).
TEST(ListRecordDateTest, MonthAndDayInTheYearOfTheSurvey) {
  RecordFieldsSnapshot header;
  header[header_field::kStartYear] = u"11", header[header_field::kStartMonth] = u"12";
  header[header_field::kStartDay] = u"28";
  const std::pair<const char16_t*, std::optional<CalendarDate>> cases[] = {
      {u"12/28", CalendarDate{1999, 12, 28}},
      {u"12/30", CalendarDate{1999, 12, 30}},
      {u"1/3", CalendarDate{2000, 1, 3}},  // over the new year
      {u"2/29", CalendarDate{2000, 2, 29}},
      {u"12/31/5", std::nullopt},  // the day is what follows the first "/"
      {u"6/31", std::nullopt},
      {u"6", std::nullopt},
      {u"", std::nullopt},
  };
  for (const auto& [monthDay, date] : cases) EXPECT_EQ(ListRecordDate(header, monthDay), date) << testing::S(monthDay);
  EXPECT_EQ(ListRecordDate(RecordFieldsSnapshot{}, u"6/14"), std::nullopt);  // no first day: no year
}

// An imported date's year goes back into the era count: every year the era rule can
// give comes back as itself, and the years it cannot give (41 to 64 count from 1925)
// come back empty.
TEST(EraYearTextTest, GivesBackEveryYearTheEraRuleCanGive) {
  EXPECT_EQ(EraYearText(1999), u"11");
  EXPECT_EQ(EraYearText(1966), u"41");
  EXPECT_EQ(EraYearText(1989), u"64");
  EXPECT_EQ(EraYearText(2028), u"40");
  EXPECT_EQ(EraYearText(2053), u"65");
  for (int year = 1900; year <= 2100; ++year) {
    const std::u16string era = EraYearText(year);
    if (year >= 2029 && year <= 2052) {
      EXPECT_EQ(era, u"") << year;
    } else {
      EXPECT_EQ(WesternYear(era), static_cast<float>(year)) << year;
    }
  }
}

}  // namespace
}  // namespace velni
