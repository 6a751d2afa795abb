#include <cstdint>
#include <string>

#include "platform/file_system.hpp"
#include "run/conversion_run.hpp"
#include "run/passes.hpp"
#include "run/record_reader.hpp"
#include "text/fixed_width.hpp"
#include "text/output_file.hpp"
#include "writers/remarks.hpp"

namespace velni {

namespace {

// The remarks file's header record: a first value the run does not use, the
// number of remarks and the number of fields of each.
struct RemarksHeader {
  NumOrText first;
  NumOrText recordCount;
  NumOrText fieldCount;
};

// Where the counts stand in the header record, for a count that is no number.
constexpr std::int64_t kRecordCountField = 2;
constexpr std::int64_t kFieldCountField = 3;

RemarksHeader ReadRemarksHeader(InputFile& source) {
  RemarksHeader header;
  ReadHeaderFields(source, u"備考ヘッダ", {&header.first, &header.recordCount, &header.fieldCount});
  return header;
}

// A depth such as "3.50)" or "3.50 )" carries a note after it: only the depth
// before the parenthesis is kept.
void CutAtParenthesis(std::u16string& depthText) {
  const std::size_t parenthesis = depthText.find(u')');
  if (parenthesis != std::u16string::npos) {
    depthText = TrimTrailingBlanks(depthText.substr(0, parenthesis));
  }
}

// Writes N12.TXT, one line per row of every remark that has a text; returns whether
// any remark was written.
bool WriteRemarkRows(RunContext& run, const RemarksHeader& header, const std::u16string& n12Path) {
  InputFile& source = *run.Source;
  const std::int64_t records = LoopCount(header.recordCount, source, kRecordCountField);
  const std::int64_t fields = LoopCount(header.fieldCount, source, kFieldCountField);
  OutputFile n12(n12Path);
  std::int16_t counter = 1;
  bool wroteAny = false;
  for (std::int64_t record = 1; record <= records; ++record) {
    source.BeginRecord(u"備考データ", record, records);
    ReadRecordFields(source, run.RecordFields, fields);
    CutAtParenthesis(run.RecordFields[1]);
    if (run.RecordFields[2].empty()) continue;  // a depth without a remark
    WrapRemarks(counter, run.RecordFields[1], run.RecordFields[2], n12);
    wroteAny = true;
  }
  n12.Close();
  return wroteAny;
}

// N12.TXT becomes X12.TXT through N12.TMP; neither work file stays. With no remark
// written there is nothing to copy, and X12.TXT is left as it was.
void WriteX12(RunContext& run, const RemarksHeader& header) {
  const std::u16string& folder = run.OutputFolder;
  if (!WriteRemarkRows(run, header, folder + u"N12.TXT")) {
    fs::DeleteFile(folder + u"N12.txt");
    return;
  }
  NormaliseN12(folder + u"N12");
  fs::CopyFile(folder + u"N12.TMP", folder + u"X12.TXT");
  fs::DeleteFile(folder + u"N12.tmp");
  fs::DeleteFile(folder + u"N12.txt");
}

}  // namespace

void RunRemarksPass(RunContext& run) {
  run.Source.emplace(CompanionPath(run.SourcePath, run.SourceFileName, u"KDT"));
  const RemarksHeader header = ReadRemarksHeader(*run.Source);
  if (IsNonZero(header.recordCount, *run.Source, kRecordCountField) &&
      IsNonZero(header.fieldCount, *run.Source, kFieldCountField)) {
    WriteX12(run, header);
  }
  run.Source.reset();
}

}  // namespace velni
