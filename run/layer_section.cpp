#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "files/open_files.hpp"
#include "model/record_positions.hpp"
#include "run/passes.hpp"
#include "tables/soil_entry.hpp"
#include "text/fixed_width.hpp"
#include "text/number_text.hpp"
#include "text/output_file.hpp"
#include "text/record_position.hpp"
#include "text/run_error.hpp"
#include "writers/range_line.hpp"
#include "writers/soil_names.hpp"

namespace velni {
namespace {

// A name the tables must not take and do not hold stops the run before the first
// layer registers anything, named at its layer.
template <typename Tables>
void RefuseUnstorableNames(const RunContext& run, Tables& tables) {
  const MainData& main = run.boring.main;
  for (const SourceRecord& layer : main.layers) {
    const std::u16string& name = layer.fields[layer_field::kSoilName];
    const auto why = WhyNotStorable(name);
    if (!why || name.empty() || tables.FindCode(name)) continue;
    throw RunError(*why, main.path,
                   RecordPosition(record_label::kLayer, layer.number,
                                  static_cast<std::int64_t>(main.layers.size()), layer_field::kSoilName));
  }
}

template <typename CodeOf>
std::u16string LayerSoilCode(RunContext& run, const std::u16string& soilName, CodeOf codeOf) {
  if (soilName.empty()) return kNoSoilCode;
  const SoilCode code = codeOf(soilName);
  if (code.registered) run.NewSoilNames.push_back({soilName, code.code});
  return code.code;
}

std::u16string LayerSoilCode(RunContext& run, const std::u16string& soilName, std::size_t layer) {
  if (run.LayerSoilCodes) return (*run.LayerSoilCodes)[layer];
  return LayerSoilCode(run, soilName, [&run](const std::u16string& name) {
    return run.SoilNames->CodeOf(name, [&run](const std::u16string& text) { run.Ui->Notify(text); });
  });
}

}  // namespace

void RegisterLayerSoilNames(RunContext& run, SoilNameStore::Registration& registration) {
  const MainData& main = run.boring.main;
  std::vector<std::u16string> codes;
  if (main.hasLayerSection) {
    RefuseUnstorableNames(run, registration);
    for (const SourceRecord& layer : main.layers) {
      const std::u16string soilName = SoilNameOnOneLine(layer.fields[layer_field::kSoilName]);
      codes.push_back(LayerSoilCode(run, soilName, [&](const std::u16string& name) { return registration.CodeOf(name); }));
    }
  }
  run.LayerSoilCodes = std::move(codes);
}

void RunLayerSection(RunContext& run) {
  const MainData& main = run.boring.main;
  if (!main.hasLayerSection) return;
  // Codes registered beforehand leave the store alone: writers may run side by side.
  std::optional<SoilNameStore::Pass> layers;
  if (!run.LayerSoilCodes) {
    RefuseUnstorableNames(run, *run.SoilNames);
    layers.emplace(*run.SoilNames);
  }
  // X1.TXT and X3.TXT stay open together: every layer gives a line to each.
  OutputFile x1 = CreateOutputFile(run.OutputFolder + u"X1.TXT");
  OutputFile x3 = CreateOutputFile(run.OutputFolder + u"X3.TXT");
  std::int16_t x1Line = 1;
  std::int16_t x3Line = 1;
  for (std::size_t i = 0; i < main.layers.size(); ++i) {
    const RecordFieldsSnapshot& fields = main.layers[i].fields;
    const std::u16string soilName = SoilNameOnOneLine(fields[layer_field::kSoilName]);
    WriteSoilNameLine(x1, x1Line, fields[layer_field::kDepth], LayerSoilCode(run, soilName, i), soilName);
    // A blank range text gives no X3.TXT line and takes no line number.
    const std::u16string& range = fields[layer_field::kRangeText];
    if (!TrimBlanks(range).empty()) WriteRangeLine(x3, x3Line, fields[layer_field::kDepth], range, run.codeTables.l4);
  }
  x3.Close();
  x1.Close();
}

}  // namespace velni
