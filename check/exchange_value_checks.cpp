#include "check/exchange_value_checks.hpp"

#include <array>
#include <cstdint>

#include "model/header_fields.hpp"
#include "model/record_positions.hpp"
#include "model/test_entries.hpp"
#include "text/fixed_width.hpp"
#include "text/number_text.hpp"

namespace velni {
namespace {

constexpr char16_t kEmptyInXml[] = u"交換用データ (XML) には空で書き出されます。";
constexpr char16_t kAsWrittenInXml[] = u"交換用データ (XML) には記載どおり書き出されます。";

std::u16string Number(double value) { return TrimBlanks(DoubleText(value)); }

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

// A record's own field: beyond its field count the buffer shows an earlier record.
std::u16string OwnEntry(const PenetrationFile& file, const SourceRecord& test, std::size_t field) {
  return static_cast<std::int64_t>(field) <= file.fieldCount ? test.fields[field] : std::u16string();
}

void Warn(const PenetrationFile& file, const SourceRecord& test, std::size_t field, const std::u16string& message,
          CheckProblems& problems) {
  problems.push_back({Severity::Warning, file.path,
                      RecordPlace(record_label::kPenetrationTest, test.number, static_cast<std::int64_t>(field)),
                      message});
}

void CheckWholeCounts(const PenetrationFile& file, const SourceRecord& test, CheckProblems& problems) {
  for (std::size_t field = test_field::kMainEntry; field <= test_field::kLastEntry; ++field) {
    const std::u16string entry = OwnEntry(file, test, field);
    const auto parsed = ParseDriveEntry(entry, field == test_field::kMainEntry);
    if (!parsed || IsWholeCount(parsed->blows)) continue;
    Warn(file, test, field, u"打撃回数「" + entry + u"」が整数ではありません。" + kAsWrittenInXml, problems);
  }
}

std::u16string SumText(const TestEntries& entries) {
  const IncrementSum sum = SumOfIncrements(entries);
  return Number(sum.blows) + u" 回 / " + Number(sum.penetration) + u" cm";
}

void CheckTotals(const PenetrationFile& file, const SourceRecord& test, CheckProblems& problems) {
  std::array<std::u16string, test_field::kPartialEntries> partials;
  for (std::size_t i = 0; i < partials.size(); ++i) {
    partials[i] = OwnEntry(file, test, test_field::kFirstPartialEntry + i);
  }
  const std::u16string main = OwnEntry(file, test, test_field::kMainEntry);
  const TestEntries entries = ReadTestEntries(main, partials);
  if (!entries.disagree) return;
  Warn(file, test, test_field::kMainEntry,
       u"区間ごとの打撃回数と貫入量の和（" + SumText(entries) + u"）が合計「" + main + u"」（" +
           Number(entries.total->blows) + u" 回 / " + Number(entries.total->penetration) + u" cm）と合いません。" +
           kAsWrittenInXml,
       problems);
}

}  // namespace

CheckProblems CheckExchangeValues(const Boring& boring, const CalendarDate& exportDay) {
  CheckProblems problems;
  CheckSurveyPeriod(boring.main, exportDay, problems);
  for (const SourceRecord& test : boring.penetration.tests) {
    CheckTotals(boring.penetration, test, problems);
    CheckWholeCounts(boring.penetration, test, problems);
  }
  return problems;
}

}  // namespace velni
