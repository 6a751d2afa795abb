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
// Where the soil name stands in a layer record.
constexpr std::int64_t kSoilNameField = 2;

// The layer's soil-name code; a name the tables must not take is named at its layer.
std::u16string LayerSoilCode(RunContext& run, const std::u16string& soilName, const InputFile& source) {
  if (soilName.empty()) return kNoSoilCode;
  try {
    const SoilCode code = run.SoilNames->CodeOf(soilName, [&run](const std::u16string& text) { run.Ui->Notify(text); });
    if (code.registered) run.NewSoilNames.push_back({soilName, code.code});
    return code.code;
  } catch (const SoilNameRefused& refused) {
    source.FailAtField(refused.What(), kSoilNameField);
  }
}

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

  // X1.TXT and X3.TXT stay open together: every layer gives a line to each.
  OutputFile x1(run.OutputFolder + u"X1.TXT");
  OutputFile x3(run.OutputFolder + u"X3.TXT");
  std::int16_t x1Line = 1;
  std::int16_t x3Line = 1;
  TextArray& fields = run.RecordFields;
  for (std::int64_t layer = 1; layer <= layers; ++layer) {
    source.BeginRecord(kLayerRecordLabel, layer, layers);
    ReadRecordFields(source, fields, fieldCount);
    WriteSoilNameLine(x1, x1Line, fields[1], LayerSoilCode(run, fields[2], source), fields[2]);
    WriteRangeLine(x3, x3Line, fields[1], fields[4], run.L4Count, run.L4Col1, run.L4Col2);
  }
  x3.Close();
  x1.Close();
}

}  // namespace velni
