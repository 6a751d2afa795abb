#include <cstdint>
#include <functional>

#include "run/passes.hpp"
#include "run/record_reader.hpp"
#include "text/output_file.hpp"
#include "writers/list_lines.hpp"

namespace velni {
namespace {

constexpr char16_t kListHeaderLabel[] = u"リスト見出し";

struct ListBlock {
  const char16_t* fileName;
  const char16_t* recordLabel;
  int testedField;  // a record whose field is empty is read and dropped
};

// Labelled by their place in the main data file, where an operator looks for them.
constexpr ListBlock kX11Block{u"X11.TXT", u"リスト第1ブロック", 3};
constexpr ListBlock kN9Block{u"N9.TXT", u"リスト第2ブロック", 1};
constexpr ListBlock kN8Block{u"N8.TXT", u"リスト第3ブロック", 1};

// Where the counts stand in the list header record.
constexpr std::int64_t kRecordCountField = 1;
constexpr std::int64_t kFieldCountField = 2;
constexpr std::int64_t kThirdValueField = 3;

struct ListCounts {
  std::int64_t records;
  std::int64_t fields;
};

using ListWriter = std::function<void(OutputFile&, std::int16_t&, const TextArray&)>;

void RunListBlock(RunContext& run, const ListBlock& block, ListCounts counts, const ListWriter& write) {
  InputFile& source = run.Source.value();
  TextArray& fields = run.RecordFields;
  OutputFile out(run.OutputFolder + block.fileName);
  std::int16_t lineNo = 1;
  for (std::int64_t record = 1; record <= counts.records; ++record) {
    source.BeginRecord(block.recordLabel, record, counts.records);
    ReadRecordFields(source, fields, counts.fields);
    if (!fields[block.testedField].empty()) write(out, lineNo, fields);
  }
  out.Close();
}

}  // namespace

void RunListSection(RunContext& run) {
  InputFile& source = run.Source.value();
  NumOrText recordCount;
  NumOrText fieldCount;
  NumOrText third;
  ReadHeaderFields(source, kListHeaderLabel, {&recordCount, &fieldCount, &third});
  if (!IsNonZero(recordCount, source, kRecordCountField) || !IsNonZero(third, source, kThirdValueField)) return;
  const ListCounts counts{LoopCount(recordCount, source, kRecordCountField),
                          LoopCount(fieldCount, source, kFieldCountField)};

  RunListBlock(run, kX11Block, counts, [&run](OutputFile& out, std::int16_t& lineNo, const TextArray& fields) {
    WriteCodedListLine(out, lineNo, fields, run.L10Count, run.L10Col1, run.L10Col2);
  });
  // N9.TXT and N8.TXT date their lines with the year of the survey's first date.
  const auto dated = [&run](OutputFile& out, std::int16_t& lineNo, const TextArray& fields) {
    WriteDatedListLine(out, lineNo, fields, run.Title1Fields[10]);
  };
  RunListBlock(run, kN9Block, counts, dated);
  RunListBlock(run, kN8Block, counts, dated);
}

}  // namespace velni
