#include <cstdint>

#include "run/passes.hpp"
#include "text/output_file.hpp"
#include "writers/range_line.hpp"
#include "writers/soil_names.hpp"

namespace velni {
namespace {

// A quoted soil name may span lines; its X1.TXT line must stay one line, so its line
// ends are blanks there, as the soil-name tables store them (the lookup sees the
// same name either way).
std::u16string SoilNameOnOneLine(std::u16string name) {
  for (char16_t& c : name) {
    if (c == u'\r' || c == u'\n') c = u' ';
  }
  return name;
}

}  // namespace

void RunLayerSection(RunContext& run) {
  const MainData& main = run.boring.main;
  if (!main.hasLayerSection) return;
  const SoilTableFolders folders{run.DataFolderPath, run.ProgramFolder};

  // X1.TXT and X3.TXT stay open together: every layer gives a line to each.
  OutputFile x1(run.OutputFolder + u"X1.TXT");
  OutputFile x3(run.OutputFolder + u"X3.TXT");
  std::int16_t x1Line = 1;
  std::int16_t x3Line = 1;
  for (const SourceRecord& layer : main.layers) {
    const RecordFieldsSnapshot& fields = layer.fields;
    WriteSoilNameLine(x1, x1Line, fields[1], SoilNameOnOneLine(fields[2]), folders);
    WriteRangeLine(x3, x3Line, fields[1], fields[4], run.L4Count, run.L4Col1, run.L4Col2);
  }
  x3.Close();
  x1.Close();
}

}  // namespace velni
