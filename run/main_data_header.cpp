#include "run/passes.hpp"
#include "run/record_reader.hpp"
#include "run/title_fields.hpp"

namespace velni {
namespace {

// Where the header field count stands in the header record.
constexpr std::int64_t kHeaderFieldCountField = 2;

void ReadHeaderRecord(InputFile& file, MainHeader& header) {
  ReadHeaderFields(file, u"ヘッダ",
                   {&header.first, &header.headerFieldCount, &header.layerCount, &header.fourth,
                    &header.layerFieldCount});
}

}  // namespace

void ReadMainDataHeader(RunContext& run) {
  InputFile& file = run.Source.emplace(run.SourcePath);
  ReadHeaderRecord(file, run.Header);
  const std::int64_t fieldCount = LoopCount(run.Header.headerFieldCount, file, kHeaderFieldCountField);
  file.BeginRecord(u"ヘッダ項目", 1);
  ReadRecordFields(file, run.RecordFields, fieldCount);
  FillTitleFields(run.RecordFields, run.DataFolderPath, run.Title1Fields, run.Title2Fields);
}

}  // namespace velni
