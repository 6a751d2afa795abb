#include <cstdint>

#include "run/passes.hpp"
#include "run/record_reader.hpp"
#include "text/output_file.hpp"
#include "writers/range_line.hpp"
#include "writers/soil_names.hpp"

namespace velni {
namespace {

constexpr char16_t kLayerRecordLabel[] = u"層データ";
// The layer counts stand in the main data file's header record.
constexpr char16_t kHeaderRecordLabel[] = u"ヘッダ";
constexpr std::int64_t kLayerCountField = 3;
constexpr std::int64_t kLayerFieldCountField = 5;

}  // namespace

void RunLayerSection(RunContext& run) {
  InputFile& source = run.Source.value();
  // The counts are tested only now, after the header fields: a count that is no
  // number is named in the header record where it stands.
  source.BeginRecord(kHeaderRecordLabel, 1);
  if (!IsNonZero(run.Header.layerCount, source, kLayerCountField) ||
      !IsNonZero(run.Header.layerFieldCount, source, kLayerFieldCountField)) {
    return;
  }
  const std::int64_t layers = LoopCount(run.Header.layerCount, source, kLayerCountField);
  const std::int64_t fieldCount = LoopCount(run.Header.layerFieldCount, source, kLayerFieldCountField);
  const SoilTableFolders folders{run.DataFolderPath, run.ProgramFolder};

  // X1.TXT and X3.TXT stay open together: every layer gives a line to each.
  OutputFile x1(run.OutputFolder + u"X1.TXT");
  OutputFile x3(run.OutputFolder + u"X3.TXT");
  std::int16_t x1Line = 1;
  std::int16_t x3Line = 1;
  TextArray& fields = run.RecordFields;
  for (std::int64_t layer = 1; layer <= layers; ++layer) {
    source.BeginRecord(kLayerRecordLabel, layer, layers);
    ReadRecordFields(source, fields, fieldCount);
    WriteSoilNameLine(x1, x1Line, fields[1], fields[2], folders);
    WriteRangeLine(x3, x3Line, fields[1], fields[4], run.L4Count, run.L4Col1, run.L4Col2);
  }
  x3.Close();
  x1.Close();
}

}  // namespace velni
