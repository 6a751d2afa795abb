#include <cstdint>
#include <functional>

#include "files/open_files.hpp"
#include "model/record_positions.hpp"
#include "model/title_slots.hpp"
#include "run/passes.hpp"
#include "run/record_fields.hpp"
#include "text/output_file.hpp"
#include "writers/list_lines.hpp"

namespace velni {
namespace {

struct ListOutput {
  const char16_t* fileName;
  std::size_t testedField;  // a record whose field is empty is dropped
};

using ListWriter = std::function<void(OutputFile&, std::int16_t&, const TextArray&)>;

void WriteListBlock(RunContext& run, const std::vector<SourceRecord>& block, const ListOutput& output,
                    const ListWriter& write) {
  OutputFile out = CreateOutputFile(run.OutputFolder + output.fileName);
  std::int16_t lineNo = 1;
  for (const SourceRecord& record : block) {
    if (!record.fields[output.testedField].empty()) write(out, lineNo, AsTextArray(record.fields));
  }
  out.Close();
}

}  // namespace

void RunListSection(RunContext& run) {
  const MainData& main = run.boring.main;
  if (!main.hasListSection) return;
  WriteListBlock(run, main.listBlocks[0], {u"X11.TXT", sample_field::kMethodKey},
                 [&run](OutputFile& out, std::int16_t& lineNo, const TextArray& fields) {
                   WriteCodedListLine(out, lineNo, fields, run.codeTables.l10);
                 });
  // N9.TXT and N8.TXT date their lines with the year of the survey's first date.
  const auto dated = [&run](OutputFile& out, std::int16_t& lineNo, const TextArray& fields) {
    WriteDatedListLine(out, lineNo, fields, run.Title1Fields[title1_slot::kStartYear]);
  };
  WriteListBlock(run, main.listBlocks[1], {u"N9.TXT", dated_field::kDepth}, dated);
  WriteListBlock(run, main.listBlocks[2], {u"N8.TXT", dated_field::kDepth}, dated);
}

}  // namespace velni
