#include "check/exchange_value_checks.hpp"

#include "model/header_fields.hpp"

namespace velni {
namespace {

constexpr char16_t kEmptyInXml[] = u"交換用データ (XML) には空で書き出されます。";

// The header fields of one day of the survey's period.
struct DayFields {
  const char16_t* name;
  std::size_t year, month, day;
};
constexpr DayFields kStartDay{u"調査開始日", header_field::kStartYear, header_field::kStartMonth,
                              header_field::kStartDay};
constexpr DayFields kEndDay{u"調査終了日", header_field::kEndYear, header_field::kEndMonth, header_field::kEndDay};

std::u16string Shown(const RecordFieldsSnapshot& h, const DayFields& fields) {
  return fields.name + (u"（年「" + h[fields.year] + u"」月「" + h[fields.month] + u"」日「" + h[fields.day] + u"」）");
}

std::u16string WhyEmpty(DateFault fault) {
  switch (fault) {
    case DateFault::NotADate: return u"は存在しない日付のため、";
    case DateFault::AfterExport: return u"は書き出す日より後の日付のため、";
    case DateFault::EndsBeforeStart: return u"が調査開始日より前のため、開始日とともに";
    case DateFault::None:
    case DateFault::Missing: break;
  }
  return {};
}

void CheckPeriodDay(const MainData& main, const PeriodDay& day, const DayFields& fields, CheckProblems& problems) {
  const std::u16string why = WhyEmpty(day.fault);
  if (why.empty()) return;
  problems.push_back({Severity::Warning, main.path, RecordPlace(record_label::kHeaderFields, 1, day.field),
                      Shown(main.headerFields, fields) + why + kEmptyInXml});
}

void CheckSurveyPeriod(const MainData& main, const CalendarDate& exportDay, CheckProblems& problems) {
  const SurveyPeriod period = ReadSurveyPeriod(main.headerFields, exportDay);
  // A period that ends before it starts is one fault: named once, at its end.
  if (period.start.fault != DateFault::EndsBeforeStart) CheckPeriodDay(main, period.start, kStartDay, problems);
  CheckPeriodDay(main, period.end, kEndDay, problems);
}

}  // namespace

CheckProblems CheckExchangeValues(const Boring& boring, const CalendarDate& exportDay) {
  CheckProblems problems;
  CheckSurveyPeriod(boring.main, exportDay, problems);
  return problems;
}

}  // namespace velni
