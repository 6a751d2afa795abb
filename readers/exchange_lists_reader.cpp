// The samples, water levels and drilling progress of an exchange file into the
// three list blocks of the main data file, each block as long as the longest (the
// source gives all three one count; a record with its tested field empty is no line).
#include <algorithm>
#include <optional>

#include "model/record_positions.hpp"
#include "readers/exchange_sections.hpp"
#include "text/number_text.hpp"

namespace velni {
namespace {

constexpr std::int64_t kListFieldCount = 3;

SourceRecord ListRecord(std::initializer_list<std::pair<std::size_t, std::u16string>> fields) {
  SourceRecord record;
  for (const auto& [position, text] : fields) record.fields[position] = text;
  return record;
}

// "1999-06-14" as the list writes a day: "6/14"; empty for any other text.
std::u16string MonthDay(const std::u16string& date) {
  if (date.size() != 10 || date[4] != u'-' || date[7] != u'-') return {};
  const std::optional<double> month = ParseDouble(std::u16string_view(date).substr(5, 2));
  const std::optional<double> day = ParseDouble(std::u16string_view(date).substr(8, 2));
  if (!month || !day) return {};
  return DecimalText(static_cast<std::int64_t>(*month)) + u'/' + DecimalText(static_cast<std::int64_t>(*day));
}

// The sample's number, its upper depth and its method as the source keys it (the
// format's method codes are not the source's).
std::vector<SourceRecord> Samples(const ExchangeSource& source, const XmlNode& core) {
  std::vector<SourceRecord> block;
  for (const XmlNode* sample : ChildrenOf(core, u"試料採取")) {
    block.push_back(ListRecord({{sample_field::kNumber, ChildText(*sample, u"試料採取_試料番号")},
                                {sample_field::kDepth, RequiredDepth(source, *sample, u"試料採取_上端深度")},
                                {sample_field::kMethodKey, ChildText(*sample, u"試料採取_採取方法")}}));
  }
  return block;
}

std::vector<SourceRecord> Dated(const ExchangeSource& source, const XmlNode& core, std::u16string_view name,
                                std::u16string_view dateName, std::u16string_view depthName) {
  std::vector<SourceRecord> block;
  for (const XmlNode* node : ChildrenOf(core, name)) {
    block.push_back(ListRecord({{dated_field::kDepth, RequiredDepth(source, *node, depthName)},
                                {dated_field::kMonthDay, MonthDay(ChildText(*node, dateName))}}));
  }
  return block;
}

}  // namespace

void ReadExchangeLists(const ExchangeSource& source, const XmlNode& core, MainData& main) {
  const ExchangeReadNames& names = source.names;
  main.listBlocks = {Samples(source, core), Dated(source, core, u"孔内水位", u"孔内水位_測定年月日", u"孔内水位_孔内水位"),
                     Dated(source, core, names.drilling, names.drillingDate, names.drillingDepth)};
  std::size_t count = 0;
  for (const auto& block : main.listBlocks) count = std::max(count, block.size());
  main.listHeader.recordCount = NumOrText::Number(static_cast<double>(count));
  main.listHeader.fieldCount = NumOrText::Number(kListFieldCount);
  main.listHeader.third = NumOrText::Number(count == 0 ? 0 : 1);
  if (count == 0) return;
  main.hasListSection = true;
  main.listFieldCount = kListFieldCount;
  for (auto& block : main.listBlocks) {
    block.resize(count);
    for (std::size_t i = 0; i < count; ++i) block[i].number = static_cast<std::int64_t>(i) + 1;
  }
}

}  // namespace velni
