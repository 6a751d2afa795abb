#include <cstdint>
#include <string>

#include "run/conversion_run.hpp"
#include "run/passes.hpp"
#include "run/record_reader.hpp"
#include "text/output_file.hpp"
#include "writers/penetration.hpp"

namespace velni {

namespace {

// The penetration-test file's header record: the kind of test, the number of test
// records and of their fields, and a fourth value the run does not use.
struct PenetrationHeader {
  NumOrText kind;
  NumOrText recordCount;
  NumOrText fieldCount;
  NumOrText fourth;
};

// The one kind of test that X5.TXT holds: the standard penetration test.
constexpr double kStandardPenetrationKind = 100;

// Where the counts stand in the header record, for a count that is no number.
constexpr std::int64_t kRecordCountField = 2;
constexpr std::int64_t kFieldCountField = 3;

PenetrationHeader ReadPenetrationHeader(InputFile& source) {
  PenetrationHeader header;
  ReadHeaderFields(source, u"貫入試験ヘッダ", {&header.kind, &header.recordCount, &header.fieldCount, &header.fourth});
  return header;
}

// Only the number 100 counts: a quoted "100" is a text.
bool IsStandardPenetration(const NumOrText& kind) {
  return kind.IsNumber() && kind.AsNumber() == kStandardPenetrationKind;
}

void WriteX5(RunContext& run, const PenetrationHeader& header) {
  InputFile& source = *run.Source;
  const std::int64_t records = LoopCount(header.recordCount, source, kRecordCountField);
  const std::int64_t fields = LoopCount(header.fieldCount, source, kFieldCountField);
  OutputFile x5(run.OutputFolder + u"X5.TXT");
  std::int16_t counter = 1;
  for (std::int64_t record = 1; record <= records; ++record) {
    source.BeginRecord(u"貫入試験データ", record, records);
    ReadRecordFields(source, run.RecordFields, fields);
    WritePenetrationRecord(counter, run.RecordFields, x5);
  }
  x5.Close();
}

}  // namespace

void RunPenetrationPass(RunContext& run) {
  run.Source.emplace(CompanionPath(run.SourcePath, run.SourceFileName, u"NDT"));
  const PenetrationHeader header = ReadPenetrationHeader(*run.Source);
  if (IsStandardPenetration(header.kind)) WriteX5(run, header);
  run.Source.reset();
}

}  // namespace velni
