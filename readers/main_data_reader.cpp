#include "readers/main_data_reader.hpp"

#include <optional>
#include <utility>

#include "readers/record_reader.hpp"
#include "readers/source_file.hpp"
#include "text/run_error.hpp"

namespace velni {
namespace {

// Where the counts stand in the header record and in the list header.
constexpr std::int64_t kHeaderFieldCountField = 2;
constexpr std::int64_t kLayerCountField = 3;
constexpr std::int64_t kLayerFieldCountField = 5;
constexpr std::int64_t kListRecordCountField = 1;
constexpr std::int64_t kListFieldCountField = 2;
constexpr std::int64_t kListThirdValueField = 3;

constexpr char16_t kNegativeCount[] = u"件数が負の数です。";

constexpr const char16_t* kListBlockLabels[] = {record_label::kListBlock1, record_label::kListBlock2,
                                                record_label::kListBlock3};

// The layer counts that read no record though they are not 0: the records they
// stand before are then read as the list header, which fails there.
std::optional<std::int64_t> NegativeLayerCountField(const MainDataHeaderRecord& header) {
  for (const auto& [count, field] : {std::pair{&header.layerCount, kLayerCountField},
                                     std::pair{&header.layerFieldCount, kLayerFieldCountField}}) {
    const auto number = count->AsNumber();
    if (number && *number < 0) return field;
  }
  return std::nullopt;
}

// A run that would have completed stays as it is; only a failure that a negative
// count caused further on is named at the header field that holds the count.
void ReadListSectionAfterLayers(InputFile& file, RecordFieldsSnapshot& buffer, MainData& main) {
  try {
    ReadListSection(file, buffer, main);
  } catch (const RunError&) {
    const auto field = NegativeLayerCountField(main.header);
    if (!field) throw;
    file.BeginRecord(record_label::kMainHeader, 1);
    file.FailAtField(kNegativeCount, *field);
  }
}

}  // namespace

void ReadMainHeader(InputFile& file, RecordFieldsSnapshot& buffer, MainData& main) {
  MainDataHeaderRecord& header = main.header;
  ReadHeaderFields(file, record_label::kMainHeader,
                   {&header.first, &header.headerFieldCount, &header.layerCount, &header.fourth,
                    &header.layerFieldCount});
  const std::int64_t fieldCount = LoopCount(header.headerFieldCount, file, kHeaderFieldCountField);
  file.BeginRecord(record_label::kHeaderFields, 1);
  ReadRecordFields(file, buffer, fieldCount);
  main.headerFields = buffer;
}

void ReadLayerSection(InputFile& file, RecordFieldsSnapshot& buffer, MainData& main) {
  const MainDataHeaderRecord& header = main.header;
  // The counts are tested only now, after the header fields: a count that is no
  // number is named in the header record where it stands.
  file.BeginRecord(record_label::kMainHeader, 1);
  main.hasLayerSection = IsNonZero(header.layerCount, file, kLayerCountField) &&
                         IsNonZero(header.layerFieldCount, file, kLayerFieldCountField);
  if (!main.hasLayerSection) return;
  const std::int64_t layers = LoopCount(header.layerCount, file, kLayerCountField);
  main.layerFieldCount = LoopCount(header.layerFieldCount, file, kLayerFieldCountField);
  main.layers = ReadRecordBlock(file, buffer, record_label::kLayer, layers, main.layerFieldCount);
}

void ReadListSection(InputFile& file, RecordFieldsSnapshot& buffer, MainData& main) {
  ListHeaderRecord& header = main.listHeader;
  ReadHeaderFields(file, record_label::kListHeader, {&header.recordCount, &header.fieldCount, &header.third});
  main.hasListSection = IsNonZero(header.recordCount, file, kListRecordCountField) &&
                        IsNonZero(header.third, file, kListThirdValueField);
  if (!main.hasListSection) return;
  const std::int64_t records = LoopCount(header.recordCount, file, kListRecordCountField);
  main.listFieldCount = LoopCount(header.fieldCount, file, kListFieldCountField);
  for (std::size_t block = 0; block < main.listBlocks.size(); ++block) {
    main.listBlocks[block] = ReadRecordBlock(file, buffer, kListBlockLabels[block], records, main.listFieldCount);
  }
}

MainData ReadMainDataFile(const std::u16string& path, RecordFieldsSnapshot& buffer) {
  MainData main;
  main.path = path;
  InputFile file = OpenSourceFile(path);
  ReadMainHeader(file, buffer, main);
  ReadLayerSection(file, buffer, main);
  ReadListSectionAfterLayers(file, buffer, main);
  main.recordsLeft = !file.AtEndOfRecords();
  return main;
}

}  // namespace velni
