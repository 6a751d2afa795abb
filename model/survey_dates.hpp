#pragma once
// The dates of the main data file: years in the era count of the source, months and
// days as separate fields.
#include <compare>
#include <cstddef>
#include <optional>
#include <string_view>

#include "model/boring.hpp"

namespace velni {

// The Western year of an era year: above 40 and below 65 it is counted from 1925,
// otherwise from 1988; worked in single precision as the title sheets show it (a
// field that is not a number counts as 0, so it gives 1988; 10.5 gives 1998.5).
float WesternYear(std::u16string_view eraYear);

// The era year that WesternYear turns into `westernYear`, as a whole number without
// leading zeros: counted from 1925 for 1966 to 1989, from 1988 otherwise. Empty for
// the years no era year gives (2029 to 2052: 41 to 64 count from 1925).
std::u16string EraYearText(int westernYear);

struct CalendarDate {
  int year = 0;
  int month = 0;
  int day = 0;
  friend auto operator<=>(const CalendarDate&, const CalendarDate&) = default;
};

// Which of the three fields of a date keeps it from being a calendar date.
enum class DatePart { Year, Month, Day };

// The calendar date of an era year, a month and a day; when they make none, the
// first part at fault: a year that is not a whole number of 1 to 9999 after the
// era rule (an empty one included), a month outside 1 to 12, a day the month lacks.
struct DateReading {
  std::optional<CalendarDate> date;
  DatePart fault = DatePart::Year;
};
DateReading ReadDate(std::u16string_view eraYear, std::u16string_view month, std::u16string_view day);

// 1 to 31 for a month of 1 to 12, by the Gregorian leap-year rule.
int DaysInMonth(int year, int month);

// What keeps a day of the survey's period from being written.
enum class DateFault {
  None,
  Missing,          // its three fields are blank: nothing to write, nothing wrong
  NotADate,         // the fields make no calendar date
  AfterExport,      // it lies after the day of the export
  EndsBeforeStart,  // the period's last day lies before its first: both are doubtful
};

struct PeriodDay {
  std::optional<CalendarDate> date;  // only when the fault is None
  DateFault fault = DateFault::Missing;
  std::size_t field = 0;  // the header field at fault; 0 when none is
};

struct SurveyPeriod {
  PeriodDay start;
  PeriodDay end;
};

// The survey's first and last day from the header fields, each checked against the
// day of the export and against each other.
SurveyPeriod ReadSurveyPeriod(const RecordFieldsSnapshot& header, const CalendarDate& exportDay);

// The day of a dated list record, whose field gives only month and day ("6/14",
// split at its first "/"): in the year of the survey's first day, or in the year
// after when that would put it before the first day (a survey over the new year).
// None without a first day or when month and day make no date in that year.
std::optional<CalendarDate> ListRecordDate(const RecordFieldsSnapshot& header, std::u16string_view monthDay);

}  // namespace velni
