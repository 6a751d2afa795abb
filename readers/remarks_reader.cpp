#include "readers/remarks_reader.hpp"

#include "model/record_positions.hpp"
#include "readers/record_reader.hpp"
#include "readers/source_file.hpp"
#include "text/fixed_width.hpp"
#include "text/input_file.hpp"

namespace velni {
namespace {

// Where the counts stand in the header record, for a count that is no number.
constexpr std::int64_t kRecordCountField = 2;
constexpr std::int64_t kFieldCountField = 3;

// A depth such as "3.50)" or "3.50 )" carries a note after it: only the depth
// before the parenthesis is kept (in the record buffer too, as later records see it).
void CutAtParenthesis(std::u16string& depthText) {
  const std::size_t parenthesis = depthText.find(u')');
  if (parenthesis != std::u16string::npos) {
    depthText = TrimTrailingBlanks(depthText.substr(0, parenthesis));
  }
}

}  // namespace

RemarksFile ReadRemarksFile(const std::u16string& path, RecordFieldsSnapshot& buffer) {
  RemarksFile remarks;
  remarks.path = path;
  InputFile file = OpenSourceFile(path);
  RemarksHeaderRecord& header = remarks.header;
  ReadHeaderFields(file, record_label::kRemarksHeader, {&header.first, &header.recordCount, &header.fieldCount});
  remarks.hasRecords =
      IsNonZero(header.recordCount, file, kRecordCountField) && IsNonZero(header.fieldCount, file, kFieldCountField);
  if (!remarks.hasRecords) {
    remarks.recordsLeft = !file.AtEndOfRecords();
    return remarks;
  }
  const std::int64_t records = LoopCount(header.recordCount, file, kRecordCountField);
  remarks.fieldCount = LoopCount(header.fieldCount, file, kFieldCountField);
  remarks.records = ReadRecordBlock(file, buffer, record_label::kRemark, records, remarks.fieldCount,
                                    [](RecordFieldsSnapshot& fields) { CutAtParenthesis(fields[remark_field::kDepth]); });
  remarks.recordsLeft = !file.AtEndOfRecords();
  return remarks;
}

}  // namespace velni
