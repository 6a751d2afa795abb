#include "model/survey_dates.hpp"

#include <cmath>
#include <initializer_list>
#include <utility>

#include "model/header_fields.hpp"
#include "text/fixed_width.hpp"
#include "text/number_text.hpp"

namespace velni {
namespace {

std::optional<int> WholeNumber(std::optional<double> value, int low, int high) {
  if (!value || *value != std::trunc(*value) || *value < low || *value > high) return std::nullopt;
  return static_cast<int>(*value);
}

// Month and day in a year that is known to be one.
DateReading DateInYear(int year, std::u16string_view month, std::u16string_view day) {
  const std::optional<int> m = WholeNumber(ParseDouble(month), 1, 12);
  if (!m) return {std::nullopt, DatePart::Month};
  const std::optional<int> d = WholeNumber(ParseDouble(day), 1, DaysInMonth(year, *m));
  if (!d) return {std::nullopt, DatePart::Day};
  return {CalendarDate{year, *m, *d}, DatePart::Year};
}

}  // namespace

float WesternYear(std::u16string_view eraYear) {
  const float v = NumOrZero(eraYear);
  return (v > 40 && v < 65) ? v + 1925.0f : v + 1988.0f;
}

std::u16string EraYearText(int westernYear) {
  if (westernYear >= 1966 && westernYear <= 1989) return DecimalText(westernYear - 1925);
  const int eraYear = westernYear - 1988;
  if (eraYear > 40 && eraYear < 65) return {};
  return DecimalText(eraYear);
}

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

DateReading ReadDate(std::u16string_view eraYear, std::u16string_view month, std::u16string_view day) {
  // An empty or non-numeric era year is no year, although the title sheets show 1988.
  if (!ParseDouble(eraYear)) return {std::nullopt, DatePart::Year};
  const std::optional<int> y = WholeNumber(double{WesternYear(eraYear)}, 1, 9999);
  if (!y) return {std::nullopt, DatePart::Year};
  return DateInYear(*y, month, day);
}

namespace {

bool AllBlank(std::initializer_list<std::u16string_view> fields) {
  for (std::u16string_view field : fields) {
    if (!TrimBlanks(field).empty()) return false;
  }
  return true;
}

PeriodDay ReadPeriodDay(const RecordFieldsSnapshot& h, std::size_t year, std::size_t month, std::size_t day,
                        const CalendarDate& exportDay) {
  if (AllBlank({h[year], h[month], h[day]})) return {};
  const DateReading reading = ReadDate(h[year], h[month], h[day]);
  if (!reading.date) {
    const std::size_t fields[] = {year, month, day};
    return {std::nullopt, DateFault::NotADate, fields[static_cast<std::size_t>(reading.fault)]};
  }
  if (*reading.date > exportDay) return {std::nullopt, DateFault::AfterExport, year};
  return {reading.date, DateFault::None, 0};
}

}  // namespace

std::optional<CalendarDate> ListRecordDate(const RecordFieldsSnapshot& header, std::u16string_view monthDay) {
  namespace h = header_field;
  const std::optional<CalendarDate> start =
      ReadDate(header[h::kStartYear], header[h::kStartMonth], header[h::kStartDay]).date;
  const std::size_t slash = monthDay.find(u'/');
  if (!start || slash == std::u16string_view::npos) return std::nullopt;
  const std::u16string_view month = monthDay.substr(0, slash);
  const std::u16string_view day = monthDay.substr(slash + 1);
  // Month and day as a leap year takes them, to tell where they fall in the year.
  const std::optional<CalendarDate> inLeapYear = DateInYear(2000, month, day).date;
  if (!inLeapYear) return std::nullopt;
  const bool beforeStart = std::pair(inLeapYear->month, inLeapYear->day) < std::pair(start->month, start->day);
  return DateInYear(beforeStart ? start->year + 1 : start->year, month, day).date;
}

SurveyPeriod ReadSurveyPeriod(const RecordFieldsSnapshot& header, const CalendarDate& exportDay) {
  namespace h = header_field;
  SurveyPeriod period{ReadPeriodDay(header, h::kStartYear, h::kStartMonth, h::kStartDay, exportDay),
                      ReadPeriodDay(header, h::kEndYear, h::kEndMonth, h::kEndDay, exportDay)};
  if (period.start.date && period.end.date && *period.end.date < *period.start.date) {
    period.start = {std::nullopt, DateFault::EndsBeforeStart, h::kStartYear};
    period.end = {std::nullopt, DateFault::EndsBeforeStart, h::kEndYear};
  }
  return period;
}

}  // namespace velni
