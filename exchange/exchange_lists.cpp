// The three list blocks of the main data file: the samples taken (block 1), the water
// levels measured (block 2) and the depth drilled (block 3), the last two by date.
// A record the conversion leaves out (its tested field empty) is left out here too.
#include "exchange/core_elements.hpp"
#include "exchange/exchange_values.hpp"
#include "exchange/own_field.hpp"
#include "model/header_fields.hpp"
#include "text/number_text.hpp"

namespace velni {
namespace {

// Block 1: sample number, depth, sampling method (the key that L10.TXT codes).
constexpr std::int64_t kSampleNumber = 1;
constexpr std::int64_t kSampleDepth = 2;
constexpr std::int64_t kSampleMethod = 3;
// Blocks 2 and 3: depth, then month and day as "M/D".
constexpr std::int64_t kListDepth = 1;
constexpr std::int64_t kMonthDay = 2;

const std::vector<SourceRecord>& Block(const MainData& main, int index) {
  return main.listBlocks[static_cast<std::size_t>(index)];
}

// The list gives month and day; the year is that of the survey's start, or the next
// one for a day before the start (a survey over the turn of a year).
std::u16string ListDate(const MainData& main, const std::u16string& monthDay) {
  const std::size_t slash = monthDay.find(u'/');
  if (slash == std::u16string::npos) return {};
  const std::u16string month = monthDay.substr(0, slash);
  const std::u16string day = monthDay.substr(slash + 1);
  const std::u16string& year = main.headerFields[header_field::kStartYear];
  const std::u16string start = ExchangeDate(year, main.headerFields[header_field::kStartYear + 1],
                                            main.headerFields[header_field::kStartYear + 2]);
  const std::u16string date = ExchangeDate(year, month, day);
  if (date.empty() || start.empty() || date >= start) return date;
  return ExchangeDate(DecimalText(static_cast<std::int64_t>(NumOrZero(year)) + 1), month, day);
}

XmlElement& AddRepeated(XmlElement& core, const char16_t* name, int& ordinal) {
  XmlElement& element = core.Add(name);
  element.ordinal = ++ordinal;
  return element;
}

}  // namespace

// The list gives one depth per sample, so its interval is that depth at both ends;
// the format's method codes are not those of L10.TXT, so the code stays for the user
// and the method is the key as the source writes it.
void AddSamples(const MainData& main, XmlElement& core) {
  int ordinal = 0;
  for (const SourceRecord& record : Block(main, 0)) {
    const std::u16string method = OwnField(record, main.listFieldCount, kSampleMethod);
    if (method.empty()) continue;
    const std::u16string depth = OwnField(record, main.listFieldCount, kSampleDepth);
    XmlElement& sample = AddRepeated(core, u"試料採取", ordinal);
    sample.AddText(u"試料採取_上端深度", depth);
    sample.AddText(u"試料採取_下端深度", depth);
    sample.AddText(u"試料採取_試料番号", OwnField(record, main.listFieldCount, kSampleNumber));
    sample.Add(u"試料採取_採取方法コード");
    sample.AddText(u"試料採取_採取方法", method);
  }
}

void AddWaterLevels(const MainData& main, const ExchangeNames& names, XmlElement& core) {
  int ordinal = 0;
  for (const SourceRecord& record : Block(main, 1)) {
    const std::u16string depth = OwnField(record, main.listFieldCount, kListDepth);
    if (depth.empty()) continue;
    XmlElement& level = AddRepeated(core, u"孔内水位", ordinal);
    level.AddText(u"孔内水位_測定年月日", ListDate(main, OwnField(record, main.listFieldCount, kMonthDay)));
    level.Add(names.waterStatusCode);
    level.AddText(u"孔内水位_孔内水位", depth);
  }
}

void AddDrillingProgress(const MainData& main, const ExchangeNames& names, XmlElement& core) {
  int ordinal = 0;
  for (const SourceRecord& record : Block(main, 2)) {
    const std::u16string depth = OwnField(record, main.listFieldCount, kListDepth);
    if (depth.empty()) continue;
    XmlElement& progress = AddRepeated(core, names.drilling, ordinal);
    progress.AddText(names.drillingDate, ListDate(main, OwnField(record, main.listFieldCount, kMonthDay)));
    progress.AddText(names.drillingDepth, depth);
  }
}

}  // namespace velni
