#pragma once
// The dates of the main data file: years in the era count of the source, months and
// days as separate fields.
#include <compare>
#include <optional>
#include <string_view>

namespace velni {

// The Western year of an era year: above 40 and below 65 it is counted from 1925,
// otherwise from 1988; worked in single precision as the title sheets show it (a
// field that is not a number counts as 0, so it gives 1988; 10.5 gives 1998.5).
float WesternYear(std::u16string_view eraYear);

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

}  // namespace velni
