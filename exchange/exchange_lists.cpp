// The three list blocks of the main data file: the samples taken (block 1), the water
// levels measured (block 2) and the depth drilled (block 3), the last two by date.
// A record the conversion leaves out (its tested field empty) is left out here too.
#include "exchange/core_elements.hpp"
#include "exchange/exchange_values.hpp"
#include "exchange/own_field.hpp"
#include "model/record_positions.hpp"
#include "model/survey_dates.hpp"

namespace velni {
namespace {

const std::vector<SourceRecord>& Block(const MainData& main, int index) {
  return main.listBlocks[static_cast<std::size_t>(index)];
}

// The list gives month and day; the year is that of the survey's start, or the next
// one for a day before the start (a survey over the turn of a year).
std::u16string ListDate(const MainData& main, const SourceRecord& record) {
  const auto date = ListRecordDate(main.headerFields, OwnField(record, main.listFieldCount, dated_field::kMonthDay));
  return date ? DateText(*date) : std::u16string();
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
    const std::u16string method = OwnField(record, main.listFieldCount, sample_field::kMethodKey);
    if (method.empty()) continue;
    const std::u16string depth = OwnField(record, main.listFieldCount, sample_field::kDepth);
    XmlElement& sample = AddRepeated(core, u"試料採取", ordinal);
    sample.AddText(u"試料採取_上端深度", depth);
    sample.AddText(u"試料採取_下端深度", depth);
    sample.AddText(u"試料採取_試料番号", OwnField(record, main.listFieldCount, sample_field::kNumber));
    sample.Add(u"試料採取_採取方法コード");
    sample.AddText(u"試料採取_採取方法", method);
  }
}

void AddWaterLevels(const MainData& main, const ExchangeNames& names, XmlElement& core) {
  int ordinal = 0;
  for (const SourceRecord& record : Block(main, 1)) {
    const std::u16string depth = OwnField(record, main.listFieldCount, dated_field::kDepth);
    if (depth.empty()) continue;
    XmlElement& level = AddRepeated(core, u"孔内水位", ordinal);
    level.AddText(u"孔内水位_測定年月日", ListDate(main, record));
    level.Add(names.waterStatusCode);
    level.AddText(u"孔内水位_孔内水位", depth);
  }
}

void AddDrillingProgress(const MainData& main, const ExchangeNames& names, XmlElement& core) {
  int ordinal = 0;
  for (const SourceRecord& record : Block(main, 2)) {
    const std::u16string depth = OwnField(record, main.listFieldCount, dated_field::kDepth);
    if (depth.empty()) continue;
    XmlElement& progress = AddRepeated(core, names.drilling, ordinal);
    progress.AddText(names.drillingDate, ListDate(main, record));
    progress.AddText(names.drillingDepth, depth);
  }
}

}  // namespace velni
